// The codec with GIF, JPEG and PNG files: dispatch by content, the writers
// behind saveAs and the undo file, and the failure reports of each format.
#include <gtest/gtest.h>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;
using testing_support::quote;
using testing_support::readFile;
using testing_support::runCommand;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

const std::string kInternal = "Interní funkce nalezla či způsobila tuto chybu:\n";

// A codec holding a 12 x 6 grey pattern, dithered to black and white.
void loadPattern(Codec& codec, const TempDir& dir) {
    auto dib = testing_support::makeGreyDib(12, 6, 8);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x)
            testing_support::setPixel(dib, x, y, ((x + y) % 3) * 127);
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.saveBitmap(dir.file("pattern.bmp"), dib));
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(dir.file("pattern.bmp"), ""), 1);
    ASSERT_EQ(codec.convertBmpToMonochrome(0, 100), 1);
}

// A 16 x 8 grey left-to-right ramp (0, 16, ..., 240) compressed by cjpeg.
bool writeGradientJpeg(const std::string& path) {
    std::string pgm = "P5\n16 8\n255\n";
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            pgm += static_cast<char>(x * 16);
    const std::string source = path + ".pgm";
    writeFile(source, pgm);
    return runCommand("cjpeg -quality 95 " + quote(source) + " > " + quote(path)).exitCode == 0;
}

std::vector<uint8_t> pixelsOf(const Codec& codec) {
    const auto pixels = codec.picture()->pixels();
    return {pixels.begin(), pixels.end()};
}

TEST(CodecFormats, EveryWritableFormatReadsBackTheSamePicture) {
    TempDir dir;
    Codec codec;
    loadPattern(codec, dir);
    // Back in grey form, black and white are 0 and 255.
    ASSERT_EQ(codec.saveAs(dir.file("ref.bmp"), "bmp", 0), 1);
    Codec reference;
    reference.setThrowException(false);
    ASSERT_EQ(reference.loadImage(dir.file("ref.bmp"), ""), 1);
    const auto expected = pixelsOf(reference);

    for (const std::string format : {"wbmp", "gif", "png", "png-trans"}) {
        // Names without a matching extension: the content decides on loading.
        const std::string path = dir.file("out-" + format + ".data");
        ASSERT_EQ(codec.saveAs(path, format, 1), 1) << format << ": " << codec.errordescription();
        Codec reader;
        reader.setThrowException(false);
        ASSERT_EQ(reader.loadImage(path, ""), 1) << format << ": " << reader.errordescription();
        EXPECT_EQ(reader.fileFormat(), format == "png-trans" ? "png" : format);
        EXPECT_EQ(pixelsOf(reader), expected) << format;
    }
    const auto gif = readFile(dir.file("out-gif.data"));
    EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF87a");
    EXPECT_EQ(gif[gif.size() - 2], 0x00);
    EXPECT_EQ(gif.back(), 0x3B);
    EXPECT_EQ(gif[13 + 3 * 256 + 9] & 0x40, 0x40) << "interlaced";
}

TEST(CodecFormats, UndoFileFormatFollowsItsExtensionAndUnknownMeansGif) {
    TempDir dir;
    Codec codec;
    loadPattern(codec, dir);
    for (const std::string name : {"undo.tmp", "undo.gif", "undo.png", "undo.WBMP"}) {
        codec.setUndoFile(dir.file(name));
        ASSERT_EQ(codec.transformBmp(0, 0, 8), 1) << name << ": " << codec.errordescription();
        ASSERT_EQ(codec.readImageHeader(dir.file(name)), 1);
        const std::string expected = name == "undo.tmp"    ? "gif"
                                     : name == "undo.WBMP" ? "wbmp"
                                                           : name.substr(5);
        EXPECT_EQ(codec.fileFormat(), expected) << name;
    }
    codec.setUndoFile(dir.file("undo.png-trans"));
    EXPECT_EQ(codec.makeUndoFile(), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::undoFormatNotWritable));
}

TEST(CodecFormats, GifFailuresAreSilentButExplained) {
    TempDir dir;
    Codec codec;
    loadPattern(codec, dir);
    ASSERT_EQ(codec.saveGif(dir.file("good.gif")), 1);
    EXPECT_EQ(codec.lastWriterResult(), 0);

    // Reading a broken GIF fails without touching the error report.
    auto bytes = readFile(dir.file("good.gif"));
    bytes.resize(bytes.size() / 2);
    writeFile(dir.file("broken.gif"), bytes);
    codec.saveBmp("");  // leaves a known report behind
    const int code = codec.errorcode();
    const std::string text = codec.errordescription();
    EXPECT_EQ(codec.loadImage(dir.file("broken.gif"), ""), 0);
    EXPECT_EQ(codec.errorcode(), code);
    EXPECT_EQ(codec.errordescription(), text);
    EXPECT_NE(codec.lastGifReadResult(), 0);
    EXPECT_EQ(codec.bmpExists(), 0);

    // A GIF that cannot be opened is reported.
    EXPECT_EQ(codec.loadGif(dir.file("missing.gif")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::cannotOpenFile));
    EXPECT_EQ(codec.errordescription(), "CCodec::LoadGIF: Nelze otevřít soubor pro čtení");

    // A failed write names the writer's code and its text.
    loadPattern(codec, dir);
    EXPECT_EQ(codec.saveGif(dir.file("no/folder/x.gif")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::gifNotSaved));
    EXPECT_EQ(codec.lastWriterResult(), 12);
    EXPECT_EQ(codec.errordescription(), "Chyba #12 při ukládání GIF souboru: Cannot create file");
}

TEST(CodecFormats, JpegLoadsByContentAndReportsTheDecodersMessage) {
    if (!testing_support::hasTool("cjpeg"))
        GTEST_SKIP() << "cjpeg is not installed";
    TempDir dir;
    // Named .png on purpose: the content decides the format, not the name.
    ASSERT_TRUE(writeGradientJpeg(dir.file("g.png")));
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(dir.file("g.png"), ""), 1) << codec.errordescription();
    EXPECT_EQ(codec.fileFormat(), "jpg");
    EXPECT_EQ(codec.imageWidth(), 16);
    EXPECT_EQ(codec.bmpBpp(), 8);
    EXPECT_NEAR(testing_support::pixelAt(*codec.picture(), 15, 3), 240, 6);

    auto bytes = readFile(dir.file("g.png"));
    bytes.resize(bytes.size() / 3);
    writeFile(dir.file("cut.jpg"), bytes);
    EXPECT_EQ(codec.loadImage(dir.file("cut.jpg"), ""), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::jpegNotLoaded));
    EXPECT_TRUE(codec.errordescription().starts_with(kInternal + "ImageProc::readJPEGFile: "))
        << codec.errordescription();
}

// A camera file: Exif instead of JFIF, stored on its side.
TEST(CodecFormats, CameraJpegLoadsByContentAndUpright) {
    if (!testing_support::hasTool("cjpeg"))
        GTEST_SKIP() << "cjpeg is not installed";
    TempDir dir;
    ASSERT_TRUE(writeGradientJpeg(dir.file("g.jpg")));
    auto bytes = readFile(dir.file("g.jpg"));
    ASSERT_EQ(bytes[3], 0xE0);
    // APP1 "Exif", little-endian TIFF header, one entry: orientation 6
    // (to be turned a quarter clockwise).
    const std::vector<uint8_t> exif = {0xFF, 0xE1, 0, 32, 'E', 'x', 'i', 'f', 0,    0,    'I', 'I',
                                       42,   0,    8, 0,  0,   0,   1,   0,   0x12, 0x01, 3,   0,
                                       1,    0,    0, 0,  6,   0,   0,   0,   0,    0,    0,   0};
    bytes.erase(bytes.begin() + 2, bytes.begin() + 4 + ((bytes[4] << 8) | bytes[5]));
    bytes.insert(bytes.begin() + 2, exif.begin(), exif.end());
    writeFile(dir.file("camera.bin"), bytes);

    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(dir.file("camera.bin"), ""), 1) << codec.errordescription();
    EXPECT_EQ(codec.fileFormat(), "jpg");
    EXPECT_EQ(codec.imageWidth(), 8);
    EXPECT_EQ(codec.imageHeight(), 16);
    // The left-to-right ramp now runs top to bottom.
    EXPECT_NEAR(testing_support::pixelAt(*codec.picture(), 3, 0), 0, 6);
    EXPECT_NEAR(testing_support::pixelAt(*codec.picture(), 3, 15), 240, 6);
}

TEST(CodecFormats, PngFallsBackToLibpngAndShowsTransparencyAsWhite) {
    if (!testing_support::hasTool("convert"))
        GTEST_SKIP() << "ImageMagick is not installed";
    TempDir dir;
    // Fully transparent black pixels: white paper, not black ink.
    ASSERT_EQ(runCommand("convert -size 5x3 xc:'rgba(0,0,0,0)' PNG32:" + quote(dir.file("t.png")))
                  .exitCode,
              0);
    Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(dir.file("t.png"), ""), 1) << codec.errordescription();
    EXPECT_EQ(testing_support::pixelAt(*codec.picture(), 2, 1), 255);

    // A damaged ancillary chunk: our decoder refuses the CRC, libpng skips
    // the chunk and reads the picture.
    ASSERT_EQ(runCommand("convert -size 4x4 xc:gray50 -set comment hello PNG24:" +
                         quote(dir.file("c.png")))
                  .exitCode,
              0);
    auto bytes = readFile(dir.file("c.png"));
    const std::string data(bytes.begin(), bytes.end());
    const auto text = data.find("tEXt");
    ASSERT_NE(text, std::string::npos);
    const uint32_t length = (bytes[text - 4] << 24) | (bytes[text - 3] << 16) |
                            (bytes[text - 2] << 8) | bytes[text - 1];
    bytes[text + 4 + length] ^= 0xFF;  // first CRC byte
    writeFile(dir.file("crc.png"), bytes);
    bitmap::ImageProc proc;
    EXPECT_FALSE(proc.readPNGFile(dir.file("crc.png")));
    EXPECT_EQ(proc.lastError(), "ImageProc::readPNGFile: Invalid Chunk CRC");
    ASSERT_EQ(codec.loadImage(dir.file("crc.png"), ""), 1) << codec.errordescription();
    EXPECT_NEAR(testing_support::pixelAt(*codec.picture(), 1, 1), 127, 2);

    // Neither reader can make anything of a cut-off file.
    bytes.resize(40);
    writeFile(dir.file("cut.png"), bytes);
    EXPECT_EQ(codec.loadImage(dir.file("cut.png"), ""), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::pngNotLoaded));
    EXPECT_TRUE(codec.errordescription().starts_with(kInternal + "ImageProc::readPNGFile: "));
}

}  // namespace
