// The program's temporary files: which names
// each pattern removes, and what it leaves alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/core/settings/TempFilePatterns.h"
#include "support/TestSupport.h"

using testing_support::TempDir;

namespace {

namespace fs = std::filesystem;

void touch(const std::string& path) {
    testing_support::writeFile(path, "x");
}

TEST(TempFilePatterns, TheFourPatternsInTheirOrder) {
    EXPECT_EQ(app::temporaryFilePatterns("/work/", "/tmp/TMPUndo.bmp"),
              (std::vector<std::string>{"/work/TMPClipboard*.bmp", "/work/TMPSplitSave.*",
                                        "/tmp/TMPUndo.bmp", "/work/TMPEdit*.*"}));
}

TEST(TempFilePatterns, RemovesTheProgramsFilesAndNothingElse) {
    TempDir dir;
    const std::string folder = dir.path() + "/";
    const std::vector<std::string> removed{
        "TMPClipboard.bmp", "TMPClipboard1.bmp", "TMPClipboard.x.bmp", "tmpclipboard2.BMP",
        "TMPSplitSave.bmp", "TMPSplitSave.wbmp", "TMPSplitSave.",      "TMPUndo.bmp",
        "TMPEdit1.bmp",     "TMPEdit42.bmp",     "TMPEdit.gif",        "TMPEditA.b.c"};
    // Names without a dot ("TMPEdit1") are left out: the original platform's
    // "*.*" also matched them, fnmatch does not, and the program never makes
    // such names.
    const std::vector<std::string> kept{
        "TMPClipboard.png", "TMPClipboard.bmp.old", "TMPSplitSave1.bmp",
        "TMPUndo.bmp.1",    "TMPUndo2.bmp",         "TMPUpdate.bmp",
        "TMPChange.bmp",    "picture.bmp",          "xTMPEdit1.bmp"};
    for (const auto& name : removed)
        touch(dir.file(name));
    for (const auto& name : kept)
        touch(dir.file(name));
    // Folders whose names match stay, with their contents.
    fs::create_directory(dir.file("TMPEdit9.d"));
    touch(dir.file("TMPEdit9.d/TMPEdit1.bmp"));
    fs::create_directory(dir.file("TMPSplitSave.dir"));

    for (const auto& pattern : app::temporaryFilePatterns(folder, folder + "TMPUndo.bmp"))
        app::removeFilesMatching(pattern);

    for (const auto& name : removed)
        EXPECT_FALSE(fs::exists(dir.file(name))) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(fs::exists(dir.file(name))) << name;
    EXPECT_TRUE(fs::is_directory(dir.file("TMPEdit9.d")));
    EXPECT_TRUE(fs::exists(dir.file("TMPEdit9.d/TMPEdit1.bmp")));
    EXPECT_TRUE(fs::is_directory(dir.file("TMPSplitSave.dir")));
}

TEST(TempFilePatterns, OnlyThePatternsOwnFolderIsTouched) {
    TempDir dir;
    fs::create_directory(dir.file("sub"));
    touch(dir.file("TMPEdit1.bmp"));
    touch(dir.file("sub/TMPEdit1.bmp"));
    app::removeFilesMatching(dir.file("sub/TMPEdit*.*"));
    EXPECT_TRUE(fs::exists(dir.file("TMPEdit1.bmp")));
    EXPECT_FALSE(fs::exists(dir.file("sub/TMPEdit1.bmp")));
}

TEST(TempFilePatterns, AFolderWithWildcardCharactersIsTakenLiterally) {
    TempDir dir;
    fs::create_directory(dir.file("a*[1]"));
    fs::create_directory(dir.file("ab1"));
    touch(dir.file("a*[1]/TMPEdit1.bmp"));
    touch(dir.file("ab1/TMPEdit1.bmp"));
    app::removeFilesMatching(dir.file("a*[1]/TMPEdit*.*"));
    EXPECT_FALSE(fs::exists(dir.file("a*[1]/TMPEdit1.bmp")));
    EXPECT_TRUE(fs::exists(dir.file("ab1/TMPEdit1.bmp")));
}

TEST(TempFilePatterns, AMissingFolderOrASymbolicLinkIsHarmless) {
    TempDir dir;
    EXPECT_NO_THROW(app::removeFilesMatching(dir.file("none/TMPEdit*.*")));
    // A link that matches goes; the file it points to stays.
    fs::create_directory(dir.file("keep"));
    touch(dir.file("keep/target.bmp"));
    fs::create_symlink(dir.file("keep/target.bmp"), dir.file("TMPEdit5.bmp"));
    // A link to a folder counts as a folder and stays.
    fs::create_directory_symlink(dir.file("keep"), dir.file("TMPEdit6.d"));
    app::removeFilesMatching(dir.file("TMPEdit*.*"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir.file("TMPEdit5.bmp"))));
    EXPECT_TRUE(fs::exists(dir.file("keep/target.bmp")));
    EXPECT_TRUE(fs::exists(fs::symlink_status(dir.file("TMPEdit6.d"))));
}

}  // namespace
