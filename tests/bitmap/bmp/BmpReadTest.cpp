#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/TextFormat.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "bitmap/formats/BmpFile.h"
#include "support/TestSupport.h"
#include "tests/bitmap/bmp/AllocationProbe.h"
#include "tests/bitmap/bmp/BmpBuilder.h"

using bmptest::BmpParts;
namespace text = bitmap::text;

namespace {

// A refusal's text; empty for a picture.
std::string messageOf(const carvello::Outcome<bitmap::Dib>& result) {
    return result ? std::string() : result.failure().text;
}

// A picture of the given depth with the test pattern, rows bottom-up.
BmpParts patternParts(int width, int height, int bits) {
    BmpParts p;
    p.width = width;
    p.height = height;
    p.bits = static_cast<uint16_t>(bits);
    if (bits <= 8)
        p.table = bmptest::colourTable(1 << bits);
    auto rows = bmptest::pattern(width, height, bits);
    std::reverse(rows.begin(), rows.end());  // the file stores the bottom row first
    p.rows = bmptest::packRows(rows, bits);
    return p;
}

// Checks every pixel of a decoded pattern picture.
void expectPattern(const bitmap::Dib& dib, int width, int height, int bits) {
    ASSERT_EQ(dib.width(), width);
    ASSERT_EQ(dib.height(), height);
    // 2 bpp indices are kept at 4 bpp.
    ASSERT_EQ(dib.bitCount(), bits == 2 ? 4 : bits);
    EXPECT_EQ(dib.header().biSize, 40u);
    EXPECT_EQ(dib.header().biCompression, 0u);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t v = bmptest::patternValue(x, y, bits);
            if (bits <= 8) {
                ASSERT_EQ(testing_support::pixelAt(dib, x, y), static_cast<int>(v))
                    << x << "," << y;
                ASSERT_EQ(bmptest::colourAt(dib, x, y), bmptest::tableColour(static_cast<int>(v)));
            } else {
                ASSERT_EQ(bmptest::colourAt(dib, x, y), v & 0xFFFFFF) << x << "," << y;
            }
            if (bits == 32) {
                const auto row = dib.storedRow(height - 1 - y);
                ASSERT_EQ(row[static_cast<size_t>(x) * 4 + 3], v >> 24);
            }
        }
    }
}

carvello::Outcome<bitmap::Dib> decode(const BmpParts& p) {
    return bitmap::decodeBmp(bmptest::buildBmp(p));
}

void expectRefused(const BmpParts& p, std::string_view message) {
    const auto result = decode(p);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(messageOf(result), message);
}

class EveryDepth : public ::testing::TestWithParam<int> {};

TEST_P(EveryDepth, BottomUpRowsDecodeExactly) {
    const int bits = GetParam();
    for (int width : {1, 5, 9, 33}) {
        const auto result = decode(patternParts(width, 3, bits));
        ASSERT_TRUE(result.ok()) << messageOf(result);
        expectPattern(*result, width, 3, bits);
    }
}

TEST_P(EveryDepth, TopDownRowsAreTurnedBottomUp) {
    const int bits = GetParam();
    BmpParts p = patternParts(7, 4, bits);
    p.height = -4;
    p.rows = bmptest::packRows(bmptest::pattern(7, 4, bits), bits);  // top row first
    const auto result = decode(p);
    ASSERT_TRUE(result.ok()) << messageOf(result);
    EXPECT_EQ(result->header().biHeight, 4);
    expectPattern(*result, 7, 4, bits);
}

TEST_P(EveryDepth, LongerHeadersKeepTheirTableAfterTheDeclaredSize) {
    const int bits = GetParam();
    // The Windows headers, the whole OS/2 2.x header and its short forms.
    for (uint32_t size : {52u, 56u, 108u, 124u, 64u, 16u, 20u, 36u, 42u, 48u, 60u}) {
        BmpParts p = patternParts(6, 3, bits);
        p.headerSize = size;
        const auto result = decode(p);
        ASSERT_TRUE(result.ok()) << size << ": " << messageOf(result);
        expectPattern(*result, 6, 3, bits);
    }
}

INSTANTIATE_TEST_SUITE_P(BmpReader, EveryDepth, ::testing::Values(1, 2, 4, 8, 24, 32));

TEST(BmpReader, KeepsResolutionAndPlainHeaderFields) {
    BmpParts p = patternParts(4, 2, 8);
    p.xPels = 2835;
    p.yPels = 1234;
    const auto result = decode(p);
    ASSERT_TRUE(result.ok());
    const auto h = result->header();
    EXPECT_EQ(h.biXPelsPerMeter, 2835);
    EXPECT_EQ(h.biYPelsPerMeter, 1234);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biSizeImage, 8u);
}

TEST(BmpReader, RowOffsetZeroMeansRowsFollowTheTable) {
    BmpParts p = patternParts(5, 3, 4);
    p.offBits = 0;
    const auto result = decode(p);
    ASSERT_TRUE(result.ok()) << messageOf(result);
    expectPattern(*result, 5, 3, 4);
}

TEST(BmpReader, RowsStartAtTheDeclaredOffset) {
    BmpParts p = patternParts(5, 3, 8);
    p.gap = 37;  // filler between table and rows, skipped through bfOffBits
    const auto result = decode(p);
    ASSERT_TRUE(result.ok()) << messageOf(result);
    expectPattern(*result, 5, 3, 8);

    p.offBits = 20;  // pointing into the info header
    expectRefused(p, text::kBmpBadHeader);
}

TEST(BmpReader, ShortColourTableIsKeptAsDeclared) {
    BmpParts p = patternParts(5, 3, 8);
    p.clrUsed = 5;
    p.table = bmptest::colourTable(5);
    auto rows = bmptest::pattern(5, 3, 8);
    for (auto& row : rows)
        for (auto& v : row)
            v %= 5;
    std::reverse(rows.begin(), rows.end());
    p.rows = bmptest::packRows(rows, 8);
    for (std::optional<uint32_t> off : {std::optional<uint32_t>{}, std::optional<uint32_t>{0}}) {
        p.offBits = off;
        const auto result = decode(p);
        ASSERT_TRUE(result.ok()) << messageOf(result);
        EXPECT_EQ(result->header().biClrUsed, 5u);
        EXPECT_EQ(result->palette().size(), 20u);
        EXPECT_EQ(result->bytes().size(), 40u + 20u + 8u * 3u);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(bmptest::colourAt(*result, x, y),
                          bmptest::tableColour(bmptest::patternValue(x, y, 8) % 5));
    }
}

TEST(BmpReader, OversizedColourCountKeepsOnlyWhatTheDepthIndexes) {
    BmpParts p = patternParts(5, 3, 4);
    p.clrUsed = 40;
    p.table = bmptest::colourTable(40);
    for (std::optional<uint32_t> off : {std::optional<uint32_t>{}, std::optional<uint32_t>{0}}) {
        p.offBits = off;  // with 0 the rows come after all 40 declared entries
        const auto result = decode(p);
        ASSERT_TRUE(result.ok()) << messageOf(result);
        EXPECT_EQ(result->header().biClrUsed, 0u);
        EXPECT_EQ(result->palette().size(), 64u);
        expectPattern(*result, 5, 3, 4);
    }
    // An absurd count with rows placed explicitly: only 16 entries are read.
    p.clrUsed = 0xFFFFFFFF;
    p.offBits.reset();
    const auto result = decode(p);
    ASSERT_TRUE(result.ok()) << messageOf(result);
    expectPattern(*result, 5, 3, 4);
    // The same count with rows "after the table" points past the file.
    p.offBits = 0;
    expectRefused(p, text::kBmpTruncated);
}

TEST(BmpReader, CoreHeaderHasThreeByteColourEntries) {
    for (int bits : {1, 4, 8, 24}) {
        BmpParts p = patternParts(6, 3, bits);
        p.headerSize = 12;
        if (bits <= 8)
            p.table = bmptest::colourTable(1 << bits, 3);
        const auto result = decode(p);
        ASSERT_TRUE(result.ok()) << bits << ": " << messageOf(result);
        expectPattern(*result, 6, 3, bits);
        for (size_t i = 3; i < result->palette().size(); i += 4)
            EXPECT_EQ(result->palette()[i], 0);
    }
    BmpParts p = patternParts(6, 3, 32);
    p.headerSize = 12;
    expectRefused(p, bitmap::formatText(text::kBmpCoreDepth, {32}));
}

TEST(BmpReader, SixteenBitPixelsBecomeTwentyFourBit) {
    BmpParts p;
    p.width = 5;
    p.height = 1;
    p.bits = 16;
    // 5-5-5: white, pure blue, pure green, pure red, a mid value.
    p.rows =
        bmptest::packRows({{0x7FFF, 0x001F, 0x03E0, 0x7C00, (16u << 10) | (8u << 5) | 1u}}, 16);
    const std::vector<uint32_t> expected555 = {0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x844208};
    for (bool declared : {false, true}) {
        if (declared) {
            p.compression = 3;
            p.masks = {0x7C00, 0x03E0, 0x001F};
        }
        const auto result = decode(p);
        ASSERT_TRUE(result.ok()) << messageOf(result);
        EXPECT_EQ(result->bitCount(), 24);
        EXPECT_EQ(result->header().biSizeImage, 16u);
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(bmptest::colourAt(*result, x, 0), expected555[x]);
    }

    // 5-6-5 declared through masks, here inside a V5 header.
    p.headerSize = 124;
    p.masks = {0xF800, 0x07E0, 0x001F, 0};
    p.rows =
        bmptest::packRows({{0xFFFF, 0x001F, 0x07E0, 0xF800, (16u << 11) | (32u << 5) | 1u}}, 16);
    const auto result = decode(p);
    ASSERT_TRUE(result.ok()) << messageOf(result);
    const std::vector<uint32_t> expected565 = {0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x848208};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(bmptest::colourAt(*result, x, 0), expected565[x]);
}

TEST(BmpReader, WhatTheFileCannotMeanIsRefusedByName) {
    using bitmap::formatText;
    auto masked = [](int bits, uint32_t headerSize, std::vector<uint32_t> masks) {
        BmpParts p = patternParts(3, 2, bits);
        p.headerSize = headerSize;
        p.compression = 3;
        p.masks = std::move(masks);
        return p;
    };
    auto coded = [](int bits, uint32_t headerSize, uint32_t compression) {
        BmpParts p = patternParts(4, 2, bits);
        p.headerSize = headerSize;
        p.compression = compression;
        return p;
    };
    const auto badMasks = [](int bits, const char* r, const char* g, const char* b, const char* a) {
        return formatText(text::kBmpBadMasks, {bits, r, g, b, a});
    };
    struct Case {
        const char* name;
        BmpParts parts;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"mask with a gap", masked(16, 40, {0xF0F0, 0x0F00, 0x000F}),
         badMasks(16, "0x0000F0F0", "0x00000F00", "0x0000000F", "0x00000000")},
        {"overlapping masks", masked(32, 124, {0xFFFF00, 0xFF00, 0xFF, 0xFF000000}),
         badMasks(32, "0x00FFFF00", "0x0000FF00", "0x000000FF", "0xFF000000")},
        {"mask beyond a 16-bit pixel", masked(16, 56, {0x1F0000, 0x3E0, 0x1F, 0}),
         badMasks(16, "0x001F0000", "0x000003E0", "0x0000001F", "0x00000000")},
        {"masks at 24 bpp", masked(24, 40, {0xFF0000, 0xFF00, 0xFF}),
         formatText(text::kBmpMasksDepth, {24})},
        {"masks at 8 bpp", masked(8, 108, {0xE0, 0x1C, 0x3}),
         formatText(text::kBmpMasksDepth, {8})},
        {"RLE8 at 4 bpp", coded(4, 40, 1), formatText(text::kBmpCodingDepth, {"RLE8", 4})},
        {"RLE4 at 8 bpp", coded(8, 124, 2), formatText(text::kBmpCodingDepth, {"RLE4", 8})},
        {"RLE24 at 8 bpp", coded(8, 64, 4), formatText(text::kBmpCodingDepth, {"RLE24", 8})},
        {"CMYK", coded(24, 40, 11), formatText(text::kBmpUnsupportedCoding, {"CMYK"})},
        {"CMYK RLE8", coded(8, 124, 12), formatText(text::kBmpUnsupportedCoding, {"CMYK"})},
        {"OS/2 Huffman", coded(1, 64, 3), formatText(text::kBmpUnsupportedCoding, {"Huffman 1D"})},
        {"Windows coding 7", coded(24, 40, 7), formatText(text::kBmpUnknownCoding, {7})},
        {"OS/2 coding 5", coded(24, 64, 5), formatText(text::kBmpUnknownCoding, {5})},
    };
    for (const auto& c : cases)
        expectRefused(c.parts, c.message);
}

TEST(BmpReader, EmbeddedPictureThatDoesNotDecodeIsNamed) {
    for (const auto& [compression, format] : {std::pair{4u, "JPEG"}, std::pair{5u, "PNG"}}) {
        BmpParts p;
        p.width = 4;
        p.height = 2;
        p.bits = 0;
        p.compression = compression;
        p.rows = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
        const auto result = decode(p);
        ASSERT_FALSE(result.ok()) << format;
        const std::string start = bitmap::formatText(text::kBmpEmbeddedUnreadable, {format, ""});
        EXPECT_TRUE(messageOf(result).starts_with(start)) << messageOf(result);
        EXPECT_GT(messageOf(result).size(), start.size()) << "the decoder's own message";
    }
}

TEST(BmpReader, BadHeaderFieldsAreRefused) {
    BmpParts p = patternParts(4, 2, 8);
    for (int32_t width : {0, -4}) {
        p.width = width;
        expectRefused(p, text::kBmpBadSize);
    }
    p = patternParts(4, 2, 8);
    p.height = 0;
    expectRefused(p, text::kBmpBadSize);
    p = patternParts(4, 2, 8);
    for (uint16_t planes : {0, 2}) {
        p.planes = planes;
        expectRefused(p, text::kBmpBadHeader);
    }
    p = patternParts(4, 2, 8);
    for (uint16_t bits : {0, 3, 7, 12, 48, 64}) {
        p.bits = bits;
        expectRefused(p, bitmap::formatText(text::kBmpUnknownDepth, {bits}));
    }
    // Between the sizes of the headers, and OS/2 2.x headers cut inside a field.
    for (uint32_t size : {0u, 14u, 18u, 39u, 41u, 50u, 62u, 100u, 125u, 0xFFFFFFFFu}) {
        p = patternParts(4, 2, 8);
        auto file = bmptest::buildBmp(p);
        bitmap::writeLe32(file, 14, size);
        const auto result = bitmap::decodeBmp(file);
        EXPECT_FALSE(result.ok()) << size;
        EXPECT_EQ(messageOf(result), text::kBmpBadHeader) << size;
    }
    auto file = bmptest::buildBmp(patternParts(4, 2, 8));
    file[0] = 'M';
    file[1] = 'B';
    EXPECT_EQ(messageOf(bitmap::decodeBmp(file)), text::kBmpBadHeader);
}

TEST(BmpReader, EveryCutShortFileIsRefused) {
    std::vector<BmpParts> samples = {patternParts(5, 3, 8), patternParts(9, 2, 1),
                                     patternParts(3, 3, 24)};
    samples[1].headerSize = 124;
    samples[2].headerSize = 12;
    for (const auto& p : samples) {
        const auto file = bmptest::buildBmp(p);
        ASSERT_TRUE(bitmap::decodeBmp(file).ok());
        for (size_t length = 0; length < file.size(); ++length) {
            const auto result = bitmap::decodeBmp(std::span(file).first(length));
            EXPECT_FALSE(result.ok()) << length;
            EXPECT_FALSE(messageOf(result).empty()) << length;
        }
    }
    // With a Windows header, everything shorter than file header plus info
    // header is reported as cut short.
    const auto file = bmptest::buildBmp(samples[0]);
    for (size_t length = 0; length < bitmap::kBmpMinimumFileSize; ++length)
        EXPECT_EQ(messageOf(bitmap::decodeBmp(std::span(file).first(length))), text::kBmpTruncated);
}

TEST(BmpReader, SmallCoreHeaderFileNeedsNoWindowsHeaderLength) {
    BmpParts p = patternParts(6, 3, 1);
    p.headerSize = 12;
    p.table = bmptest::colourTable(2, 3);
    const auto file = bmptest::buildBmp(p);
    ASSERT_LT(file.size(), bitmap::kBmpMinimumFileSize);
    const auto result = bitmap::decodeBmp(file);
    ASSERT_TRUE(result.ok()) << messageOf(result);
    expectPattern(*result, 6, 3, 1);
}

TEST(BmpReader, HugeDimensionsInATinyFileAllocateNothingLarge) {
    struct Case {
        int32_t width, height;
        std::string_view message;
    };
    const std::vector<Case> cases = {
        {1 << 20, 1 << 8, text::kBmpTruncated},        // within limits, rows missing
        {1 << 14, -(1 << 14), text::kBmpTruncated},    // the same, top-down
        {0x7FFFFFFF, 0x7FFFFFFF, text::kBmpTooLarge},  // overflow bait
        {1, INT32_MIN, text::kBmpTooLarge},           {(1 << 20) + 1, 1, text::kBmpTooLarge},
        {1 << 15, 1 << 15, text::kBmpTooLarge},  // 2^30 pixels
    };
    for (const auto& c : cases) {
        BmpParts p = patternParts(2, 2, 32);
        p.width = c.width;
        p.height = c.height;
        const auto file = bmptest::buildBmp(p);
        bmptest::resetLargestAllocation();
        const auto result = bitmap::decodeBmp(file);
        EXPECT_LT(bmptest::largestAllocation(), 4096u) << c.width << "x" << c.height;
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(messageOf(result), c.message) << c.width << "x" << c.height;
    }
}

TEST(BmpReader, GarbageIsRefusedWithAMessage) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> bytes(random() % 300);
        for (auto& b : bytes)
            b = static_cast<uint8_t>(random());
        if (round % 2 == 0 && bytes.size() >= 2) {
            bytes[0] = 'B';
            bytes[1] = 'M';
        }
        const auto result = bitmap::decodeBmp(bytes);
        EXPECT_FALSE(result.ok()) << round;
        EXPECT_FALSE(messageOf(result).empty()) << round;
    }
}

TEST(BmpLoad, FailuresCarryThePrefixAndAMessage) {
    testing_support::TempDir dir;
    bitmap::ImageProc proc;

    EXPECT_FALSE(proc.loadBitmap(dir.file("missing.bmp")));
    EXPECT_EQ(proc.lastError(), "ImageProc::loadBitmap: Nepodařilo se otevřít soubor");
    EXPECT_FALSE(proc.loadBitmap(dir.path()));
    EXPECT_EQ(proc.lastError(), "ImageProc::loadBitmap: Nepodařilo se otevřít soubor");
    EXPECT_FALSE(proc.loadBitmap(""));
    EXPECT_EQ(proc.lastError(), "ImageProc::loadBitmap: Nepodařilo se otevřít soubor");

    auto file = bmptest::buildBmp(patternParts(5, 3, 8));
    testing_support::writeFile(dir.file("short.bmp"), std::span(file).first(53));
    EXPECT_FALSE(proc.loadBitmap(dir.file("short.bmp")));
    EXPECT_EQ(proc.lastError(),
              std::string("ImageProc::loadBitmap: ") + std::string(text::kBmpTruncated));

    BmpParts cmyk = patternParts(5, 3, 24);
    cmyk.compression = 11;
    testing_support::writeFile(dir.file("cmyk.bmp"), bmptest::buildBmp(cmyk));
    EXPECT_FALSE(proc.loadBitmap(dir.file("cmyk.bmp")));
    const std::string cmykRefusal =
        "ImageProc::loadBitmap: " + bitmap::formatText(text::kBmpUnsupportedCoding, {"CMYK"});
    EXPECT_EQ(proc.lastError(), cmykRefusal);

    // Success leaves the last message alone.
    testing_support::writeFile(dir.file("good.bmp"), file);
    const auto dib = proc.loadBitmap(dir.file("good.bmp"));
    ASSERT_TRUE(dib);
    expectPattern(*dib, 5, 3, 8);
    EXPECT_EQ(proc.lastError(), cmykRefusal);
}

}  // namespace
