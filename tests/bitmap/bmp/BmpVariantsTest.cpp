// The kinds of BMP file that viewers show, one row each: every variant is
// made here from a picture with colour and coverage -- by hand from the
// format's definition, or by the peers -- and decoded. Where the variant is
// made by hand its pixels must be exactly what the definition says (each
// channel scaled to 0..255, alpha put over white); where ImageMagick reads
// the variant as the definition does, our grey picture must match its
// rendering over white (when ImageMagick and libjpeg's tools are there).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "bitmap/ByteOrder.h"
#include "bitmap/ImageProc.h"
#include "bitmap/formats/BmpFile.h"
#include "support/TestSupport.h"
#include "tests/bitmap/bmp/BmpBuilder.h"

using bmptest::BmpParts;
using bmptest::Masks;
using testing_support::quote;
using testing_support::runCommand;

namespace {

constexpr int kWidth = 19;
constexpr int kHeight = 7;

using Rows = std::vector<std::vector<uint32_t>>;

// What a variant is compared with.
enum class Check {
    exact,     // the expected colours only
    both,      // and ImageMagick's rendering
    embedded,  // ImageMagick's rendering of the embedded file
};

struct Variant {
    std::string name;
    std::vector<uint8_t> file;
    Rows expected;  // 0xRRGGBB, top row first; empty without an exact check
    Check check = Check::both;
    std::vector<uint8_t> embedded;  // the JPEG or PNG file inside
};

Rows reversed(Rows rows) {
    std::reverse(rows.begin(), rows.end());
    return rows;
}

template <typename F>
Rows mapped(const Rows& rows, F f) {
    Rows out = rows;
    for (auto& row : out)
        for (auto& v : row)
            v = f(v);
    return out;
}

// A bit-field file of the test picture: the masks go after a 40-byte
// header (four of them with the alpha bit-field coding 6), or inside a
// longer one (the alpha mask from 56 bytes on).
Variant bitFields(std::string name, int bits, uint32_t headerSize, Masks m, Check check,
                  uint32_t compression = 3) {
    const Rows source = bmptest::argbPattern(kWidth, kHeight);
    BmpParts p;
    p.headerSize = headerSize;
    p.width = kWidth;
    p.height = kHeight;
    p.bits = static_cast<uint16_t>(bits);
    p.compression = compression;
    p.masks = {m.red, m.green, m.blue};
    if (headerSize >= 56 || compression == 6)
        p.masks.push_back(m.alpha);
    p.rows = bmptest::packRows(
        reversed(mapped(source, [&](uint32_t c) { return bmptest::packChannels(c, m); })), bits);
    return {std::move(name),
            bmptest::buildBmp(p),
            mapped(source, [&](uint32_t c) { return bmptest::shownColour(c, m); }),
            check,
            {}};
}

// The variant (a file with a V4 or V5 header) with another alpha mask.
Variant withAlphaMask(Variant v, uint32_t mask) {
    bitmap::writeLe32(v.file, 14 + 40 + 12, mask);
    return v;
}

// A 32 bpp file without masks whose fourth bytes are fourth(colour).
Variant plain32(std::string name, const std::function<uint32_t(uint32_t)>& fourth, bool alphaShown,
                Check check) {
    const Rows source = bmptest::argbPattern(kWidth, kHeight);
    BmpParts p;
    p.width = kWidth;
    p.height = -kHeight;  // top-down, for a change
    p.bits = 32;
    p.rows = bmptest::packRows(
        mapped(source, [&](uint32_t c) { return fourth(c) << 24 | (c & 0xFFFFFF); }), 32);
    const Masks shown{0xFF0000, 0xFF00, 0xFF, alphaShown ? 0xFF000000 : 0};
    return {std::move(name),
            bmptest::buildBmp(p),
            mapped(source, [&](uint32_t c) { return bmptest::shownColour(c, shown); }),
            check,
            {}};
}

// A 16 bpp file without masks: 5-5-5, its top bit unused however it is
// set (here where the picture's coverage is above one half).
Variant plain16() {
    const Rows source = bmptest::argbPattern(kWidth, kHeight);
    BmpParts p;
    p.width = kWidth;
    p.height = kHeight;
    p.bits = 16;
    const Masks withTopBit{0x7C00, 0x03E0, 0x001F, 0x8000};
    p.rows = bmptest::packRows(
        reversed(mapped(source, [&](uint32_t c) { return bmptest::packChannels(c, withTopBit); })),
        16);
    const Masks shown{0x7C00, 0x03E0, 0x001F, 0};
    return {"16 bpp without masks, top bit set in half the pixels",
            bmptest::buildBmp(p),
            mapped(source, [&](uint32_t c) { return bmptest::shownColour(c, shown); }),
            Check::both,
            {}};
}

// An indexed file with a short OS/2 2.x header or 2 bpp indices.
Variant indexed(std::string name, int bits, uint32_t headerSize) {
    BmpParts p;
    p.headerSize = headerSize;
    p.width = kWidth;
    p.height = kHeight;
    p.bits = static_cast<uint16_t>(bits);
    p.table = bmptest::colourTable(1 << bits);
    const Rows indices = bmptest::pattern(kWidth, kHeight, bits);
    p.rows = bmptest::packRows(reversed(indices), bits);
    return {std::move(name),
            bmptest::buildBmp(p),
            mapped(indices, [](uint32_t i) { return bmptest::tableColour(static_cast<int>(i)); }),
            Check::exact,
            {}};
}

// 24 bpp rows with a short OS/2 2.x header, plain or run-length coded.
Variant os2TrueColour(std::string name, uint32_t headerSize, bool runLength) {
    // Blocks of three equal pixels give the coder runs as well as literals.
    Rows colours(kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            colours[static_cast<size_t>(y)].push_back(
                bmptest::patternValue(runLength ? x / 3 : x, y, 24));
    BmpParts p;
    p.headerSize = headerSize;
    p.width = kWidth;
    p.height = kHeight;
    p.bits = 24;
    p.compression = runLength ? 4 : 0;
    p.rows =
        runLength ? bmptest::rle24(reversed(colours)) : bmptest::packRows(reversed(colours), 24);
    return {std::move(name), bmptest::buildBmp(p), colours, Check::exact, {}};
}

class BmpVariants : public ::testing::Test {
protected:
    const bool peers = testing_support::hasTool("convert") && testing_support::hasTool("cjpeg");

    // A JPEG or PNG file made by the peers from the test picture.
    std::vector<uint8_t> peerFile(const std::string& command, const std::string& name) {
        const auto r = runCommand("cd " + quote(dir.path()) + " && " + command);
        EXPECT_EQ(r.exitCode, 0) << command << "\n" << r.err;
        return testing_support::readFile(dir.file(name));
    }

    Variant embedded(std::string name, uint32_t compression, std::vector<uint8_t> picture) {
        BmpParts p;
        p.headerSize = compression == 5 ? 124 : 40;
        p.width = kWidth;
        p.height = kHeight;
        p.bits = 0;
        p.compression = compression;
        p.rows = picture;
        return {std::move(name), bmptest::buildBmp(p), {}, Check::embedded, std::move(picture)};
    }

    // ImageMagick's rendering of a file over white, in grey.
    std::vector<uint8_t> peerGrey(const std::string& path) {
        const std::string out = dir.file("ref.pgm");
        const auto r = runCommand("convert " + quote(path) +
                                  " -background white -flatten -grayscale Rec601Luma -depth 8 "
                                  "pgm:" +
                                  quote(out));
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return testing_support::readNetpbm(out).values;
    }

    // The grey picture the program makes of the file.
    std::vector<uint8_t> ourGrey(const std::string& path) {
        const auto dib = proc.loadBitmap(path);
        EXPECT_TRUE(dib) << proc.lastError();
        if (!dib)
            return {};
        const auto grey = proc.changeBitmapFormatFromSimple(*dib, 0, 0, 8);
        EXPECT_TRUE(grey) << proc.lastError();
        std::vector<uint8_t> values;
        for (int y = 0; grey && y < grey->height(); ++y)
            for (int x = 0; x < grey->width(); ++x)
                values.push_back(static_cast<uint8_t>(testing_support::pixelAt(*grey, x, y)));
        return values;
    }

    testing_support::TempDir dir;
    bitmap::ImageProc proc;
};

TEST_F(BmpVariants, EachVariantShowsWhatItsDefinitionAndImageMagickSay) {
    const Masks rgba{0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
    const Masks swapped{0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
    const auto opaque = [](Masks m) {
        m.alpha = 0;
        return m;
    };
    const std::string ppm = "convert -size 40x30 -seed 9 plasma:fractal -depth 8 src.ppm && ";
    std::vector<Variant> variants = {
        // ImageMagick scales 8-, 10- and 11-bit channels as the definition does.
        bitFields("32 bpp R-G-B-A masks, V5 header", 32, 124, rgba, Check::both),
        bitFields("32 bpp masks with red in the low byte, V4 header", 32, 108, swapped,
                  Check::both),
        bitFields("32 bpp 11-11-10 after a 40-byte header", 32, 40,
                  {0xFFE00000, 0x001FFC00, 0x000003FF, 0}, Check::both),
        bitFields("16 bpp 5-6-5 after a 40-byte header", 16, 40, {0xF800, 0x07E0, 0x001F, 0},
                  Check::both),
        // ImageMagick shifts 4-bit channels (15 becomes 240) and 1- or 2-bit
        // alpha (1 becomes 128); the 52-byte header's missing alpha mask it
        // takes for full transparency. These are checked by definition.
        bitFields("32 bpp 10-10-10-2 with alpha, 56-byte header", 32, 56,
                  {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000}, Check::exact),
        bitFields("16 bpp 4-4-4-4 with the alpha bit-field coding", 16, 40,
                  {0x0F00, 0x00F0, 0x000F, 0xF000}, Check::exact, 6),
        bitFields("16 bpp 4-4-4 in a 52-byte header", 16, 52, {0x0F00, 0x00F0, 0x000F, 0},
                  Check::exact),
        bitFields("16 bpp 1-9-2-4 alpha, red, green, blue, V5 header", 16, 124,
                  {0x7FC0, 0x0030, 0x000F, 0x8000}, Check::exact),
        bitFields("16 bpp 2-3-1 with bits unused, V5 header", 16, 124, {0x30, 0x0E, 0x01, 0},
                  Check::exact),
        bitFields("16 bpp 3-10-3, V4 header", 16, 108, {0xE000, 0x1FF8, 0x0007, 0}, Check::exact),
        bitFields("32 bpp B-G-R with an alpha mask of zero bits, V5 header", 32, 124,
                  opaque(swapped), Check::both),
        withAlphaMask(bitFields("16 bpp 5-5-5 with an alpha mask over the colours: opaque", 16, 124,
                                {0x7C00, 0x03E0, 0x001F, 0}, Check::exact),
                      0xFFFF),
        plain16(),
        plain32(
            "32 bpp, fourth bytes carry alpha", [](uint32_t c) { return c >> 24; }, true,
            Check::both),
        plain32(
            "32 bpp, fourth bytes all 0", [](uint32_t) { return 0u; }, false, Check::both),
        plain32(
            "32 bpp, fourth bytes all 0x80", [](uint32_t) { return 0x80u; }, false, Check::exact),
        indexed("2 bpp colour table", 2, 40),
        indexed("8 bpp, 16-byte OS/2 2.x header", 8, 16),
        indexed("4 bpp, 24-byte OS/2 2.x header", 4, 24),
        os2TrueColour("24 bpp, 16-byte OS/2 2.x header", 16, false),
        os2TrueColour("RLE24, 64-byte OS/2 2.x header", 64, true),
        os2TrueColour("RLE24, 20-byte OS/2 2.x header", 20, true),
    };
    variants.push_back(embedded(
        "embedded PNG with alpha, V5 header", 5,
        peerFile(ppm + "convert src.ppm -alpha set -channel A -fx 'i/w' +channel PNG32:e.png",
                 "e.png")));
    variants.push_back(
        embedded("embedded JPEG", 4, peerFile(ppm + "cjpeg -quality 90 src.ppm > e.jpg", "e.jpg")));

    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        const std::string path = dir.file("variant.bmp");
        testing_support::writeFile(path, v.file);
        if (!v.expected.empty()) {
            const auto dib = bitmap::decodeBmp(v.file);
            ASSERT_TRUE(dib.ok()) << dib.failure().text;
            ASSERT_EQ(dib->height(), static_cast<int>(v.expected.size()));
            for (int y = 0; y < dib->height(); ++y)
                for (int x = 0; x < dib->width(); ++x)
                    ASSERT_EQ(bmptest::colourAt(*dib, x, y),
                              v.expected[static_cast<size_t>(y)][static_cast<size_t>(x)])
                        << x << "," << y;
        }
        if (v.check == Check::exact || !peers)
            continue;
        std::string reference = path;
        if (v.check == Check::embedded) {
            reference = dir.file("embedded");
            testing_support::writeFile(reference, v.embedded);
        }
        const auto ours = ourGrey(path);
        const auto theirs = peerGrey(reference);
        ASSERT_EQ(ours.size(), theirs.size());
        EXPECT_GE(testing_support::psnr(ours, theirs), 45.0);
    }
}

}  // namespace
