#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "batch/core/FolderBrowser.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using batch::FolderBrowser;
using batch::startFolder;
using testing_support::TempDir;

}  // namespace

TEST(FolderStart, NearestExistingFolderOrTheFolderOfAFile) {
    TempDir dir;
    fs::create_directories(dir.file("a/b"));
    testing_support::writeFile(dir.file("a/pic.bmp"), "x");

    EXPECT_EQ(startFolder(dir.file("a/b"), "/"), dir.file("a/b"));
    EXPECT_EQ(startFolder(dir.file("a/b/"), "/"), dir.file("a/b"));
    EXPECT_EQ(startFolder(dir.file("a/b/gone/deeper"), "/"), dir.file("a/b"));
    EXPECT_EQ(startFolder(dir.file("a/pic.bmp"), "/"), dir.file("a"));
    // A file in the way of a missing path: its folder.
    EXPECT_EQ(startFolder(dir.file("a/pic.bmp/x"), "/"), dir.file("a"));
    // Backslashes separate as well.
    EXPECT_EQ(startFolder(dir.path() + "\\a\\b\\gone", "/"), dir.file("a/b"));
}

TEST(FolderStart, NamesWithoutASeparatorFallBack) {
    TempDir dir;
    EXPECT_EQ(startFolder("no-such-folder-here", dir.path()), dir.path());
    EXPECT_EQ(startFolder("", dir.path()), dir.path());
    // A missing fallback is itself cut back to what exists.
    EXPECT_EQ(startFolder("", dir.file("gone/too")), dir.path());
    // Nothing at all: the current folder.
    EXPECT_EQ(startFolder("", ""), fs::current_path().string());
}

TEST(FolderBrowser, ListsSubFoldersIncludingHiddenOnesInBrackets) {
    TempDir dir;
    fs::create_directories(dir.file("beta"));
    fs::create_directories(dir.file("Alpha"));
    fs::create_directories(dir.file(".hidden"));
    fs::create_directories(dir.file("[odd]"));
    testing_support::writeFile(dir.file("file.txt"), "x");

    FolderBrowser browser(dir.path(), {});
    EXPECT_EQ(browser.current(), dir.path());
    EXPECT_EQ(browser.entries(),
              (std::vector<std::string>{"[..]", "[.hidden]", "[[odd]]", "[Alpha]", "[beta]"}));

    // Only one pair of brackets is taken off a listed name.
    EXPECT_TRUE(browser.enter("[[odd]]"));
    EXPECT_EQ(browser.current(), dir.file("[odd]"));
    EXPECT_TRUE(browser.enter("[..]"));
    EXPECT_EQ(browser.current(), dir.path());
    EXPECT_TRUE(browser.enter("Alpha"));
    EXPECT_EQ(browser.current(), dir.file("Alpha"));

    // Files, missing folders and paths are not entered.
    browser.enter("[..]");
    EXPECT_FALSE(browser.enter("[file.txt]"));
    EXPECT_FALSE(browser.enter("[gone]"));
    EXPECT_FALSE(browser.enter("[Alpha/..]"));
    EXPECT_FALSE(browser.enter("[.]"));
    EXPECT_EQ(browser.current(), dir.path());

    FolderBrowser atRoot("/", {});
    ASSERT_FALSE(atRoot.entries().empty());
    EXPECT_NE(atRoot.entries().front(), "[..]");
    EXPECT_FALSE(atRoot.enter("[..]"));
}

TEST(FolderBrowser, DrivesRememberTheirLastFolder) {
    TempDir dir;
    fs::create_directories(dir.file("vol/one/two"));
    fs::create_directories(dir.file("elsewhere"));
    const std::string volume = dir.file("vol");

    FolderBrowser browser(dir.file("elsewhere"), {volume, "/", volume + "/"});
    // The root comes first and every drive once.
    EXPECT_EQ(browser.drives(), (std::vector<std::string>{"/", volume}));
    EXPECT_EQ(browser.currentDrive(), 0);

    browser.chooseDrive(1);
    EXPECT_EQ(browser.current(), volume);
    EXPECT_EQ(browser.currentDrive(), 1);
    browser.enter("[one]");
    browser.enter("[two]");

    browser.chooseDrive(0);
    EXPECT_EQ(browser.current(), dir.file("elsewhere"));
    browser.chooseDrive(1);
    EXPECT_EQ(browser.current(), dir.file("vol/one/two"));

    // A remembered folder removed meanwhile gives way to its parent.
    browser.chooseDrive(0);
    fs::remove_all(dir.file("vol/one/two"));
    browser.chooseDrive(1);
    EXPECT_EQ(browser.current(), dir.file("vol/one"));

    browser.chooseDrive(7);  // no such drive: nothing happens
    EXPECT_EQ(browser.current(), dir.file("vol/one"));
}

TEST(FolderBrowser, NewFolders) {
    using Result = FolderBrowser::CreateResult;
    TempDir dir;
    FolderBrowser browser(dir.path(), {});
    EXPECT_EQ(browser.createFolder("made"), Result::created);
    EXPECT_EQ(browser.current(), dir.file("made"));
    EXPECT_TRUE(fs::is_directory(dir.file("made")));

    browser.enter("[..]");
    EXPECT_EQ(browser.createFolder("made"), Result::exists);
    testing_support::writeFile(dir.file("plain"), "x");
    EXPECT_EQ(browser.createFolder("plain"), Result::exists);
    EXPECT_EQ(browser.current(), dir.path());

    EXPECT_EQ(browser.createFolder(""), Result::failed);
    EXPECT_EQ(browser.createFolder("a/b"), Result::failed);
    EXPECT_FALSE(fs::exists(dir.file("a")));

    if (::geteuid() != 0) {  // root writes anywhere
        fs::create_directories(dir.file("locked"));
        ::chmod(dir.file("locked").c_str(), 0500);
        browser.enter("[locked]");
        EXPECT_EQ(browser.createFolder("inside"), Result::failed);
        EXPECT_EQ(browser.current(), dir.file("locked"));
        ::chmod(dir.file("locked").c_str(), 0700);
    }
}
