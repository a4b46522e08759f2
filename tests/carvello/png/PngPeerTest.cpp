// Our PNG files through other programs: libpng (pngtopnm), ImageMagick and,
// where installed, pngcheck; and zlib on the IDAT data.
#include <gtest/gtest.h>

#include "carvello/core/RasterImage.h"
#include "carvello/png/PngEncoder.h"
#include "support/TestSupport.h"
#include "tests/carvello/png/DeflateReader.h"
#include "tests/carvello/png/PngFileReader.h"
#include "tests/carvello/png/TestData.h"

namespace {

using carvello::PngEncoder;
using carvello::RasterImage;
using testing_support::quote;
using testing_support::runCommand;
using namespace pngwrite_test;

// A picture with smooth areas, edges and noise; alpha varies by column.
RasterImage picture(uint32_t w, uint32_t h) {
    RasterImage image;
    image.setSize(w, h);
    uint32_t seed = 99;
    for (uint32_t y = 0; y < h; ++y) {
        auto row = image.row(y);
        for (uint32_t x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const bool edge = (x / 16 + y / 16) % 2 == 0;
            row[x * 4] = static_cast<uint8_t>(edge ? x : 255 - y);
            row[x * 4 + 1] = static_cast<uint8_t>((x + y) / 2);
            row[x * 4 + 2] = static_cast<uint8_t>(x % 7 == 0 ? seed >> 24 : 200);
            row[x * 4 + 3] = static_cast<uint8_t>(x * 5);
        }
    }
    return image;
}

std::vector<uint8_t> rgbOf(const RasterImage& image) {
    std::vector<uint8_t> out;
    const auto p = image.pixels();
    for (size_t i = 0; i < p.size(); i += 4)
        out.insert(out.end(), {p[i + 2], p[i + 1], p[i]});
    return out;
}

std::vector<uint8_t> alphaOf(const RasterImage& image) {
    std::vector<uint8_t> out;
    const auto p = image.pixels();
    for (size_t i = 3; i < p.size(); i += 4)
        out.push_back(p[i]);
    return out;
}

struct Variant {
    const char* name;
    uint32_t width, height;
    bool alpha;
    unsigned filters;
    int level;
};

const std::vector<Variant>& variants() {
    static const std::vector<Variant> list{
        {"1x1", 1, 1, false, 1, 2},
        {"odd", 37, 23, false, 1, 2},
        {"alpha", 37, 23, true, 1, 2},
        {"all filters", 64, 40, false, 31, 2},
        {"all filters alpha", 64, 40, true, 31, 1},
        {"level 0", 200, 50, false, 1, 0},
        {"level 3", 200, 50, false, 1, 3},
        {"several IDATs", 1024, 768, false, 1, 2},
    };
    return list;
}

TEST(PngPeers, LibpngDecodesExactlyThePixelsWeWrote) {
    if (!testing_support::hasTool("pngtopnm"))
        GTEST_SKIP() << "pngtopnm (netpbm) is not installed";
    testing_support::TempDir dir;
    for (const auto& v : variants()) {
        const auto image = picture(v.width, v.height);
        PngEncoder encoder;
        encoder.setAlpha(v.alpha);
        encoder.setFilterMask(v.filters);
        encoder.setCompressionLevel(v.level);
        const std::string png = dir.file(std::string(v.name) + ".png");
        encoder.writeImageFile(png, image);
        const auto rgb = runCommand("pngtopnm " + quote(png) + " > " + quote(png + ".ppm"));
        ASSERT_EQ(rgb.exitCode, 0) << v.name << ": " << rgb.err;
        EXPECT_EQ(rgb.err, "") << v.name;
        const auto ppm = readPnm(testing_support::readFile(png + ".ppm"));
        EXPECT_EQ(ppm.width, int(v.width));
        EXPECT_EQ(ppm.height, int(v.height));
        EXPECT_EQ(ppm.samples, rgbOf(image)) << v.name;
        if (v.alpha) {
            ASSERT_EQ(
                runCommand("pngtopnm -alpha " + quote(png) + " > " + quote(png + ".pgm")).exitCode,
                0);
            EXPECT_EQ(readPnm(testing_support::readFile(png + ".pgm")).samples, alphaOf(image))
                << v.name;
        }
    }
}

TEST(PngPeers, LibpngSeesWhiteAsTransparent) {
    if (!testing_support::hasTool("convert") || !testing_support::hasTool("pngtopnm"))
        GTEST_SKIP() << "ImageMagick or netpbm is not installed";
    testing_support::TempDir dir;
    RasterImage image;
    image.setSize(3, 2);
    auto p = image.pixels();
    std::fill(p.begin(), p.end(), uint8_t{255});
    p[4 * 1] = 254;  // pixel 1 is nearly white: stays opaque
    p[4 * 4 + 0] = p[4 * 4 + 1] = p[4 * 4 + 2] = 0;
    PngEncoder encoder;
    encoder.setTransparentWhite(true);
    const std::string png = dir.file("t.png");
    encoder.writeImageFile(png, image);
    // ImageMagick's reading through libpng turns the tRNS colour into alpha.
    const auto mask = runCommand("convert " + quote(png) + " -alpha extract pgm:-");
    ASSERT_EQ(mask.exitCode, 0) << mask.err;
    EXPECT_EQ(readPnm(std::vector<uint8_t>(mask.out.begin(), mask.out.end())).samples,
              (std::vector<uint8_t>{0, 255, 0, 0, 255, 0}));
    // netpbm reports the colour (its -alpha output ignores tRNS for RGB).
    const auto verbose = runCommand("pngtopnm -verbose " + quote(png) + " > /dev/null");
    EXPECT_NE(verbose.err.find("transparent color = (255,255,255)"), std::string::npos)
        << verbose.err;
}

TEST(PngPeers, ImageMagickReadsTheFilesAndTheirTexts) {
    if (!testing_support::hasTool("identify"))
        GTEST_SKIP() << "ImageMagick is not installed";
    testing_support::TempDir dir;
    const std::string png = dir.file("i.png");
    PngEncoder().writeImageFile(png, picture(300, 200));
    const auto info = runCommand("identify -verbose " + quote(png));
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Geometry: 300x200"), std::string::npos);
    EXPECT_NE(info.out.find("Author: Vendra Corp."), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Software: WAP Glyphon DLL"), std::string::npos);
    EXPECT_EQ(info.err.find("rror"), std::string::npos) << info.err;
    EXPECT_EQ(info.err.find("arning"), std::string::npos) << info.err;
}

TEST(PngPeers, PngcheckFindsNothingWrong) {
    if (!testing_support::hasTool("pngcheck"))
        GTEST_SKIP() << "pngcheck is not installed";
    testing_support::TempDir dir;
    for (const auto& v : variants()) {
        PngEncoder encoder;
        encoder.setAlpha(v.alpha);
        encoder.setTransparentWhite(!v.alpha);
        encoder.setFilterMask(v.filters);
        const std::string png = dir.file(std::string(v.name) + ".png");
        encoder.writeImageFile(png, picture(v.width, v.height));
        const auto check = runCommand("pngcheck -v " + quote(png));
        EXPECT_EQ(check.exitCode, 0) << v.name << "\n" << check.out << check.err;
    }
}

TEST(PngPeers, ZlibInflatesTheImageData) {
    if (!havePythonZlib())
        GTEST_SKIP() << "python3 with zlib is not available";
    std::vector<std::vector<uint8_t>> streams;
    std::vector<std::vector<uint8_t>> rows;
    for (const auto& v : variants()) {
        PngEncoder encoder;
        encoder.setAlpha(v.alpha);
        encoder.setFilterMask(v.filters);
        encoder.setCompressionLevel(v.level);
        const auto file = encoder.encode(picture(v.width, v.height));
        std::vector<uint8_t> idat;
        for (const auto& c : readChunks(file).chunks)
            if (c.type == "IDAT")
                idat.insert(idat.end(), c.data.begin(), c.data.end());
        streams.push_back(idat);
        rows.push_back(readZlib(idat).data);
    }
    const auto inflated = inflateWithPythonZlib(streams);
    for (size_t i = 0; i < streams.size(); ++i) {
        EXPECT_TRUE(inflated[i].ok) << variants()[i].name;
        EXPECT_EQ(inflated[i].data, rows[i]) << variants()[i].name;
    }
}

}  // namespace
