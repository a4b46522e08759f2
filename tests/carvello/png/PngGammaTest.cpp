// PNG files that code their samples through a gAMA chunk alone are turned
// into sRGB before they become grey, by both readers; an sRGB or iCCP chunk,
// or the sRGB curve's own gamma, leaves the samples as they are.
#include <gtest/gtest.h>

#include <string>

#include "bitmap/AlphaComposite.h"
#include "bitmap/ImageProc.h"
#include "bitmap/bridges/PngFallbackReader.h"
#include "bitmap/bridges/PngGamma.h"
#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/RasterImage.h"
#include "carvello/png/PngDecoder.h"
#include "support/TestSupport.h"
#include "tests/carvello/png/PngTestFiles.h"

using namespace pngtest;

namespace {

constexpr uint32_t kWidth = 64;
constexpr uint32_t kHeight = 24;

Bytes gammaChunk(uint32_t value) {
    return chunk("gAMA", Bytes{static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                               static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
}
Bytes srgbChunk() {
    return chunk("sRGB", Bytes{0});
}

// An RGB picture with every level in each channel, coded with the chunks
// given before its image data.
Bytes rgbPicture(const Bytes& beforeData) {
    Bytes rgb;
    for (uint32_t y = 0; y < kHeight; ++y) {
        for (uint32_t x = 0; x < kWidth; ++x) {
            rgb.push_back(static_cast<uint8_t>(x * 4 + y % 4));
            rgb.push_back(static_cast<uint8_t>(y * 11));
            rgb.push_back(static_cast<uint8_t>(255 - x * 3));
        }
    }
    return pngFile(ihdr(kWidth, kHeight, 8, 2), zlibStored(unfilteredRows(rgb, kWidth * 3)),
                   beforeData);
}

std::vector<uint8_t> greyOf(const bitmap::Dib& dib) {
    std::vector<uint8_t> grey;
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            grey.push_back(
                dib.palette()[static_cast<size_t>(testing_support::pixelAt(dib, x, y)) * 4]);
    return grey;
}

// The program's grey picture through the codec library's decoder.
std::vector<uint8_t> libraryGrey(const std::string& path) {
    bitmap::ImageProc proc;
    const auto dib = proc.readPNGFile(path);
    EXPECT_TRUE(dib) << proc.lastError();
    return dib ? greyOf(*dib) : std::vector<uint8_t>{};
}

// The same through the libpng fallback reader, as the codec runs it.
std::vector<uint8_t> fallbackGrey(const std::string& path) {
    bitmap::PngFallbackReader reader;
    EXPECT_EQ(reader.open(path), 0);
    EXPECT_EQ(reader.readHeader(), 0);
    EXPECT_EQ(reader.readImage(), 0);
    auto block = reader.makeBitmap();
    if (!block)
        return {};
    const auto header = bitmap::BitmapInfoHeader::parse(*block);
    const auto pixels = std::span(*block).subspan(bitmap::kInfoHeaderSize);
    bitmap::compositeOverWhite(pixels);
    bitmap::ImageProc proc;
    const auto dib = proc.changeBitmapFormatFrom32(header, pixels, 0, 0, 8);
    EXPECT_TRUE(dib) << proc.lastError();
    return dib ? greyOf(*dib) : std::vector<uint8_t>{};
}

TEST(PngGamma, DecoderRecordsWhatTheChunksSay) {
    struct Case {
        const char* name;
        Bytes before, after;
        uint32_t gamma;
        bool srgb, icc;
    };
    Bytes profile = bytesOf("profile");
    profile.push_back(0);
    profile.push_back(0);
    const std::vector<Case> cases = {
        {"none", {}, {}, 0, false, false},
        {"gAMA 1.0", gammaChunk(100000), {}, 100000, false, false},
        {"gAMA and sRGB",
         [] {
             Bytes b = gammaChunk(45455);
             append(b, srgbChunk());
             return b;
         }(),
         {},
         45455,
         true,
         false},
        {"iCCP", chunk("iCCP", profile), {}, 0, false, true},
        {"sRGB after the image data does not count", {}, srgbChunk(), 0, false, false},
    };
    for (const auto& c : cases) {
        const Bytes file = pngFile(ihdr(1, 1, 8, 0), zlibStored(Bytes{0, 7}), c.before, c.after);
        carvello::BufferedByteStream stream(file);
        carvello::RasterImage image;
        carvello::PngDecoder decoder;
        decoder.readImage(stream, image);
        const auto space = bitmap::pngColourSpace(decoder);
        EXPECT_EQ(space.gamma, c.gamma) << c.name;
        EXPECT_EQ(space.srgb, c.srgb) << c.name;
        EXPECT_EQ(space.iccProfile, c.icc) << c.name;
    }
}

TEST(PngGamma, BothReadersMatchImageMagickForALinearFile) {
    if (!testing_support::hasTool("convert"))
        GTEST_SKIP() << "ImageMagick is not installed";
    testing_support::TempDir dir;
    const std::string linear = dir.file("linear.png");
    testing_support::writeFile(linear, rgbPicture(gammaChunk(100000)));
    // ImageMagick turns the linear samples into sRGB ones when it writes a
    // PPM; the grey of that is what a viewer shows.
    const auto made = testing_support::runCommand(
        "convert " + testing_support::quote(linear) +
        " -depth 8 ppm:" + testing_support::quote(dir.file("shown.ppm")) + " && convert " +
        testing_support::quote(dir.file("shown.ppm")) +
        " -grayscale Rec601Luma -depth 8 pgm:" + testing_support::quote(dir.file("shown.pgm")));
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const auto shown = testing_support::readNetpbm(dir.file("shown.pgm")).values;
    EXPECT_GE(testing_support::psnr(libraryGrey(linear), shown), 40.0);
    EXPECT_GE(testing_support::psnr(fallbackGrey(linear), shown), 40.0);
}

TEST(PngGamma, SrgbFilesAreReadAsTheyAre) {
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("plain.png"), rgbPicture({}));
    Bytes both = gammaChunk(100000);
    append(both, srgbChunk());
    testing_support::writeFile(dir.file("srgb.png"), rgbPicture(both));
    testing_support::writeFile(dir.file("srgb-gamma.png"), rgbPicture(gammaChunk(45455)));
    // Within 1 % of 1 / 2.2: sRGB's own gamma, as some writers round it.
    testing_support::writeFile(dir.file("near-gamma.png"), rgbPicture(gammaChunk(45000)));
    const auto plain = libraryGrey(dir.file("plain.png"));
    ASSERT_FALSE(plain.empty());
    for (const char* name : {"srgb.png", "srgb-gamma.png", "near-gamma.png"}) {
        EXPECT_EQ(libraryGrey(dir.file(name)), plain) << name;
        EXPECT_EQ(fallbackGrey(dir.file(name)), plain) << name;
    }
}

}  // namespace
