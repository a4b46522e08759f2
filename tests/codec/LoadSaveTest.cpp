#include <gtest/gtest.h>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/formats/WBMPCoder.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;
using testing_support::makeGreyDib;
using testing_support::pixelAt;
using testing_support::readFile;
using testing_support::setPixel;
using testing_support::TempDir;

namespace {

// Saves a grey gradient picture as a BMP file and returns its path.
std::string writeGradientBmp(const TempDir& dir, const std::string& name, int w, int h) {
    auto dib = makeGreyDib(w, h, 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            setPixel(dib, x, y, (x * 255 / std::max(w - 1, 1) + y) & 0xFF);
    bitmap::ImageProc proc;
    const std::string path = dir.file(name);
    EXPECT_TRUE(proc.saveBitmap(path, dib));
    return path;
}

TEST(CodecLoad, BmpBecomesAnEightBitGreyPictureWithItsSize) {
    TempDir dir;
    const auto path = writeGradientBmp(dir, "g.bmp", 13, 7);
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(path, ""), 1) << codec.errordescription();
    EXPECT_EQ(codec.imageWidth(), 13);
    EXPECT_EQ(codec.imageHeight(), 7);
    EXPECT_EQ(codec.bmpBpp(), 8);
    EXPECT_EQ(codec.fileFormat(), "bmp");
    const auto& picture = *codec.picture();
    for (int x = 0; x < 13; ++x)
        EXPECT_EQ(pixelAt(picture, x, 0), x * 255 / 12);
    // The grey ramp: entry i is grey i.
    EXPECT_EQ(picture.palette()[200 * 4], 200);
}

TEST(CodecLoad, WbmpBecomesGreyZeroAnd255) {
    TempDir dir;
    const std::vector<uint8_t> wbmp = {0, 0, 10, 2, 0xFF, 0xC0, 0x80, 0x00};
    testing_support::writeFile(dir.file("w.wbmp"), wbmp);
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(dir.file("w.wbmp"), ""), 1) << codec.errordescription();
    EXPECT_EQ(codec.imageWidth(), 10);
    EXPECT_EQ(codec.imageHeight(), 2);
    const auto& picture = *codec.picture();
    ASSERT_EQ(picture.bitCount(), 8);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(pixelAt(picture, x, 0), 255) << x;
        EXPECT_EQ(pixelAt(picture, x, 1), x == 0 ? 255 : 0) << x;
    }
    EXPECT_EQ(codec.isMonochrome(), 1);
    EXPECT_EQ(codec.wbmpExists(), 1);
}

TEST(CodecLoad, MissingAndBrokenFilesReportAndLeaveNoPicture) {
    TempDir dir;
    const auto good = writeGradientBmp(dir, "g.bmp", 4, 4);
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(good, ""), 1);

    const std::string missing = dir.file("nothing.bmp");
    EXPECT_EQ(codec.loadImage(missing, ""), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::pictureNotFound));
    EXPECT_EQ(codec.errordescription(), "CCodec::LoadImage: Soubor '" + missing + "' neexistuje!");
    EXPECT_EQ(codec.bmpExists(), 0) << "loading releases the old picture first";

    // A truncated BMP: the reader's own message comes through.
    auto bytes = readFile(good);
    bytes.resize(40);
    testing_support::writeFile(dir.file("short.bmp"), bytes);
    EXPECT_EQ(codec.loadImage(dir.file("short.bmp"), ""), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::bmpNotLoaded));
    EXPECT_TRUE(codec.errordescription().starts_with(
        "Interní funkce nalezla či způsobila tuto chybu:\nImageProc::loadBitmap: "))
        << codec.errordescription();
    EXPECT_GT(
        codec.errordescription().size(),
        std::string("Interní funkce nalezla či způsobila tuto chybu:\nImageProc::loadBitmap: ")
            .size());
}

TEST(CodecLoad, FileSchemeNamesAreLoadedAsFiles) {
    TempDir dir;
    const auto path = writeGradientBmp(dir, "g.bmp", 3, 3);
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.loadImage("file://" + path, ""), 1) << codec.errordescription();
    EXPECT_EQ(codec.loadImage("File://" + path, ""), 1) << codec.errordescription();
}

TEST(CodecSave, SaveAsChoosesTheWriterAndRefusesWhatItCannotWrite) {
    TempDir dir;
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(writeGradientBmp(dir, "g.bmp", 9, 2), ""), 1);

    EXPECT_EQ(codec.saveAs(dir.file("out.x"), "jpg", 0), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::savingNotSupported));
    EXPECT_EQ(codec.errordescription(), "Ukládání jpg není podporováno");

    EXPECT_EQ(codec.saveAs(dir.file("out.tif"), "tif", 0), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::unknownFormat));
    EXPECT_EQ(codec.errordescription(), "CCodec::SaveAs: Neznámý formát souboru:tif");

    ASSERT_EQ(codec.saveAs(dir.file("out.bmp"), "BMP", 0), 1) << codec.errordescription();
    EXPECT_EQ(codec.saveAs(dir.file("out.bmp"), "bmp", 1), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::cannotCreateFile));
    EXPECT_EQ(codec.errordescription(), "CCodec::SaveAs: Soubor již existuje");

    // WBMP output of a dithered picture: 9 x 2 gives 4 header bytes and two
    // rows of two bytes.
    ASSERT_EQ(codec.convertBmpToMonochrome(0, 128), 1);
    ASSERT_EQ(codec.saveAs(dir.file("out.wbmp"), "wbmp", 0), 1) << codec.errordescription();
    const auto wbmp = readFile(dir.file("out.wbmp"));
    ASSERT_EQ(wbmp.size(), 8u);
    EXPECT_EQ(wbmp[2], 9);
    EXPECT_EQ(wbmp[3], 2);
}

TEST(CodecSave, WriteFailureKeepsThePictureAndReportsTheCoreMessage) {
    TempDir dir;
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(writeGradientBmp(dir, "g.bmp", 5, 5), ""), 1);
    EXPECT_EQ(codec.saveBmp(dir.file("no/such/folder/x.bmp")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::bmpNotSaved));
    EXPECT_EQ(codec.errordescription(),
              "Interní funkce nalezla či způsobila tuto chybu:\n"
              "ImageProc::saveBitmap: Nepodařilo se otevřít soubor");
    EXPECT_EQ(codec.bmpExists(), 1);
    EXPECT_EQ(codec.saveWbmp(dir.file("no/such/folder/x.wbmp")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::wbmpNotSaved));
}

TEST(CodecUndo, UndoFileIsWrittenBeforeChangesInItsExtensionsFormat) {
    TempDir dir;
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(writeGradientBmp(dir, "g.bmp", 6, 6), ""), 1);

    // No undo file set: nothing is written.
    EXPECT_EQ(codec.makeUndoFile(), 1);

    codec.setUndoFile(dir.file("undo.bmp"));
    ASSERT_EQ(codec.resizePercentual(50), 1);
    // The undo file holds the picture as it was before the resize.
    Codec reader;
    reader.setThrowException(false);
    ASSERT_EQ(reader.loadImage(dir.file("undo.bmp"), ""), 1);
    EXPECT_EQ(reader.imageWidth(), 6);

    // Already black and white: unchanged, but the undo file is still written.
    ASSERT_EQ(codec.convertBmpToMonochrome(0, 128), 1);
    std::remove(dir.file("undo.bmp").c_str());
    const std::vector<uint8_t> before(codec.picture()->bytes().begin(),
                                      codec.picture()->bytes().end());
    ASSERT_EQ(codec.convertBmpToMonochrome(4, 10), 1);
    EXPECT_TRUE(bitmap::fileExists(dir.file("undo.bmp")));
    EXPECT_TRUE(std::equal(before.begin(), before.end(), codec.picture()->bytes().begin()));

    // An undo file in a format this build cannot write stops the change.
    codec.setUndoFile(dir.file("undo.jpg"));
    EXPECT_EQ(codec.transformBmp(2, 2, 8), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::undoFormatNotWritable));
    EXPECT_EQ(codec.errordescription(), "CCodec::MakeUndoFile: Nelze ukládat v daném formátu");
    EXPECT_EQ(codec.bmpWidth(), 3) << "the picture is unchanged";
}

TEST(CodecConvert, MonochromeConversionClampsTheThresholdAndReportsBadMethods) {
    TempDir dir;
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(writeGradientBmp(dir, "g.bmp", 16, 1), ""), 1);
    ASSERT_EQ(codec.convertBmpToMonochrome(0, 1000), 1);  // taken as 255
    const auto& picture = *codec.picture();
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(pixelAt(picture, x, 0), x == 15 ? 1 : 0) << x;

    ASSERT_EQ(codec.loadImage(dir.file("g.bmp"), ""), 1);
    EXPECT_EQ(codec.convertBmpToMonochrome(bitmap::kDitherMethodCount, 128), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::monochromeFailed));
    EXPECT_EQ(codec.errordescription(),
              "Interní funkce nalezla či způsobila tuto chybu:\n"
              "ImageProc::change256GrayToMonochrome: Nepodporovaná metoda pro 8bpp");
}

}  // namespace
