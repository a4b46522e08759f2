#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/document/BlankPicture.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/Dib.h"

namespace {

TEST(BlankPicture, IsWhite24BitWithItsHeaderFilledIn) {
    const auto dib = app::makeBlankPicture(5, 3);
    ASSERT_TRUE(dib);
    // 5 pixels of 3 bytes pad from 15 to 16 bytes a row.
    ASSERT_EQ(dib->size(), 40u + 16u * 3u);
    const auto header = bitmap::BitmapInfoHeader::parse(*dib);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 5);
    EXPECT_EQ(header.biHeight, 3);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, 0u);
    EXPECT_EQ(header.biSizeImage, 48u);
    EXPECT_EQ(header.biXPelsPerMeter, 3780);
    EXPECT_EQ(header.biYPelsPerMeter, 3780);
    EXPECT_EQ(header.biClrUsed, 0u);
    EXPECT_TRUE(std::all_of(dib->begin() + 40, dib->end(), [](uint8_t b) { return b == 255; }));
    bitmap::DibLayout layout;
    EXPECT_EQ(bitmap::readDibLayout(*dib, layout), bitmap::DibCheck::ok);
}

TEST(BlankPicture, OnePixelPictureHasAFourByteRow) {
    const auto dib = app::makeBlankPicture(1, 1);
    ASSERT_TRUE(dib);
    EXPECT_EQ(bitmap::readLe32(*dib, 20), 4u);
    EXPECT_EQ(dib->size(), 44u);
}

TEST(BlankPicture, SizesOutsideThePictureLimitsAreRefused) {
    EXPECT_FALSE(app::makeBlankPicture(0, 10));
    EXPECT_FALSE(app::makeBlankPicture(10, 0));
    EXPECT_FALSE(app::makeBlankPicture(-1, 10));
    EXPECT_FALSE(app::makeBlankPicture(static_cast<int>(bitmap::kMaxDimension) + 1, 1));
    EXPECT_FALSE(app::makeBlankPicture(1 << 15, 1 << 15));
    EXPECT_TRUE(app::makeBlankPicture(2000, 2000));
}

}  // namespace
