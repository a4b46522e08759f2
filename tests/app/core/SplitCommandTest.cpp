#include <gtest/gtest.h>

#include "app/core/split/SplitCommand.h"
#include "base/FileIO.h"
#include "support/CliRun.h"
#include "tests/app/core/DocumentFixture.h"

using app::SplitSettings;
using testing_support::writeGradientBmp;

namespace {

TEST(SplitRules, TileSizeIsClampedToThePicture) {
    SplitSettings split;
    split.tileWidth = 200;
    split.tileHeight = 200;
    const auto tile = app::splitTileSize(split, 150, 100);
    EXPECT_EQ(tile.width, 153);
    EXPECT_EQ(tile.height, 100);
    // A listed display: Ericsson R380 at position 4.
    split.sizeMode = 1;
    split.displayPosition = 4;
    const auto display = app::splitTileSize(split, 1000, 1000);
    EXPECT_EQ(display.width, 310);
    EXPECT_EQ(display.height, 100);
    // Negative sizes count as huge and are clamped.
    split.sizeMode = 0;
    split.tileWidth = -5;
    EXPECT_EQ(app::splitTileSize(split, 40, 30).width, 43);
}

TEST(SplitRules, FirstUseProposesTheDisplaySizeAndTheSourceFolder) {
    SplitSettings split;
    split.displayPosition = 99;
    app::prepareSplitSettings(split, "/pics/photo.jpg", "");
    EXPECT_EQ(split.displayPosition, 4);
    EXPECT_EQ(split.tileWidth, 310);
    EXPECT_EQ(split.tileHeight, 100);
    EXPECT_EQ(split.outputFolder, "/pics");
    SplitSettings withSaveFolder;
    app::prepareSplitSettings(withSaveFolder, "/pics/photo.jpg", "/save");
    EXPECT_EQ(withSaveFolder.outputFolder, "/save");
    EXPECT_EQ(withSaveFolder.wmlFolder, "/save");
}

TEST(SplitRules, BaseNameDropsFolderAndExtension) {
    EXPECT_EQ(app::splitBaseName("/pics/photo.jpg"), "photo");
    EXPECT_EQ(app::splitBaseName("/pics.v2/photo"), "photo");
    EXPECT_EQ(app::splitBaseName("a.b.c"), "a.b");
}

struct SplitCommandTest : testing_support::DocumentFixture {};

TEST_F(SplitCommandTest, SplitsWritesPagesAndRestoresThePicture) {
    const auto source = writeGradientBmp(work.file("photo.bmp"), 40, 20);
    ASSERT_TRUE(doc.openChosenFile(source));
    SplitSettings split;
    split.outputFolder = work.file("tiles");
    split.tileWidth = 20;
    split.tileHeight = 10;
    ASSERT_TRUE(app::runSplitCommand(doc, ui, split, codec::kFormatWbmp, 40, 20));
    // The folder question, then the report.
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Výstupní složka neexistuje. Mám ji vytvořit?");
    EXPECT_EQ(ui.messages[0].caption, "Vytvořit složku");
    EXPECT_EQ(ui.messages[1].text, "Obrázek rozdělen.\nVýsledky uloženy v '" + work.file("tiles") +
                                       "/X.Y.wbmp'\nWML stránky vytvořeny");
    EXPECT_EQ(ui.messages[1].caption, "Operace kompletní");
    for (const char* name : {"0.0.wbmp", "0.1.wbmp", "1.0.wbmp", "1.1.wbmp", "photo.0.0.wml",
                             "photo.0.1.wml", "photo.1.0.wml", "photo.1.1.wml"})
        EXPECT_TRUE(bitmap::fileExists(work.file("tiles") + "/" + name)) << name;
    // The grey picture is back in the document and the codec.
    EXPECT_EQ(doc.pictureWidth(), 40);
    EXPECT_EQ(doc.codec().bmpWidth(), 40);
    EXPECT_FALSE(bitmap::fileExists(work.file("TMPSplitSave.bmp")));
}

TEST_F(SplitCommandTest, DecliningTheFolderQuestionDoesNothing) {
    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("photo.bmp"), 40, 20)));
    ui.answers.push_back(false);
    SplitSettings split;
    split.outputFolder = work.file("tiles");
    split.tileWidth = 20;
    split.tileHeight = 10;
    EXPECT_FALSE(app::runSplitCommand(doc, ui, split, codec::kFormatBmp, 40, 20));
    EXPECT_FALSE(bitmap::pathExists(work.file("tiles")));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(SplitCommandTest, SeparatePageFolderIsNamedInTheReport) {
    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("photo.bmp"), 16, 8)));
    SplitSettings split;
    split.outputFolder = work.path();
    split.tileWidth = 16;
    split.tileHeight = 8;
    split.separateWmlFolder = true;
    split.wmlFolder = work.path();
    split.prefixEnabled = true;
    split.prefix = "http://x";
    ASSERT_TRUE(app::runSplitCommand(doc, ui, split, codec::kFormatBmp, 16, 8));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("WML stránky vytvořeny a uloženy v " + work.path()),
              std::string::npos);
    const auto page = testing_support::readFile(work.file("photo.0.0.wml"));
    const std::string text(page.begin(), page.end());
    EXPECT_NE(text.find("src='http://x/0.0.bmp'"), std::string::npos);
}

}  // namespace
