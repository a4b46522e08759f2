#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/formats/WBMPCoder.h"
#include "bitmap/gif/GifWriter.h"
#include "carvello/core/GraphicsException.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;
using testing_support::TempDir;

namespace {

struct DigitSize {
    int width = 8;
    int height = 12;
};
using DigitSizes = std::array<DigitSize, 10>;

// Each digit's own pattern, so a misplaced digit shows.
bool digitBlack(int digit, int x, int y) {
    return (x + 2 * y + digit) % 5 == 0;
}

// Writes the digit pictures 0..9 as BMP or GIF files into the folder.
void writeDigits(const std::string& folder, const DigitSizes& sizes, const std::string& ext,
                 int skip = -1) {
    bitmap::ImageProc proc;
    for (int d = 0; d < 10; ++d) {
        if (d == skip)
            continue;
        auto dib = testing_support::makeGreyDib(sizes[d].width, sizes[d].height, 8);
        for (int y = 0; y < sizes[d].height; ++y)
            for (int x = 0; x < sizes[d].width; ++x)
                testing_support::setPixel(dib, x, y, digitBlack(d, x, y) ? 0 : 255);
        const auto name = folder + "/" + std::to_string(d) + "." + ext;
        if (ext == "gif")
            ASSERT_EQ(bitmap::GifWriter(dib).save(name, true), 0);
        else
            ASSERT_TRUE(proc.saveBitmap(name, dib));
    }
}

// The counter as black (true) / white per pixel, top row first.
std::vector<bool> readCounter(const std::string& path, int& width, int& height) {
    bitmap::WBMPCoder coder;
    EXPECT_TRUE(coder.loadWBMP(path));
    width = coder.width();
    height = coder.height();
    std::vector<bool> black;
    const auto rows = coder.data().subspan(4);
    const int stride = (width + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            black.push_back(((rows[static_cast<size_t>(y * stride + x / 8)] >> (7 - x % 8)) & 1) ==
                            0);
    return black;
}

// What the counter must show: digits bottom-aligned side by side, black
// everywhere else.
std::vector<bool> expectedCounter(const std::vector<int>& digits, const DigitSizes& sizes,
                                  int width, int height) {
    std::vector<bool> black(static_cast<size_t>(width * height), true);
    int left = 0;
    for (const int d : digits) {
        const int top = height - sizes[d].height;
        for (int y = 0; y < sizes[d].height; ++y)
            for (int x = 0; x < sizes[d].width; ++x)
                black[static_cast<size_t>((top + y) * width + left + x)] = digitBlack(d, x, y);
        left += sizes[d].width;
    }
    return black;
}

struct CounterCase {
    const char* name;
    int value, digitCount;
    std::vector<int> shown;
    DigitSizes sizes;
    const char* ext;
    int width, height;
};

DigitSizes uneven() {
    DigitSizes sizes;
    sizes[1] = {5, 10};
    sizes[2] = {6, 12};
    sizes[3] = {7, 8};
    return sizes;
}

TEST(CodecCounter, PlacesTheDigitsSideBySide) {
    const CounterCase cases[] = {
        {"305", 305, 3, {3, 0, 5}, {}, "bmp", 24, 12},
        {"007", 7, 3, {0, 0, 7}, {}, "bmp", 24, 12},
        {"widths 5 6 7", 123, 3, {1, 2, 3}, uneven(), "bmp", 20, 12},  // 18 rounded up
        {"gif digits", 42, 2, {4, 2}, {}, "gif", 16, 12},              // the fourth name
        {"zero", 0, 1, {0}, {}, "bmp", 8, 12},
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeDigits(dir.path(), c.sizes, c.ext);
        Codec codec;
        codec.setThrowException(false);
        codec.setUndoFile(dir.file("undo.bmp"));
        const auto out = dir.file("c.wbmp");
        ASSERT_EQ(codec.wbmpCounter(dir.path(), out, c.value, c.digitCount), 1)
            << c.name << ": " << codec.errordescription();
        int w = 0, h = 0;
        const auto black = readCounter(out, w, h);
        ASSERT_EQ(w, c.width) << c.name;
        ASSERT_EQ(h, c.height) << c.name;
        EXPECT_EQ(black, expectedCounter(c.shown, c.sizes, w, h)) << c.name;
        EXPECT_FALSE(bitmap::pathExists(dir.file("undo.bmp"))) << c.name;
        EXPECT_EQ(codec.picture(), nullptr) << c.name;
    }
}

TEST(CodecCounter, EveryDigitMustLoadEvenIfTheValueLacksIt) {
    TempDir dir;
    writeDigits(dir.path(), {}, "bmp", 4);
    testing_support::writeFile(dir.file("4.bmp"), std::string("not a picture"));
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.wbmpCounter(dir.path() + "/", dir.file("c.wbmp"), 123, 3), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::cannotOpenFile));
    EXPECT_EQ(codec.errordescription(),
              "CCodec::WBMPCounter: Nepodařilo se načíst obrázek pro číslici 4");
    EXPECT_FALSE(bitmap::pathExists(dir.file("c.wbmp")));
    // A later name of the digit is used when an earlier one does not load.
    writeDigits(dir.path(), {}, "gif");
    EXPECT_EQ(codec.wbmpCounter(dir.path(), dir.file("c.wbmp"), 4, 1), 1)
        << codec.errordescription();
}

TEST(CodecCounter, NeverReplacesTheOutputAndKeepsTheCurrentPicture) {
    TempDir dir;
    writeDigits(dir.path(), {}, "bmp");
    auto picture = testing_support::makeGreyDib(30, 20, 8);
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.saveBitmap(dir.file("p.bmp"), picture));
    for (bool throwing : {false, true}) {
        Codec codec;
        codec.setThrowException(false);
        ASSERT_EQ(codec.loadImage(dir.file("p.bmp"), ""), 1);
        const auto before = *codec.picture();
        const auto out = dir.file(throwing ? "t.wbmp" : "c.wbmp");
        ASSERT_EQ(codec.wbmpCounter(dir.path(), out, 305, 3), 1);
        const auto first = testing_support::readFile(out);
        codec.setThrowException(throwing);
        if (throwing)
            EXPECT_THROW(codec.wbmpCounter(dir.path(), out, 99, 3), carvello::GraphicsException);
        else
            EXPECT_EQ(codec.wbmpCounter(dir.path(), out, 99, 3), 0);
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::wbmpNotSaved));
        EXPECT_EQ(codec.errordescription(),
                  "CCodec::WBMPCounter: Nelze uložit výsledný WBMP obrázek");
        EXPECT_EQ(testing_support::readFile(out), first);
        ASSERT_NE(codec.picture(), nullptr);
        EXPECT_TRUE(std::ranges::equal(before.bytes(), codec.picture()->bytes()));
        EXPECT_EQ(codec.imageWidth(), 30);
    }
}

TEST(CodecCounter, ATooLargeCounterNamesTheLimit) {
    TempDir dir;
    writeDigits(dir.path(), {}, "bmp");
    Codec codec;
    codec.setThrowException(false);
    codec.setMaxPixels(100);
    EXPECT_EQ(codec.wbmpCounter(dir.path(), dir.file("c.wbmp"), 12345, 5), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::wbmpNotSaved));
    EXPECT_EQ(codec.errordescription(),
              "CCodec::WBMPCounter: Obrázek 40 × 12 pixelů překračuje "
              "limit počtu pixelů MaxPixels (100)");
    codec.setMaxPixels(bitmap::kMaxPixels);
    EXPECT_EQ(codec.wbmpCounter(dir.path(), dir.file("c.wbmp"), 1, 200000), 0);
    EXPECT_EQ(codec.errordescription(),
              "CCodec::WBMPCounter: Obrázek 1600000 × 12 pixelů "
              "překračuje limit šířky obrázku (1048576)");
    EXPECT_FALSE(bitmap::pathExists(dir.file("c.wbmp")));
}

TEST(CodecCounter, RefusesANegativeValue) {
    TempDir dir;
    writeDigits(dir.path(), {}, "bmp");
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.wbmpCounter(dir.path(), dir.file("c.wbmp"), -5, 2), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::badArgument));
    EXPECT_EQ(codec.errordescription(), "CCodec::WBMPCounter: Neplatná hodnota počítadla");
}

}  // namespace
