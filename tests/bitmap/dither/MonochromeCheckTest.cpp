// Recognising pictures that are already black and white.
#include <gtest/gtest.h>

#include "bitmap/ImageProc.h"
#include "support/TestSupport.h"
#include "tests/support/RasterHelpers.h"

namespace {

using bitmap::Dib;
using bitmap::ImageProc;
using raster_test::fillIndices;
using testing_support::makeGreyDib;
using testing_support::setPixel;

void setEntry(Dib& dib, int index, uint8_t b, uint8_t g, uint8_t r) {
    auto e = dib.palette().subspan(static_cast<size_t>(index) * 4, 4);
    e[0] = b;
    e[1] = g;
    e[2] = r;
}

TEST(AlreadyMonochrome, ColourCountDecidesFirst) {
    EXPECT_TRUE(ImageProc::isAlreadyMonochrome(makeGreyDib(5, 5, 1)));
    // Two entries at 8 bpp count as two colours too.
    EXPECT_TRUE(ImageProc::isAlreadyMonochrome(
        raster_test::makeTabledDib(3, 3, 8, 2, [](int i) { return i ? 255 : 0; })));
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(makeGreyDib(5, 5, 4)));
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(
        raster_test::makeTabledDib(3, 3, 8, 20, [](int) { return 0; })));
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(raster_test::makeTrueColourDib(3, 3, 24)));
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(Dib{}));
}

TEST(AlreadyMonochrome, GreyRampUsingOnlyBlackAndWhite) {
    Dib dib = makeGreyDib(7, 4, 8);
    fillIndices(dib, [](int x, int y) { return (x + y) % 3 ? 255 : 0; });
    // Padding is not looked at.
    for (int y = 0; y < 4; ++y)
        dib.storedRow(y)[7] = 128;
    EXPECT_TRUE(ImageProc::isAlreadyMonochrome(dib));
    Dib allBlack = makeGreyDib(3, 3, 8);
    EXPECT_TRUE(ImageProc::isAlreadyMonochrome(allBlack));

    setPixel(dib, 6, 3, 128);  // one grey pixel, in the last column of the bottom row
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(dib));
}

TEST(AlreadyMonochrome, DitheredPictureIsRecognised) {
    ImageProc proc;
    Dib dib = makeGreyDib(9, 9, 8);
    fillIndices(dib, [](int x, int y) { return x * 28 + y; });
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(dib));
    ASSERT_TRUE(proc.change256GrayToMonochrome(dib, bitmap::kFloydSteinberg, 128));
    EXPECT_TRUE(ImageProc::isAlreadyMonochrome(dib));
}

TEST(AlreadyMonochrome, UsedEntriesMustBeGreyAndAgreeWithIndexZeroBlack) {
    Dib dib = makeGreyDib(4, 1, 8);
    fillIndices(dib, [](int x, int) { return x < 2 ? 0 : 255; });
    setEntry(dib, 255, 255, 255, 0);  // yellow, not grey
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(dib));

    // Unused entries do not matter.
    Dib unusedOdd = makeGreyDib(4, 1, 8);
    fillIndices(unusedOdd, [](int x, int) { return x < 2 ? 0 : 255; });
    setEntry(unusedOdd, 17, 1, 2, 3);
    EXPECT_TRUE(ImageProc::isAlreadyMonochrome(unusedOdd));

    // Index 0 white and another index black: grey 0 and 255 only, but read
    // as black-is-zero it would come out inverted, so it needs dithering.
    Dib inverted = makeGreyDib(4, 1, 8);
    setEntry(inverted, 0, 255, 255, 255);
    setEntry(inverted, 7, 0, 0, 0);
    fillIndices(inverted, [](int x, int) { return x < 2 ? 0 : 7; });
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(inverted));
}

TEST(AlreadyMonochrome, FourBitPictureWithFullTable) {
    Dib dib = raster_test::makeTabledDib(5, 2, 4, 256, [](int i) { return i == 0 ? 0 : 255; });
    fillIndices(dib, [](int x, int) { return x % 2 ? 9 : 0; });
    EXPECT_TRUE(ImageProc::isAlreadyMonochrome(dib));
    setEntry(dib, 9, 200, 200, 200);
    EXPECT_FALSE(ImageProc::isAlreadyMonochrome(dib));
}

}  // namespace
