// The resampler on its own: source checks, destination packing and its
// agreement with ImageMagick's box filter.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "bitmap/ImageProc.h"
#include "bitmap/resample/Resampler.h"
#include "support/TestSupport.h"
#include "tests/support/RasterHelpers.h"

namespace {

using bitmap::Dib;
using bitmap::DibLayout;
using bitmap::DibView;
using bitmap::ResampleResult;
using bitmap::Sampling;
using bitmap::SourceCheck;
using raster_test::fillIndices;
using raster_test::indicesOf;
using testing_support::makeGreyDib;
using testing_support::pixelAt;

// The view of a picture's block under a layout changed by `change`.
template <typename Change>
DibView alteredView(const Dib& dib, Change change) {
    DibLayout layout = dib.layout();
    change(layout);
    return DibView(dib.bytes(), layout);
}

TEST(ResamplerSource, ChecksDepthSizeAndBuffer) {
    const Dib dib = makeGreyDib(5, 3, 8);
    EXPECT_EQ(bitmap::checkSource(dib.view()), SourceCheck::ok);

    for (int bits : {0, 2, 16, 48}) {
        const auto depth = alteredView(dib, [&](DibLayout& l) { l.bitCount = uint16_t(bits); });
        EXPECT_EQ(bitmap::checkSource(depth), SourceCheck::unsupportedDepth) << bits;
    }
    // 5 pixels need 5 bytes.
    EXPECT_EQ(bitmap::checkSource(alteredView(dib, [](DibLayout& l) { l.stride = 4; })),
              SourceCheck::badSize);
    EXPECT_EQ(bitmap::checkSource(alteredView(dib, [](DibLayout& l) { l.height = 0; })),
              SourceCheck::badSize);
    const auto tooMany = alteredView(dib, [](DibLayout& l) {
        l.width = 1 << 15;
        l.height = 1 << 14;  // 2^29 pixels
    });
    EXPECT_EQ(bitmap::checkSource(tooMany), SourceCheck::badSize);
    const DibView shortRows(dib.bytes().first(dib.bytes().size() - 1), dib.layout());
    EXPECT_EQ(bitmap::checkSource(shortRows), SourceCheck::shortBuffer);
    const auto hugeStride = alteredView(dib, [](DibLayout& l) { l.stride = SIZE_MAX / 2; });
    EXPECT_EQ(bitmap::checkSource(hugeStride), SourceCheck::shortBuffer);

    Dib dest = makeGreyDib(2, 2, 8);
    EXPECT_EQ(bitmap::resample(shortRows, dest.view(), Sampling::areaAverage),
              ResampleResult::badSource);
    Dib colourDest = raster_test::makeTrueColourDib(2, 2, 24);
    EXPECT_EQ(bitmap::resample(dib.view(), colourDest.view(), Sampling::areaAverage),
              ResampleResult::badDestination);
}

TEST(ResamplerSource, TopFirstRowsAreFlipped) {
    Dib dib = makeGreyDib(1, 3, 8);
    fillIndices(dib, [](int, int y) { return 10 * (y + 1); });  // 10, 20, 30 from the top
    // The stored bottom row now reads as the top.
    const auto topFirst = alteredView(dib, [](DibLayout& l) { l.topDown = true; });
    Dib dest = makeGreyDib(1, 3, 8);
    ASSERT_EQ(bitmap::resample(topFirst, dest.view(), Sampling::nearestPixel), ResampleResult::ok);
    EXPECT_EQ(indicesOf(dest), (std::vector{30, 20, 10}));
}

TEST(ResamplerDestination, FollowsTheDestinationTable) {
    // A destination table that is not a ramp: entries 0 = 200, 1 = 10.
    Dib source = makeGreyDib(4, 1, 8);
    fillIndices(source, [](int x, int) { return std::array{0, 90, 120, 250}[x]; });
    Dib dest = raster_test::makeTabledDib(4, 1, 1, 2, [](int i) { return i ? 10 : 200; });
    ASSERT_EQ(bitmap::resample(source.view(), dest.view(), Sampling::nearestPixel),
              ResampleResult::ok);
    EXPECT_EQ(indicesOf(dest), (std::vector{1, 1, 0, 0}));
}

// Every grey goes to the entry of the nearest grey, the lowest index on a
// tie, whatever the table: repeated greys, gaps, a table of one or of 256.
TEST(ResamplerDestination, EveryGreyTakesTheNearestEntryAndTheLowestOnATie) {
    Dib source = makeGreyDib(256, 1, 8);
    fillIndices(source, [](int x, int) { return x; });
    std::srand(11);
    for (const uint32_t entries : {1u, 2u, 3u, 7u, 16u, 100u, 256u}) {
        std::vector<int> greys(entries);
        for (auto& grey : greys)
            grey = std::rand() % 256;
        Dib dest = raster_test::makeTabledDib(
            256, 1, 8, entries, [&](int i) { return static_cast<uint8_t>(greys[i]); });
        ASSERT_EQ(bitmap::resample(source.view(), dest.view(), Sampling::nearestPixel),
                  ResampleResult::ok);
        std::vector<int> expected(256);
        for (int v = 0; v < 256; ++v) {
            for (uint32_t i = 1; i < entries; ++i)
                if (std::abs(greys[i] - v) < std::abs(greys[expected[v]] - v))
                    expected[v] = static_cast<int>(i);
        }
        EXPECT_EQ(indicesOf(dest), expected) << entries;
    }
}

TEST(ResamplerDestination, PacksOddWidthsWithCleanPadding) {
    Dib source = makeGreyDib(13, 3, 8);
    fillIndices(source, [](int x, int y) { return (x * 53 + y * 101) % 256; });
    for (int depth : {1, 4}) {
        SCOPED_TRACE(depth);
        Dib dest = makeGreyDib(13, 3, depth);
        // Dirty rows must be fully rewritten.
        std::fill(dest.pixels().begin(), dest.pixels().end(), uint8_t{0xFF});
        ASSERT_EQ(bitmap::resample(source.view(), dest.view(), Sampling::areaAverage),
                  ResampleResult::ok);
        const int levels = 1 << depth;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 13; ++x) {
                const int grey = pixelAt(source, x, y);
                // Nearest ramp grey, the darker one on a tie.
                const int step = 256 / levels;
                int expected = 0;
                for (int i = 1; i < levels; ++i)
                    if (std::abs(grey - (step / 2 + step * i)) <
                        std::abs(grey - (step / 2 + step * expected)))
                        expected = i;
                EXPECT_EQ(pixelAt(dest, x, y), expected) << x << "," << y;
            }
            const auto row = dest.storedRow(y);
            if (depth == 1) {
                EXPECT_EQ(row[1] & 0x07, 0);
                EXPECT_EQ(row[2], 0);
                EXPECT_EQ(row[3], 0);
            } else {
                EXPECT_EQ(row[6] & 0x0F, 0);
                EXPECT_EQ(row[7], 0);
            }
        }
    }
}

TEST(ResamplerAverage, UniformAreasStayUniformAtAnyScale) {
    Dib source = makeGreyDib(17, 11, 8);
    fillIndices(source, [](int, int) { return 143; });
    for (auto [w, h] : {std::pair{5, 3}, {16, 10}, {18, 12}, {40, 29}, {1, 1}}) {
        Dib dest = makeGreyDib(w, h, 8);
        ASSERT_EQ(bitmap::resample(source.view(), dest.view(), Sampling::areaAverage),
                  ResampleResult::ok);
        EXPECT_EQ(indicesOf(dest), std::vector<int>(static_cast<size_t>(w) * h, 143))
            << w << "x" << h;
    }
}

// Writes a binary PGM, top row first.
void writePgm(const std::string& path, const Dib& dib) {
    std::string data =
        "P5\n" + std::to_string(dib.width()) + " " + std::to_string(dib.height()) + "\n255\n";
    for (int v : indicesOf(dib))
        data.push_back(static_cast<char>(v));
    testing_support::writeFile(path, data);
}

TEST(ResamplerAgainstImageMagick, IntegerFactorBoxAverage) {
    if (!testing_support::hasTool("convert"))
        GTEST_SKIP() << "ImageMagick convert not installed";
    Dib source = makeGreyDib(64, 48, 8);
    fillIndices(source, [](int x, int y) { return (x * 37 + y * 91 + x * y * 7) % 256; });
    testing_support::TempDir dir;
    const std::string in = dir.file("in.pgm");
    const std::string out = dir.file("out.pgm");
    writePgm(in, source);
    const auto run =
        testing_support::runCommand("convert " + testing_support::quote(in) +
                                    " -filter Box -resize 16x12! " + testing_support::quote(out));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto reference = testing_support::readNetpbm(out);
    ASSERT_EQ(reference.width, 16);
    ASSERT_EQ(reference.height, 12);
    ASSERT_EQ(reference.maxValue, 255);

    bitmap::ImageProc proc;
    const auto ours =
        proc.changeBitmapFormatFromSimple(source, 16, 12, 8, bitmap::ResampleMode::halftone);
    ASSERT_TRUE(ours);
    const auto values = indicesOf(*ours);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_LE(std::abs(values[i] - reference.values[i]), 1) << "pixel " << i;
}

}  // namespace
