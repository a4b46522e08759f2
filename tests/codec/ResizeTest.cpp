#include <gtest/gtest.h>

#include <functional>

#include "bitmap/ImageProc.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;
using testing_support::TempDir;

namespace {

// A codec holding a grey w x h picture with a pattern.
void loadPicture(Codec& codec, const TempDir& dir, int w, int h) {
    auto dib = testing_support::makeGreyDib(w, h, 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            testing_support::setPixel(dib, x, y, (x * 7 + y * 13) & 0xFF);
    bitmap::ImageProc proc;
    const auto path = dir.file("p.bmp");
    ASSERT_TRUE(proc.saveBitmap(path, dib));
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(path, ""), 1) << codec.errordescription();
}

struct FitCase {
    int w, h, boxW, boxH, exact, wantW, wantH;
};

TEST(CodecResize, FitFillsTheBoxToTheNearestPixel) {
    const FitCase cases[] = {
        {200, 100, 96, 65, 0, 96, 48},  // width decides
        {50, 50, 101, 80, 0, 80, 80},   // enlarged, height decides
        {200, 100, 96, 65, 1, 96, 65},  // exact: aspect ratio not kept
        {6000, 4000, 96, 60, 0, 90, 60}, {640, 480, 96, 60, 0, 80, 60},
        {100, 10, 96, 65, 0, 96, 10},                                    // 9.6 rounds up
        {10, 100, 96, 65, 0, 7, 65},                                     // 6.5 rounds up
        {300, 300, 2, 2, 0, 2, 2},       {10001, 10, 96, 65, 0, 96, 1},  // at least 1 pixel
    };
    for (const auto& c : cases) {
        TempDir dir;
        Codec codec;
        loadPicture(codec, dir, c.w, c.h);
        ASSERT_EQ(codec.resizeTo(c.boxW, c.boxH, c.exact), 1) << codec.errordescription();
        EXPECT_EQ(codec.bmpWidth(), c.wantW) << c.w << "x" << c.h << " into " << c.boxW;
        EXPECT_EQ(codec.bmpHeight(), c.wantH) << c.w << "x" << c.h << " into " << c.boxW;
        EXPECT_EQ(codec.bmpBpp(), 8);
    }
}

TEST(CodecResize, SizesThatComeOutAsNothingGiveOnePixelAndEmptyTargetsAreRefused) {
    TempDir dir;
    Codec codec;
    loadPicture(codec, dir, 50, 30);
    ASSERT_EQ(codec.resizePercentual(1), 1);
    EXPECT_EQ(codec.bmpWidth(), 1);
    EXPECT_EQ(codec.bmpHeight(), 1);
    for (const auto& refused : {std::function<int()>([&] { return codec.resizeTo(0, 10, 0); }),
                                std::function<int()>([&] { return codec.resizeTo(-1, -1, 1); }),
                                std::function<int()>([&] { return codec.resizePercentual(0); })}) {
        EXPECT_EQ(refused(), 0);
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::badArgument));
        EXPECT_EQ(codec.bmpWidth(), 1);
    }
    EXPECT_EQ(codec.errordescription(),
              "CCodec::ResizePercentual: Neplatná cílová velikost obrázku");
}

TEST(CodecResize, PercentageScalesBothSides) {
    TempDir dir;
    Codec codec;
    loadPicture(codec, dir, 101, 33);
    ASSERT_EQ(codec.resizePercentual(50), 1);
    EXPECT_EQ(codec.bmpWidth(), 50);
    EXPECT_EQ(codec.bmpHeight(), 16);
}

TEST(CodecResize, HundredPercentKeepsEveryPixelInBothModes) {
    for (bool halftone : {false, true}) {
        TempDir dir;
        Codec codec;
        codec.setAlwaysHalftone(halftone);
        loadPicture(codec, dir, 37, 11);
        const auto before = *codec.picture();
        ASSERT_EQ(codec.resizePercentual(100), 1);
        const auto& after = *codec.picture();
        ASSERT_EQ(after.width(), 37);
        EXPECT_TRUE(
            std::equal(before.pixels().begin(), before.pixels().end(), after.pixels().begin()))
            << "halftone " << halftone;
    }
}

TEST(CodecResize, HalftoneAveragesWhereTheDefaultPicksPixels) {
    // A 2 x 1 picture of black and white halved: averaging gives mid grey,
    // picking gives one of the two.
    TempDir dir;
    auto dib = testing_support::makeGreyDib(2, 1, 8);
    testing_support::setPixel(dib, 0, 0, 0);
    testing_support::setPixel(dib, 1, 0, 255);
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.saveBitmap(dir.file("bw.bmp"), dib));
    for (bool halftone : {false, true}) {
        Codec codec;
        codec.setThrowException(false);
        codec.setAlwaysHalftone(halftone);
        ASSERT_EQ(codec.loadImage(dir.file("bw.bmp"), ""), 1);
        ASSERT_EQ(codec.transformBmp(1, 1, 8), 1);
        const int grey = testing_support::pixelAt(*codec.picture(), 0, 0);
        if (halftone)
            EXPECT_NEAR(grey, 128, 1);
        else
            EXPECT_TRUE(grey == 0 || grey == 255) << grey;
    }
}

TEST(CodecResize, FailedTransformKeepsThePicture) {
    TempDir dir;
    Codec codec;
    loadPicture(codec, dir, 8, 8);
    EXPECT_EQ(codec.transformBmp(4, 4, 24), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::transformFailed));
    EXPECT_TRUE(
        codec.errordescription().starts_with("Interní funkce nalezla či způsobila tuto "
                                             "chybu:\nImageProc::changeBitmapFormatFromSimple: "));
    EXPECT_EQ(codec.bmpWidth(), 8);
    // An absurd size is refused rather than allocated.
    EXPECT_EQ(codec.resizePercentual(1000000000), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::transformFailed));
    EXPECT_EQ(codec.bmpWidth(), 8);
}

}  // namespace
