// The reader corpus: pictures written by ImageMagick, netpbm and giflib (and
// a few codings made here that no peer writes), each loaded the way the
// program loads it and compared with the peer's greyscale rendering over
// white paper.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bitmap/formats/BmpFile.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"
#include "tests/codec/CorpusFiles.h"

namespace {

using testing_support::quote;
using testing_support::runCommand;

// ImageMagick's -colorspace Gray weighs by Rec. 709; the program takes
// 0.299 R + 0.587 G + 0.114 B, which is Rec601Luma.
const std::string kImageMagickGrey =
    "convert {} -background white -flatten -grayscale Rec601Luma -depth 8 pgm:{}";
// netpbm's giftopnm and ppmtopgm (Rec. 601 weights) for what ImageMagick
// does not read.
const std::string kNetpbmGrey = "giftopnm {} | ppmtopgm > {}";

struct CorpusCase {
    const char* name;
    // A shell command run in the corpus folder that writes the file, or a
    // function that does.
    std::string command;
    std::function<std::vector<uint8_t>(const testing_support::TempDir&)> make;
    std::string reference = kImageMagickGrey;
};

std::string fillIn(std::string pattern, const std::string& in, const std::string& out) {
    pattern.replace(pattern.find("{}"), 2, in);
    pattern.replace(pattern.find("{}"), 2, out);
    return pattern;
}

class ReaderCorpus : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!testing_support::hasTool("convert") || !testing_support::hasTool("pnmtopng") ||
            !testing_support::hasTool("giftool"))
            return;
        dir_ = new testing_support::TempDir;
        // An odd-sized colour picture, a logo with soft transparent edges,
        // the picture with a pure red patch, and 16 and 256-colour versions.
        const char* sources =
            "convert -size 67x43 -seed 5 plasma:fractal -depth 8 src.ppm && "
            "convert -size 61x37 xc:none -fill 'rgb(200,30,60)' -draw 'circle 30,18 30,4' "
            "-fill 'rgb(20,90,200)' -draw 'rectangle 5,5 20,15' logo.png && "
            "convert src.ppm -fill red -draw 'rectangle 10,10 30,20' -depth 8 red.ppm && "
            "convert src.ppm -colors 16 -type Palette BMP3:pal16.bmp && "
            "convert src.ppm -colors 256 -type Palette BMP3:pal256.bmp";
        ready_ = runCommand("cd " + quote(dir_->path()) + " && " + sources).exitCode == 0;
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        if (!ready_)
            GTEST_SKIP() << "ImageMagick, netpbm or giflib tools are missing";
    }

    static bitmap::Dib indexed(const std::string& name) {
        auto dib = bitmap::decodeBmp(testing_support::readFile(dir_->file(name)));
        EXPECT_TRUE(dib.ok());
        return dib.ok() ? std::move(*dib) : bitmap::Dib();
    }

    static inline testing_support::TempDir* dir_ = nullptr;
    static inline bool ready_ = false;
};

TEST_F(ReaderCorpus, EachFileMatchesThePeersRenderingOverWhite) {
    const auto deferred = [](const testing_support::TempDir&) {
        std::vector<uint8_t> indices(80 * 61);
        std::vector<uint32_t> colours(256);
        for (size_t i = 0; i < indices.size(); ++i)
            indices[i] = static_cast<uint8_t>((i % 80) * 3 + (i / 80) * 7);
        for (uint32_t i = 0; i < 256; ++i)
            colours[i] = (i << 16) | ((255 - i) << 8) | ((i * 5) & 255);
        return readers_test::deferredClearGif(80, 61, indices, colours);
    };
    const std::vector<CorpusCase> cases = {
        // GIF
        {"GIF, 200 colours", "convert src.ppm -colors 200 out.gif", {}},
        {"GIF, 1 x 3", "convert src.ppm -resize 1x3! -colors 4 out.gif", {}},
        {"GIF, transparent logo", "convert logo.png out.gif", {}},
        {"GIF, interlaced by giflib",
         "convert src.ppm -colors 16 q.gif && giftool -i yes <q.gif >out.gif",
         {}},
        {"GIF, image on a larger screen",
         "convert src.ppm -colors 32 -page 90x60+11+7 out.gif",
         {}},
        {"GIF, screen enlarged by giflib",
         "convert src.ppm -colors 64 q.gif && giftool -p 5,4 -s 80,50 <q.gif >out.gif",
         {}},
        {"GIF, netpbm, interlaced, transparent colour",
         "pnmquant 64 src.ppm | pamtogif -interlace -transparent=rgb:80/40/20 >out.gif",
         {}},
        {"GIF, stray zero bytes", "",
         [](const testing_support::TempDir& d) {
             runCommand("cd " + quote(d.path()) + " && convert src.ppm -colors 100 z.gif");
             return readers_test::withStrayZeros(testing_support::readFile(d.file("z.gif")));
         }},
        {"GIF, table full without a clear code", "", deferred, kNetpbmGrey},
        // PNG
        {"PNG, palette icon, black transparent entry",
         "convert logo.png -background black -alpha background PNG8:out.png",
         {}},
        {"PNG, palette icon, interlaced",
         "convert logo.png -background black -alpha background -interlace PNG PNG8:out.png",
         {}},
        {"PNG, 8-bit RGB, transparent colour",
         "pnmtopng -transparent =rgb:ff/00/00 red.ppm >out.png",
         {}},
        {"PNG, 16-bit RGB, transparent colour",
         "convert red.ppm -depth 16 r16.ppm && pnmtopng -transparent =rgb:ff/00/00 r16.ppm "
         ">out.png",
         {}},
        {"PNG, 8-bit grey, transparent level",
         "pgmramp -lr 64 32 | pnmtopng -transparent =rgb:55/55/55 >out.png",
         {}},
        {"PNG, 2-bit grey, transparent level",
         "pgmramp -lr 64 32 | pnmdepth 3 | pnmtopng -transparent =rgb:55/55/55 >out.png",
         {}},
        {"PNG, RGBA, odd size", "convert logo.png -resize 33x21! out.png", {}},
        // BMP
        {"BMP, 32-bit ARGB (V5 header)", "convert logo.png out.bmp", {}},
        {"BMP, 32-bit ARGB (V4 header)", "convert logo.png -define bmp:format=bmp4 out.bmp", {}},
        {"BMP, RLE8", "convert src.ppm -colors 200 -compress RLE BMP3:out.bmp", {}},
        {"BMP, RLE8 with a V5 header", "convert src.ppm -colors 16 -compress RLE out.bmp", {}},
        {"BMP, RLE8 with deltas", "",
         [](const testing_support::TempDir&) {
             return readers_test::runLengthBmp(indexed("pal256.bmp"), 8, true);
         }},
        {"BMP, RLE4", "",
         [](const testing_support::TempDir&) {
             return readers_test::runLengthBmp(indexed("pal16.bmp"), 4, false);
         }},
        {"BMP, RLE4 with deltas", "",
         [](const testing_support::TempDir&) {
             return readers_test::runLengthBmp(indexed("pal16.bmp"), 4, true);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string ext = std::string(c.name).substr(0, 3) == "GIF"   ? "gif"
                                : std::string(c.name).substr(0, 3) == "PNG" ? "png"
                                                                            : "bmp";
        const std::string out = dir_->file("out." + ext);
        std::remove(out.c_str());
        if (c.make) {
            testing_support::writeFile(out, c.make(*dir_));
        } else {
            const auto made = runCommand("cd " + quote(dir_->path()) + " && " + c.command);
            ASSERT_EQ(made.exitCode, 0) << made.err;
        }
        const std::string refPath = dir_->file("ref.pgm");
        const auto rendered = runCommand(fillIn(c.reference, quote(out), quote(refPath)));
        ASSERT_EQ(rendered.exitCode, 0) << rendered.err;
        const auto reference = testing_support::readNetpbm(refPath);

        codec::Codec codec;
        codec.setThrowException(false);
        ASSERT_EQ(codec.loadImageFile(out), 1) << codec.errordescription();
        const bitmap::Dib* picture = codec.picture();
        ASSERT_NE(picture, nullptr);
        ASSERT_EQ(picture->width(), reference.width);
        ASSERT_EQ(picture->height(), reference.height);
        std::vector<uint8_t> grey;
        const auto palette = picture->palette();
        for (int y = 0; y < picture->height(); ++y)
            for (int x = 0; x < picture->width(); ++x)
                grey.push_back(
                    palette[static_cast<size_t>(testing_support::pixelAt(*picture, x, y)) * 4]);
        EXPECT_GE(testing_support::psnr(grey, reference.values), 40.0);
    }
}

}  // namespace
