// The deciding rules behind the batch sheet: the file-selection page's
// entries and status line, the pages' enabling rules, and the command's
// round trip between the sheet and its boxes.
#include <gtest/gtest.h>

#include "batch/core/BatchCommandFlow.h"
#include "batch/core/BatchFileSelection.h"
#include "batch/core/BatchSheetRules.h"
#include "batch/core/Texts.h"
#include "tests/app/core/DocumentFixture.h"

namespace {

using testing_support::RecordingUi;

TEST(BatchSelection, StatusLineCountsEntriesWithTheBlankRule) {
    EXPECT_EQ(batch::initialSelectionStatus(), "0 souborů");
    EXPECT_EQ(batch::selectionStatus(1), "Souborů připraveno: 1");
    EXPECT_EQ(batch::selectionStatus(2), "Souborů připraveno: 2 ");
    EXPECT_EQ(batch::selectionStatus(0), "Souborů připraveno: 0 ");
    EXPECT_EQ(batch::selectionStatus(11), "Souborů připraveno: 11 ");
}

TEST(BatchSelection, DroppedFilesJoinOnlyWithAPictureExtension) {
    for (const char* accepted : {"/p/a.bmp", "/p/a.PNG", "/p/b.Wbmp", "/p/c.wbm", "/p/d.jpg",
                                 "/p/e.JPEG", "/p/f.gif", "/p/x.txt.png"})
        EXPECT_TRUE(batch::isDroppablePicture(accepted)) << accepted;
    for (const char* refused : {"/p/notes.txt", "/p/a.png.txt", "/p/noextension",
                                "/p/folder.png/readme", "/p/a.", "/p/a.tiff", ""})
        EXPECT_FALSE(batch::isDroppablePicture(refused)) << refused;
}

TEST(BatchSelection, FileUrlsAreListedAsPlainPaths) {
    EXPECT_EQ(batch::listedUrl("file:///home/u/a.bmp"), "/home/u/a.bmp");
    EXPECT_EQ(batch::listedUrl("FILE:///home/u/a.bmp"), "/home/u/a.bmp");
    EXPECT_EQ(batch::listedUrl("http://host/a.gif"), "http://host/a.gif");
    EXPECT_EQ(batch::listedUrl("file:/"), "file:/");
    EXPECT_EQ(batch::listedUrl("file://"), "");
}

TEST(BatchSelection, FileListKeepsOrderAndDuplicatesAndRoundTrips) {
    const std::vector<std::string> entries{"/a.bmp", "http://h/b.gif", "/a.bmp"};
    const std::string list = batch::buildFileList(entries);
    EXPECT_EQ(list, "/a.bmp\nhttp://h/b.gif\n/a.bmp\n");
    EXPECT_EQ(batch::fileListEntries(list), entries);
    EXPECT_EQ(batch::buildFileList({}), "");
    EXPECT_TRUE(batch::fileListEntries("").empty());
    EXPECT_EQ(batch::fileListEntries("/a\n/b"), (std::vector<std::string>{"/a", "/b"}));
    // A name with a line break would become two entries of the list.
    EXPECT_FALSE(batch::isListableEntry("/p/a\nb.bmp"));
    EXPECT_FALSE(batch::isListableEntry(""));
    EXPECT_TRUE(batch::isListableEntry("/p/a b.bmp"));
}

TEST(BatchSheetRules, ResizeControlsFollowTheCheckBoxAndTheMode) {
    for (const auto mode : {batch::ResizeMode::box, batch::ResizeMode::phone}) {
        const auto off = batch::resizeControls(false, mode);
        EXPECT_FALSE(off.modeButtons || off.boxEdits || off.phoneList);
    }
    const auto box = batch::resizeControls(true, batch::ResizeMode::box);
    EXPECT_TRUE(box.modeButtons && box.boxEdits);
    EXPECT_FALSE(box.phoneList);
    const auto phone = batch::resizeControls(true, batch::ResizeMode::phone);
    EXPECT_TRUE(phone.modeButtons && phone.phoneList);
    EXPECT_FALSE(phone.boxEdits);
}

TEST(BatchSheetRules, WmlControlsFollowTheirBoxes) {
    batch::WmlPageOptions all;
    all.prefixEnabled = all.separateFolder = true;
    all.altTextMode = 1;
    const auto none = batch::wmlControls(false, all);
    EXPECT_FALSE(none.prefixCheck || none.prefixEdit || none.separateFolderCheck ||
                 none.folderEditAndBrowse || none.altTextButtons || none.customAltTextEdit);
    const auto on = batch::wmlControls(true, all);
    EXPECT_TRUE(on.prefixCheck && on.prefixEdit && on.separateFolderCheck &&
                on.folderEditAndBrowse && on.altTextButtons && on.customAltTextEdit);
    const auto plain = batch::wmlControls(true, batch::WmlPageOptions{});
    EXPECT_TRUE(plain.prefixCheck && plain.separateFolderCheck && plain.altTextButtons);
    EXPECT_FALSE(plain.prefixEdit || plain.folderEditAndBrowse || plain.customAltTextEdit);
}

TEST(BatchSheetRules, PhoneListKeepsTheLastChoiceWhileListed) {
    EXPECT_EQ(batch::openingPhoneIndex(4, 17), 4);
    EXPECT_EQ(batch::openingPhoneIndex(16, 17), 16);
    EXPECT_EQ(batch::openingPhoneIndex(17, 17), 0);
    EXPECT_EQ(batch::openingPhoneIndex(4, 3), 0);
    EXPECT_EQ(batch::openingPhoneIndex(-1, 17), 0);
}

struct BatchFlowTest : ::testing::Test {
    BatchFlowTest() {
        program.saveFolder = "/save";
        program.ditheringMethod = 3;
        program.threshold = 77;
    }
    app::AppSettings program;
    batch::BatchSettings settings;
    RecordingUi ui;
    // An output folder that is there, so no run asks to create one.
    testing_support::TempDir out;
};

TEST_F(BatchFlowTest, OpeningValuesFillEmptyFoldersAndTheProgramsDithering) {
    batch::BatchSheetValues values = batch::openingSheetValues(settings, program);
    EXPECT_EQ(settings.outputFolder, "/save");
    EXPECT_EQ(settings.wml.folder, "/save");
    EXPECT_EQ(values.outputFolder, "/save");
    EXPECT_EQ(values.ditheringMethod, 3);
    EXPECT_EQ(values.threshold, 77);
    // The settings keep "the program's own" until the sheet is confirmed.
    EXPECT_EQ(settings.ditheringMethod, -1);
    EXPECT_EQ(settings.threshold, -1);
    EXPECT_FALSE(values.stopOnError || values.waitForConfirmation);
    EXPECT_TRUE(values.fileList.empty());

    settings.outputFolder = "/out";
    settings.wml.folder = "/pages";
    settings.ditheringMethod = 1;
    settings.threshold = 0;
    values = batch::openingSheetValues(settings, program);
    EXPECT_EQ(values.outputFolder, "/out");
    EXPECT_EQ(settings.wml.folder, "/pages");
    EXPECT_EQ(values.ditheringMethod, 1);
    EXPECT_EQ(values.threshold, 0);
}

TEST_F(BatchFlowTest, CancelledSheetStoresNothingAndRunsNothing) {
    batch::BatchSheetValues values = batch::openingSheetValues(settings, program);
    int shown = 0;
    EXPECT_FALSE(batch::chooseBatchRun(settings, values, ui, [&](batch::BatchSheetValues& v) {
        ++shown;
        v.outputFolder = "/elsewhere";
        v.fileList = "/a.bmp\n";
        return false;
    }));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(settings.outputFolder, "/save");
    EXPECT_EQ(settings.ditheringMethod, -1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BatchFlowTest, EmptyListShowsTheNoFilesBoxAfterStoringTheSheet) {
    batch::BatchSheetValues values = batch::openingSheetValues(settings, program);
    EXPECT_FALSE(batch::chooseBatchRun(settings, values, ui, [](batch::BatchSheetValues& v) {
        v.outputFolder = "/chosen";
        v.ditheringMethod = 4;
        return true;
    }));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, batch::text::kNoFilesChosen);
    EXPECT_EQ(ui.messages[0].caption, "Chyba");
    EXPECT_EQ(ui.messages[0].icon, app::MessageIcon::error);
    EXPECT_EQ(settings.outputFolder, "/chosen");
    EXPECT_EQ(settings.ditheringMethod, 4);
}

TEST_F(BatchFlowTest, ConfirmationCancelGoesBackToTheSheetWithTheValuesAsTheyStand) {
    batch::BatchSheetValues values = batch::openingSheetValues(settings, program);
    ui.answers = {false, true};
    std::vector<std::string> listsSeen;
    EXPECT_TRUE(batch::chooseBatchRun(settings, values, ui, [&](batch::BatchSheetValues& v) {
        listsSeen.push_back(v.fileList);
        v.outputFolder = out.path();
        v.waitForConfirmation = true;
        v.stopOnError = listsSeen.size() == 2;
        v.fileList += "/p/" + std::to_string(listsSeen.size()) + ".bmp\n";
        return true;
    }));
    EXPECT_EQ(listsSeen, (std::vector<std::string>{"", "/p/1.bmp\n"}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text,
              "Soubory ke zkonvertování:\n\n/p/1.bmp\n\nZastavit při chybě: Ne\n");
    EXPECT_EQ(ui.messages[1].text,
              "Soubory ke zkonvertování:\n\n/p/1.bmp\n/p/2.bmp\n\nZastavit při chybě: Ano\n");
    EXPECT_EQ(ui.messages[1].caption, "Připraven na konverzi");
    EXPECT_EQ(ui.messages[1].icon, app::MessageIcon::information);
    EXPECT_EQ(values.fileList, "/p/1.bmp\n/p/2.bmp\n");
}

TEST_F(BatchFlowTest, WithoutConfirmationTheRunStartsAtOnce) {
    batch::BatchSheetValues values = batch::openingSheetValues(settings, program);
    EXPECT_TRUE(batch::chooseBatchRun(settings, values, ui, [this](batch::BatchSheetValues& v) {
        v.outputFolder = out.path();
        v.fileList = "/a.bmp\n";
        return true;
    }));
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
