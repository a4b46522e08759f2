// BMP files made by ImageMagick and netpbm at test time must decode to the
// pixels they were made from, and the peers must read our files back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bitmap/ByteOrder.h"
#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "bitmap/formats/BmpFile.h"
#include "support/TestSupport.h"
#include "tests/bitmap/bmp/BmpBuilder.h"

using testing_support::quote;
using testing_support::runCommand;
using testing_support::TempDir;

namespace {

constexpr int kWidth = 13;
constexpr int kHeight = 7;

// Colours whose channels are 0 or 255 survive 16-bit storage exactly.
const std::vector<uint32_t> kPrimaries = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                          0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
const std::vector<uint32_t> kMixed = {0x000000, 0xFFFFFF, 0xC86432, 0x0A141E, 0x123456, 0x808080,
                                      0xFE0102, 0x01FE03, 0x7F7F80, 0x336699, 0x996633, 0x10E0A0};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> colours;  // 0xRRGGBB, top row first
    uint32_t at(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
};

Picture makePattern(const std::vector<uint32_t>& palette) {
    Picture p{kWidth, kHeight, {}};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            p.colours.push_back(palette[(x * 3 + y * 5) % palette.size()]);
    return p;
}

Picture greyPattern() {
    Picture p{kWidth, kHeight, {}};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            p.colours.push_back(((x * 17 + y * 31) % 256) * 0x010101u);
    return p;
}

void writePpm(const std::string& path, const Picture& p) {
    std::string text =
        "P6\n" + std::to_string(p.width) + " " + std::to_string(p.height) + "\n255\n";
    for (uint32_t c : p.colours) {
        text += static_cast<char>(c >> 16);
        text += static_cast<char>(c >> 8);
        text += static_cast<char>(c);
    }
    testing_support::writeFile(path, text);
}

// Reads the binary PPM a peer wrote.
Picture readPpm(const std::string& path) {
    const auto bytes = testing_support::readFile(path);
    size_t at = 0;
    auto token = [&]() {
        std::string t;
        while (at < bytes.size() && isspace(bytes[at]))
            ++at;
        while (at < bytes.size() && !isspace(bytes[at]))
            t += static_cast<char>(bytes[at++]);
        return t;
    };
    Picture p;
    if (token() != "P6")
        throw std::runtime_error("not a P6 file: " + path);
    p.width = std::stoi(token());
    p.height = std::stoi(token());
    if (std::stoi(token()) != 255)
        throw std::runtime_error("not 8-bit: " + path);
    ++at;
    for (int i = 0; i < p.width * p.height; ++i, at += 3)
        p.colours.push_back(uint32_t{bytes.at(at)} << 16 | uint32_t{bytes.at(at + 1)} << 8 |
                            bytes.at(at + 2));
    return p;
}

void expectSameColours(const bitmap::Dib& dib, const Picture& expected) {
    ASSERT_EQ(dib.width(), expected.width);
    ASSERT_EQ(dib.height(), expected.height);
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            ASSERT_EQ(bmptest::colourAt(dib, x, y), expected.at(x, y)) << x << "," << y;
}

uint32_t declaredHeaderSize(const std::string& path) {
    return bitmap::readLe32(testing_support::readFile(path), 14);
}

class PeerFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing_support::hasTool("convert"))
            GTEST_SKIP() << "ImageMagick is not installed";
    }
    // Runs a peer command; the test fails if it does.
    void run(const std::string& command) {
        const auto r = runCommand(command);
        ASSERT_EQ(r.exitCode, 0) << command << "\n" << r.err;
    }
    std::optional<bitmap::Dib> load(const std::string& path) {
        auto dib = proc.loadBitmap(path);
        EXPECT_TRUE(dib) << path << ": " << proc.lastError();
        return dib;
    }

    TempDir dir;
    bitmap::ImageProc proc;
};

TEST_F(PeerFiles, ImageMagickVariantsDecodeToTheSourcePixels) {
    struct Variant {
        std::string options;  // put before the output name
        std::string format;
        uint32_t headerSize;
        int bits;  // 0: whatever the tool picks
    };
    const std::vector<Variant> variants = {
        {"-type TrueColor", "BMP3", 40, 24},
        {"-type Palette", "BMP3", 40, 0},
        {"-type Palette -colors 200", "BMP3", 40, 0},
        {"-type TrueColor", "BMP", 124, 24},
        {"-type TrueColorAlpha", "BMP", 124, 32},
        {"-type TrueColor -define bmp:format=bmp4", "BMP", 0, 24},
        {"-type TrueColor", "BMP2", 12, 24},
        {"-type Palette", "BMP2", 12, 0},
    };
    const Picture source = makePattern(kMixed);
    writePpm(dir.file("in.ppm"), source);
    for (const auto& v : variants) {
        SCOPED_TRACE(v.options + " " + v.format);
        const std::string out = dir.file("out.bmp");
        run("convert " + quote(dir.file("in.ppm")) + " " + v.options + " " + v.format + ":" +
            quote(out));
        if (v.headerSize != 0) {
            EXPECT_EQ(declaredHeaderSize(out), v.headerSize);
        }
        const auto dib = load(out);
        if (!dib)
            continue;
        if (v.bits != 0) {
            EXPECT_EQ(dib->bitCount(), v.bits);
        }
        expectSameColours(*dib, source);
    }
}

TEST_F(PeerFiles, ImageMagickSixteenBitFilesDecode) {
    // The 16-bit subtypes are written with the full header; ImageMagick's
    // BMP3 writer omits the masks it declares, so it is not used here.
    const Picture source = makePattern(kPrimaries);
    writePpm(dir.file("in.ppm"), source);
    for (const std::string subtype : {"RGB565", "RGB555"}) {
        SCOPED_TRACE(subtype);
        run("convert " + quote(dir.file("in.ppm")) + " -define bmp:subtype=" + subtype +
            " BMP:" + quote(dir.file("out.bmp")));
        const auto file = testing_support::readFile(dir.file("out.bmp"));
        ASSERT_EQ(bitmap::readLe16(file, 28), 16);
        const auto dib = load(dir.file("out.bmp"));
        if (!dib)
            continue;
        EXPECT_EQ(dib->bitCount(), 24);
        expectSameColours(*dib, source);
    }
}

TEST_F(PeerFiles, ImageMagickGreyAndBilevelFiles) {
    const Picture grey = greyPattern();
    writePpm(dir.file("grey.ppm"), grey);
    run("convert " + quote(dir.file("grey.ppm")) + " -colorspace Gray " +
        quote(dir.file("grey.pgm")));
    run("convert " + quote(dir.file("grey.pgm")) +
        " -type Grayscale BMP3:" + quote(dir.file("g.bmp")));
    if (const auto dib = load(dir.file("g.bmp")))
        expectSameColours(*dib, grey);

    const Picture bw = makePattern({0x000000, 0xFFFFFF, 0xFFFFFF});
    writePpm(dir.file("bw.ppm"), bw);
    run("convert " + quote(dir.file("bw.ppm")) + " -type Bilevel BMP3:" + quote(dir.file("b.bmp")));
    if (const auto dib = load(dir.file("b.bmp"))) {
        EXPECT_EQ(dib->bitCount(), 1);
        expectSameColours(*dib, bw);
    }
}

TEST_F(PeerFiles, ImageMagickRunLengthFilesDecode) {
    const Picture colour = makePattern(kMixed);
    const Picture bw = makePattern({0x000000, 0xFFFFFF, 0xFFFFFF});
    writePpm(dir.file("colour.ppm"), colour);
    writePpm(dir.file("bw.ppm"), bw);
    for (const auto& [type, source] : {std::pair{"Palette", &colour}, std::pair{"Bilevel", &bw}}) {
        SCOPED_TRACE(type);
        const std::string in = dir.file(source == &bw ? "bw.ppm" : "colour.ppm");
        run("convert " + quote(in) + " -type " + type +
            " -compress RLE BMP3:" + quote(dir.file("rle.bmp")));
        const auto file = testing_support::readFile(dir.file("rle.bmp"));
        ASSERT_EQ(bitmap::readLe32(file, 30), 1u);  // RLE8
        if (const auto dib = load(dir.file("rle.bmp")))
            expectSameColours(*dib, *source);
    }
}

TEST_F(PeerFiles, NetpbmVariantsDecodeToTheSourcePixels) {
    if (!testing_support::hasTool("ppmtobmp"))
        GTEST_SKIP() << "netpbm is not installed";
    const Picture colour = makePattern(kMixed);
    const Picture bw = makePattern({0x000000, 0xFFFFFF, 0xFFFFFF});
    writePpm(dir.file("colour.ppm"), colour);
    writePpm(dir.file("bw.ppm"), bw);
    struct Variant {
        std::string options;
        const Picture* source;
        int bits;
    };
    const std::vector<Variant> variants = {
        {"-bpp 1", &bw, 1},
        {"-bpp 4", &colour, 4},
        {"-bpp 8", &colour, 8},
        {"-bpp 24", &colour, 24},
        {"-windows", &colour, 0},
        {"-os2 -bpp 4", &colour, 4},
        {"-os2 -bpp 24", &colour, 24},
        {"-os2 -bpp 1", &bw, 1},
    };
    for (const auto& v : variants) {
        SCOPED_TRACE(v.options);
        const std::string in = dir.file(v.source == &bw ? "bw.ppm" : "colour.ppm");
        run("ppmtobmp " + v.options + " " + quote(in) + " > " + quote(dir.file("out.bmp")));
        const auto dib = load(dir.file("out.bmp"));
        if (!dib)
            continue;
        if (v.bits != 0) {
            EXPECT_EQ(dib->bitCount(), v.bits);
        }
        expectSameColours(*dib, *v.source);
    }
}

TEST_F(PeerFiles, PeersReadOurFilesAndAgreeOnTopDownRows) {
    // Our own writer, at each depth, with a colour table that is not grey.
    for (int bits : {1, 4, 8, 24}) {
        SCOPED_TRACE(bits);
        bmptest::BmpParts parts;
        parts.width = kWidth;
        parts.height = kHeight;
        parts.bits = static_cast<uint16_t>(bits);
        if (bits <= 8)
            parts.table = bmptest::colourTable(1 << bits);
        parts.rows = bmptest::packRows(bmptest::pattern(kWidth, kHeight, bits), bits);
        auto decoded = bitmap::decodeBmp(bmptest::buildBmp(parts));
        ASSERT_TRUE(decoded.ok());
        ASSERT_TRUE(proc.saveBitmap(dir.file("ours.bmp"), *decoded)) << proc.lastError();
        run("convert " + quote(dir.file("ours.bmp")) +
            " -depth 8 ppm:" + quote(dir.file("ours.ppm")));
        expectSameColours(*decoded, readPpm(dir.file("ours.ppm")));

        // The same rows stored top row first: ImageMagick and we must agree.
        auto rows = bmptest::pattern(kWidth, kHeight, bits);
        std::reverse(rows.begin(), rows.end());
        parts.rows = bmptest::packRows(rows, bits);
        parts.height = -kHeight;
        testing_support::writeFile(dir.file("topdown.bmp"), bmptest::buildBmp(parts));
        run("convert " + quote(dir.file("topdown.bmp")) +
            " -depth 8 ppm:" + quote(dir.file("td.ppm")));
        const auto topDown = load(dir.file("topdown.bmp"));
        ASSERT_TRUE(topDown);
        EXPECT_EQ(topDown->height(), kHeight);
        expectSameColours(*topDown, readPpm(dir.file("td.ppm")));
    }
}

}  // namespace
