#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/TextFormat.h"

namespace {

using bitmap::FormatArgument;

struct FormatCase {
    const char* pattern;
    std::vector<FormatArgument> arguments;
    const char* expected;
};

TEST(TextFormat, FillsPlaceholdersInTurnAndLeavesTheRestAlone) {
    const std::vector<FormatCase> cases = {
        {"Chyba #%d: %s", {7, "konec"}, "Chyba #7: konec"},
        {"%sX.Y.%s", {"tiles/", "wbmp"}, "tiles/X.Y.wbmp"},
        {"%d%% hotovo", {50}, "50% hotovo"},
        // Values are put in as they are, never read as patterns.
        {"'%s'", {"%d%s"}, "'%d%s'"},
        // Missing arguments leave their placeholders; spare ones are dropped.
        {"%d x %d", {4}, "4 x %d"},
        {"bez", {"navíc"}, "bez"},
        // Anything else after "%" stays, a "%" at the end too.
        {"%1 a %x %", {"nic"}, "%1 a %x %"},
        {"%d", {-12}, "-12"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(bitmap::formatText(c.pattern, c.arguments), c.expected) << c.pattern;
}

}  // namespace
