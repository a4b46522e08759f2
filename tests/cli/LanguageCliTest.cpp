// glyphon-cli's --lang: the messages it passes on in the chosen language for
// the one run, and refusals of a language it does not know.
#include <gtest/gtest.h>

#include "app/core/ProgramLanguage.h"
#include "support/CliRun.h"

namespace {

using testing_support::runCli;

TEST(CliLanguage, LangChoosesTheLanguageOfOneRun) {
    const testing_support::TempDir folder;
    const std::string missing = folder.file("missing.bmp");
    const auto english = runCli({"--lang", "en", "info", missing});
    EXPECT_NE(english.status, 0);
    EXPECT_NE(english.err.find("Cannot open the file for reading"), std::string::npos)
        << english.err;
    // The next run speaks the language of the process again.
    const auto czech = runCli({"info", missing});
    EXPECT_NE(czech.err.find("Nelze otevřít soubor pro čtení"), std::string::npos) << czech.err;
    EXPECT_EQ(app::programLanguage(), bitmap::Language::czech);
    const auto chosenLate = runCli({"info", "--lang=en", missing});
    EXPECT_NE(chosenLate.err.find("Cannot open the file for reading"), std::string::npos)
        << chosenLate.err;
}

TEST(CliLanguage, UnknownOrMissingLanguageIsAUsageError) {
    for (const auto& args : {std::vector<std::string>{"--lang", "de", "info", "x"},
                             std::vector<std::string>{"info", "x", "--lang"}}) {
        const auto run = runCli(args);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find("--lang"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage:"), std::string::npos) << run.err;
    }
}

TEST(CliLanguage, VersionNamesTheProgram) {
    const auto run = runCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("glyphon-cli (WAP Glyphon) ", 0), 0u) << run.out;
}

}  // namespace
