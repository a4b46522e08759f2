#include <gtest/gtest.h>

#include "base/FileIO.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/ImageProc.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;
using testing_support::TempDir;

namespace {

// Pixel (x, y from the top) of a preview block: 1 = white.
int previewPixel(const std::vector<uint8_t>& block, int width, int height, int x, int y) {
    const size_t stride = ((static_cast<size_t>(width) + 31) / 32) * 4;
    const size_t row = 40 + 8 + (static_cast<size_t>(height - 1 - y)) * stride;
    return (block.at(row + x / 8) >> (7 - x % 8)) & 1;
}

class CodecPreview : public ::testing::Test {
protected:
    void SetUp() override {
        // 10 x 6: left half black (0), right half white (255), row 0 all white.
        auto dib = testing_support::makeGreyDib(10, 6, 8);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 10; ++x)
                testing_support::setPixel(dib, x, y, (y == 0 || x >= 5) ? 255 : 0);
        bitmap::ImageProc proc;
        ASSERT_TRUE(proc.saveBitmap(dir.file("p.bmp"), dib));
        codec.setThrowException(false);
        ASSERT_EQ(codec.loadImage(dir.file("p.bmp"), ""), 1);
        codec.setUndoFile(dir.file("undo.bmp"));
    }
    TempDir dir;
    Codec codec;
};

TEST_F(CodecPreview, ReturnsAOneBitDibOfTheRectangle) {
    const auto block = codec.preview(3, 0, 4, 3, 0, 128);
    ASSERT_EQ(block.size(), 40u + 8 + 3 * 4);
    EXPECT_EQ(bitmap::readLe32(block, 0), 40u);
    EXPECT_EQ(bitmap::readLeI32(block, 4), 4);
    EXPECT_EQ(bitmap::readLeI32(block, 8), 3);
    EXPECT_EQ(bitmap::readLe16(block, 14), 1);
    const std::vector<uint8_t> table(block.begin() + 40, block.begin() + 48);
    EXPECT_EQ(table, (std::vector<uint8_t>{0, 0, 0, 255, 255, 255, 255, 255}));
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(previewPixel(block, 4, 3, x, 0), 1);
        EXPECT_EQ(previewPixel(block, 4, 3, x, 1), x + 3 >= 5 ? 1 : 0) << x;
    }
    // The preview leaves the picture and the undo file alone.
    EXPECT_FALSE(bitmap::fileExists(dir.file("undo.bmp")));
    EXPECT_EQ(codec.bmpWidth(), 10);
    EXPECT_EQ(codec.isMonochrome(), 1);
}

TEST_F(CodecPreview, RectanglePastTheEdgesIsClipped) {
    // Reaches 4 columns past the right edge and 3 rows past the bottom.
    const auto block = codec.preview(8, 4, 6, 5, 0, 128);
    ASSERT_EQ(block.size(), 40u + 8 + 5 * 4);
    EXPECT_EQ(previewPixel(block, 6, 5, 0, 0), 1);  // (8, 4) is white
    EXPECT_EQ(previewPixel(block, 6, 5, 1, 1), 1);  // (9, 5) is white
    for (int x = 2; x < 6; ++x)
        EXPECT_EQ(previewPixel(block, 6, 5, x, 0), 0) << "outside";
    for (int y = 2; y < 5; ++y)
        EXPECT_EQ(previewPixel(block, 6, 5, 0, y), 0) << "outside";

    // Entirely outside, and starting left of and above the picture.
    EXPECT_FALSE(codec.preview(50, 50, 3, 3, 4, 128).empty());
    const auto shifted = codec.preview(-2, -1, 4, 3, 0, 128);
    ASSERT_FALSE(shifted.empty());
    EXPECT_EQ(previewPixel(shifted, 4, 3, 0, 0), 0);
    EXPECT_EQ(previewPixel(shifted, 4, 3, 2, 1), 1);  // (0, 0) is white
    EXPECT_EQ(previewPixel(shifted, 4, 3, 2, 2), 0);  // (0, 1) is black
}

TEST_F(CodecPreview, BadRequestsReportAndReturnNothing) {
    EXPECT_TRUE(codec.preview(0, 0, 0, 5, 0, 128).empty());

    // A method the ditherer does not know, on a grey picture.
    auto grey = testing_support::makeGreyDib(4, 4, 8);
    std::fill(grey.pixels().begin(), grey.pixels().end(), 100);
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.saveBitmap(dir.file("grey.bmp"), grey));
    ASSERT_EQ(codec.loadImage(dir.file("grey.bmp"), ""), 1);
    EXPECT_TRUE(codec.preview(0, 0, 5, 5, bitmap::kDitherMethodCount, 128).empty());
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::monochromeFailed));
    Codec empty;
    empty.setThrowException(false);
    EXPECT_TRUE(empty.preview(0, 0, 5, 5, 0, 128).empty());
    EXPECT_EQ(empty.errorcode(), codeOf(CodecError::noPicture));
}

}  // namespace

namespace {

TEST_F(CodecPreview, ToneOptionsApplyToBlackAndWhiteAndMeasureTheWholePicture) {
    // Inverting changes even a black-and-white picture, in the preview and
    // in the conversion.
    const bitmap::DitherOptions invert{.tone = {.invert = true}};
    const auto inverted = codec.preview(0, 0, 10, 6, bitmap::kThresholding, 128, invert);
    ASSERT_FALSE(inverted.empty());
    EXPECT_EQ(previewPixel(inverted, 10, 6, 0, 1), 1);
    EXPECT_EQ(previewPixel(inverted, 10, 6, 6, 1), 0);
    ASSERT_EQ(codec.convertBmpToMonochrome(bitmap::kThresholding, 128, invert), 1);
    EXPECT_EQ(testing_support::pixelAt(*codec.picture(), 0, 1), 1);
    EXPECT_EQ(testing_support::pixelAt(*codec.picture(), 6, 1), 0);

    // Greys 100 and 150: the level stretch of the whole picture makes the
    // right half white; a window on it alone would have nothing to stretch.
    auto dib = testing_support::makeGreyDib(10, 6, 8);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            testing_support::setPixel(dib, x, y, x < 5 ? 100 : 150);
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.saveBitmap(dir.file("grey.bmp"), dib));
    ASSERT_EQ(codec.loadImage(dir.file("grey.bmp"), ""), 1);
    const bitmap::DitherOptions levels{.tone = {.autoLevels = true}};
    const auto window = codec.preview(5, 0, 5, 6, bitmap::kThresholding, 160, levels);
    ASSERT_FALSE(window.empty());
    EXPECT_EQ(previewPixel(window, 5, 6, 2, 3), 1);
    const auto plain = codec.preview(5, 0, 5, 6, bitmap::kThresholding, 160);
    EXPECT_EQ(previewPixel(plain, 5, 6, 2, 3), 0);
}

}  // namespace
