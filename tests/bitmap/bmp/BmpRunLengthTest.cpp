// Run-length coded BMP files (RLE8, RLE4 and OS/2's RLE24): runs, literal
// runs, deltas, clipping at the picture's edges, and data that ends too soon.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/TextFormat.h"
#include "bitmap/Texts.h"
#include "bitmap/formats/BmpFile.h"
#include "support/TestSupport.h"
#include "tests/bitmap/bmp/AllocationProbe.h"
#include "tests/bitmap/bmp/BmpBuilder.h"

namespace {

namespace text = bitmap::text;
using Rows = std::vector<std::vector<int>>;

// RLE24 comes in OS/2 2.x headers only.
std::vector<uint8_t> rleFile(int bits, int width, int height, std::vector<uint8_t> data,
                             uint32_t headerSize = 40) {
    bmptest::BmpParts p;
    p.headerSize = bits == 24 ? 64 : headerSize;
    p.width = width;
    p.height = height;
    p.bits = static_cast<uint16_t>(bits);
    p.compression = bits == 8 ? 1 : bits == 4 ? 2 : 4;
    if (bits <= 8)
        p.table = bmptest::colourTable(1 << bits);
    p.rows = std::move(data);
    return bmptest::buildBmp(p);
}

TEST(BmpRunLength, CodesPaintThePicture) {
    struct Case {
        const char* name;
        int bits, width, height;
        std::vector<uint8_t> data;
        Rows topRowFirst;
        uint32_t headerSize = 40;
    };
    const std::vector<Case> cases = {
        {"runs, a padded literal, end of line, end of picture",
         8,
         6,
         2,
         {3, 1, 0, 3, 5, 6, 7, 0, 0, 0, 2, 9, 0, 1},
         {{9, 9, 0, 0, 0, 0}, {1, 1, 1, 5, 6, 7}}},
        {"a delta skips pixels, which stay 0",
         8,
         6,
         2,
         {1, 4, 0, 2, 2, 1, 1, 5, 0, 1},
         {{0, 0, 0, 5, 0, 0}, {4, 0, 0, 0, 0, 0}}},
        {"a run past the end of its row is clipped, not carried over",
         8,
         4,
         2,
         {6, 3, 0, 0, 2, 2, 0, 1},
         {{2, 2, 0, 0}, {3, 3, 3, 3}}},
        {"a literal past the end of its row is clipped",
         8,
         4,
         1,
         {0, 5, 1, 2, 3, 4, 5, 0, 0, 1},
         {{1, 2, 3, 4}}},
        {"a delta past the right edge leaves the rest of the row",
         8,
         4,
         2,
         {1, 7, 0, 2, 10, 0, 2, 8, 0, 0, 1, 9, 0, 1},
         {{9, 0, 0, 0}, {7, 0, 0, 0}}},
        {"a delta past the last row ends the picture",
         8,
         2,
         2,
         {2, 1, 0, 2, 0, 5, 2, 2},
         {{0, 0}, {1, 1}}},
        {"the last row's end of line ends it without an end code", 8, 2, 1, {2, 3, 0, 0}, {{3, 3}}},
        {"top-down rows", 8, 2, -2, {2, 1, 0, 0, 2, 2, 0, 1}, {{1, 1}, {2, 2}}},
        {"an OS/2 2.x header", 8, 2, 1, {2, 3, 0, 1}, {{3, 3}}, 64},
        {"RLE4 runs alternate nibbles; literals are nibbles, padded",
         4,
         8,
         2,
         {3, 0x12, 0, 5, 0x34, 0x56, 0x70, 0, 0, 0, 1, 0x70, 0, 1},
         {{7, 0, 0, 0, 0, 0, 0, 0}, {1, 2, 1, 3, 4, 5, 6, 7}}},
        {"RLE4 clipped at an odd width", 4, 3, 1, {4, 0x56, 0, 1}, {{5, 6, 5}}},
        {"RLE24 runs and literals of blue-green-red triples, padded; skipped pixels black",
         24,
         5,
         2,
         {2, 0x10, 0x20, 0x30, 0, 3, 1, 2, 3, 4,    5,    6,    7, 8,
          9, 0,    0,    0,    0, 2, 2, 0, 3, 0xAA, 0xBB, 0xCC, 0, 1},
         {{0, 0, 0xCCBBAA, 0xCCBBAA, 0xCCBBAA},
          {0x302010, 0x302010, 0x030201, 0x060504, 0x090807}}},
        {"RLE24 clipped at the row's end", 24, 2, 1, {3, 1, 2, 3, 0, 1}, {{0x030201, 0x030201}}},
    };
    for (const auto& c : cases) {
        const auto result =
            bitmap::decodeBmp(rleFile(c.bits, c.width, c.height, c.data, c.headerSize));
        ASSERT_TRUE(result.ok()) << c.name << ": " << result.failure().text;
        const bitmap::Dib& dib = *result;
        ASSERT_EQ(dib.bitCount(), c.bits) << c.name;
        EXPECT_EQ(dib.header().biCompression, 0u) << c.name;
        EXPECT_EQ(dib.header().biSizeImage, dib.stride() * dib.height()) << c.name;
        for (size_t y = 0; y < c.topRowFirst.size(); ++y)
            for (size_t x = 0; x < c.topRowFirst[y].size(); ++x) {
                const int px = static_cast<int>(x);
                const int py = static_cast<int>(y);
                const auto value = c.bits == 24 ? static_cast<int>(bmptest::colourAt(dib, px, py))
                                                : testing_support::pixelAt(dib, px, py);
                EXPECT_EQ(value, c.topRowFirst[y][x]) << c.name << " at " << x << "," << y;
            }
    }
}

TEST(BmpRunLength, BrokenDataIsRefused) {
    struct Case {
        const char* name;
        int bits, width, height;
        std::vector<uint8_t> data;
        std::string message;
        uint16_t declaredBits = 0;  // 0: as `bits`
    };
    using bitmap::formatText;
    const std::vector<Case> cases = {
        {"data ends before the last row", 8, 2, 2, {2, 1, 0, 0}, std::string(text::kBmpTruncated)},
        {"no data at all", 8, 2, 2, {}, std::string(text::kBmpTruncated)},
        {"a literal cut short", 8, 4, 1, {0, 4, 1, 2}, std::string(text::kBmpTruncated)},
        {"a delta cut short", 8, 4, 1, {0, 2, 1}, std::string(text::kBmpTruncated)},
        {"an RLE24 run cut inside its pixel",
         24,
         4,
         1,
         {2, 1, 2},
         std::string(text::kBmpTruncated)},
        {"an RLE24 literal cut short",
         24,
         4,
         1,
         {0, 3, 1, 2, 3, 4, 5, 6, 7, 8},
         std::string(text::kBmpTruncated)},
        {"RLE8 on a 4 bpp picture",
         8,
         2,
         1,
         {2, 1, 0, 1},
         formatText(text::kBmpCodingDepth, {"RLE8", 4}),
         4},
        {"RLE4 on an 8 bpp picture",
         4,
         2,
         1,
         {2, 1, 0, 1},
         formatText(text::kBmpCodingDepth, {"RLE4", 8}),
         8},
    };
    for (const auto& c : cases) {
        auto file = rleFile(c.bits, c.width, c.height, c.data);
        if (c.declaredBits != 0)
            file[28] = static_cast<uint8_t>(c.declaredBits);
        const auto result = bitmap::decodeBmp(file);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.failure().text, c.message) << c.name;
    }
}

TEST(BmpRunLength, DataThatEndsEarlyCostsNoPicture) {
    // 2^28 pixels declared, a few rows' worth of codes: refused before
    // anything of the picture's size is allocated.
    const auto file = rleFile(8, 1 << 14, 1 << 14, {255, 1, 0, 0, 0, 2, 0, 200, 4, 4});
    bmptest::resetLargestAllocation();
    const auto result = bitmap::decodeBmp(file);
    EXPECT_LT(bmptest::largestAllocation(), 4096u);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().text, text::kBmpTruncated);
}

}  // namespace
