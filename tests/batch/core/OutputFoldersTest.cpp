#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "batch/core/OutputFolders.h"
#include "tests/app/core/DocumentFixture.h"

namespace {

using batch::BatchSettings;

TEST(OutputFolders, TheWmlFolderCountsOnlyWhenPagesGoThere) {
    struct Case {
        bool pages, separate;
        std::string output, wml;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {false, true, "/o", "/w", {"/o"}},
        {true, false, "/o", "/w", {"/o"}},
        {true, true, "/o", "/w", {"/o", "/w"}},
        {true, true, "/o", "/o", {"/o"}},
        {true, true, "", "", {}},
    };
    for (const Case& c : cases) {
        BatchSettings settings;
        settings.outputFolder = c.output;
        settings.createWmlPages = c.pages;
        settings.wml.separateFolder = c.separate;
        settings.wml.folder = c.wml;
        EXPECT_EQ(batch::outputFolders(settings), c.expected) << c.pages << c.separate << c.wml;
    }
}

TEST(OutputFolders, EachMissingFolderIsOfferedAndAnUnwritableOneRefused) {
    testing_support::TempDir dir;
    testing_support::RecordingUi ui;
    BatchSettings settings;
    settings.outputFolder = dir.file("pictures");
    settings.createWmlPages = true;
    settings.wml.separateFolder = true;
    settings.wml.folder = dir.file("pages/deep");
    EXPECT_TRUE(batch::prepareOutputFolders(settings, ui));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text,
              "Složka '" + dir.file("pages/deep") + "' neexistuje. Mám ji vytvořit?");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("pages/deep")));

    // Ready folders ask nothing; a read-only one is named with its reason.
    ui.messages.clear();
    ::chmod(dir.file("pictures").c_str(), 0555);
    const bool writable = ::access(dir.file("pictures").c_str(), W_OK) == 0;  // root writes anyway
    EXPECT_EQ(batch::prepareOutputFolders(settings, ui), writable);
    if (!writable) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text,
                  "Složku '" + dir.file("pictures") + "' nelze použít: do složky nelze zapisovat");
    }
    ::chmod(dir.file("pictures").c_str(), 0755);
}

}  // namespace
