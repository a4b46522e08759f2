// The files of make-corpus.sh, and files derived from them, load through the
// program's JPEG loader and match the peers' grey rendering.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "bitmap/ImageProc.h"
#include "support/TestSupport.h"
#include "tests/carvello/jpeg/JpegTestSupport.h"

namespace {

using Bytes = std::vector<uint8_t>;
using testing_support::quote;

// How the reference picture is made.
enum class Reference {
    djpegGrey,      // djpeg -grayscale
    djpegColour,    // djpeg's RGB, then luma (djpeg makes no grey from CMYK)
    magickUpright,  // ImageMagick, turned upright by its own reading of Exif
};

struct CorpusCase {
    const char* name;
    const char* source;                  // a file of make-corpus.sh
    std::function<Bytes(Bytes)> derive;  // empty: the file as it is
    Reference reference = Reference::djpegGrey;
};

Bytes withoutSegment(Bytes file, int code) {
    const auto at = jpegtest::findSegment(file, code);
    EXPECT_TRUE(at) << "no segment " << code;
    if (at) {
        const size_t length = 2 + ((file[*at + 2] << 8) | file[*at + 3]);
        file.erase(file.begin() + static_cast<long>(*at),
                   file.begin() + static_cast<long>(*at + length));
    }
    return file;
}

Bytes withAdobeTransform(Bytes file, int transform) {
    const auto at = jpegtest::findSegment(file, 0xEE);
    EXPECT_TRUE(at);
    if (at)
        file[*at + 4 + 11] = static_cast<uint8_t>(transform);
    return file;
}

const std::vector<CorpusCase>& corpusCases() {
    static const std::vector<CorpusCase> cases{
        {"plain_stream", "jfif.jpg", [](Bytes f) { return withoutSegment(f, 0xE0); }},
        {"adobe_rgb", "adobe-rgb.jpg", {}},
        {"rgb_identifiers", "adobe-rgb.jpg", [](Bytes f) { return withoutSegment(f, 0xEE); }},
        {"adobe_ycck", "ycck.jpg", {}, Reference::djpegColour},
        {"adobe_cmyk", "ycck.jpg", [](Bytes f) { return withAdobeTransform(f, 0); },
         Reference::djpegColour},
        {"sof1_16bit_tables", "sof1-16bit.jpg", {}},
        {"trailing_bytes", "trailing.jpg", {}},
        {"arithmetic", "arithmetic.jpg", {}},
        {"arithmetic_restart", "arithmetic-restart.jpg", {}},
        {"arithmetic_progressive", "arithmetic-progressive.jpg", {}},
        {"arithmetic_progressive_grey", "arithmetic-progressive-grey.jpg", {}},
        {"arithmetic_small", "arithmetic-small.jpg", {}},
    };
    static const std::vector<CorpusCase> all = [] {
        std::vector<CorpusCase> list = cases;
        // Exif in place of JFIF, each orientation, both byte orders.
        static const char* const names[] = {"exif_1", "exif_2", "exif_3", "exif_4",
                                            "exif_5", "exif_6", "exif_7", "exif_8"};
        for (int orientation = 1; orientation <= 8; ++orientation)
            list.push_back({names[orientation - 1], "jfif.jpg",
                            [orientation](Bytes f) {
                                return jpegtest::withFirstSegment(
                                    f, 0xE1, jpegtest::exifBody(orientation, orientation % 2 == 0));
                            },
                            Reference::magickUpright});
        return list;
    }();
    return all;
}

// The script's files, made once for the suite.
class JpegCorpus : public ::testing::TestWithParam<CorpusCase> {
protected:
    static void SetUpTestSuite() {
        if (!testing_support::hasTool("cjpeg") || !testing_support::hasTool("convert"))
            return;
        folder_ = std::make_unique<testing_support::TempDir>();
        ready_ = jpegtest::run(
            quote(testing_support::sourceDir() + "/tests/carvello/jpeg/make-corpus.sh") + " " +
            quote(folder_->path()));
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static std::unique_ptr<testing_support::TempDir> folder_;
    static bool ready_;
};

std::unique_ptr<testing_support::TempDir> JpegCorpus::folder_;
bool JpegCorpus::ready_ = false;

// The peer's grey picture, top row first.
std::vector<uint8_t> referenceGrey(const CorpusCase& c, const std::string& file,
                                   const testing_support::TempDir& dir) {
    const std::string out = dir.file("reference.pnm");
    if (c.reference == Reference::djpegGrey) {
        jpegtest::run("djpeg -grayscale -pnm -outfile " + quote(out) + " " + quote(file));
        return testing_support::readNetpbm(out).values;
    }
    if (c.reference == Reference::djpegColour)
        jpegtest::run("djpeg -pnm -outfile " + quote(out) + " " + quote(file));
    else
        jpegtest::run("convert " + quote(file) + " -auto-orient -depth 8 ppm:" + quote(out));
    const jpegtest::Rgb rgb = jpegtest::readPpm(out);
    std::vector<uint8_t> grey;
    for (size_t i = 0; i + 2 < rgb.bytes.size(); i += 3)
        grey.push_back(static_cast<uint8_t>(
            (299 * rgb.bytes[i] + 587 * rgb.bytes[i + 1] + 114 * rgb.bytes[i + 2] + 500) / 1000));
    return grey;
}

TEST_P(JpegCorpus, LoadsAndMatchesThePeer) {
    if (!ready_)
        GTEST_SKIP() << "cjpeg, djpeg or ImageMagick missing";
    const CorpusCase& c = GetParam();
    Bytes bytes = testing_support::readFile(folder_->file(c.source));
    if (c.derive)
        bytes = c.derive(bytes);
    testing_support::TempDir dir;
    const std::string file = dir.file("case.jpg");
    testing_support::writeFile(file, bytes);

    bitmap::ImageProc proc;
    const auto dib = proc.readJPEGFile(file, 8);
    ASSERT_TRUE(dib) << proc.lastError();
    std::vector<uint8_t> ours;
    for (int y = 0; y < dib->height(); ++y)
        for (int x = 0; x < dib->width(); ++x)
            ours.push_back(static_cast<uint8_t>(testing_support::pixelAt(*dib, x, y)));
    const double psnr = jpegtest::psnr(ours, referenceGrey(c, file, dir));
    EXPECT_GE(psnr, 30.0);
    std::printf("[ psnr     ] %-28s %dx%d %.2f dB\n", c.name, dib->width(), dib->height(), psnr);
}

INSTANTIATE_TEST_SUITE_P(Files, JpegCorpus, ::testing::ValuesIn(corpusCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
