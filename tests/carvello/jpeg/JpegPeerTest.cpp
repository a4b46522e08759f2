// Files made by cjpeg decode close to djpeg's output: grey through the
// bridge against djpeg -grayscale, and colour against djpeg's PPM.
#include <gtest/gtest.h>

#include <cstdio>

#include "bitmap/ImageProc.h"
#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "support/TestSupport.h"
#include "tests/carvello/jpeg/JpegTestSupport.h"

namespace {

using testing_support::quote;

struct PeerCase {
    const char* name;
    const char* cjpegOptions;
    int width;
    int height;
};

// Sizes that are not multiples of the MCU on purpose.
const PeerCase kCases[] = {
    {"baseline-420", "-quality 85 -sample 2x2", 203, 157},
    {"optimized-420", "-quality 75 -optimize -sample 2x2", 203, 157},
    {"baseline-422", "-quality 90 -sample 2x1", 121, 67},
    {"baseline-444", "-quality 90 -sample 1x1", 99, 45},
    {"greyscale", "-quality 85 -grayscale", 130, 77},
    {"progressive-420", "-quality 85 -progressive -sample 2x2", 203, 157},
    {"progressive-444", "-quality 95 -progressive -sample 1x1", 64, 40},
    {"progressive-grey", "-quality 80 -progressive -grayscale", 75, 33},
    {"progressive-restart", "-quality 85 -progressive -restart 1 -sample 2x2", 203, 157},
    {"progressive-restart-blocks", "-quality 85 -progressive -restart 3B", 131, 95},
    {"sequential-restart-rows", "-quality 85 -restart 1 -sample 2x2", 203, 157},
    {"sequential-restart-blocks", "-quality 85 -restart 5B -sample 2x1", 150, 31},
    {"grey-restart", "-quality 60 -grayscale -restart 2B", 57, 91},
    {"low-quality", "-quality 5 -baseline -sample 2x2", 90, 70},
    {"full-quality", "-quality 100 -sample 1x1", 50, 50},
    {"one-pixel", "-quality 85", 1, 1},
    {"narrow", "-quality 85 -sample 2x2", 3, 130},
};

class JpegPeer : public ::testing::TestWithParam<PeerCase> {};

TEST_P(JpegPeer, DecodesCloseToDjpeg) {
    if (!testing_support::hasTool("cjpeg") || !testing_support::hasTool("djpeg"))
        GTEST_SKIP() << "cjpeg/djpeg not installed";
    const PeerCase& c = GetParam();
    testing_support::TempDir dir;
    const std::string source = dir.file("source.ppm");
    const std::string jpeg = dir.file("picture.jpg");
    jpegtest::writePpm(source, jpegtest::makePicture(c.width, c.height));
    ASSERT_TRUE(jpegtest::run(std::string("cjpeg ") + c.cjpegOptions + " -outfile " + quote(jpeg) +
                              " " + quote(source)));

    // Grey: our bridge to 8 bpp against djpeg -grayscale.
    const std::string pgm = dir.file("grey.pgm");
    ASSERT_TRUE(jpegtest::run("djpeg -grayscale -pnm -outfile " + quote(pgm) + " " + quote(jpeg)));
    const auto reference = testing_support::readNetpbm(pgm);
    bitmap::ImageProc proc;
    const auto dib = proc.readJPEGFile(jpeg, 8);
    ASSERT_TRUE(dib) << proc.lastError();
    ASSERT_EQ(dib->width(), c.width);
    ASSERT_EQ(dib->height(), c.height);
    std::vector<uint8_t> grey;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            grey.push_back(static_cast<uint8_t>(testing_support::pixelAt(*dib, x, y)));
    const double greyPsnr = jpegtest::psnr(grey, reference.values);
    EXPECT_GE(greyPsnr, 30.0) << c.name;

    // Colour: our pixels against djpeg's PPM (greyscale files give PGM).
    carvello::RasterImage image;
    carvello::JpegDecoder decoder;
    decoder.readImageFile(jpeg, image);
    const std::string ppm = dir.file("colour.ppm");
    std::string colourText = "-";
    if (std::string(c.cjpegOptions).find("-grayscale") == std::string::npos) {
        ASSERT_TRUE(
            jpegtest::run("djpeg -nosmooth -pnm -outfile " + quote(ppm) + " " + quote(jpeg)));
        const double colourPsnr =
            jpegtest::psnr(jpegtest::rgbOf(image), jpegtest::readPpm(ppm).bytes);
        EXPECT_GE(colourPsnr, 30.0) << c.name;
        colourText = std::to_string(colourPsnr);
    } else {
        std::vector<uint8_t> ours;
        for (size_t i = 0; i < image.pixels().size(); i += 4)
            ours.push_back(image.pixels()[i]);
        const double direct = jpegtest::psnr(ours, reference.values);
        EXPECT_GE(direct, 30.0) << c.name;
        colourText = "grey " + std::to_string(direct);
    }
    std::printf("[ psnr     ] %-28s grey %.2f dB, colour %s dB\n", c.name, greyPsnr,
                colourText.c_str());
}

INSTANTIATE_TEST_SUITE_P(Cjpeg, JpegPeer, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.name;
    for (auto& ch : n)
        if (ch == '-')
            ch = '_';
    return n;
});

}  // namespace
