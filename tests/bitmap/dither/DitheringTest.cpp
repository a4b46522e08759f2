// Monochrome conversion: the five methods, row layout and refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "bitmap/dither/DitherMethod.h"
#include "support/TestSupport.h"
#include "tests/support/RasterHelpers.h"

namespace {

using bitmap::Dib;
using bitmap::ImageProc;
using raster_test::bytesOf;
using raster_test::fillIndices;
using raster_test::makeTabledDib;
using testing_support::makeGreyDib;

// A grey 8 bpp picture of one value.
Dib uniform(int width, int height, int grey) {
    Dib dib = makeGreyDib(width, height, 8);
    fillIndices(dib, [grey](int, int) { return grey; });
    return dib;
}

// Indices by stored row (row 0 = bottom), as the methods walk them.
int storedIndex(const Dib& dib, int x, int storedY) {
    const auto row = dib.storedRow(storedY);
    return dib.bitCount() == 4 ? ((x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4) : row[x];
}

int countWhite(const Dib& dib) {
    int white = 0;
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            white += storedIndex(dib, x, y);
    return white;
}

void expectOnlyBlackAndWhiteIndices(const Dib& dib) {
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            ASSERT_LE(storedIndex(dib, x, y), 1);
}

constexpr int kDisplay[4][4] = {
    {0, 192, 48, 240}, {128, 64, 176, 112}, {32, 224, 16, 208}, {160, 96, 144, 80}};
constexpr int kPrint[4][4] = {
    {16, 80, 144, 32}, {128, 192, 208, 96}, {64, 240, 224, 160}, {0, 176, 112, 48}};

TEST(Thresholding, ThresholdBounds) {
    ImageProc proc;
    Dib ramp = makeGreyDib(16, 16, 8);
    fillIndices(ramp, [](int x, int y) { return y * 16 + x; });
    Dib low = ramp;
    ASSERT_TRUE(proc.change256GrayToMonochrome(low, bitmap::kThresholding, 0));
    EXPECT_EQ(countWhite(low), 256);
    Dib high = ramp;
    ASSERT_TRUE(proc.change256GrayToMonochrome(high, bitmap::kThresholding, 255));
    EXPECT_EQ(countWhite(high), 1);
    EXPECT_EQ(testing_support::pixelAt(high, 15, 15), 1);  // the one pixel of grey 255
    Dib middle = ramp;
    ASSERT_TRUE(proc.change256GrayToMonochrome(middle, bitmap::kThresholding, 128));
    EXPECT_EQ(countWhite(middle), 128);
    EXPECT_EQ(testing_support::pixelAt(middle, 15, 7), 0);  // 127
    EXPECT_EQ(testing_support::pixelAt(middle, 0, 8), 1);   // 128
}

TEST(Thresholding, OnlyTheLowEightBitsOfTheThresholdCount) {
    ImageProc proc;
    Dib ramp = makeGreyDib(16, 16, 8);
    fillIndices(ramp, [](int x, int y) { return y * 16 + x; });
    Dib plain = ramp;
    Dib wrapped = ramp;
    ASSERT_TRUE(proc.change256GrayToMonochrome(plain, bitmap::kThresholding, 100));
    ASSERT_TRUE(proc.change256GrayToMonochrome(wrapped, bitmap::kThresholding, 256 + 100));
    EXPECT_EQ(bytesOf(plain), bytesOf(wrapped));
}

TEST(Thresholding, GreyComesFromTheTableAndMissingEntriesAreBlack) {
    ImageProc proc;
    // 20 entries, inverted: index i is grey 255 - 10 i; index 200 has no entry.
    Dib dib = makeTabledDib(4, 1, 8, 20, [](int i) { return static_cast<uint8_t>(255 - 10 * i); });
    fillIndices(dib, [](int x, int) { return std::array{0, 19, 200, 5}[x]; });
    ASSERT_TRUE(proc.change256GrayToMonochrome(dib, bitmap::kThresholding, 1));
    // Greys 255, 65, none (0), 205.
    EXPECT_EQ(raster_test::indicesOf(dib), (std::vector{1, 1, 0, 1}));
}

TEST(RandomDither, ZeroThresholdMakesAllWhite) {
    ImageProc proc;
    Dib dark = uniform(32, 32, 0);
    ASSERT_TRUE(proc.change256GrayToMonochrome(dark, bitmap::kRandom, 0));
    EXPECT_EQ(countWhite(dark), 32 * 32);
}

TEST(RandomDither, ThresholdsSpreadOverTwiceT) {
    ImageProc proc;
    // t never exceeds 2 x 127 = 254, so grey 255 is always white.
    Dib bright = uniform(32, 32, 255);
    ASSERT_TRUE(proc.change256GrayToMonochrome(bright, bitmap::kRandom, 127));
    EXPECT_EQ(countWhite(bright), 32 * 32);
    // Grey 128 against t spread over 0..256: about half white.
    Dib middle = uniform(64, 64, 128);
    ASSERT_TRUE(proc.change256GrayToMonochrome(middle, bitmap::kRandom, 128));
    expectOnlyBlackAndWhiteIndices(middle);
    const int white = countWhite(middle);
    EXPECT_GT(white, 4096 * 4 / 10);
    EXPECT_LT(white, 4096 * 6 / 10);
}

TEST(MatrixDither, DisplayMatrixOnMiddleGrey) {
    ImageProc proc;
    Dib dib = uniform(8, 8, 128);
    ASSERT_TRUE(proc.change256GrayToMonochrome(dib, bitmap::kMatrixForDisplaying, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(storedIndex(dib, x, y), kDisplay[y % 4][x % 4] <= 128 ? 1 : 0)
                << x << "," << y;
    EXPECT_EQ(countWhite(dib), 4 * 9);
}

TEST(MatrixDither, PrintMatrixAnchoredAtBottomLeft) {
    ImageProc proc;
    // 6 x 5: the matrix wraps at column 4 and stored row 4.
    Dib dib = uniform(6, 5, 100);
    ASSERT_TRUE(proc.change256GrayToMonochrome(dib, bitmap::kMatrixForPrinting, 0));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(storedIndex(dib, x, y), kPrint[y % 4][x % 4] <= 100 ? 1 : 0) << x << "," << y;
}

TEST(MatrixDither, IgnoreTheThreshold) {
    ImageProc proc;
    Dib ramp = makeGreyDib(16, 16, 8);
    fillIndices(ramp, [](int x, int y) { return y * 16 + x; });
    for (int method : {bitmap::kMatrixForDisplaying, bitmap::kMatrixForPrinting}) {
        Dib reference = ramp;
        ASSERT_TRUE(proc.change256GrayToMonochrome(reference, method, 0));
        for (int t : {1, 77, 128, 255}) {
            Dib other = ramp;
            ASSERT_TRUE(proc.change256GrayToMonochrome(other, method, t));
            EXPECT_EQ(bytesOf(other), bytesOf(reference)) << method << " T=" << t;
        }
    }
}

TEST(FloydSteinberg, UniformExtremes) {
    ImageProc proc;
    Dib white = uniform(9, 7, 255);
    ASSERT_TRUE(proc.change256GrayToMonochrome(white, bitmap::kFloydSteinberg, 128));
    EXPECT_EQ(countWhite(white), 63);
    Dib black = uniform(9, 7, 0);
    ASSERT_TRUE(proc.change256GrayToMonochrome(black, bitmap::kFloydSteinberg, 128));
    EXPECT_EQ(countWhite(black), 0);
}

TEST(FloydSteinberg, HandComputedThreeByTwo) {
    ImageProc proc;
    // Stored row 0 = 130, 20, 135; stored row 1 = 170, 220, 200; T = 128.
    // Row 0: 130 white (e -125); 20 - 54.6875 clamps to 0, black with no
    // error (unclamped, -34.7 would push 135 below 128); 135 white (e -120).
    // Row 1 starts with errors -39.0625, -30.3125, -37.5: 130.94 white
    // (e -124.06), 220 - 30.31 - 54.28 = 135.41 white (e -119.59),
    // 200 - 37.5 - 52.32 = 110.18 black.
    Dib dib = makeGreyDib(3, 2, 8);
    const int rows[2][3] = {{130, 20, 135}, {170, 220, 200}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            dib.storedRow(y)[x] = static_cast<uint8_t>(rows[y][x]);
    ASSERT_TRUE(proc.change256GrayToMonochrome(dib, bitmap::kFloydSteinberg, 128));
    EXPECT_EQ(storedIndex(dib, 0, 0), 1);
    EXPECT_EQ(storedIndex(dib, 1, 0), 0);
    EXPECT_EQ(storedIndex(dib, 2, 0), 1);
    EXPECT_EQ(storedIndex(dib, 0, 1), 1);
    EXPECT_EQ(storedIndex(dib, 1, 1), 1);
    EXPECT_EQ(storedIndex(dib, 2, 1), 0);
}

TEST(FloydSteinberg, KeepsAverageBrightness) {
    ImageProc proc;
    Dib dib = uniform(64, 64, 64);  // a quarter of full white
    ASSERT_TRUE(proc.change256GrayToMonochrome(dib, bitmap::kFloydSteinberg, 128));
    expectOnlyBlackAndWhiteIndices(dib);
    const int white = countWhite(dib);
    EXPECT_NEAR(white, 4096 / 4, 4096 / 50);
}

TEST(DitherLayout, FourBitThreePixelsWideClearsPadding) {
    ImageProc proc;
    for (int method = 0; method < bitmap::kDitherMethodCount; ++method) {
        SCOPED_TRACE(method);
        Dib dib = makeGreyDib(3, 2, 4);
        std::fill(dib.pixels().begin(), dib.pixels().end(), uint8_t{0xFF});  // grey 248 everywhere
        ASSERT_TRUE(proc.change16GrayToMonochrome(dib, method, 0));
        for (int y = 0; y < 2; ++y) {
            const auto row = dib.storedRow(y);
            EXPECT_EQ(row[0], 0x11);
            EXPECT_EQ(row[1], 0x10);
            EXPECT_EQ(row[2], 0);
            EXPECT_EQ(row[3], 0);
        }
    }
}

TEST(DitherLayout, FourBitKeepsTheOtherNibbleWhileWorking) {
    ImageProc proc;
    // Greys 8 + 16 i; threshold 100 splits index 5 (88) from index 6 (104).
    Dib dib = makeGreyDib(5, 1, 4);
    fillIndices(dib, [](int x, int) { return std::array{6, 5, 15, 0, 7}[x]; });
    ASSERT_TRUE(proc.change16GrayToMonochrome(dib, bitmap::kThresholding, 100));
    EXPECT_EQ(raster_test::indicesOf(dib), (std::vector{1, 0, 1, 0, 1}));
    EXPECT_EQ(dib.storedRow(0)[2], 0x10);
}

TEST(DitherLayout, EightBitPaddingClearedAndTableSet) {
    ImageProc proc;
    Dib dib = uniform(5, 2, 200);
    for (int y = 0; y < 2; ++y)
        for (size_t i = 5; i < dib.stride(); ++i)
            dib.storedRow(y)[i] = 0xAB;
    ASSERT_TRUE(proc.change256GrayToMonochrome(dib, bitmap::kThresholding, 128));
    for (int y = 0; y < 2; ++y)
        for (size_t i = 5; i < dib.stride(); ++i)
            EXPECT_EQ(dib.storedRow(y)[i], 0);
    const auto table = dib.palette();
    EXPECT_EQ(std::vector(table.begin(), table.begin() + 8),
              (std::vector<uint8_t>{0, 0, 0, 0, 255, 255, 255, 0}));
    EXPECT_EQ(table[2 * 4], 2);  // the rest of the ramp stays
    EXPECT_EQ(dib.bitCount(), 8);
}

TEST(DitherRefusals, BadMethodLeavesPictureUnchanged) {
    ImageProc proc;
    Dib eight = uniform(4, 4, 90);
    const auto before = bytesOf(eight);
    for (int method : {-1, bitmap::kDitherMethodCount, 100}) {
        EXPECT_FALSE(proc.change256GrayToMonochrome(eight, method, 128));
        EXPECT_EQ(proc.lastError(),
                  std::string(bitmap::text::kGray256) + std::string(bitmap::text::kDitherMethod8));
        EXPECT_EQ(bytesOf(eight), before);
    }
    Dib four = makeGreyDib(4, 4, 4);
    const auto fourBefore = bytesOf(four);
    EXPECT_FALSE(proc.change16GrayToMonochrome(four, bitmap::kDitherMethodCount, 128));
    EXPECT_EQ(proc.lastError(),
              std::string(bitmap::text::kGray16) + std::string(bitmap::text::kDitherMethod4));
    EXPECT_EQ(bytesOf(four), fourBefore);
}

TEST(DitherRefusals, WrongDepth) {
    ImageProc proc;
    Dib four = makeGreyDib(4, 4, 4);
    EXPECT_FALSE(proc.change256GrayToMonochrome(four, 0, 128));
    EXPECT_EQ(proc.lastError(),
              std::string(bitmap::text::kGray256) + std::string(bitmap::text::kDitherDepth));
    Dib eight = makeGreyDib(4, 4, 8);
    EXPECT_FALSE(proc.change16GrayToMonochrome(eight, 0, 128));
    EXPECT_EQ(proc.lastError(),
              std::string(bitmap::text::kGray16) + std::string(bitmap::text::kDitherDepth));
    // toMonochrome sends everything but 4 bpp to the 8 bpp entry.
    Dib one = makeGreyDib(8, 2, 1);
    const auto before = bytesOf(one);
    EXPECT_FALSE(proc.toMonochrome(one, 0, 128));
    EXPECT_EQ(proc.lastError(),
              std::string(bitmap::text::kGray256) + std::string(bitmap::text::kDitherDepth));
    EXPECT_EQ(bytesOf(one), before);
    Dib none;
    EXPECT_FALSE(proc.toMonochrome(none, 0, 128));
}

TEST(DitherRefusals, TableWithoutRoomForBlackAndWhite) {
    ImageProc proc;
    Dib dib = makeTabledDib(4, 2, 8, 1, [](int) { return 0; });
    const auto before = bytesOf(dib);
    EXPECT_FALSE(proc.change256GrayToMonochrome(dib, 0, 128));
    EXPECT_EQ(proc.lastError(),
              std::string(bitmap::text::kGray256) + "Paleta obrázku má méně než dvě barvy");
    EXPECT_EQ(bytesOf(dib), before);
}

TEST(DitherDispatch, ToMonochromePicksTheEntryByDepth) {
    ImageProc proc;
    Dib four = makeGreyDib(3, 1, 4);
    fillIndices(four, [](int x, int) { return x * 7; });  // greys 8, 120, 232
    ASSERT_TRUE(proc.toMonochrome(four, bitmap::kThresholding, 128));
    EXPECT_EQ(raster_test::indicesOf(four), (std::vector{0, 0, 1}));
    Dib eight = uniform(2, 1, 200);
    ASSERT_TRUE(proc.toMonochrome(eight, bitmap::kThresholding, 128));
    EXPECT_EQ(raster_test::indicesOf(eight), (std::vector{1, 1}));
}

}  // namespace
