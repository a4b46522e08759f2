#include <cstdio>
#include <ostream>

#include "app/core/settings/DisplayPresets.h"
#include "cli/OptionParser.h"
#include "cli/Texts.h"
#include "cli/commands/Commands.h"

namespace cli {
namespace {

constexpr const char* kDisplaysHelp =
    "Usage: glyphon-cli displays list\n"
    "\n"
    "Lists the small one-bit displays pictures can be fitted to with --display\n"
    "(convert) and cut into tiles for (split): OLED and LCD modules, memory\n"
    "LCDs, e-paper panels and a handheld. Each line has the display's number,\n"
    "its key, its name and its size; --display takes any of the first three.\n"
    "The list is fixed; it is not the phone table.\n"
    "\n"
    "Options:\n"
    "  -h, --help      show this text\n";

}  // namespace

int displaysCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> operands;
    OptionTable table;
    table.operand = [&](const std::string& operand) -> Refusal {
        operands.push_back(operand);
        return std::nullopt;
    };
    const ParseResult parsed = parseOptions(args, table);
    if (parsed.status == ParseResult::Status::help) {
        out << kDisplaysHelp;
        return kExitOk;
    }
    if (parsed.status == ParseResult::Status::refused)
        return usageError(err, "displays", parsed.reason);
    if (operands.size() != 1 || operands.front() != "list")
        return usageError(err, "displays",
                          std::string(operands.empty() ? text::kNoDisplaysSubcommand
                                                       : text::kUnknownDisplaysUse));
    int number = 0;
    for (const app::DisplayPreset& preset : app::displayPresets()) {
        char line[128];
        std::snprintf(line, sizeof line, "%d. %-22s", ++number, std::string(preset.key).c_str());
        out << line << app::displayListEntry(preset) << '\n';
    }
    return kExitOk;
}

}  // namespace cli
