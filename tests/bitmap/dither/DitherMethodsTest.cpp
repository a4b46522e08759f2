// The error-diffusion kernels, the threshold masks, the options and the
// tone each method reproduces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "bitmap/ImageProc.h"
#include "bitmap/dither/BlueNoise.h"
#include "bitmap/dither/Dithering.h"
#include "bitmap/dither/ThresholdMasks.h"
#include "bitmap/dither/ToneCurve.h"
#include "support/TestSupport.h"
#include "tests/support/RasterHelpers.h"

namespace {

using bitmap::Dib;
using bitmap::DitherOptions;
using testing_support::makeGreyDib;

// Rows as the method walks them: the classic methods from the bottom
// (stored row 0), the others from the top.
bool walksFromTop(int method) {
    return method >= bitmap::kClassicMethodCount;
}

Dib pictureInWalkOrder(int method, const std::vector<std::vector<int>>& rows) {
    const int height = static_cast<int>(rows.size());
    Dib dib = makeGreyDib(static_cast<int>(rows[0].size()), height, 8);
    for (int i = 0; i < height; ++i)
        for (size_t x = 0; x < rows[0].size(); ++x)
            testing_support::setPixel(dib, static_cast<int>(x),
                                      walksFromTop(method) ? i : height - 1 - i, rows[i][x]);
    return dib;
}

std::vector<std::string> resultInWalkOrder(int method, const Dib& dib) {
    std::vector<std::string> rows;
    for (int i = 0; i < dib.height(); ++i) {
        std::string row;
        for (int x = 0; x < dib.width(); ++x)
            row += static_cast<char>(
                '0' +
                testing_support::pixelAt(dib, x, walksFromTop(method) ? i : dib.height() - 1 - i));
        rows.push_back(row);
    }
    return rows;
}

bool dither(Dib& dib, int method, int threshold, const DitherOptions& options = {}) {
    return bitmap::ditherRows(dib.view(), bitmap::greyLevels(dib.palette()), method,
                              static_cast<uint8_t>(threshold), options,
                              bitmap::toneCurveFor(dib.view(), options)) ==
           bitmap::DitherResult::ok;
}

// Worked out by hand (exact fractions, threshold 128, each value clamped to
// 0..255 before it is compared) from the published kernels; no value comes
// within 1 of the threshold, so float arithmetic cannot tip a pixel.
// Serpentine runs the second and fourth rows right to left with the kernel
// mirrored.
const std::vector<std::vector<int>> kHandCase{
    {195, 120, 125, 135}, {145, 175, 190, 210}, {115, 160, 140, 45}, {215, 155, 210, 85}};

struct KernelCase {
    int method;
    std::vector<std::string> plain;
    std::vector<std::string> serpentine;
};

const KernelCase kKernelCases[] = {
    {bitmap::kFloydSteinberg, {"1010", "1111", "0010", "1110"}, {"1010", "0111", "1010", "1110"}},
    {bitmap::kAtkinson, {"1011", "1111", "0100", "1110"}, {"1011", "0111", "0100", "1110"}},
    {bitmap::kJarvisJudiceNinke,
     {"1011", "1111", "0000", "1110"},
     {"1011", "0111", "0100", "1110"}},
    {bitmap::kStucki, {"1010", "1111", "0100", "1010"}, {"1010", "0111", "0100", "1110"}},
    {bitmap::kBurkes, {"1010", "1111", "0000", "1110"}, {"1010", "0111", "0100", "1110"}},
    {bitmap::kSierra, {"1010", "1111", "0100", "1110"}, {"1010", "0111", "0100", "1110"}},
    {bitmap::kTwoRowSierra, {"1010", "1111", "0010", "1110"}, {"1010", "0111", "0100", "1110"}},
    {bitmap::kSierraLite, {"1010", "1011", "0110", "1010"}, {"1010", "0111", "1010", "1110"}},
};

TEST(DiffusionKernels, HandComputedFourByFour) {
    for (const KernelCase& c : kKernelCases) {
        SCOPED_TRACE(bitmap::kDitherMethodLabels[c.method]);
        Dib plain = pictureInWalkOrder(c.method, kHandCase);
        ASSERT_TRUE(dither(plain, c.method, 128));
        EXPECT_EQ(resultInWalkOrder(c.method, plain), c.plain);
        Dib serpentine = pictureInWalkOrder(c.method, kHandCase);
        ASSERT_TRUE(dither(serpentine, c.method, 128, {.serpentine = true}));
        EXPECT_EQ(resultInWalkOrder(c.method, serpentine), c.serpentine);
    }
}

TEST(DiffusionKernels, NoStrengthIsThresholding) {
    Dib ramp = makeGreyDib(37, 9, 8);
    raster_test::fillIndices(ramp, [](int x, int y) { return (x * 7 + y * 29) % 256; });
    Dib reference = ramp;
    ASSERT_TRUE(dither(reference, bitmap::kThresholding, 100));
    for (const KernelCase& c : kKernelCases) {
        Dib dib = ramp;
        ASSERT_TRUE(dither(dib, c.method, 100, {.serpentine = true, .strength = 0}));
        EXPECT_EQ(raster_test::bytesOf(dib), raster_test::bytesOf(reference)) << c.method;
    }
}

TEST(ThresholdMasks, BayerMatricesAndTopLeftAnchor) {
    EXPECT_EQ(bitmap::bayerRanks(2), (std::vector{0, 2, 3, 1}));
    EXPECT_EQ(bitmap::bayerRanks(4),
              (std::vector{0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5}));
    // Grey 64 whitens the first of the four ranks only, which sits at the
    // top-left corner, whatever the picture's height.
    Dib dib = makeGreyDib(4, 3, 8);
    raster_test::fillIndices(dib, [](int, int) { return 64; });
    ASSERT_TRUE(dither(dib, bitmap::kBayer2, 128));
    EXPECT_EQ(resultInWalkOrder(bitmap::kBayer2, dib),
              (std::vector<std::string>{"1010", "0000", "1010"}));
}

// Toroidal distance between two places of a side x side tile.
double tileDistance(int a, int b, int side) {
    const int dx = std::abs(a % side - b % side);
    const int dy = std::abs(a / side - b / side);
    return std::hypot(std::min(dx, side - dx), std::min(dy, side - dy));
}

TEST(ThresholdMasks, BlueNoiseIsAFixedEvenlySpreadOrder) {
    const auto ranks = bitmap::voidAndClusterRanks(64);
    EXPECT_EQ(ranks, bitmap::voidAndClusterRanks(64));
    ASSERT_EQ(ranks.size(), 4096u);
    EXPECT_EQ(std::set<int>(ranks.begin(), ranks.end()).size(), 4096u);
    // The first sixteenth of the places (four pixels apart on average) keep
    // well apart from each other; white noise puts neighbours together.
    std::vector<int> first;
    for (int p = 0; p < 4096; ++p)
        if (ranks[static_cast<size_t>(p)] < 256)
            first.push_back(p);
    double closest = 64;
    for (size_t i = 0; i < first.size(); ++i)
        for (size_t j = i + 1; j < first.size(); ++j)
            closest = std::min(closest, tileDistance(first[i], first[j], 64));
    EXPECT_GE(closest, 2.8);
}

TEST(ToneCurve, AdjustmentsAndLinearLight) {
    const bitmap::ToneCurve plain = bitmap::makeToneCurve({});
    for (int g = 0; g < 256; ++g)
        ASSERT_EQ(plain[g], static_cast<float>(g));

    struct Case {
        DitherOptions options;
        bitmap::LevelRange levels;
        int grey;
        float expected;
    };
    const Case cases[] = {
        {{.tone = {.invert = true}}, {}, 200, 55.0f},
        {{.tone = {.brightness = 20}}, {}, 100, 151.0f},
        {{.tone = {.brightness = -100}}, {}, 255, 0.0f},
        {{.tone = {.contrast = 50}}, {}, 100, 72.5f},
        {{.tone = {.contrast = -100}}, {}, 10, 127.5f},
        {{.tone = {.contrast = 100}}, {}, 128, 255.0f},
        {{.tone = {.gamma = 200}}, {}, 64, 127.75f},
        {{.tone = {.autoLevels = true}}, {50, 150}, 100, 127.5f},
        {{.tone = {.autoLevels = true}}, {50, 150}, 30, 0.0f},
        // Stretch first, invert last.
        {{.tone = {.autoLevels = true, .invert = true}}, {50, 150}, 75, 191.25f},
        {{.linearLight = true}, {}, 188, 128.2f},
        {{.linearLight = true}, {}, 255, 255.0f},
        {{.linearLight = true, .tone = {.invert = true}}, {}, 255, 0.0f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(bitmap::makeToneCurve(c.options, c.levels)[c.grey], c.expected, 0.1) << c.grey;
    EXPECT_NEAR(bitmap::linearToSrgb(bitmap::srgbToLinear(77.0f)), 77.0f, 1e-3);
}

TEST(ToneCurve, LevelRangeLeavesOutHalfAPercentAtEachEnd) {
    bitmap::GreyHistogram histogram{};
    histogram[3] = 4;  // fewer than 0.5 % of 1000
    histogram[40] = 500;
    histogram[200] = 490;
    histogram[250] = 6;  // more than 0.5 %
    const auto range = bitmap::levelRange(histogram);
    EXPECT_EQ(range.low, 40);
    EXPECT_EQ(range.high, 250);
}

TEST(DitherOptions, AdjustmentsApplyToTheClassicMethodsToo) {
    bitmap::ImageProc proc;
    Dib dib = makeGreyDib(2, 1, 8);
    raster_test::fillIndices(dib, [](int x, int) { return x == 0 ? 40 : 220; });
    ASSERT_TRUE(proc.toMonochrome(dib, bitmap::kThresholding, 128, {.tone = {.invert = true}}));
    EXPECT_EQ(raster_test::indicesOf(dib), (std::vector{1, 0}));
}

// The white share of a uniform 256 x 256 field of each grey, against the
// light it should give.
double worstToneError(int method, bool linear) {
    Dib field = makeGreyDib(256, 256, 8);
    double worst = 0;
    for (int g = 0; g < 256; ++g) {
        std::fill(field.pixels().begin(), field.pixels().end(), static_cast<uint8_t>(g));
        Dib dib = field;
        EXPECT_TRUE(dither(dib, method, 128, {.linearLight = linear}));
        size_t white = 0;
        for (const uint8_t index : dib.pixels())
            white += index;
        const double target =
            linear ? bitmap::srgbToLinear(static_cast<float>(g)) / 255.0 : g / 255.0;
        worst = std::max(worst, std::abs(static_cast<double>(white) / (256.0 * 256.0) - target));
    }
    return worst;
}

TEST(ToneReproduction, EveryMethodWithEnoughLevels) {
    for (int method = bitmap::kFloydSteinberg; method < bitmap::kDitherMethodCount; ++method) {
        // A 2 x 2 or 4 x 4 mask has only 5 or 17 levels: it can come no
        // closer than half a level step. Atkinson passes on only six eighths
        // of the error, so it leaves the darkest and lightest greys (below
        // 32 and above 223) plain black and white, as it was designed to.
        double allowed = 0.01;
        if (method == bitmap::kBayer2)
            allowed = 1.0 / 8 + 1e-9;
        if (method == bitmap::kBayer4)
            allowed = 1.0 / 32 + 1e-9;
        if (method == bitmap::kAtkinson)
            allowed = 32.0 / 255;
        for (const bool linear : {false, true})
            EXPECT_LE(worstToneError(method, linear), allowed)
                << bitmap::kDitherMethodLabels[method] << (linear ? " in linear light" : "");
    }
}

}  // namespace
