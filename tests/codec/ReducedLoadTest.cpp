// A JPEG loaded for a planned resize may come reduced; the resized picture
// is then the one the full picture gives, up to what block edges change.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::ResizeTarget;
using testing_support::quote;
using testing_support::TempDir;

namespace {

using Kind = ResizeTarget::Kind;

double psnr(std::span<const uint8_t> a, std::span<const uint8_t> b) {
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const double d = static_cast<double>(a[i]) - static_cast<double>(b[i]);
        sum += d * d;
    }
    return sum == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 * double(a.size()) / sum);
}

struct Loaded {
    std::vector<uint8_t> pixels;
    int width = 0;
    int height = 0;
    std::optional<codec::PictureSize> reducedFrom;
};

// Loads the file with the resize planned (or not) and resizes it.
Loaded loadAndResize(const std::string& file, const ResizeTarget& target, bool planned,
                     bool halftone = true) {
    Codec codec;
    codec.setThrowException(false);
    codec.setAlwaysHalftone(halftone);
    if (planned)
        codec.setPlannedResize(target);
    EXPECT_EQ(codec.loadImage(file, ""), 1) << codec.errordescription();
    codec.setPlannedResize(std::nullopt);
    Loaded loaded;
    loaded.reducedFrom = codec.reducedFrom();
    const int resized =
        target.kind == Kind::percent
            ? codec.resizePercentual(target.percent)
            : codec.resizeTo(target.width, target.height, target.kind == Kind::exact ? 1 : 0);
    EXPECT_EQ(resized, 1) << codec.errordescription();
    EXPECT_FALSE(codec.reducedFrom());
    const auto bytes = codec.picture()->pixels();
    loaded.pixels.assign(bytes.begin(), bytes.end());
    loaded.width = codec.bmpWidth();
    loaded.height = codec.bmpHeight();
    return loaded;
}

struct ReducedCase {
    const char* name;
    ResizeTarget target;
    bool halftone;
    int reducedBy;  // 1: loaded at full size
};

const ReducedCase kCases[] = {
    {"phone_fit", {Kind::fit, 96, 60, 100}, true, 4},
    {"exact_size", {Kind::exact, 50, 40, 100}, true, 8},
    {"percent", {Kind::percent, 0, 0, 30}, true, 2},
    {"small_shrink", {Kind::fit, 600, 400, 100}, true, 1},
    {"enlarging", {Kind::percent, 0, 0, 150}, true, 1},
    {"nearest_pixel_resize", {Kind::fit, 96, 60, 100}, false, 1},
};

class ReducedLoad : public ::testing::TestWithParam<ReducedCase> {};

TEST_P(ReducedLoad, ResizesAsTheFullPictureDoes) {
    if (!testing_support::hasTool("convert") || !testing_support::hasTool("cjpeg"))
        GTEST_SKIP() << "ImageMagick or cjpeg missing";
    const ReducedCase& c = GetParam();
    TempDir dir;
    const std::string file = dir.file("photo.jpg");
    ASSERT_EQ(testing_support::runCommand("convert -size 643x479 -seed 7 plasma:fractal " +
                                          quote(dir.file("photo.ppm")) + " && cjpeg -quality 85 " +
                                          quote(dir.file("photo.ppm")) + " > " + quote(file))
                  .exitCode,
              0);
    const Loaded full = loadAndResize(file, c.target, false, c.halftone);
    const Loaded reduced = loadAndResize(file, c.target, true, c.halftone);
    EXPECT_FALSE(full.reducedFrom);
    if (c.reducedBy > 1) {
        ASSERT_TRUE(reduced.reducedFrom);
        EXPECT_EQ(reduced.reducedFrom->width, 643);
        EXPECT_EQ(reduced.reducedFrom->height, 479);
    } else {
        EXPECT_FALSE(reduced.reducedFrom);
    }
    ASSERT_EQ(reduced.width, full.width);
    ASSERT_EQ(reduced.height, full.height);
    const double measured = psnr(reduced.pixels, full.pixels);
    EXPECT_GE(measured, 40.0) << c.name;
    std::printf("[ psnr     ] %-22s %dx%d %.2f dB\n", c.name, full.width, full.height, measured);
}

INSTANTIATE_TEST_SUITE_P(Targets, ReducedLoad, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
