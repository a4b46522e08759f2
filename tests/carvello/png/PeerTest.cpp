// PNG files written by ImageMagick and by netpbm's libpng-based pnmtopng:
// the library decoder gives libpng's pixels, or the fallback reads them.
#include <gtest/gtest.h>

#include "bitmap/ImageProc.h"
#include "bitmap/bridges/PngFallbackReader.h"
#include "support/TestSupport.h"
#include "tests/carvello/png/DecodeHelpers.h"
#include "tests/carvello/png/LibpngReference.h"

using namespace pngtest;

namespace {

// Splits the IDAT data of a file into new IDAT chunks: pieces of `size`
// bytes, and the last 4 bytes (the zlib checksum) in a chunk of their own.
Bytes rechunk(const Bytes& file, size_t size) {
    Bytes out(file.begin(), file.begin() + 8);
    Bytes data;
    Bytes afterData;
    size_t at = 8;
    bool seenData = false;
    while (at + 12 <= file.size()) {
        const uint32_t length = (uint32_t{file[at]} << 24) | (uint32_t{file[at + 1]} << 16) |
                                (uint32_t{file[at + 2]} << 8) | file[at + 3];
        const std::string type(file.begin() + at + 4, file.begin() + at + 8);
        const Bytes whole(file.begin() + at, file.begin() + at + 12 + length);
        if (type == "IDAT") {
            data.insert(data.end(), file.begin() + at + 8, file.begin() + at + 8 + length);
            seenData = true;
        } else if (seenData) {
            append(afterData, whole);
        } else {
            append(out, whole);
        }
        at += 12 + length;
    }
    const size_t body = data.size() - 4;
    for (size_t p = 0; p < body; p += size)
        append(out,
               chunk("IDAT", Bytes(data.begin() + p, data.begin() + std::min(body, p + size))));
    append(out, chunk("IDAT", Bytes(data.end() - 4, data.end())));
    append(out, afterData);
    return out;
}

void expectLikeLibpng(const std::string& path, const std::string& what) {
    carvello::RasterImage image;
    const std::string outcome = decodeOutcome(testing_support::readFile(path), image);
    if (outcome != "ok") {
        // Refused: the fallback must read it.
        ADD_FAILURE() << what << " refused by the library decoder: " << outcome;
        bitmap::PngFallbackReader reader;
        EXPECT_EQ(reader.open(path), 0);
        EXPECT_EQ(reader.readHeader(), 0);
        EXPECT_EQ(reader.readImage(), 0);
        return;
    }
    const auto reference = readWithLibpng(path);
    ASSERT_TRUE(reference.has_value()) << what;
    ASSERT_EQ(image.width(), reference->width) << what;
    ASSERT_EQ(image.height(), reference->height) << what;
    const auto pixels = image.pixels();
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), reference->bgra.begin())) << what;
    bitmap::ImageProc proc;
    EXPECT_TRUE(proc.readPNGFile(path).has_value()) << what << ": " << proc.lastError();
}

TEST(PeerFiles, ImageMagick) {
    if (!testing_support::hasTool("convert"))
        GTEST_SKIP() << "ImageMagick not installed";
    testing_support::TempDir dir;
    const std::string source = dir.file("source.ppm");
    ASSERT_EQ(testing_support::runCommand("convert -size 173x91 plasma:fractal -seed 4 " +
                                          testing_support::quote(source))
                  .exitCode,
              0);
    struct Case {
        const char* name;
        const char* options;
    };
    const Case cases[] = {
        {"plain", ""},
        {"interlaced", "-interlace PNG"},
        {"16-bit", "-depth 16"},
        {"16-bit interlaced grey", "-colorspace Gray -depth 16 -interlace PNG"},
        {"grey 8", "-colorspace Gray -depth 8"},
        {"grey 2", "-colorspace Gray -depth 2 -define png:bit-depth=2"},
        {"palette with transparency",
         "-colors 16 -transparent-color white -fuzz 20% "
         "-transparent '#808080' PNG8:"},
        {"alpha", "-alpha set -channel A -evaluate set 60% +channel PNG32:"},
        {"16-bit alpha", "-alpha set -channel A -fx 'i/w' +channel -depth 16 PNG64:"},
        {"level 0", "-define png:compression-level=0"},
        {"level 9 paeth", "-quality 94"},
        {"huffman only", "-define png:compression-strategy=2"},
    };
    for (const auto& c : cases) {
        std::string options = c.options;
        std::string prefix;
        const auto colon = options.rfind(':');
        if (colon != std::string::npos && colon + 1 == options.size()) {
            const auto space = options.rfind(' ');
            prefix = options.substr(space == std::string::npos ? 0 : space + 1);
            options.resize(space == std::string::npos ? 0 : space);
        }
        const std::string out = dir.file(std::string("im-") + std::to_string(&c - cases) + ".png");
        const auto result =
            testing_support::runCommand("convert " + testing_support::quote(source) + " " +
                                        options + " " + testing_support::quote(prefix + out));
        ASSERT_EQ(result.exitCode, 0) << c.name << ": " << result.err;
        expectLikeLibpng(out, c.name);

        // The same data in many small IDAT chunks, the checksum alone in
        // the last.
        const std::string split = out + ".split.png";
        testing_support::writeFile(split, rechunk(testing_support::readFile(out), 97));
        expectLikeLibpng(split, std::string(c.name) + " split");
    }
}

TEST(PeerFiles, Pnmtopng) {
    if (!testing_support::hasTool("pnmtopng") || !testing_support::hasTool("convert"))
        GTEST_SKIP() << "netpbm or ImageMagick not installed";
    testing_support::TempDir dir;
    const std::string ppm = dir.file("s.ppm");
    const std::string pgm = dir.file("s.pgm");
    ASSERT_EQ(testing_support::runCommand("convert -size 301x77 gradient:red-blue -depth 8 " +
                                          testing_support::quote(ppm))
                  .exitCode,
              0);
    ASSERT_EQ(testing_support::runCommand("convert -size 64x300 gradient: -depth 16 " +
                                          testing_support::quote(pgm))
                  .exitCode,
              0);
    struct Case {
        const char* name;
        std::string input, options;
    };
    const Case cases[] = {
        {"rgb", ppm, ""},
        {"interlaced", ppm, "-interlace"},
        {"transparent colour", ppm, "-transparent=red"},
        {"16-bit grey", pgm, ""},
        {"16-bit grey interlaced", pgm, "-interlace"},
        {"level 0", ppm, "-compression=0"},
        {"palette", dir.file("s.ppm"), "-force"},
    };
    for (const auto& c : cases) {
        const std::string out = dir.file(std::string("n-") + std::to_string(&c - cases) + ".png");
        const auto result = testing_support::runCommand("pnmtopng " + c.options + " " +
                                                        testing_support::quote(c.input) + " > " +
                                                        testing_support::quote(out));
        ASSERT_EQ(result.exitCode, 0) << c.name << ": " << result.err;
        expectLikeLibpng(out, c.name);
    }
}

}  // namespace
