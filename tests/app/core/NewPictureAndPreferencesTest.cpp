// The New command after its dialog, and the values the settings sheet
// takes on OK.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "app/core/document/NewPictureCommand.h"
#include "app/core/settings/Preferences.h"
#include "tests/app/core/DocumentFixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::DocumentFixture;

// Records what the document asked of its window.
struct RecordingHost : app::DocumentHost {
    void pictureChanged() override { ++changes; }
    void resetZoom() override { ++zoomResets; }
    int changes = 0;
    int zoomResets = 0;
};

struct NewPictureTest : DocumentFixture {
    RecordingHost window;
    app::PictureDocument document{settings, ui, window};
};

TEST_F(NewPictureTest, ABlankPictureInDocumentAndCodecNamedUntitled) {
    ASSERT_TRUE(app::newPictureCommand(document, window, ui, 7, 3));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(document.pictureWidth(), 7);
    EXPECT_EQ(document.pictureHeight(), 3);
    EXPECT_EQ(document.codec().bmpWidth(), 7);
    EXPECT_EQ(document.codec().bmpHeight(), 3);
    EXPECT_TRUE(document.isMonochrome());
    EXPECT_TRUE(document.saveAsFirst());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.pathName(), work.path() + "/Untitled.bmp");
    EXPECT_EQ(document.title(), "Untitled.bmp");
    EXPECT_TRUE(fs::exists(work.path() + "/Untitled.bmp"));
    EXPECT_EQ(window.zoomResets, 1);
    EXPECT_GE(window.changes, 1);
}

TEST_F(NewPictureTest, AnExistingUntitledFileKeepsItsContents) {
    testing_support::writeFile(work.path() + "/Untitled.bmp", std::string("mine"));
    ASSERT_TRUE(app::newPictureCommand(document, window, ui, 4, 4));
    EXPECT_EQ(testing_support::readFile(work.path() + "/Untitled.bmp"),
              std::vector<uint8_t>({'m', 'i', 'n', 'e'}));
    EXPECT_EQ(document.pictureWidth(), 4);
}

TEST_F(NewPictureTest, ASizeThatCannotBeMadeLeavesEverything) {
    ASSERT_TRUE(app::newPictureCommand(document, window, ui, 5, 5));
    const auto picture = document.dib();
    const auto path = document.pathName();
    for (const auto& [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 3}, {1 << 20, 1 << 20}}) {
        ui.messages.clear();
        EXPECT_FALSE(app::newPictureCommand(document, window, ui, w, h));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].icon, app::MessageIcon::error);
        EXPECT_EQ(document.dib(), picture);
        EXPECT_EQ(document.pathName(), path);
    }
}

TEST_F(NewPictureTest, AnExchangeFolderThatIsGoneEmptiesTheDocumentWithOneMessage) {
    settings.workingFolder = work.path() + "/gone";
    EXPECT_FALSE(app::newPictureCommand(document, window, ui, 5, 5));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(document.hasPicture());
}

TEST_F(DocumentFixture, PreferencesRemoveOldTemporaryFilesThenTakeTheNewValues) {
    const std::string newFolder = work.path() + "/new";
    fs::create_directories(newFolder);
    testing_support::writeFile(work.path() + "/TMPEdit5.bmp", std::string("x"));
    testing_support::writeFile(work.path() + "/TMPClipboard.bmp", std::string("x"));
    testing_support::writeFile(settings.undoFilePath, std::string("x"));
    testing_support::writeFile(work.path() + "/photo.bmp", std::string("x"));
    const std::string undoBefore = settings.undoFilePath;

    app::Preferences chosen = app::currentPreferences(settings);
    chosen.ditheringMethod = 3;
    chosen.threshold = 10;
    chosen.workingFolder = newFolder;
    // Files already in the new folder are not the old folder's business.
    testing_support::writeFile(newFolder + "/TMPEdit9.bmp", std::string("x"));
    app::applyPreferences(settings, chosen);

    EXPECT_FALSE(fs::exists(work.path() + "/TMPEdit5.bmp"));
    EXPECT_FALSE(fs::exists(work.path() + "/TMPClipboard.bmp"));
    EXPECT_FALSE(fs::exists(undoBefore));
    EXPECT_TRUE(fs::exists(work.path() + "/photo.bmp"));
    EXPECT_TRUE(fs::exists(newFolder + "/TMPEdit9.bmp"));
    EXPECT_EQ(settings.workingFolder, newFolder);
    EXPECT_EQ(settings.tempFolder, newFolder + "/");
    EXPECT_EQ(settings.undoFilePath, undoBefore);
    EXPECT_EQ(settings.ditheringMethod, 3);
    EXPECT_EQ(settings.threshold, 10);

    // An empty working folder keeps the temporary folder as it is.
    chosen.workingFolder.clear();
    app::applyPreferences(settings, chosen);
    EXPECT_EQ(settings.workingFolder, "");
    EXPECT_EQ(settings.tempFolder, newFolder + "/");
}

TEST(FolderProblem, OnlyExistingWritableFoldersPass) {
    testing_support::TempDir dir;
    EXPECT_FALSE(app::folderProblem(""));
    EXPECT_FALSE(app::folderProblem(dir.path()));
    EXPECT_TRUE(app::folderProblem(dir.path() + "/missing"));
    testing_support::writeFile(dir.file("file"), std::string("x"));
    EXPECT_TRUE(app::folderProblem(dir.file("file")));
    if (::geteuid() != 0) {
        fs::create_directories(dir.file("locked"));
        fs::permissions(dir.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_TRUE(app::folderProblem(dir.file("locked")));
        fs::permissions(dir.file("locked"), fs::perms::owner_all);
    }
}

}  // namespace
