// Grey and reduced decoding: the grey picture is the luma the colour path
// gives, up to rounding; a reduced picture is the mean of the pixels each of
// its pixels stands for, up to what the block edges and clamping change.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "carvello/core/GreyImage.h"
#include "carvello/core/RasterImage.h"
#include "carvello/core/RasterOrientation.h"
#include "carvello/jpeg/JpegColour.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/jpeg/JpegReducedIdct.h"
#include "support/TestSupport.h"
#include "tests/carvello/jpeg/JpegTestSupport.h"

namespace {

using Bytes = std::vector<uint8_t>;
using carvello::GreyImage;
using carvello::JpegDecoder;
using carvello::RasterImage;

struct Plane {
    uint32_t width = 0;
    uint32_t height = 0;
    Bytes values;
};

Plane planeOf(const GreyImage& image) {
    return {image.width(), image.height(), Bytes(image.pixels().begin(), image.pixels().end())};
}

// The colour path's picture turned grey as the program turns it.
Plane colourLuma(const Bytes& file, int orientation = 1) {
    RasterImage image;
    JpegDecoder decoder;
    decoder.readImage(file, image);
    if (orientation != 1)
        carvello::applyExifOrientation(image, decoder.orientation());
    Plane plane{image.width(), image.height(), Bytes(image.pixelCount())};
    for (uint32_t y = 0; y < image.height(); ++y)
        carvello::lumaRow(image.row(y),
                          std::span(plane.values).subspan(size_t{y} * plane.width, plane.width));
    return plane;
}

Plane greyOf(const Bytes& file, unsigned allowed = 1, unsigned* taken = nullptr) {
    GreyImage image;
    JpegDecoder decoder;
    decoder.setScaleChooser([allowed](uint32_t, uint32_t) { return allowed; });
    decoder.readGreyImage(file, image);
    carvello::applyExifOrientation(image, decoder.orientation());
    if (taken != nullptr)
        *taken = decoder.scaleDenominator();
    return planeOf(image);
}

// Each pixel the mean of the s x s pixels (those inside the picture) it
// stands for.
Plane meanOf(const Plane& full, unsigned s) {
    Plane out{(full.width + s - 1) / s, (full.height + s - 1) / s, {}};
    for (uint32_t y = 0; y < out.height; ++y)
        for (uint32_t x = 0; x < out.width; ++x) {
            unsigned sum = 0;
            unsigned count = 0;
            for (uint32_t j = y * s; j < std::min(full.height, y * s + s); ++j)
                for (uint32_t i = x * s; i < std::min(full.width, x * s + s); ++i, ++count)
                    sum += full.values[size_t{j} * full.width + i];
            out.values.push_back(static_cast<uint8_t>((sum + count / 2) / count));
        }
    return out;
}

struct FileCase {
    const char* name;
    const char* options;
    int width;
    int height;
};

// Sizes that are not multiples of the MCU on purpose.
const FileCase kFiles[] = {
    {"baseline_420", "-quality 85 -sample 2x2", 203, 157},
    {"baseline_422", "-quality 90 -sample 2x1", 121, 67},
    {"baseline_444", "-quality 90 -sample 1x1", 99, 45},
    {"grey", "-quality 85 -grayscale", 130, 77},
    {"progressive_420", "-quality 85 -progressive -sample 2x2", 203, 157},
    {"restart_rows", "-quality 85 -restart 1 -sample 2x2", 203, 157},
    {"arithmetic_420", "-quality 85 -arithmetic -sample 2x2", 150, 90},
    {"rgb", "-quality 90 -rgb -sample 1x1", 64, 40},
};

class JpegReducedFiles : public ::testing::TestWithParam<FileCase> {};

TEST_P(JpegReducedFiles, GreyIsTheColourPathsLuma) {
    const FileCase& c = GetParam();
    const Bytes file = jpegtest::cjpegFile(c.options, c.width, c.height);
    if (file.empty())
        GTEST_SKIP() << "cjpeg missing";
    const Plane grey = greyOf(file);
    const Plane reference = colourLuma(file);
    ASSERT_EQ(grey.width, reference.width);
    ASSERT_EQ(grey.height, reference.height);
    EXPECT_GE(jpegtest::psnr(grey.values, reference.values), 50.0) << c.name;
}

TEST_P(JpegReducedFiles, ReducedPixelsAreTheMeansOfTheFullOnes) {
    const FileCase& c = GetParam();
    const Bytes file = jpegtest::cjpegFile(c.options, c.width, c.height);
    if (file.empty())
        GTEST_SKIP() << "cjpeg missing";
    const Plane full = greyOf(file);
    for (const unsigned s : {2u, 4u, 8u}) {
        unsigned taken = 0;
        const Plane reduced = greyOf(file, s, &taken);
        EXPECT_EQ(taken, s);
        const Plane expected = meanOf(full, s);
        ASSERT_EQ(reduced.width, expected.width) << s;
        ASSERT_EQ(reduced.height, expected.height) << s;
        EXPECT_GE(jpegtest::psnr(reduced.values, expected.values), 40.0) << c.name << " 1/" << s;
    }
}

TEST_P(JpegReducedFiles, ReducedColourKeepsItsSize) {
    const FileCase& c = GetParam();
    const Bytes file = jpegtest::cjpegFile(c.options, c.width, c.height);
    if (file.empty())
        GTEST_SKIP() << "cjpeg missing";
    RasterImage image;
    JpegDecoder decoder;
    decoder.setScaleChooser([](uint32_t, uint32_t) { return 4u; });
    decoder.readImage(file, image);
    EXPECT_EQ(image.width(), static_cast<uint32_t>(c.width + 3) / 4);
    EXPECT_EQ(image.height(), static_cast<uint32_t>(c.height + 3) / 4);
    Plane luma{image.width(), image.height(), Bytes(image.pixelCount())};
    for (uint32_t y = 0; y < image.height(); ++y)
        carvello::lumaRow(image.row(y),
                          std::span(luma.values).subspan(size_t{y} * luma.width, luma.width));
    EXPECT_GE(jpegtest::psnr(luma.values, greyOf(file, 4).values), 40.0);
}

INSTANTIATE_TEST_SUITE_P(Files, JpegReducedFiles, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JpegReduced, GreyFilesGiveTheSamePixelsBothWays) {
    const Bytes file = jpegtest::cjpegFile("-quality 75 -grayscale", 77, 51);
    if (file.empty())
        GTEST_SKIP() << "cjpeg missing";
    EXPECT_EQ(greyOf(file).values, colourLuma(file).values);
}

TEST(JpegReduced, ScansOfChromaAloneArePassedOver) {
    // Each component in a scan of its own: the grey picture skips two.
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("scans.txt"), std::string("0;\n1;\n2;\n"));
    const Bytes file = jpegtest::cjpegFile(
        "-quality 85 -sample 2x2 -scans " + testing_support::quote(dir.file("scans.txt")), 91, 37);
    if (file.empty())
        GTEST_SKIP() << "cjpeg missing";
    const Plane grey = greyOf(file);
    EXPECT_GE(jpegtest::psnr(grey.values, colourLuma(file).values), 50.0);
    // Cut inside the last chroma scan: the luma is whole, the error is the
    // file's.
    const Bytes cut(file.begin(), file.end() - 20);
    GreyImage image;
    JpegDecoder decoder;
    EXPECT_THROW(decoder.readGreyImage(cut, image), JpegDecoder::JpegBadStream);
    EXPECT_EQ(planeOf(image).values, grey.values);
}

TEST(JpegReduced, OneEighthIsTheBlocksMean) {
    // One flat block of 128 + dc: its mean is the one pixel.
    for (const int dc : {-128, -37, 0, 5, 127}) {
        const Plane plane = greyOf(jpegtest::flatGreyBlock(dc), 8);
        ASSERT_EQ(plane.width, 1u);
        ASSERT_EQ(plane.height, 1u);
        EXPECT_EQ(plane.values[0], 128 + dc);
    }
}

TEST(JpegReduced, ChooserSeesTheUprightSizeAndOrientationIsKept) {
    const Bytes plain = jpegtest::cjpegFile("-quality 85 -sample 2x2", 120, 48);
    if (plain.empty())
        GTEST_SKIP() << "cjpeg missing";
    const Bytes turned = jpegtest::withFirstSegment(plain, 0xE1, jpegtest::exifBody(6, true));
    uint32_t seenWidth = 0;
    uint32_t seenHeight = 0;
    GreyImage image;
    JpegDecoder decoder;
    decoder.setScaleChooser([&](uint32_t width, uint32_t height) {
        seenWidth = width;
        seenHeight = height;
        return 8u;
    });
    decoder.readGreyImage(turned, image);
    EXPECT_EQ(seenWidth, 48u);
    EXPECT_EQ(seenHeight, 120u);
    carvello::applyExifOrientation(image, decoder.orientation());
    EXPECT_EQ(image.width(), 6u);
    EXPECT_EQ(image.height(), 15u);
    // The upright picture is the upright full one, reduced.
    const Plane expected = meanOf(greyOf(turned), 8);
    EXPECT_GE(jpegtest::psnr(planeOf(image).values, expected.values), 40.0);
}

TEST(JpegReduced, ChoicesBetweenTheSizesRoundDown) {
    const Bytes file = jpegtest::cjpegFile("-quality 85", 64, 64);
    if (file.empty())
        GTEST_SKIP() << "cjpeg missing";
    const std::pair<unsigned, unsigned> choices[] = {{0, 1}, {1, 1}, {3, 2}, {7, 4}, {100, 8}};
    for (const auto& [asked, taken] : choices) {
        unsigned got = 0;
        const Plane plane = greyOf(file, asked, &got);
        EXPECT_EQ(got, taken) << asked;
        EXPECT_EQ(plane.width, 64 / taken) << asked;
    }
}

TEST(JpegReduced, CutShortGreyKeepsTheRowsReached) {
    const Bytes file = jpegtest::cjpegFile("-quality 85 -sample 2x2", 64, 160);
    if (file.empty())
        GTEST_SKIP() << "cjpeg missing";
    const Bytes cut(file.begin(), file.begin() + static_cast<long>(file.size() / 2));
    for (const unsigned s : {1u, 8u}) {
        GreyImage image;
        JpegDecoder decoder;
        decoder.setScaleChooser([s](uint32_t, uint32_t) { return s; });
        EXPECT_THROW(decoder.readGreyImage(cut, image), JpegDecoder::JpegError);
        EXPECT_GT(image.height(), 0u) << s;
        EXPECT_LT(image.height(), 160u / s) << s;
        EXPECT_EQ(image.width(), 64u / s);
    }
}

// The reduced transform against the mean of the exact transform's samples.
double exactSample(const std::array<int16_t, 64>& c, const std::array<uint16_t, 64>& q, int x,
                   int y) {
    double sum = 0;
    for (int v = 0; v < 8; ++v)
        for (int u = 0; u < 8; ++u) {
            const double cu = u == 0 ? 1 / std::numbers::sqrt2 : 1;
            const double cv = v == 0 ? 1 / std::numbers::sqrt2 : 1;
            sum += cu * cv * c[static_cast<size_t>(v * 8 + u)] * q[static_cast<size_t>(v * 8 + u)] *
                   std::cos((2 * x + 1) * u * std::numbers::pi / 16) *
                   std::cos((2 * y + 1) * v * std::numbers::pi / 16);
        }
    return sum / 4 + 128;
}

TEST(jpeg_reduced_idct, MatchesTheMeanOfTheExactTransform) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> small(-12, 12);
    for (int trial = 0; trial < 50; ++trial) {
        std::array<int16_t, 64> coefficients{};
        std::array<uint16_t, 64> quantization{};
        for (size_t i = 0; i < 64; ++i) {
            quantization[i] = static_cast<uint16_t>(1 + i % 7);
            coefficients[i] = static_cast<int16_t>(i < 20 || trial % 3 == 0 ? small(random) : 0);
        }
        for (const int n : {1, 2, 4}) {
            const int s = 8 / n;
            std::array<uint8_t, 16> out{};
            carvello::jpeg_reduced_idct::transform(coefficients, quantization, n, out, 4);
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    double mean = 0;
                    for (int j = 0; j < s; ++j)
                        for (int i = 0; i < s; ++i)
                            mean += exactSample(coefficients, quantization, x * s + i, y * s + j);
                    mean = std::clamp(mean / (s * s), 0.0, 255.0);
                    EXPECT_NEAR(out[static_cast<size_t>(y * 4 + x)], mean, 0.6)
                        << "trial " << trial << " size " << n;
                }
        }
    }
}

TEST(jpeg_reduced_idct, RefusesOtherSizesAndShortOutput) {
    const std::array<int16_t, 64> coefficients{};
    const std::array<uint16_t, 64> quantization{};
    std::array<uint8_t, 16> out{};
    EXPECT_THROW(carvello::jpeg_reduced_idct::transform(coefficients, quantization, 3, out, 4),
                 std::invalid_argument);
    EXPECT_THROW(carvello::jpeg_reduced_idct::transform(coefficients, quantization, 4,
                                                        std::span(out).first(12), 4),
                 std::length_error);
}

}  // namespace
