// Colour rows written straight by the decoder (three bytes a pixel) hold
// the bytes of its four-byte picture without the alpha, whether they were
// made an MCU row at a time or from whole planes at the end: for every
// colour model, for files cut short or damaged, turned by Exif, or reduced,
// and through the program's 24 bpp bridge.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "bitmap/ImageProc.h"
#include "carvello/core/ColourImage.h"
#include "carvello/core/GreyImage.h"
#include "carvello/core/RasterImage.h"
#include "carvello/core/RasterOrientation.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "support/TestSupport.h"
#include "tests/carvello/jpeg/JpegTestSupport.h"

namespace {

using Bytes = std::vector<uint8_t>;
using carvello::JpegDecoder;
using testing_support::quote;

// An upright picture as blue, green, red bytes, top row first, and the
// decoder's error.
struct Picture {
    uint32_t width = 0;
    uint32_t height = 0;
    Bytes bgr;
    std::string error;
};

template <typename Image, typename Read>
Picture decode(unsigned scale, size_t pixelBytes, Read read) {
    Image image;
    JpegDecoder decoder;
    decoder.setScaleChooser([scale](uint32_t, uint32_t) { return scale; });
    Picture picture;
    try {
        read(decoder, image);
    } catch (const JpegDecoder::JpegError& error) {
        picture.error = error.what();
    }
    carvello::applyExifOrientation(image, decoder.orientation());
    picture.width = image.width();
    picture.height = image.height();
    for (size_t i = 0; i < image.pixels().size(); i += pixelBytes)
        picture.bgr.insert(
            picture.bgr.end(), image.pixels().begin() + static_cast<long>(i),
            image.pixels().begin() + static_cast<long>(i + std::min<size_t>(3, pixelBytes)));
    return picture;
}

Picture viaRaster(const Bytes& file, unsigned scale = 1) {
    return decode<carvello::RasterImage>(scale, 4,
                                         [&](JpegDecoder& d, auto& i) { d.readImage(file, i); });
}

Picture viaColourRows(const Bytes& file, unsigned scale = 1) {
    return decode<carvello::ColourImage>(
        scale, 3, [&](JpegDecoder& d, auto& i) { d.readColourImage(file, i); });
}

// Grey pictures, kept as "bgr" with one byte a pixel.
Picture viaGreyRows(const Bytes& file, unsigned scale = 1) {
    return decode<carvello::GreyImage>(scale, 1,
                                       [&](JpegDecoder& d, auto& i) { d.readGreyImage(file, i); });
}

// Bytes after the end of the image that could start a scan: the decoder
// ignores them, but they keep it from making the frame an MCU row at a time.
Bytes withScanMarkerAfterTheEnd(Bytes file) {
    file.insert(file.end(), {0xFF, 0xDA});
    return file;
}

// ImageMagick's CMYK file (Adobe YCCK) of the test picture, with its Adobe
// transform set to `transform` unless negative.
Bytes magickCmyk(int transform) {
    if (!testing_support::hasTool("convert"))
        return {};
    testing_support::TempDir dir;
    jpegtest::writePpm(dir.file("in.ppm"), jpegtest::makePicture(300, 40));
    if (!jpegtest::run("convert " + quote(dir.file("in.ppm")) + " -quality 90 -colorspace CMYK " +
                       quote(dir.file("out.jpg"))))
        return {};
    Bytes file = testing_support::readFile(dir.file("out.jpg"));
    const auto adobe = jpegtest::findSegment(file, 0xEE);
    if (transform >= 0 && adobe)
        file[*adobe + 4 + 11] = static_cast<uint8_t>(transform);
    return file;
}

Bytes cut(Bytes file) {
    file.resize(file.size() * 2 / 3);
    return file;
}

Bytes damaged(Bytes file) {
    // A marker no scan may hold, two thirds of the way in.
    file[file.size() * 2 / 3] = 0xFF;
    file[file.size() * 2 / 3 + 1] = 0xC8;
    return file;
}

// An Adobe segment saying RGB between the scan and the end of the image:
// the pixels are made in the model it gives.
Bytes adobeAfterScan(Bytes file) {
    const Bytes adobe = {0xFF, 0xEE, 0, 14, 'A', 'd', 'o', 'b', 'e', 0, 100, 0, 0, 0, 0, 0};
    file.insert(file.end() - 2, adobe.begin(), adobe.end());
    return file;
}

Bytes turned(const Bytes& file, int orientation) {
    return jpegtest::withFirstSegment(file, 0xE1, jpegtest::exifBody(orientation, true));
}

void expectSamePicture(const Picture& got, const Picture& expected) {
    EXPECT_EQ(got.error, expected.error);
    EXPECT_EQ(got.width, expected.width);
    EXPECT_EQ(got.height, expected.height);
    EXPECT_TRUE(got.bgr == expected.bgr);
}

struct ColourCase {
    const char* name;
    std::function<Bytes()> file;
    unsigned scale = 1;
};

std::vector<ColourCase> colourCases() {
    // Rows wider than the runs of 256 pixels three-byte rows are made in.
    const auto tool = [](std::string options, int width = 300, int height = 48) {
        return [=] { return jpegtest::cjpegFile(options, width, height); };
    };
    const auto photo = tool("-quality 85 -sample 2x2", 280, 56);
    return {
        {"grey", tool("-grayscale")},
        {"420", photo},
        {"444", tool("-sample 1x1")},
        {"422", tool("-sample 2x1")},
        {"rgb", tool("-rgb -sample 1x1")},
        {"cmyk", [] { return magickCmyk(0); }},
        {"ycck", [] { return magickCmyk(-1); }},
        {"progressive", tool("-progressive")},
        {"arithmetic", tool("-arithmetic")},
        {"restart every row", tool("-restart 1")},
        {"odd size", tool("-sample 2x2", 41, 27)},
        {"cut short", [=] { return cut(photo()); }},
        {"cut short progressive", [=] { return cut(tool("-progressive", 280, 56)()); }},
        {"damaged", [=] { return damaged(photo()); }},
        {"Adobe segment after the scan", [=] { return adobeAfterScan(photo()); }},
        {"turned a quarter", [=] { return turned(photo(), 6); }},
        {"turned half round", [=] { return turned(photo(), 3); }},
        {"half", photo, 2},
        {"quarter", photo, 4},
        {"eighth", photo, 8},
        {"eighth cut short", [=] { return cut(photo()); }, 8},
    };
}

TEST(JpegColourRows, SameBytesAsTheFourBytePicture) {
    if (!testing_support::hasTool("cjpeg"))
        GTEST_SKIP() << "cjpeg is not installed";
    for (const ColourCase& c : colourCases()) {
        SCOPED_TRACE(c.name);
        const Bytes file = c.file();
        if (file.empty())
            continue;  // ImageMagick missing
        const Picture expected = viaRaster(file, c.scale);
        const Picture got = viaColourRows(file, c.scale);
        ASSERT_GT(expected.height, 0u);
        expectSamePicture(got, expected);
    }
}

// Grey pictures made an MCU row at a time are those made at the end (how a
// file that stops early is finished is shared with the colour rows).
TEST(JpegColourRows, GreyRowsMadeAsTheDataComeAreThoseMadeAtTheEnd) {
    if (!testing_support::hasTool("cjpeg"))
        GTEST_SKIP() << "cjpeg is not installed";
    for (const ColourCase& c : colourCases()) {
        const std::string name = c.name;
        if (name.find("cut") != std::string::npos || name.find("damaged") != std::string::npos)
            continue;
        SCOPED_TRACE(name);
        const Bytes file = c.file();
        if (file.empty())
            continue;  // ImageMagick missing
        const Picture got = viaGreyRows(file, c.scale);
        const Picture expected = viaGreyRows(withScanMarkerAfterTheEnd(file), c.scale);
        ASSERT_GT(expected.height, 0u);
        expectSamePicture(got, expected);
    }
}

TEST(JpegColourRows, BridgeGivesThe24BitPictureBottomRowFirst) {
    const Bytes plain = jpegtest::cjpegFile("-quality 85 -sample 2x2", 50, 34);
    if (plain.empty())
        GTEST_SKIP() << "cjpeg is not installed";
    testing_support::TempDir dir;
    for (const Bytes& file : {plain, turned(plain, 8)}) {
        testing_support::writeFile(dir.file("in.jpg"), file);
        const Picture expected = viaRaster(file);
        bitmap::ImageProc proc;
        const auto dib = proc.readJPEGFile(dir.file("in.jpg"), 24);
        ASSERT_TRUE(dib) << proc.lastError();
        ASSERT_EQ(dib->bitCount(), 24);
        ASSERT_EQ(dib->width(), static_cast<int>(expected.width));
        ASSERT_EQ(dib->height(), static_cast<int>(expected.height));
        const size_t rowBytes = size_t{expected.width} * 3;
        for (uint32_t y = 0; y < expected.height; ++y) {
            const auto stored = dib->storedRow(static_cast<int>(expected.height - 1 - y));
            EXPECT_TRUE(std::equal(stored.begin(), stored.begin() + static_cast<long>(rowBytes),
                                   expected.bgr.begin() + static_cast<long>(y * rowBytes)))
                << "row " << y;
        }
    }
}

}  // namespace
