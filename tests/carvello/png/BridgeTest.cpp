// ImageProc::readPNGFile, compositing over white, and the libpng fallback
// reader.
#include <gtest/gtest.h>

#include "bitmap/AlphaComposite.h"
#include "bitmap/ImageProc.h"
#include "bitmap/bridges/LibpngLibrary.h"
#include "bitmap/bridges/PngFallbackReader.h"
#include "support/TestSupport.h"
#include "tests/carvello/png/PngTestFiles.h"

using namespace pngtest;
using bitmap::ImageProc;
using bitmap::PngFallbackReader;

namespace {

Bytes rgbFile(uint32_t w, uint32_t h, const Bytes& rgb, uint8_t colorType = 2) {
    const size_t channels = colorType == 6 ? 4 : colorType == 4 ? 2 : colorType == 0 ? 1 : 3;
    return pngFile(ihdr(w, h, 8, colorType), zlibStored(unfilteredRows(rgb, w * channels)));
}

TEST(CompositeOverWhite, Values) {
    struct Case {
        std::array<uint8_t, 4> in, out;
    };
    const Case cases[] = {
        {{10, 20, 30, 255}, {10, 20, 30, 255}},   // opaque: unchanged
        {{10, 20, 30, 0}, {255, 255, 255, 255}},  // clear: white
        {{0, 0, 0, 128}, {127, 127, 127, 255}},   // half black: (255 * 127 + 127) / 255
        {{0, 255, 100, 51}, {204, 255, 224, 255}}, {{255, 255, 255, 1}, {255, 255, 255, 255}},
    };
    for (const auto& c : cases) {
        Bytes pixels(c.in.begin(), c.in.end());
        pixels.push_back(99);  // a trailing partial pixel is left alone
        bitmap::compositeOverWhite(pixels);
        EXPECT_TRUE(std::equal(c.out.begin(), c.out.end(), pixels.begin()))
            << int{pixels[0]} << " " << int{pixels[1]} << " " << int{pixels[2]} << " "
            << int{pixels[3]};
        EXPECT_EQ(pixels[4], 99);
    }
}

TEST(ReadPngFile, GreyPictureKeepsItsLevelsWithAGreyPalette) {
    testing_support::TempDir dir;
    Bytes grey(7 * 3);
    for (size_t i = 0; i < grey.size(); ++i)
        grey[i] = static_cast<uint8_t>(i * 12);
    testing_support::writeFile(dir.file("g.png"), rgbFile(7, 3, grey, 0));
    ImageProc proc;
    const auto dib = proc.readPNGFile(dir.file("g.png"));
    ASSERT_TRUE(dib.has_value()) << proc.lastError();
    EXPECT_EQ(dib->bitCount(), 8);
    EXPECT_EQ(dib->width(), 7);
    EXPECT_EQ(dib->height(), 3);
    const auto h = dib->header();
    EXPECT_EQ(h.biSizeImage, 8u * 3);
    EXPECT_EQ(h.biXPelsPerMeter, 3790);
    EXPECT_EQ(h.biYPelsPerMeter, 3780);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(dib->palette()[i * 4], i);
        EXPECT_EQ(dib->palette()[i * 4 + 2], i);
        EXPECT_EQ(dib->palette()[i * 4 + 3], 0);
    }
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(testing_support::pixelAt(*dib, x, y), grey[y * 7 + x]) << x << "," << y;
}

TEST(ReadPngFile, ColourPictureGoesThroughTheConverter) {
    testing_support::TempDir dir;
    Bytes rgb(4 * 2 * 3);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<uint8_t>(i % 3 == 0 ? 250 : 10);  // reddish
    testing_support::writeFile(dir.file("c.png"), rgbFile(4, 2, rgb));
    ImageProc proc;
    const auto dib = proc.readPNGFile(dir.file("c.png"));
    ASSERT_TRUE(dib.has_value()) << proc.lastError();
    EXPECT_EQ(dib->bitCount(), 8);
    EXPECT_EQ(dib->width(), 4);
    EXPECT_EQ(dib->height(), 2);
}

TEST(ReadPngFile, AlphaIsPutOverWhite) {
    // Black at alpha 0, black at alpha 255, grey 100 at alpha 128: all grey
    // after compositing, so the result keeps exact levels.
    testing_support::TempDir dir;
    const Bytes ga = {0, 0, 0, 255, 100, 128};
    testing_support::writeFile(dir.file("a.png"), rgbFile(3, 1, ga, 4));
    ImageProc proc;
    const auto dib = proc.readPNGFile(dir.file("a.png"));
    ASSERT_TRUE(dib.has_value()) << proc.lastError();
    EXPECT_EQ(testing_support::pixelAt(*dib, 0, 0), 255);
    EXPECT_EQ(testing_support::pixelAt(*dib, 1, 0), 0);
    EXPECT_EQ(testing_support::pixelAt(*dib, 2, 0), (100 * 128 + 255 * 127 + 127) / 255);
}

TEST(ReadPngFile, FailureTexts) {
    testing_support::TempDir dir;
    Bytes bad = rgbFile(2, 2, Bytes(12, 0));
    bad[8 + 25 + 9] ^= 0xFF;  // inside the IDAT: the CRC no longer matches
    testing_support::writeFile(dir.file("crc.png"), bad);
    // A colour type PNG does not define, with a correct CRC.
    const Bytes header = pngFile(ihdr(2, 2, 8, 7), zlibStored(Bytes(14, 0)));
    testing_support::writeFile(dir.file("type.png"), header);
    struct Case {
        std::string path, text;
    };
    const Case cases[] = {
        {"", "ImageProc::readPNGFile: Nepodařilo se otevřít soubor"},
        {dir.file("missing.png"), "ImageProc::readPNGFile: Can't open input file."},
        {dir.file("crc.png"), "ImageProc::readPNGFile: Invalid Chunk CRC"},
        {dir.file("type.png"), "ImageProc::readPNGFile: Invalid Color Type"},
    };
    for (const auto& c : cases) {
        ImageProc proc;
        EXPECT_FALSE(proc.readPNGFile(c.path).has_value()) << c.path;
        EXPECT_EQ(proc.lastError(), c.text);
    }
}

TEST(FallbackReader, ResultCodes) {
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("text.png"), std::string("not a png at all"));
    testing_support::writeFile(dir.file("short.png"), std::string("\x89PN"));
    Bytes badHeader = pngFile(chunk("IHDR", Bytes(13, 0), true), zlibStored(Bytes(4, 0)));
    testing_support::writeFile(dir.file("header.png"), badHeader);
    testing_support::writeFile(dir.file("data.png"),
                               pngFile(ihdr(2, 2, 8, 2), Bytes{0x78, 0x9C, 0xFF, 0xFF, 0xFF}));
    Bytes noEnd = rgbFile(2, 2, Bytes(12, 0));
    noEnd.resize(noEnd.size() - 12);
    testing_support::writeFile(dir.file("noend.png"), noEnd);

    struct Case {
        std::string path;
        int open, header, image;
    };
    const Case cases[] = {
        {dir.file("missing.png"), PngFallbackReader::kCannotOpen, PngFallbackReader::kNotOpen,
         PngFallbackReader::kNotOpen},
        {"", PngFallbackReader::kCannotOpen, PngFallbackReader::kNotOpen,
         PngFallbackReader::kNotOpen},
        {dir.file("text.png"), 0, PngFallbackReader::kNotPng, PngFallbackReader::kNotOpen},
        {dir.file("short.png"), 0, PngFallbackReader::kNotPng, PngFallbackReader::kNotOpen},
        {dir.file("header.png"), 0, PngFallbackReader::kHeaderFailed, PngFallbackReader::kNotOpen},
        {dir.file("data.png"), 0, 0, PngFallbackReader::kImageFailed},
        {dir.file("noend.png"), 0, 0, PngFallbackReader::kEndFailed},
    };
    for (const auto& c : cases) {
        PngFallbackReader reader;
        EXPECT_EQ(reader.open(c.path), c.open) << c.path;
        EXPECT_EQ(reader.readHeader(), c.header) << c.path;
        EXPECT_EQ(reader.readImage(), c.image) << c.path;
        EXPECT_FALSE(reader.makeBitmap().has_value()) << c.path;
        reader.close();
        EXPECT_EQ(reader.readHeader(), PngFallbackReader::kNotOpen);
    }
}

// libpng is opened when the fallback reader first needs it, not linked: a
// library that does not load, or is no libpng, is refused naming why.
TEST(FallbackReader, LibpngIsOpenedOnDemandAndAnUnusableOneIsNamed) {
    EXPECT_TRUE(bitmap::systemLibpng().ok()) << bitmap::systemLibpng().error();
    const bitmap::LibpngLibrary missing{"libglyphon-no-such-png.so.16"};
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find("libglyphon-no-such-png.so.16"), std::string::npos);
    const bitmap::LibpngLibrary notPng{"libm.so.6"};
    EXPECT_FALSE(notPng.ok());
    EXPECT_EQ(notPng.error(), "libm.so.6: not a usable libpng");
}

TEST(FallbackReader, BitmapLayoutAndTransparency) {
    // A 2-bit palette picture with tRNS: expanded to BGRA with the tRNS
    // alpha, top row first.
    testing_support::TempDir dir;
    const Bytes plte = chunk("PLTE", Bytes{255, 0, 0, 0, 255, 0, 0, 0, 255});
    Bytes before = plte;
    append(before, chunk("tRNS", Bytes{0, 128}));
    const Bytes rows = {0, 0b00011000, 0, 0b10000000};  // row 0: 0 1 2; row 1: 2 0 0
    testing_support::writeFile(dir.file("p.png"),
                               pngFile(ihdr(3, 2, 2, 3), zlibStored(rows), before));
    PngFallbackReader reader;
    ASSERT_EQ(reader.open(dir.file("p.png")), 0);
    ASSERT_EQ(reader.readHeader(), 0);
    EXPECT_EQ(reader.width(), 3u);
    EXPECT_EQ(reader.height(), 2u);
    EXPECT_EQ(reader.colorType(), 3);
    ASSERT_EQ(reader.readImage(), 0);
    const auto block = reader.makeBitmap();
    ASSERT_TRUE(block.has_value());
    ASSERT_EQ(block->size(), 40u + 3 * 2 * 4);
    const auto h = bitmap::BitmapInfoHeader::parse(*block);
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 3);
    EXPECT_EQ(h.biHeight, 2);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 32);
    EXPECT_EQ(h.biSizeImage, 24u);
    EXPECT_EQ(h.biXPelsPerMeter, 0);
    const Bytes expected = {0,   0, 255, 0,   0, 255, 0,   128, 255, 0, 0,   255,
                            255, 0, 0,   255, 0, 0,   255, 0,   0,   0, 255, 0};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), block->begin() + 40));
}

}  // namespace
