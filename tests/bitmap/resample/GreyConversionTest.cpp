// Depth and size conversion through ImageProc: headers, tables, modes and
// refusals.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "support/TestSupport.h"
#include "tests/support/RasterHelpers.h"

namespace {

using bitmap::Dib;
using bitmap::ImageProc;
using bitmap::ResampleMode;
using raster_test::bytesOf;
using raster_test::fillIndices;
using raster_test::indicesOf;
using raster_test::makeTabledDib;
using raster_test::makeTrueColourDib;
using raster_test::setRgb;
using testing_support::makeGreyDib;
using testing_support::pixelAt;
using testing_support::setPixel;

std::string message(std::string_view prefix, std::string_view text) {
    return std::string(prefix) + std::string(text);
}

uint8_t tableGrey(const Dib& dib, int index) {
    return dib.palette()[index * 4];
}

TEST(GreyRamp, TablesForEachDepth) {
    ImageProc proc;
    for (int depth : {1, 4, 8}) {
        SCOPED_TRACE(depth);
        const Dib source = makeGreyDib(3, 2, 8);
        const auto result = proc.changeBitmapFormatFromSimple(source, 0, 0, depth);
        ASSERT_TRUE(result);
        const int entries = 1 << depth;
        ASSERT_EQ(result->palette().size(), static_cast<size_t>(entries) * 4);
        for (int i = 0; i < entries; ++i) {
            const int step = 256 / entries;
            const auto e = result->palette().subspan(static_cast<size_t>(i) * 4, 4);
            EXPECT_EQ(e[0], step / 2 + step * i);
            EXPECT_EQ(e[1], e[0]);
            EXPECT_EQ(e[2], e[0]);
            EXPECT_EQ(e[3], 0);
        }
    }
    // Spot values: 64/192 at 1 bpp, 8..248 at 4 bpp, identity at 8 bpp.
    const Dib one = *proc.changeBitmapFormatFromSimple(makeGreyDib(1, 1), 0, 0, 1);
    EXPECT_EQ(tableGrey(one, 0), 64);
    EXPECT_EQ(tableGrey(one, 1), 192);
    const Dib four = *proc.changeBitmapFormatFromSimple(makeGreyDib(1, 1), 0, 0, 4);
    EXPECT_EQ(tableGrey(four, 0), 8);
    EXPECT_EQ(tableGrey(four, 15), 248);
}

TEST(GreyConversion, SameSizeGreyCopiesPixelsAndKeepsSource) {
    ImageProc proc;
    Dib source = makeGreyDib(37, 23, 8);
    fillIndices(source, [](int x, int y) { return (x * 41 + y * 17 + x * y) % 256; });
    const auto before = bytesOf(source);
    for (auto mode : {ResampleMode::automatic, ResampleMode::halftone}) {
        const auto result = proc.changeBitmapFormatFromSimple(source, 37, 23, 8, mode);
        ASSERT_TRUE(result);
        EXPECT_EQ(indicesOf(*result), indicesOf(source));
    }
    EXPECT_EQ(bytesOf(source), before);
}

TEST(GreyConversion, HeaderCopiedWithNewSizeAndDepth) {
    ImageProc proc;
    Dib source = makeGreyDib(10, 6, 8);
    auto h = source.header();
    h.biXPelsPerMeter = 1234;
    h.biClrImportant = 7;
    source.setHeader(h);
    const auto result = proc.changeBitmapFormatFromSimple(source, 5, 3, 4);
    ASSERT_TRUE(result);
    const auto r = result->header();
    EXPECT_EQ(r.biSize, 40u);
    EXPECT_EQ(r.biWidth, 5);
    EXPECT_EQ(r.biHeight, 3);
    EXPECT_EQ(r.biBitCount, 4);
    EXPECT_EQ(r.biClrUsed, 0u);
    EXPECT_EQ(r.biXPelsPerMeter, 1234);
    EXPECT_EQ(r.biClrImportant, 7u);
    EXPECT_EQ(result->stride(), 4u);
}

TEST(GreyConversion, BlackAndWhiteOneBitBecomesZeroAnd255) {
    ImageProc proc;
    Dib source = makeTabledDib(11, 3, 1, 2, [](int i) { return i ? 255 : 0; });
    fillIndices(source, [](int x, int y) { return (x + y) % 2; });
    const auto result = proc.changeBitmapFormatFromSimple(source, 0, 0, 8);
    ASSERT_TRUE(result);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 11; ++x)
            EXPECT_EQ(pixelAt(*result, x, y), (x + y) % 2 ? 255 : 0);
}

TEST(GreyConversion, ZeroOrNegativeSizeKeepsSourceSize) {
    ImageProc proc;
    const Dib source = makeGreyDib(9, 4, 8);
    const auto same = proc.changeBitmapFormatFromSimple(source, 0, 0, 8);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->width(), 9);
    EXPECT_EQ(same->height(), 4);
    const auto halfKept = proc.changeBitmapFormatFromSimple(source, -3, 2, 8);
    ASSERT_TRUE(halfKept);
    EXPECT_EQ(halfKept->width(), 9);
    EXPECT_EQ(halfKept->height(), 2);
}

TEST(GreyConversion, RefusesDepthsOtherThanOneFourEight) {
    ImageProc proc;
    const Dib source = makeGreyDib(4, 4, 8);
    for (int depth : {24, 2, 0, 32, -1}) {
        EXPECT_FALSE(proc.changeBitmapFormatFromSimple(source, 0, 0, depth));
        EXPECT_EQ(proc.lastError(), message(bitmap::text::kFromSimple, bitmap::text::kBadDepth));
    }
    bitmap::BitmapInfoHeader h;
    h.biWidth = 2;
    h.biHeight = 2;
    h.biBitCount = 32;
    const std::vector<uint8_t> pixels(16);
    EXPECT_FALSE(proc.changeBitmapFormatFrom32(h, pixels, 0, 0, 24));
    EXPECT_EQ(proc.lastError(), message(bitmap::text::kFrom32, bitmap::text::kBadDepth));
}

TEST(GreyConversion, RefusesUnreadableSources) {
    ImageProc proc;
    // 16 and 2 bpp are not drawn.
    for (int bits : {16, 2}) {
        const Dib source = makeTrueColourDib(4, 4, bits);
        EXPECT_FALSE(proc.changeBitmapFormatFromSimple(source, 0, 0, 8));
        EXPECT_EQ(proc.lastError(), message(bitmap::text::kFromSimple, bitmap::text::kBadDepth));
    }
    EXPECT_FALSE(proc.changeBitmapFormatFromSimple(Dib{}, 0, 0, 8));
    EXPECT_EQ(proc.lastError(), message(bitmap::text::kFromSimple, bitmap::text::kNoBitmap));
}

TEST(GreyConversion, OversizedResultIsOutOfMemory) {
    ImageProc proc;
    const Dib source = makeGreyDib(4, 4, 8);
    EXPECT_FALSE(proc.changeBitmapFormatFromSimple(source, 1 << 21, 4, 8));
    EXPECT_EQ(proc.lastError(),
              message(bitmap::text::kFromSimpleMemory, bitmap::text::kOutOfMemory));
    EXPECT_FALSE(proc.changeBitmapFormatFromSimple(source, 1 << 15, 1 << 15, 8));
    EXPECT_EQ(proc.lastError(),
              message(bitmap::text::kFromSimpleMemory, bitmap::text::kOutOfMemory));
}

TEST(GreyConversion, ShortTableYieldsFullRampAndBlackBeyondIt) {
    ImageProc proc;
    // 20 entries: entry i is grey 10 i; indices 20 and up have no entry.
    Dib source = makeTabledDib(4, 1, 8, 20, [](int i) { return static_cast<uint8_t>(10 * i); });
    fillIndices(source, [](int x, int) { return std::array{5, 19, 20, 250}[x]; });
    const auto result = proc.changeBitmapFormatFromSimple(source, 0, 0, 8);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->header().biClrUsed, 0u);
    ASSERT_EQ(result->palette().size(), 1024u);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(tableGrey(*result, i), i);
    EXPECT_EQ(indicesOf(*result), (std::vector{50, 190, 0, 0}));
}

TEST(GreyConversion, IndexPastFourBitTableReadsBlack) {
    ImageProc proc;
    Dib source = makeTabledDib(3, 1, 4, 4, [](int i) { return static_cast<uint8_t>(80 * i); });
    fillIndices(source, [](int x, int) { return std::array{3, 9, 15}[x]; });
    const auto result = proc.changeBitmapFormatFromSimple(source, 0, 0, 8);
    ASSERT_TRUE(result);
    EXPECT_EQ(indicesOf(*result), (std::vector{240, 0, 0}));
}

TEST(GreyConversion, AutomaticKeepsPixelsHalftoneAverages) {
    ImageProc proc;
    Dib source = makeGreyDib(4, 1, 8);
    fillIndices(source, [](int x, int) { return 10 * (x + 1); });
    // Pixel centres of a 2-wide result fall on source columns 1 and 3.
    const auto kept = proc.changeBitmapFormatFromSimple(source, 2, 1, 8);
    ASSERT_TRUE(kept);
    EXPECT_EQ(indicesOf(*kept), (std::vector{20, 40}));
    const auto averaged =
        proc.changeBitmapFormatFromSimple(source, 2, 1, 8, ResampleMode::halftone);
    ASSERT_TRUE(averaged);
    EXPECT_EQ(indicesOf(*averaged), (std::vector{15, 35}));
    // A different depth always averages.
    const auto toFour = proc.changeBitmapFormatFromSimple(source, 1, 1, 4);
    ASSERT_TRUE(toFour);
    EXPECT_EQ(indicesOf(*toFour), (std::vector{1}));  // average 25 -> grey 24
}

TEST(GreyConversion, HalftoneTwoByTwoAverage) {
    ImageProc proc;
    Dib source = makeGreyDib(2, 2, 8);
    fillIndices(source, [](int, int y) { return y == 0 ? 0 : 255; });
    const auto result = proc.changeBitmapFormatFromSimple(source, 1, 1, 8, ResampleMode::halftone);
    ASSERT_TRUE(result);
    const int v = pixelAt(*result, 0, 0);
    EXPECT_TRUE(v == 127 || v == 128) << v;
}

TEST(GreyConversion, HalftoneFractionalCoverage) {
    ImageProc proc;
    // 3 -> 2 across: each result pixel covers one whole source pixel and half
    // of the middle one, so the weights are 2:1 (out of 3).
    Dib row = makeGreyDib(3, 1, 8);
    fillIndices(row, [](int x, int) { return std::array{0, 90, 255}[x]; });
    const auto narrowed = proc.changeBitmapFormatFromSimple(row, 2, 1, 8, ResampleMode::halftone);
    ASSERT_TRUE(narrowed);
    EXPECT_EQ(indicesOf(*narrowed), (std::vector{30, 200}));

    // 3x3 -> 2x2, weights 2:1 on both axes (sums out of 9), top row first.
    const int values[3][3] = {{0, 90, 180}, {90, 180, 255}, {180, 255, 0}};
    Dib square = makeGreyDib(3, 3, 8);
    fillIndices(square, [&](int x, int y) { return values[y][x]; });
    const auto result = proc.changeBitmapFormatFromSimple(square, 2, 2, 8, ResampleMode::halftone);
    ASSERT_TRUE(result);
    // (540, 1590, 1590, 1200) / 9, rounded.
    EXPECT_EQ(indicesOf(*result), (std::vector{60, 177, 177, 133}));
}

TEST(GreyConversion, Upscaling) {
    ImageProc proc;
    Dib source = makeGreyDib(2, 1, 8);
    fillIndices(source, [](int x, int) { return x == 0 ? 0 : 200; });
    // Halftone: the middle pixel straddles both source pixels equally.
    const auto averaged =
        proc.changeBitmapFormatFromSimple(source, 3, 2, 8, ResampleMode::halftone);
    ASSERT_TRUE(averaged);
    EXPECT_EQ(indicesOf(*averaged), (std::vector{0, 100, 200, 0, 100, 200}));
    // Same depth and grey: pixels are repeated.
    const auto repeated = proc.changeBitmapFormatFromSimple(source, 4, 1, 8);
    ASSERT_TRUE(repeated);
    EXPECT_EQ(indicesOf(*repeated), (std::vector{0, 0, 200, 200}));
    // One pixel blown up stays uniform.
    Dib dot = makeGreyDib(1, 1, 8);
    setPixel(dot, 0, 0, 77);
    const auto big = proc.changeBitmapFormatFromSimple(dot, 5, 7, 8, ResampleMode::halftone);
    ASSERT_TRUE(big);
    EXPECT_EQ(indicesOf(*big), std::vector<int>(35, 77));
}

TEST(GreyConversion, TrueColourToGreyByLuma) {
    ImageProc proc;
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        Dib source = makeTrueColourDib(5, 1, bits);
        setRgb(source, 0, 0, 255, 0, 0);      // 0.299 * 255 = 76.2
        setRgb(source, 1, 0, 0, 255, 0);      // 0.587 * 255 = 149.7
        setRgb(source, 2, 0, 0, 0, 255);      // 0.114 * 255 = 29.1
        setRgb(source, 3, 0, 255, 255, 255);  // white
        setRgb(source, 4, 0, 100, 50, 200);   // 29.9 + 29.35 + 22.8 = 82.05
        const auto result = proc.changeBitmapFormatFromSimple(source, 0, 0, 8);
        ASSERT_TRUE(result);
        EXPECT_EQ(indicesOf(*result), (std::vector{76, 150, 29, 255, 82}));
    }
    // Averaging happens on luma: red next to blue halves 76.2 + 29.1.
    Dib pair = makeTrueColourDib(2, 1, 24);
    setRgb(pair, 0, 0, 255, 0, 0);
    setRgb(pair, 1, 0, 0, 0, 255);
    const auto mixed = proc.changeBitmapFormatFromSimple(pair, 1, 1, 8);
    ASSERT_TRUE(mixed);
    EXPECT_EQ(pixelAt(*mixed, 0, 0), 53);
}

TEST(GreyConversion, LowDepthResultsTakeNearestGrey) {
    ImageProc proc;
    Dib source = makeGreyDib(6, 1, 8);
    const std::vector greys{0, 23, 100, 127, 129, 255};
    fillIndices(source, [&](int x, int) { return greys[static_cast<size_t>(x)]; });
    // Greys 8 + 16 i: 0 -> 8, 23 -> 24, 100 -> 104, 127 -> 120, 129 -> 136, 255 -> 248.
    const auto four = proc.changeBitmapFormatFromSimple(source, 0, 0, 4);
    ASSERT_TRUE(four);
    EXPECT_EQ(indicesOf(*four), (std::vector{0, 1, 6, 7, 8, 15}));
    // Greys 64 and 192, split at 128.
    const auto one = proc.changeBitmapFormatFromSimple(source, 0, 0, 1);
    ASSERT_TRUE(one);
    EXPECT_EQ(indicesOf(*one), (std::vector{0, 0, 0, 0, 1, 1}));
    // Row padding of the packed rows stays clear.
    EXPECT_EQ(one->storedRow(0)[0], 0x0C);
    EXPECT_EQ(one->storedRow(0)[1], 0);
    EXPECT_EQ(four->storedRow(0)[3], 0);
}

TEST(GreyConversion, OneBitGreyToOneBitKeepsPixels) {
    ImageProc proc;
    Dib source = makeTabledDib(13, 2, 1, 2, [](int i) { return i ? 255 : 0; });
    fillIndices(source, [](int x, int y) { return (x * 3 + y) % 5 == 0; });
    const auto result = proc.changeBitmapFormatFromSimple(source, 0, 0, 1);
    ASSERT_TRUE(result);
    EXPECT_EQ(indicesOf(*result), indicesOf(source));
}

// Pixel buffer for changeBitmapFormatFrom32: 32 bpp grey, top row first.
std::vector<uint8_t> topFirstPixels(const std::vector<std::vector<int>>& rowsFromTop) {
    std::vector<uint8_t> out;
    for (const auto& row : rowsFromTop)
        for (int v : row)
            out.insert(out.end(), {uint8_t(v), uint8_t(v), uint8_t(v), 255});
    return out;
}

TEST(GreyConversionFrom32, RowsRunTopFirst) {
    ImageProc proc;
    bitmap::BitmapInfoHeader h;
    h.biWidth = 2;
    h.biHeight = 3;
    h.biBitCount = 32;
    const auto pixels = topFirstPixels({{10, 20}, {30, 40}, {50, 60}});
    const auto result = proc.changeBitmapFormatFrom32(h, pixels, 0, 0, 8);
    ASSERT_TRUE(result);
    EXPECT_EQ(indicesOf(*result), (std::vector{10, 20, 30, 40, 50, 60}));
    // The result is stored bottom row first.
    EXPECT_EQ(result->storedRow(0)[0], 50);
    // Always averaged: 2x3 -> 1x1 is the mean 35.
    const auto one = proc.changeBitmapFormatFrom32(h, pixels, 1, 1, 8);
    ASSERT_TRUE(one);
    EXPECT_EQ(pixelAt(*one, 0, 0), 35);
}

TEST(GreyConversionFrom32, RefusesShortOrInconsistentBuffers) {
    ImageProc proc;
    bitmap::BitmapInfoHeader h;
    h.biWidth = 2;
    h.biHeight = 3;
    h.biBitCount = 32;
    auto pixels = topFirstPixels({{10, 20}, {30, 40}, {50, 60}});
    pixels.pop_back();
    EXPECT_FALSE(proc.changeBitmapFormatFrom32(h, pixels, 0, 0, 8));
    EXPECT_EQ(proc.lastError(),
              message(bitmap::text::kFrom32, "Obrazová data jsou kratší, než udává hlavička"));

    h.biHeight = 0;
    EXPECT_FALSE(proc.changeBitmapFormatFrom32(h, pixels, 0, 0, 8));
    EXPECT_EQ(proc.lastError(),
              message(bitmap::text::kFrom32, "Neplatné rozměry zdrojového obrázku"));

    // Without a colour table, indexed rows cannot be read.
    h.biHeight = 3;
    h.biBitCount = 8;
    EXPECT_FALSE(proc.changeBitmapFormatFrom32(h, pixels, 0, 0, 8));
    EXPECT_EQ(proc.lastError(), message(bitmap::text::kFrom32, bitmap::text::kBadDepth));

    h.biBitCount = 32;
    h.biWidth = 1 << 21;
    EXPECT_FALSE(proc.changeBitmapFormatFrom32(h, pixels, 0, 0, 8));
    EXPECT_EQ(proc.lastError(),
              message(bitmap::text::kFrom32, "Neplatné rozměry zdrojového obrázku"));
}

}  // namespace
