// A run's sessions and their private folder: the threads of a conversion
// that downloads nothing work in the run's folder instead of making folders
// of their own, and leave it to the run.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/CliSession.h"
#include "support/SettingsSandbox.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

size_t foldersIn(const std::string& folder) {
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.is_directory() ? 1 : 0;
    return count;
}

TEST(CliSessionTest, AThreadsSessionWorksInTheRunsFolderAndLeavesItToTheRun) {
    const testing_support::SettingsSandbox store;
    const testing_support::TempDir temp;
    const testing_support::ScopedEnv tmpdir("TMPDIR", temp.path());
    std::ostringstream out;
    std::ostringstream err;
    std::string folder;
    {
        cli::CliSession run(out, err);
        ASSERT_TRUE(run.ready());
        folder = run.privateFolder();
        run.settings().threshold = 77;  // the thread takes the run's settings
        {
            cli::CliSession thread(out, err, {}, run, "-1");
            EXPECT_TRUE(thread.ready());
            EXPECT_EQ(thread.privateFolder(), folder);
            EXPECT_EQ(thread.settings().exchangeFolder(), folder);
            EXPECT_EQ(thread.settings().threshold, 77);
            EXPECT_EQ(foldersIn(temp.path()), 1u);
        }
        EXPECT_TRUE(fs::is_directory(folder));
    }
    EXPECT_FALSE(fs::exists(folder));
}

// A session whose folder is made when needed makes none until a file is
// to be put there; then one, for its threads' sessions too, and removes it.
TEST(CliSessionTest, AFolderMadeWhenNeededIsMadeOnceOnFirstUse) {
    const testing_support::SettingsSandbox store;
    const testing_support::TempDir temp;
    const testing_support::ScopedEnv tmpdir("TMPDIR", temp.path());
    std::ostringstream out;
    std::ostringstream err;
    std::string folder;
    {
        cli::CliSession run(out, err, {}, cli::CliSession::FolderMade::whenNeeded);
        ASSERT_TRUE(run.ready());
        cli::CliSession thread(out, err, {}, run, "-1");
        EXPECT_EQ(foldersIn(temp.path()), 0u);
        EXPECT_TRUE(run.privateFolder().empty());
        // Nothing can be made below the folders before the folder is there.
        EXPECT_EQ(run.settings().saveFolder.rfind("/dev/null/", 0), 0u);

        folder = thread.settings().exchangeFolder();
        EXPECT_EQ(folder, run.privateFolder());
        EXPECT_EQ(run.settings().saveFolderOrTemp(), folder);
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all);
        EXPECT_EQ(foldersIn(temp.path()), 1u);
    }
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::is_empty(temp.path()));
}

}  // namespace
