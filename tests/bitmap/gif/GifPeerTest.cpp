// GIF files of other programs through our reader, and our files through
// theirs: ImageMagick's convert, giflib's gifbuild and giftext, netpbm's
// giftopnm. Each test is skipped when its tool is missing.
#include <gtest/gtest.h>

#include <sstream>

#include "bitmap/ByteOrder.h"
#include "bitmap/gif/GifReader.h"
#include "bitmap/gif/GifWriter.h"
#include "support/TestSupport.h"
#include "tests/bitmap/gif/GifTestSupport.h"

namespace {

using gif_test::Ppm;
using testing_support::hasTool;
using testing_support::quote;
using testing_support::runCommand;
using testing_support::TempDir;

// Twelve colours in blocks and diagonals, so row order, column order and
// colours all show.
Ppm testPattern(int width, int height, int shift) {
    static const uint32_t colours[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00,
                                       0x00FFFF, 0xFF00FF, 0x808080, 0x102030, 0xC08040, 0x4080C0};
    Ppm p;
    p.width = width;
    p.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.pixels.push_back(colours[(x / 3 + y * 5 + (x * y) % 7 + shift) % 12]);
    return p;
}

bitmap::Dib readOurs(const std::string& path) {
    const auto bytes = testing_support::readFile(path);
    bitmap::GifReader reader(bytes);
    EXPECT_EQ(reader.load(), 0) << path;
    auto dib = reader.takePicture();
    return dib ? std::move(*dib) : bitmap::Dib();
}

// The picture shows `expected` with its top-left corner at (left, top).
void expectShows(const bitmap::Dib& dib, const Ppm& expected, int left = 0, int top = 0) {
    ASSERT_FALSE(dib.empty());
    ASSERT_GE(dib.width(), left + expected.width);
    ASSERT_GE(dib.height(), top + expected.height);
    const uint32_t colours = dib.header().biClrUsed;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const int index = testing_support::pixelAt(dib, x + left, y + top);
            ASSERT_LT(static_cast<uint32_t>(index), colours);
            ASSERT_EQ(gif_test::paletteColour(dib, index),
                      expected.pixels[static_cast<size_t>(y * expected.width + x)])
                << x << "," << y;
        }
    }
}

TEST(GifPeer, ImageMagickFilesLoad) {
    if (!hasTool("convert"))
        GTEST_SKIP() << "ImageMagick is not installed";
    TempDir dir;
    const Ppm pattern = testPattern(37, 23, 0);
    gif_test::writePpm(dir.file("in.ppm"), pattern);
    struct Case {
        const char* name;
        const char* options;
        const char* output;  // with a format prefix
        const char* signature;
    };
    for (const auto& c :
         {Case{"plain", "-interlace none", "GIF:", "GIF89a"},
          Case{"interlaced", "-interlace GIF", "GIF:", "GIF89a"},
          Case{"comment", "-comment 'made for the test'", "GIF:", "GIF89a"},
          Case{"graphic control", "-delay 20 -dispose background", "GIF:", "GIF89a"},
          Case{"GIF87a", "", "GIF87:", "GIF87a"},
          Case{"GIF87a interlaced", "-interlace GIF", "GIF87:", "GIF87a"}}) {
        const std::string out = dir.file("out.gif");
        const auto run = runCommand("convert " + quote(dir.file("in.ppm")) + " " + c.options + " " +
                                    quote(std::string(c.output) + out));
        ASSERT_EQ(run.exitCode, 0) << c.name << run.err;
        const auto bytes = testing_support::readFile(out);
        ASSERT_EQ(std::string(bytes.begin(), bytes.begin() + 6), c.signature) << c.name;
        expectShows(readOurs(out), pattern);
    }
}

TEST(GifPeer, ImageMagickAnimationGivesTheFirstFrame) {
    if (!hasTool("convert"))
        GTEST_SKIP() << "ImageMagick is not installed";
    TempDir dir;
    const Ppm first = testPattern(20, 12, 0);
    gif_test::writePpm(dir.file("a.ppm"), first);
    gif_test::writePpm(dir.file("b.ppm"), testPattern(20, 12, 5));
    gif_test::writePpm(dir.file("c.ppm"), testPattern(20, 12, 7));
    const std::string out = dir.file("anim.gif");
    const auto run = runCommand("convert -delay 10 " + quote(dir.file("a.ppm")) + " " +
                                quote(dir.file("b.ppm")) + " " + quote(dir.file("c.ppm")) +
                                " -loop 0 " + quote(out));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto bytes = testing_support::readFile(out);
    ASSERT_NE(std::string(bytes.begin(), bytes.end()).find("NETSCAPE2.0"), std::string::npos);
    expectShows(readOurs(out), first);
}

TEST(GifPeer, ImageMagickFrameSmallerThanTheScreen) {
    if (!hasTool("convert"))
        GTEST_SKIP() << "ImageMagick is not installed";
    TempDir dir;
    const Ppm small = testPattern(9, 6, 2);
    gif_test::writePpm(dir.file("small.ppm"), small);
    const std::string out = dir.file("paged.gif");
    const auto run =
        runCommand("convert " + quote(dir.file("small.ppm")) + " -page 40x30+5+4 " + quote(out));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto bytes = testing_support::readFile(out);
    ASSERT_EQ(bitmap::readLe16(bytes, 6), 40);
    ASSERT_EQ(bitmap::readLe16(bytes, 8), 30);
    const auto dib = readOurs(out);
    EXPECT_EQ(dib.width(), 40);
    EXPECT_EQ(dib.height(), 30);
    expectShows(dib, small, 5, 4);
}

// A gifbuild description of a picture with up to 8 colours, one
// character per pixel ('a' + index).
std::string gifbuildText(const Ppm& picture, const std::vector<uint32_t>& colours, int screenWidth,
                         int screenHeight, int left, int top, bool interlaced, bool localMap) {
    std::ostringstream t;
    auto map = [&](const char* title) {
        t << title << "\n";
        for (size_t i = 0; i < colours.size(); ++i)
            t << "\trgb " << (colours[i] >> 16) << " " << ((colours[i] >> 8) & 255) << " "
              << (colours[i] & 255) << " is " << char('a' + i) << "\n";
        t << "end\n\n";
    };
    t << "screen width " << screenWidth << "\nscreen height " << screenHeight
      << "\nscreen colors 8\nscreen background 0\npixel aspect byte 0\n\n";
    if (!localMap)
        map("screen map");
    t << "comment\nmade by gifbuild\nend\n\n";
    t << "image # 1\nimage left " << left << "\nimage top " << top << "\n";
    if (interlaced)
        t << "image interlaced\n";
    if (localMap)
        map("image map");
    t << "image bits " << picture.width << " by " << picture.height << "\n";
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t c = picture.pixels[static_cast<size_t>(y * picture.width + x)];
            t << char('a' + (std::find(colours.begin(), colours.end(), c) - colours.begin()));
        }
        t << "\n";
    }
    return t.str();
}

TEST(GifPeer, GifbuildFilesLoad) {
    if (!hasTool("gifbuild"))
        GTEST_SKIP() << "giflib tools are not installed";
    TempDir dir;
    const std::vector<uint32_t> colours{0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                        0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
    Ppm picture;
    picture.width = 11;
    picture.height = 13;
    for (int i = 0; i < 11 * 13; ++i)
        picture.pixels.push_back(colours[static_cast<size_t>((i * 5 + i / 11) % 8)]);
    struct Case {
        const char* name;
        bool interlaced, localMap;
        int left, top;
    };
    for (const auto& c :
         {Case{"global map", false, false, 0, 0}, Case{"interlaced", true, false, 0, 0},
          Case{"local map only", false, true, 0, 0},
          Case{"local map, interlaced, offset", true, true, 3, 2}}) {
        const std::string text = gifbuildText(picture, colours, 11 + c.left, 13 + c.top, c.left,
                                              c.top, c.interlaced, c.localMap);
        testing_support::writeFile(dir.file("in.txt"), text);
        const std::string out = dir.file("built.gif");
        const auto run = runCommand("gifbuild " + quote(dir.file("in.txt")) + " > " + quote(out));
        ASSERT_EQ(run.exitCode, 0) << c.name << run.err;
        const auto bytes = testing_support::readFile(out);
        ASSERT_EQ(bytes[10] & 0x80, c.localMap ? 0 : 0x80) << c.name;
        expectShows(readOurs(out), picture, c.left, c.top);
    }
}

// Our file, decoded by a peer into PPM, shows our picture's colours.
void expectPeerDecodes(const std::string& command, const bitmap::Dib& dib,
                       const std::string& what) {
    const auto run = runCommand(command);
    ASSERT_EQ(run.exitCode, 0) << what << ": " << command << run.err;
    const Ppm decoded = gif_test::parsePpm(
        std::span(reinterpret_cast<const uint8_t*>(run.out.data()), run.out.size()));
    ASSERT_EQ(decoded.width, dib.width()) << command;
    ASSERT_EQ(decoded.height, dib.height()) << command;
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            ASSERT_EQ(decoded.pixels[static_cast<size_t>(y * dib.width() + x)],
                      gif_test::paletteColour(dib, testing_support::pixelAt(dib, x, y)))
                << what << ": " << command << " " << x << "," << y;
}

// Indices as giflib's gifbuild -d dumps them (one character per pixel, a
// key from the map, or two hex digits per pixel for larger maps).
std::vector<int> gifbuildDump(const std::string& dump) {
    std::istringstream in(dump);
    std::string line;
    std::vector<char> keys;
    std::vector<int> indices;
    bool hex = false, inImage = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            inImage = inImage && line.empty() ? false : inImage;
            continue;
        }
        if (const auto at = line.find(" is "); at != std::string::npos && !inImage)
            keys.push_back(line[at + 4]);
        if (line.rfind("image bits", 0) == 0) {
            inImage = true;
            hex = line.find("hex") != std::string::npos;
            continue;
        }
        if (!inImage)
            continue;
        if (hex) {
            for (size_t i = 0; i + 1 < line.size(); i += 2)
                indices.push_back(std::stoi(line.substr(i, 2), nullptr, 16));
        } else {
            for (const char c : line)
                indices.push_back(
                    static_cast<int>(std::find(keys.begin(), keys.end(), c) - keys.begin()));
        }
    }
    return indices;
}

TEST(GifPeer, PeersReadOurFiles) {
    const bool magick = hasTool("convert"), giflib = hasTool("giftext") && hasTool("gifbuild"),
               netpbm = hasTool("giftopnm");
    if (!magick && !giflib && !netpbm)
        GTEST_SKIP() << "no peer GIF decoder is installed";
    TempDir dir;
    static uint32_t modulo = 2;
    for (const uint32_t colours : {2u, 3u, 16u, 200u, 256u}) {
        modulo = colours;
        const auto dib = gif_test::makeIndexedDib(43, 29, colours, [](int x, int y) {
            return int((x * 13 + y * 7 + (x * y) % 5) % modulo);
        });
        for (const bool interlaced : {true, false}) {
            const std::string path = dir.file("ours.gif");
            ASSERT_EQ(bitmap::GifWriter(dib).save(path, interlaced), 0);
            const std::string what = std::to_string(colours) + (interlaced ? " interlaced" : "");
            if (magick)
                expectPeerDecodes("convert " + quote(path) + " ppm:-", dib, what);
            if (netpbm)
                expectPeerDecodes("giftopnm " + quote(path) + " | ppmtoppm", dib, what);
            if (giflib) {
                const auto text = runCommand("giftext " + quote(path));
                EXPECT_EQ(text.exitCode, 0) << what;
                EXPECT_NE(text.out.find("GIF file terminated normally"), std::string::npos) << what;
                EXPECT_EQ(text.out.find(interlaced ? "Non Interlaced" : "Image is Interlaced"),
                          std::string::npos)
                    << what;
                const auto dump = runCommand("gifbuild -d " + quote(path));
                ASSERT_EQ(dump.exitCode, 0) << what;
                const auto indices = gifbuildDump(dump.out);
                ASSERT_EQ(indices.size(), 43u * 29u) << what;
                for (int i = 0; i < 43 * 29; ++i)
                    ASSERT_EQ(indices[static_cast<size_t>(i)],
                              testing_support::pixelAt(dib, i % 43, i / 43))
                        << what << " pixel " << i;
            }
        }
    }
}

}  // namespace
