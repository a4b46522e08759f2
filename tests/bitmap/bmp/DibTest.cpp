#include <gtest/gtest.h>

#include <vector>

#include "bitmap/Dib.h"

using bitmap::BitmapInfoHeader;

namespace {

BitmapInfoHeader header(int width, int height, int bits, uint32_t clrUsed = 0) {
    BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<uint16_t>(bits);
    h.biClrUsed = clrUsed;
    return h;
}

TEST(DibHelpers, RowsArePaddedToWholeWords) {
    EXPECT_EQ(bitmap::rowStride(header(33, 1, 1)), 8u);
    EXPECT_EQ(bitmap::rowStride(header(9, 1, 4)), 8u);
    EXPECT_EQ(bitmap::rowStride(header(5, 1, 8)), 8u);
    // Exact multiples get no extra word.
    EXPECT_EQ(bitmap::rowStride(header(32, 1, 1)), 4u);
    EXPECT_EQ(bitmap::rowStride(header(8, 1, 4)), 4u);
    EXPECT_EQ(bitmap::rowStride(header(4, 1, 8)), 4u);
    EXPECT_EQ(bitmap::rowStride(header(1, 1, 24)), 4u);
    EXPECT_EQ(bitmap::rowStride(header(5, 1, 24)), 16u);
    EXPECT_EQ(bitmap::rowStride(header(3, 1, 32)), 12u);
}

TEST(DibHelpers, ColourCountFollowsClrUsedOrDepth) {
    EXPECT_EQ(bitmap::colourCount(header(1, 1, 1)), 2u);
    EXPECT_EQ(bitmap::colourCount(header(1, 1, 4)), 16u);
    EXPECT_EQ(bitmap::colourCount(header(1, 1, 8)), 256u);
    EXPECT_EQ(bitmap::colourCount(header(1, 1, 24)), 0u);
    EXPECT_EQ(bitmap::colourCount(header(1, 1, 32)), 0u);
    EXPECT_EQ(bitmap::colourCount(header(1, 1, 8, 5)), 5u);
    EXPECT_EQ(bitmap::paletteBytes(header(1, 1, 8, 5)), 20u);
    EXPECT_EQ(bitmap::pixelBitsOffset(header(1, 1, 8, 5)), 60u);
    EXPECT_EQ(bitmap::pixelBitsOffset(header(1, 1, 24)), 40u);
}

TEST(DibHelpers, BlockSizeCoversHeaderTableAndRows) {
    EXPECT_EQ(bitmap::dibBlockSize(header(5, 3, 8, 5)), 40u + 20u + 8u * 3u);
    EXPECT_EQ(bitmap::dibBlockSize(header(33, 2, 1)), 40u + 8u + 16u);
    EXPECT_FALSE(bitmap::dibBlockSize(header(0, 3, 8)));
    EXPECT_FALSE(bitmap::dibBlockSize(header(3, -3, 8)));
    EXPECT_FALSE(bitmap::dibBlockSize(header(1 << 21, 1, 8)));
    EXPECT_FALSE(bitmap::dibBlockSize(header(1 << 20, 1 << 20, 8)));
}

TEST(DibHelpers, GreyPaletteNeedsEqualChannelsInEveryEntry) {
    std::vector<uint8_t> table(16 * 4);
    for (int i = 0; i < 16; ++i) {
        const auto g = static_cast<uint8_t>(i * 17);
        table[i * 4] = table[i * 4 + 1] = table[i * 4 + 2] = g;
        table[i * 4 + 3] = 99;  // the reserved byte does not matter
    }
    EXPECT_TRUE(bitmap::isGreyPalette(table, 4));
    EXPECT_TRUE(bitmap::isGreyPalette(table, 1));

    table[15 * 4 + 2] = 1;  // last entry no longer grey
    EXPECT_FALSE(bitmap::isGreyPalette(table, 4));
    EXPECT_TRUE(bitmap::isGreyPalette(table, 1)) << "only the first 2^bits entries count";

    // A table too short for the depth is not a grey table of that depth.
    EXPECT_FALSE(bitmap::isGreyPalette(std::span(table).first(8), 4));
}

TEST(DibHelpers, CreateLaysOutAZeroFilledBlock) {
    auto h = header(9, 3, 4);
    h.biSize = 124;  // always stored as a 40-byte header
    auto dib = bitmap::Dib::create(h);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->header().biSize, 40u);
    EXPECT_EQ(dib->palette().size(), 64u);
    EXPECT_EQ(dib->stride(), 8u);
    EXPECT_EQ(dib->bytes().size(), 40u + 64u + 24u);
    for (uint8_t b : dib->pixels())
        EXPECT_EQ(b, 0);
    // Stored row 0 is the first row in the block.
    EXPECT_EQ(dib->storedRow(0).data(), dib->pixels().data());
    EXPECT_EQ(dib->storedRow(2).data(), dib->pixels().data() + 16);
}

}  // namespace
