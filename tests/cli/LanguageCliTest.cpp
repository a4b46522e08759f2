// glyphon-cli's --lang: the messages it passes on in the chosen language for
// the one run, and refusals of a language it does not know.
#include <gtest/gtest.h>

#include "app/core/ProgramLanguage.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

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

// glyphon-recode, the timing tool beside glyphon-cli, chooses its language
// the same way: from the environment, or --lang.
TEST(RecodeLanguage, FollowsTheEnvironmentLikeTheCli) {
#ifndef GLYPHON_RECODE_PATH
    GTEST_SKIP() << "glyphon-recode is not built";
#else
    const testing_support::TempDir folder;
    const std::string recode = testing_support::quote(GLYPHON_RECODE_PATH);
    const std::string files = " " + testing_support::quote(folder.file("missing.bmp")) + " " +
                              testing_support::quote(folder.file("out.bmp")) + " bmp";
    struct Case {
        std::string environment;
        std::string options;
        const char* expected;
    };
    const char* english = "Cannot open the file for reading";
    const char* czech = "Nelze otevřít soubor pro čtení";
    const std::vector<Case> cases = {
        {"LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_GB.UTF-8", "", english},
        {"LANGUAGE= LC_ALL= LC_MESSAGES= LANG=cs_CZ.UTF-8", "", czech},
        {"LANGUAGE= LC_ALL=C.UTF-8 LC_MESSAGES= LANG=cs_CZ.UTF-8", "", english},
        {"LANGUAGE= LC_ALL= LC_MESSAGES= LANG=cs_CZ.UTF-8", "--lang en ", english},
        {"LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_GB.UTF-8", "--lang=cs ", czech},
    };
    for (const auto& c : cases) {
        const auto run =
            testing_support::runCommand(c.environment + " " + recode + " " + c.options + files);
        EXPECT_EQ(run.exitCode, 1) << c.environment << " " << c.options;
        EXPECT_NE(run.err.find(c.expected), std::string::npos)
            << c.environment << " " << c.options << ": " << run.err;
    }
    const auto unknown = testing_support::runCommand(recode + " --lang de" + files);
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("--lang"), std::string::npos) << unknown.err;
#endif
}

TEST(CliLanguage, VersionNamesTheProgram) {
    const auto run = runCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("glyphon-cli (WAP Glyphon) ", 0), 0u) << run.out;
}

}  // namespace
