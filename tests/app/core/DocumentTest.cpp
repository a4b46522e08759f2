#include <gtest/gtest.h>

#include <filesystem>

#include <algorithm>

#include "app/core/Texts.h"
#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/gif/GifWriter.h"
#include "support/CliRun.h"
#include "tests/app/core/DocumentFixture.h"

using app::MessageIcon;
using app::PictureDocument;
using testing_support::DocumentFixture;
using testing_support::readFile;
using testing_support::writeGradientBmp;

namespace {

using DocumentTest = DocumentFixture;

bool exists(const std::string& path) {
    return bitmap::pathExists(path);
}

TEST(DocumentNames, SaveAsTargetReplacesTheLastExtension) {
    EXPECT_EQ(PictureDocument::saveAsTarget("a.b", codec::kFormatWbmp), "a.wbmp");
    EXPECT_EQ(PictureDocument::saveAsTarget("/p/name", codec::kFormatWbmp), "/p/name.wbmp");
    EXPECT_EQ(PictureDocument::saveAsTarget("/p/photo.jpg", codec::kFormatBmp), "/p/photo.bmp");
    EXPECT_EQ(PictureDocument::saveAsTarget("/p/x.tar.gz", codec::kFormatPng), "/p/x.tar.png");
    // Dots in folder names and a leading dot are not extensions.
    EXPECT_EQ(PictureDocument::saveAsTarget("/p.d/name", codec::kFormatBmp), "/p.d/name.bmp");
    EXPECT_EQ(PictureDocument::saveAsTarget("/p/.hidden", codec::kFormatBmp), "/p/.hidden.bmp");
}

TEST(DocumentNames, TypedSideDecidesTheResizeBox) {
    const auto byHeight = PictureDocument::boxForHeight(100, 50, 25);
    ASSERT_TRUE(byHeight);
    EXPECT_EQ(byHeight->width, 60);
    EXPECT_EQ(byHeight->height, 25);
    const auto byWidth = PictureDocument::boxForWidth(100, 50, 30);
    ASSERT_TRUE(byWidth);
    EXPECT_EQ(byWidth->width, 30);
    EXPECT_EQ(byWidth->height, 25);
    EXPECT_FALSE(PictureDocument::boxForHeight(0, 0, 25));
    // Huge values are capped, never wrapped.
    EXPECT_EQ(PictureDocument::boxForWidth(1, 1000000, 1000000)->height, INT32_MAX);
}

TEST_F(DocumentTest, OpeningLoadsThePictureAndRemovesTheExchangeFile) {
    const auto path = writeGradientBmp(work.file("g.bmp"), 40, 30);
    ASSERT_TRUE(doc.openChosenFile(path));
    EXPECT_TRUE(doc.hasPicture());
    EXPECT_EQ(doc.pictureWidth(), 40);
    EXPECT_EQ(doc.pictureHeight(), 30);
    EXPECT_EQ(doc.palette().size(), 256u);
    EXPECT_EQ(doc.pathName(), path);
    EXPECT_EQ(doc.lastFolder(), work.path());
    EXPECT_FALSE(doc.isMonochrome());
    EXPECT_FALSE(exists(work.file("TMPUpdate.bmp")));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.waitDepth, 0);
}

// The reload cycle in memory ends where the one through TMPUpdate.bmp does:
// the same block (header stamped as a written file has it, the file's
// length) and nothing left in the exchange folder; a codec without a
// picture fails the same way.
TEST_F(DocumentTest, ReloadInMemoryGivesWhatTheExchangeFileGives) {
    const auto path = writeGradientBmp(work.file("photo.bmp"), 13, 7);
    ASSERT_EQ(doc.openPicture(path, false), 0);
    const auto& viaFile = doc.dib().bytes();
    const std::vector<uint8_t> expected(viaFile.begin(), viaFile.end());

    app::AppSettings otherSettings;
    otherSettings.tempFolder = settings.tempFolder;
    otherSettings.workingFolder = settings.workingFolder;
    otherSettings.createCodec();
    app::PictureDocument inMemory{otherSettings, ui, host};
    inMemory.setExchangeInMemory(true);
    EXPECT_EQ(inMemory.reloadFromCodec(), app::result::kCodecSaveBmpFailed);
    ASSERT_EQ(inMemory.openPicture(path, false), 0);
    const auto& viaMemory = inMemory.dib().bytes();
    EXPECT_EQ(std::vector<uint8_t>(viaMemory.begin(), viaMemory.end()), expected);
    EXPECT_FALSE(exists(work.file("TMPUpdate.bmp")));
    EXPECT_TRUE(ui.messages.empty());
}

// Documents sharing an exchange folder mark their exchange files: one never
// touches the unmarked name, here blocked by a folder of that name.
TEST_F(DocumentTest, ATaggedDocumentKeepsToItsOwnExchangeFiles) {
    const auto path = writeGradientBmp(work.file("photo.bmp"), 13, 7);
    std::filesystem::create_directory(work.file("TMPUpdate.bmp"));
    EXPECT_NE(doc.openPicture(path, false), 0);
    doc.setExchangeTag("-2");
    ASSERT_EQ(doc.openPicture(path, false), 0);
    EXPECT_EQ(doc.dib().view().width(), 13);
    EXPECT_FALSE(exists(work.file("TMPUpdate-2.bmp")));
}

TEST_F(DocumentTest, MonochromeFlagFollowsTheWholePathInLowerCase) {
    const auto path = writeGradientBmp(work.file("photo.WBMP.bmp"), 8, 8);
    ASSERT_EQ(doc.openPicture(path, false), 0);
    EXPECT_TRUE(doc.isMonochrome());
    const auto plain = writeGradientBmp(work.file("photo.bmp"), 8, 8);
    ASSERT_EQ(doc.openPicture(plain, false), 0);
    EXPECT_FALSE(doc.isMonochrome());
}

TEST_F(DocumentTest, FailedOpenKeepsThePictureTheNameAndTheCodecInStep) {
    const auto good = writeGradientBmp(work.file("good.bmp"), 20, 10);
    ASSERT_TRUE(doc.openChosenFile(good));
    testing_support::writeFile(work.file("bad.bmp"), std::string("not a picture"));
    EXPECT_FALSE(doc.openChosenFile(work.file("bad.bmp")));
    ASSERT_EQ(ui.messages.size(), 1u);
    // The file first, then the described message.
    EXPECT_EQ(
        ui.messages[0].text.rfind(work.file("bad.bmp") + "\nNepodařilo se otevřít soubor: ", 0),
        0u);
    EXPECT_EQ(ui.messages[0].caption, "Chyba");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::error);
    EXPECT_EQ(doc.pathName(), good);
    EXPECT_EQ(doc.pictureWidth(), 20);
    // The codec got the picture back: saving still writes it.
    EXPECT_EQ(doc.savePictureBmp(work.file("copy.bmp")), 0);
    EXPECT_EQ(readFile(work.file("copy.bmp")), readFile(good));
}

TEST_F(DocumentTest, OpenKeepsThePreviousPictureForUndo) {
    const auto first = writeGradientBmp(work.file("first.bmp"), 12, 6);
    const auto second = writeGradientBmp(work.file("second.bmp"), 30, 3);
    ASSERT_TRUE(doc.openChosenFile(first));
    ASSERT_TRUE(doc.openChosenFile(second));
    EXPECT_EQ(readFile(settings.undoFilePath), readFile(first));
    doc.undoFromFile();
    EXPECT_TRUE(doc.undoUsed());
    EXPECT_EQ(doc.pictureWidth(), 12);
    // Undo keeps the document's name.
    EXPECT_EQ(doc.pathName(), second);
}

TEST_F(DocumentTest, ConversionCommitsThroughTheCodecAndMarksModified) {
    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("g.bmp"), 16, 4)));
    doc.convertToMonochromeCommand();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(doc.isMonochrome());
    EXPECT_TRUE(doc.isModified());
    // Every load brings the picture back as 8 bpp grey: only black and white
    // remain.
    ASSERT_EQ(doc.palette().size(), 256u);
    const auto dib = doc.dib().bytes();
    const size_t pixels = 40 + 256 * 4;
    ASSERT_GE(dib.size(), pixels + 16 * 4);
    for (size_t i = pixels; i < pixels + 16 * 4; ++i)
        EXPECT_TRUE(dib[i] == 0 || dib[i] == 255) << i;
    EXPECT_TRUE(std::find(dib.begin() + pixels, dib.end(), 0) != dib.end());
    EXPECT_FALSE(exists(work.file("TMPChange.bmp")));
    EXPECT_FALSE(exists(work.file("TMPUpdate.bmp")));
}

TEST_F(DocumentTest, ResizeCommandsGoThroughTheCodec) {
    doc.resizeByPercentage(50);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Chyba při změně velikosti");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::error);
    ui.messages.clear();

    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("g.bmp"), 100, 50)));
    // Fitted into 60 x 25 keeping the aspect ratio: the height decides.
    doc.setHeightCommand(25);
    EXPECT_EQ(doc.pictureWidth(), 50);
    EXPECT_EQ(doc.pictureHeight(), 25);
    EXPECT_TRUE(doc.isModified());
    doc.fitToBoxCommand(10, 40, true);
    EXPECT_EQ(doc.pictureWidth(), 10);
    EXPECT_EQ(doc.pictureHeight(), 40);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentTest, FitToPhoneUsesThePhoneTable) {
    EXPECT_EQ(doc.fitToPhone(0), app::result::kNoBmp);
    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("g.bmp"), 192, 88)));
    EXPECT_EQ(doc.fitToPhone(0), 0);  // Nokia 7110, 96 x 44
    EXPECT_EQ(doc.pictureWidth(), 96);
    EXPECT_EQ(doc.pictureHeight(), 44);
}

TEST_F(DocumentTest, SaveChoosesTheWriterByExtension) {
    const auto bmp = writeGradientBmp(work.file("g.bmp"), 16, 16);
    ASSERT_TRUE(doc.openChosenFile(bmp));
    doc.resizeByPercentage(50);
    ASSERT_TRUE(doc.isModified());
    EXPECT_EQ(doc.save(), app::SaveOutcome::done);
    EXPECT_FALSE(doc.isModified());
    int w = 0, h = 0, bits = 0;
    bitmap::ImageProc proc;
    const auto saved = proc.loadBitmap(bmp);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width(), 8);
    (void)w, (void)h, (void)bits;

    // A GIF is never written over: Save asks for Save As.
    auto dib = testing_support::makeGreyDib(8, 8, 8);
    ASSERT_EQ(bitmap::GifWriter(dib).save(work.file("p.gif"), true), 0);
    ASSERT_TRUE(doc.openChosenFile(work.file("p.gif")));
    EXPECT_EQ(doc.save(), app::SaveOutcome::saveAsRequired);
}

TEST_F(DocumentTest, SaveOnAJpegAsksForSaveAsAndLeavesTheFile) {
    if (!testing_support::hasTool("cjpeg"))
        GTEST_SKIP() << "cjpeg is not installed";
    const auto bmp = writeGradientBmp(work.file("src.bmp"), 16, 16);
    ASSERT_EQ(
        testing_support::runCommand("cjpeg -outfile " + testing_support::quote(work.file("p.jpg")) +
                                    " " + testing_support::quote(bmp))
            .exitCode,
        0);
    const auto before = readFile(work.file("p.jpg"));
    ASSERT_TRUE(doc.openChosenFile(work.file("p.jpg")));
    doc.setModified(true);
    EXPECT_EQ(doc.save(), app::SaveOutcome::saveAsRequired);
    EXPECT_EQ(readFile(work.file("p.jpg")), before);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentTest, SaveAsWbmpReloadsTheSavedPicture) {
    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("g.bmp"), 16, 8)));
    doc.setSaveAsFirst(true);
    doc.setModified(true);
    doc.saveAs(work.file("out.b"), codec::kFormatWbmp);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(exists(work.file("out.wbmp")));
    EXPECT_EQ(doc.pathName(), work.file("out.wbmp"));
    EXPECT_TRUE(doc.isMonochrome());
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.saveAsFirst());
    const auto wbmp = readFile(work.file("out.wbmp"));
    ASSERT_GE(wbmp.size(), 4u);
    EXPECT_EQ(wbmp[0], 0);  // type 0
    EXPECT_EQ(wbmp[2], 16);
    EXPECT_EQ(wbmp[3], 8);
}

TEST_F(DocumentTest, FailedSaveAsKeepsTheNameAndTheModifiedFlag) {
    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("g.bmp"), 16, 8)));
    doc.setModified(true);
    doc.saveAs(work.file("missing-folder/out.bmp"), codec::kFormatBmp);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              work.file("missing-folder/out.bmp") + "\nChyba při ukládání obrázku");
    EXPECT_EQ(doc.pathName(), work.file("g.bmp"));
    EXPECT_TRUE(doc.isModified());

    ui.messages.clear();
    doc.saveAs(work.file("missing-folder/out.png"), codec::kFormatPng);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(work.file("missing-folder/out.png") + "\nSavePNG: ", 0),
              0u);
    EXPECT_NE(ui.messages[0].text.find("(errcode "), std::string::npos);
    EXPECT_EQ(ui.messages[0].caption, "Chyba při ukládání");
}

TEST_F(DocumentTest, UndoSnapshotDoesNotCountAsSaving) {
    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("g.bmp"), 16, 8)));
    doc.setModified(true);
    doc.snapshotForUndo(true);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(exists(settings.undoFilePath));
}

TEST_F(DocumentTest, DroppingSeveralFilesWarnsOnceAndOpensTheFirstThatLoads) {
    testing_support::writeFile(work.file("a.txt"), std::string("text"));
    const auto b = writeGradientBmp(work.file("b.bmp"), 9, 9);
    const auto c = writeGradientBmp(work.file("c.bmp"), 7, 7);
    doc.dropFiles({work.file("a.txt"), b, c});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Nelze otevřít více obrázků zároveň.\nPrvní použitelný bude otevřen");
    EXPECT_EQ(ui.messages[0].caption, "Info");
    EXPECT_EQ(doc.pathName(), b);

    ui.messages.clear();
    doc.dropFiles({work.file("a.txt")});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Nelze otevřít žádný známý soubor");
    EXPECT_EQ(doc.pathName(), b);
}

TEST_F(DocumentTest, DocumentFileRoutines) {
    // Not a BMP.
    testing_support::writeFile(work.file("x.bmp"), std::string("GIF89a......."));
    EXPECT_EQ(doc.loadDibFromFile(work.file("x.bmp"), true, false), 2);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Nelze nahrát DIB");
    EXPECT_FALSE(doc.hasPicture());
    EXPECT_EQ(doc.pictureWidth(), 1);

    // A BMP whose rows are cut off is refused rather than read past.
    auto bytes = readFile(writeGradientBmp(work.file("g.bmp"), 64, 64));
    bytes.resize(bytes.size() / 2);
    testing_support::writeFile(work.file("cut.bmp"), bytes);
    EXPECT_EQ(doc.loadDibFromFile(work.file("cut.bmp"), true, false), 2);
    EXPECT_FALSE(doc.hasPicture());

    // A negative height: too large.
    ui.messages.clear();
    bytes = readFile(work.file("g.bmp"));
    bytes[22] = 0xC0, bytes[23] = 0xFF, bytes[24] = 0xFF, bytes[25] = 0xFF;
    testing_support::writeFile(work.file("neg.bmp"), bytes);
    EXPECT_EQ(doc.loadDibFromFile(work.file("neg.bmp"), true, false), 2);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Obrázek DIB je příliš velký");

    // Written back byte for byte (the image size field recomputed).
    ASSERT_EQ(doc.loadDibFromFile(work.file("g.bmp"), true, false), 0);
    EXPECT_EQ(doc.writeDibToFile(work.file("again.bmp")), 1);
    EXPECT_EQ(readFile(work.file("again.bmp")), readFile(work.file("g.bmp")));
    EXPECT_EQ(doc.writeDibToFile(work.file("no/such/folder.bmp")), 8);
}

TEST_F(DocumentTest, OpenDocumentNeedsAnExistingFile) {
    EXPECT_FALSE(doc.openDocument(work.file("none.bmp")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, work.file("none.bmp") + "\nSoubor neexistuje");
    EXPECT_TRUE(doc.openDocument(writeGradientBmp(work.file("g.bmp"), 5, 5)));
}

TEST_F(DocumentTest, InfoTextShowsTheHeader) {
    const auto path = writeGradientBmp(work.file("g.bmp"), 33, 21);
    doc.downloadText("info://" + path, "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Informace:\n\nFormát: bmp\nŠířka: 33\nVýška: 21\n");
    EXPECT_EQ(ui.messages[0].caption, "Informace o obrázku");
    EXPECT_FALSE(doc.hasPicture());

    ui.messages.clear();
    doc.downloadText("INFO://" + work.file("none.bmp"), "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Nepodařilo se přečíst hlavičku souboru '" + work.file("none.bmp") + "'.");
}

TEST_F(DocumentTest, CounterTextBuildsTheCounterInTheSaveFolder) {
    testing_support::TempDir digits;
    bitmap::ImageProc proc;
    for (int d = 0; d < 10; ++d) {
        auto dib = testing_support::makeGreyDib(6, 10, 8);
        testing_support::setPixel(dib, d % 6, 0, 0);
        ASSERT_TRUE(proc.saveBitmap(digits.file(std::to_string(d) + ".bmp"), dib));
    }
    doc.downloadText("counter://" + digits.path() + ":0042", "");
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    // Four digits of 6 pixels; the counter file itself is gone again.
    EXPECT_EQ(doc.pictureWidth(), 24);
    EXPECT_EQ(doc.pictureHeight(), 10);
    EXPECT_EQ(doc.pathName(), work.file("42.bmp"));
    EXPECT_FALSE(exists(work.file("42.bmp")));

    doc.downloadText("counter://" + digits.path() + ":", "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Nebylo zadáno žádné číslo");

    ui.messages.clear();
    doc.downloadText("counter://" + work.file("nodigits") + ":7", "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Chyba při vytváření počítadla:\n", 0), 0u);
}

TEST_F(DocumentTest, FailedFetchKeepsThePictureAndReportsTheCodecText) {
    ASSERT_TRUE(doc.openChosenFile(writeGradientBmp(work.file("g.bmp"), 10, 10)));
    std::string local;
    std::string error;
    EXPECT_EQ(doc.fetchUrl("http://127.0.0.1:1/p.bmp", local, error), app::result::kFetchFailed);
    EXPECT_EQ(local, work.path() + "/download.p.bmp");
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(doc.pathName(), work.file("g.bmp"));
    EXPECT_TRUE(doc.hasPicture());
}

}  // namespace
