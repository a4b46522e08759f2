#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "batch/core/PreviewWindow.h"

namespace {

using batch::monoRowsFromDib;
using batch::panAxis;
using batch::panOffset;

// A packed one-bit bitmap with rows given from the top down; each row is
// stored with `pad` in its padding bytes.
std::vector<uint8_t> monoDib(int width, const std::vector<std::vector<uint8_t>>& topDown,
                             bool bottomUp = true, uint8_t pad = 0xAA) {
    const int height = static_cast<int>(topDown.size());
    const int stride = (width + 31) / 32 * 4;
    std::vector<uint8_t> dib(40 + 8 + static_cast<size_t>(stride) * height, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            dib[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, static_cast<uint32_t>(width));
    put32(8, static_cast<uint32_t>(bottomUp ? height : -height));
    dib[12] = 1;
    dib[14] = 1;
    // Colour 0 dark blue-ish, colour 1 white: blue, green, red, reserved.
    const uint8_t table[8] = {0x30, 0x20, 0x10, 0, 0xff, 0xff, 0xff, 0};
    std::copy(std::begin(table), std::end(table), dib.begin() + 40);
    for (int y = 0; y < height; ++y) {
        const int stored = bottomUp ? height - 1 - y : y;
        uint8_t* row = dib.data() + 48 + static_cast<size_t>(stored) * stride;
        std::fill(row, row + stride, pad);
        std::copy(topDown[y].begin(), topDown[y].end(), row);
    }
    return dib;
}

}  // namespace

TEST(PreviewPan, PictureNoLargerThanTheWindowCannotPan) {
    for (const int picture : {0, 1, 99, 100}) {
        const auto axis = panAxis(picture, 100);
        EXPECT_FALSE(axis.enabled) << picture;
        EXPECT_EQ(axis.range, 1) << picture;
        EXPECT_EQ(panOffset(100, axis), 0) << picture;
    }
    EXPECT_EQ(batch::positionText(0, 0), "[   0,   0 ]");
}

TEST(PreviewPan, SliderPercentOfTheSpareExtent) {
    const auto axis = panAxis(300, 200);
    EXPECT_TRUE(axis.enabled);
    EXPECT_EQ(axis.range, 100);
    EXPECT_EQ(panOffset(50, axis), 50);
    EXPECT_EQ(panOffset(0, axis), 0);
    EXPECT_EQ(panOffset(100, axis), 100);

    // Integer division rounds down; one spare pixel is reached only at 100.
    const auto one = panAxis(101, 100);
    EXPECT_TRUE(one.enabled);
    EXPECT_EQ(panOffset(99, one), 0);
    EXPECT_EQ(panOffset(100, one), 1);
    EXPECT_EQ(panOffset(33, panAxis(1100, 100)), 330);

    // Out-of-range positions and huge pictures stay on the picture.
    EXPECT_EQ(panOffset(150, axis), 100);
    EXPECT_EQ(panOffset(-5, axis), 0);
    const auto huge = panAxis(INT32_MAX, 1);
    EXPECT_EQ(panOffset(100, huge), INT32_MAX - 1);

    EXPECT_EQ(batch::positionText(50, 7), "[  50,   7 ]");
    EXPECT_EQ(batch::positionText(1234, 5), "[ 1234,   5 ]");
}

TEST(PreviewRows, BottomUpRowsComeOutTopDownWithoutPadding) {
    // 10 pixels wide: two bytes of pixels, two of padding per stored row.
    const std::vector<std::vector<uint8_t>> top{{0x80, 0x40}, {0x01, 0xC0}, {0xFF, 0xFF}};
    const auto rows = monoRowsFromDib(monoDib(10, top));
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->width, 10);
    EXPECT_EQ(rows->height, 3);
    EXPECT_EQ(rows->rowBytes, 2);
    EXPECT_EQ(rows->colours[0], 0x102030u);
    EXPECT_EQ(rows->colours[1], 0xffffffu);
    EXPECT_EQ(std::vector<uint8_t>(rows->row(0).begin(), rows->row(0).end()),
              (std::vector<uint8_t>{0x80, 0x40}));
    EXPECT_EQ(std::vector<uint8_t>(rows->row(1).begin(), rows->row(1).end()),
              (std::vector<uint8_t>{0x01, 0xC0}));
    // Bits beyond the tenth pixel are cleared.
    EXPECT_EQ(std::vector<uint8_t>(rows->row(2).begin(), rows->row(2).end()),
              (std::vector<uint8_t>{0xFF, 0xC0}));

    // A top-down bitmap (negative height) keeps its order.
    const auto topDown = monoRowsFromDib(monoDib(10, top, false));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(topDown->bits, rows->bits);
}

TEST(PreviewRows, MalformedBlocksAreRefused) {
    const auto good = monoDib(16, {{0x12, 0x34}, {0x56, 0x78}});
    ASSERT_TRUE(monoRowsFromDib(good));
    EXPECT_FALSE(monoRowsFromDib({}));
    EXPECT_FALSE(monoRowsFromDib(std::span(good).first(39)));
    // One byte short of the last row.
    EXPECT_FALSE(monoRowsFromDib(std::span(good).first(good.size() - 1)));

    auto broken = [&](size_t at, uint8_t value) {
        auto copy = good;
        copy[at] = value;
        return monoRowsFromDib(copy).has_value();
    };
    EXPECT_FALSE(broken(14, 8));     // not one bit per pixel
    EXPECT_FALSE(broken(16, 1));     // compressed
    EXPECT_FALSE(broken(0, 200));    // header larger than the block
    EXPECT_FALSE(broken(7, 0x80));   // negative width
    EXPECT_FALSE(broken(10, 0x7f));  // height far beyond the block
    EXPECT_FALSE(broken(32, 3));     // more colours than one bit can index
    EXPECT_FALSE(broken(4, 0));      // no width
}

TEST(PreviewThreshold, StepsFromTheTypedValueWithinTheRange) {
    EXPECT_EQ(batch::steppedThreshold(100, 7, 1), 101);
    EXPECT_EQ(batch::steppedThreshold(100, 7, -1), 99);
    EXPECT_EQ(batch::steppedThreshold(std::nullopt, 7, 1), 8);
    EXPECT_EQ(batch::steppedThreshold(255, 7, 1), 255);
    EXPECT_EQ(batch::steppedThreshold(0, 7, -1), 0);
    EXPECT_EQ(batch::steppedThreshold(999, 7, -1), 254);
    EXPECT_EQ(batch::steppedThreshold(-40, 7, 1), 1);
}
