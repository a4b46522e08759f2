// The split command leaves the document as it found it: the picture and
// its flags after a split, and the picture after a split that failed once
// the tiles' copy had been made.
#include <gtest/gtest.h>

#include "app/core/split/SplitKeepingPicture.h"
#include "base/FileIO.h"
#include "support/CliRun.h"
#include "tests/app/core/DocumentFixture.h"

namespace {

struct SplitKeepingPictureTest : testing_support::DocumentFixture {
    void open(int width, int height) {
        ASSERT_TRUE(doc.openChosenFile(
            testing_support::writeGradientBmp(work.file("photo.bmp"), width, height)));
        before = doc.dib();
        ASSERT_FALSE(doc.isMonochrome());
        ASSERT_FALSE(doc.isModified());
    }
    std::string keptPicture() const { return work.path() + "/TMPSplitSave.bmp"; }
    bitmap::Dib before;
};

TEST_F(SplitKeepingPictureTest, WbmpTilesLeaveTheGreyPictureAndItsFlags) {
    open(40, 20);
    app::SplitSettings split;
    split.outputFolder = work.file("tiles");
    split.tileWidth = 20;
    split.tileHeight = 20;
    split.createPages = false;
    ASSERT_TRUE(app::runSplitKeepingPicture(doc, ui, split, codec::kFormatWbmp, 40, 20));
    EXPECT_TRUE(bitmap::fileExists(work.file("tiles") + "/1.0.wbmp"));
    EXPECT_EQ(doc.dib(), before);
    // The picture is grey again: Save As WBMP must dither it with the
    // program's method, not treat it as black and white already.
    EXPECT_FALSE(doc.isMonochrome());
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(bitmap::fileExists(keptPicture()));
}

TEST_F(SplitKeepingPictureTest, AFailedSplitPutsThePictureBack) {
    open(30, 16);
    // A file where the tile folder should be: the folder cannot be made.
    const std::string blocked = work.file("blocked");
    testing_support::writeFile(blocked, std::string("not a folder"));
    app::SplitSettings split;
    split.outputFolder = blocked;
    split.tileWidth = 10;
    split.tileHeight = 10;
    EXPECT_FALSE(app::runSplitKeepingPicture(doc, ui, split, codec::kFormatWbmp, 30, 16));
    ASSERT_EQ(ui.messages.size(), 2u);  // the folder question, then the failure
    EXPECT_EQ(ui.messages[1].text.rfind("Chyba při rozdělování obrázku: ", 0), 0u)
        << ui.messages[1].text;
    EXPECT_EQ(doc.dib(), before);
    EXPECT_FALSE(doc.isMonochrome());
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(bitmap::fileExists(keptPicture()));
}

TEST_F(SplitKeepingPictureTest, DecliningTheFolderIgnoresAnOldCopy) {
    open(12, 12);
    // A copy left behind by an earlier run holds another picture.
    testing_support::writeGradientBmp(keptPicture(), 5, 5);
    app::SplitSettings split;
    split.outputFolder = work.file("never");
    split.tileWidth = split.tileHeight = 4;
    ui.answers = {false};
    EXPECT_FALSE(app::runSplitKeepingPicture(doc, ui, split, codec::kFormatBmp, 12, 12));
    EXPECT_EQ(doc.dib(), before);
    EXPECT_EQ(doc.pictureWidth(), 12);
    EXPECT_FALSE(bitmap::directoryExists(work.file("never")));
}

}  // namespace
