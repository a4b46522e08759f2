#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "bitmap/formats/WBMPCoder.h"
#include "support/TestSupport.h"

using bitmap::Dib;
using bitmap::WBMPCoder;
using testing_support::makeGreyDib;
using testing_support::pixelAt;
using testing_support::setPixel;
using Bytes = std::vector<uint8_t>;

namespace {

// A pattern with no simple period along either axis.
bool patternWhite(int x, int y) {
    return ((x * 7 + y * 3) % 5 < 2) != (x == y);
}

// A 4 or 8 bpp picture whose indices are 0 (black) and 1 (white).
Dib patternDib(int width, int height, int bits) {
    Dib dib = makeGreyDib(width, height, bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixel(dib, x, y, patternWhite(x, y) ? 1 : 0);
    return dib;
}

Bytes bytesOf(const WBMPCoder& coder) {
    return Bytes(coder.data().begin(), coder.data().end());
}

}  // namespace

TEST(WbmpFromDib, NineByTwoPictureIsEightBytes) {
    for (int bits : {4, 8}) {
        Dib dib = makeGreyDib(9, 2, bits);
        setPixel(dib, 0, 0, 1);
        setPixel(dib, 8, 0, 1);
        for (int x = 0; x < 9; ++x)
            setPixel(dib, x, 1, 1);
        WBMPCoder coder;
        ASSERT_TRUE(coder.convBMPToWBMP(dib, 0)) << coder.lastError();
        EXPECT_EQ(bytesOf(coder), (Bytes{0x00, 0x00, 0x09, 0x02, 0x80, 0x80, 0xFF, 0x80})) << bits;
        int type = -1, width = 0, height = 0;
        ASSERT_TRUE(coder.getWBMPInfo(type, width, height));
        EXPECT_EQ(type, 0);
        EXPECT_EQ(width, 9);
        EXPECT_EQ(height, 2);
    }
}

TEST(WbmpFromDib, HeaderOfAWideTallPicture) {
    const Dib dib = makeGreyDib(128, 200, 8);
    WBMPCoder coder;
    size_t rowOffset = 0;
    ASSERT_TRUE(coder.createWBMPheader(dib, 0, rowOffset)) << coder.lastError();
    EXPECT_EQ(rowOffset, 6u);
    const Bytes data = bytesOf(coder);
    ASSERT_EQ(data.size(), 6u + 16u * 200u);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 6), (Bytes{0x00, 0x00, 0x81, 0x00, 0x81, 0x48}));
    EXPECT_TRUE(std::all_of(data.begin() + 6, data.end(), [](uint8_t b) { return b == 0; }));
}

TEST(WbmpFromDib, CreateHeaderRefusesOtherTypes) {
    WBMPCoder coder;
    ASSERT_TRUE(coder.convBMPToWBMP(patternDib(8, 8, 8), 0));
    size_t rowOffset = 99;
    EXPECT_FALSE(coder.createWBMPheader(makeGreyDib(8, 8), 1, rowOffset));
    EXPECT_EQ(coder.lastError(), "WBMPCoder::createWBMPheader: Unsupported WBMP type");
    EXPECT_TRUE(coder.data().empty());
    EXPECT_FALSE(coder.convBMPToWBMP(patternDib(8, 8, 8), 2));
    EXPECT_EQ(coder.lastError(), "WBMPCoder::createWBMPheader: Unsupported WBMP type");
    EXPECT_TRUE(coder.data().empty());
}

TEST(WbmpFromDib, OnlyFourAndEightBitPicturesAreTaken) {
    WBMPCoder coder;
    ASSERT_TRUE(coder.convBMPToWBMP(patternDib(5, 5, 8), 0));
    EXPECT_FALSE(coder.convBMPToWBMP(makeGreyDib(16, 4, 1), 0));
    EXPECT_EQ(coder.lastError(),
              "WBMPCoder::convBMPToWBMP: Unsupported bpp for this operation (bpp = 1)");
    EXPECT_TRUE(coder.data().empty()) << "a failed conversion leaves no picture";

    bitmap::BitmapInfoHeader h;
    h.biWidth = 3;
    h.biHeight = 3;
    h.biBitCount = 24;
    const auto rgb = Dib::create(h);
    ASSERT_TRUE(rgb.has_value());
    EXPECT_FALSE(coder.convBMPToWBMP(*rgb, 0));
    EXPECT_EQ(coder.lastError(),
              "WBMPCoder::convBMPToWBMP: Unsupported bpp for this operation (bpp = 24)");

    EXPECT_FALSE(coder.convBMPToWBMP(Dib(), 0));
    EXPECT_EQ(coder.lastError(),
              "WBMPCoder::convBMPToWBMP: Unsupported bpp for this operation (bpp = 0)");
}

TEST(WbmpFromDib, EveryNonZeroIndexIsWhiteWhateverThePalette) {
    for (int bits : {4, 8}) {
        const int colours = 1 << bits;
        Dib dib = makeGreyDib(colours + 3, 1, bits);  // odd width at 4 bpp
        for (int x = 0; x < colours; ++x)
            setPixel(dib, x, 0, x);
        // Entry 0 painted white must not change the meaning of index 0.
        auto palette = dib.palette();
        std::fill(palette.begin(), palette.begin() + 4, uint8_t{255});
        WBMPCoder coder;
        ASSERT_TRUE(coder.convBMPToWBMP(dib, 0)) << coder.lastError();
        const auto mono = coder.convWBMPToBMP();
        ASSERT_TRUE(mono.has_value());
        for (int x = 0; x < colours + 3; ++x)
            EXPECT_EQ(pixelAt(*mono, x, 0), (x > 0 && x < colours) ? 1 : 0) << bits << " " << x;
    }
}

TEST(WbmpFromDib, RefusesHeadersThatDoNotFitTheBlock) {
    const Dib original = patternDib(10, 4, 8);
    struct Change {
        int32_t width;
        int32_t height;
        const char* message;
    };
    const Change changes[] = {
        {0, 4, "WBMPCoder::createWBMPheader: Invalid WBMP dimensions"},
        {-10, 4, "WBMPCoder::createWBMPheader: Invalid WBMP dimensions"},
        {10, 0, "WBMPCoder::createWBMPheader: Invalid WBMP dimensions"},
        {10, -4, "WBMPCoder::createWBMPheader: Invalid WBMP dimensions"},
        {13, 4, "WBMPCoder::convBMPToWBMP: DIB rows do not match its header"},
        {10, 5, "WBMPCoder::convBMPToWBMP: DIB rows do not match its header"},
        {1 << 20, 1 << 20, "WBMPCoder::createWBMPheader: Insufficient memory"},
    };
    for (const auto& change : changes) {
        Dib dib = original;
        auto h = dib.header();
        h.biWidth = change.width;
        h.biHeight = change.height;
        dib.setHeader(h);
        WBMPCoder coder;
        EXPECT_FALSE(coder.convBMPToWBMP(dib, 0)) << change.width << "x" << change.height;
        EXPECT_EQ(coder.lastError(), change.message);
        EXPECT_TRUE(coder.data().empty());
    }
    // A narrower header over the same rows is fine: it reads less.
    Dib narrow = original;
    auto h = narrow.header();
    h.biWidth = 3;
    narrow.setHeader(h);
    WBMPCoder coder;
    EXPECT_TRUE(coder.convBMPToWBMP(narrow, 0)) << coder.lastError();
}

TEST(WbmpToDib, TenPixelRowsArePaddedWithZeros) {
    // Every row all white, including the six unused bits of the second byte.
    const Bytes file = {0x00, 0x00, 0x0A, 0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(file));
    const auto dib = coder.convWBMPToBMP();
    ASSERT_TRUE(dib.has_value()) << coder.lastError();
    EXPECT_EQ(dib->stride(), 4u);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(Bytes(dib->storedRow(r).begin(), dib->storedRow(r).end()),
                  (Bytes{0xFF, 0xC0, 0x00, 0x00}))
            << r;

    const auto h = dib->header();
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 10);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 1);
    EXPECT_EQ(h.biCompression, 0u);
    EXPECT_EQ(h.biSizeImage, 0u);
    EXPECT_EQ(h.biClrUsed, 0u);
    EXPECT_EQ(Bytes(dib->palette().begin(), dib->palette().end()),
              (Bytes{0, 0, 0, 0, 255, 255, 255, 0}));
    EXPECT_EQ(dib->bytes().size(), 40u + 8u + 12u);
}

TEST(WbmpToDib, TopRowIsStoredLast) {
    const Bytes file = {0x00, 0x00, 0x03, 0x03, 0x80, 0x40, 0x20};  // a diagonal
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(file));
    const auto dib = coder.convWBMPToBMP();
    ASSERT_TRUE(dib.has_value());
    EXPECT_EQ(dib->storedRow(2)[0], 0x80);
    EXPECT_EQ(dib->storedRow(1)[0], 0x40);
    EXPECT_EQ(dib->storedRow(0)[0], 0x20);
}

TEST(WbmpToDib, RowsFollowTheHeaderAsWritten) {
    // TypeField 0 and width 3 in more bytes than needed: the rows start after
    // the header as it is in the file, not after its shortest form.
    const Bytes file = {0x80, 0x00, 0x00, 0x80, 0x03, 0x02, 0xA0, 0x60};
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(file)) << coder.lastError();
    EXPECT_EQ(coder.width(), 3);
    EXPECT_EQ(coder.height(), 2);
    const auto dib = coder.convWBMPToBMP();
    ASSERT_TRUE(dib.has_value());
    EXPECT_EQ(dib->storedRow(1)[0], 0xA0);
    EXPECT_EQ(dib->storedRow(0)[0], 0x60);
}

TEST(WbmpToDib, NeedsAPicture) {
    WBMPCoder coder;
    EXPECT_FALSE(coder.convWBMPToBMP().has_value());
    EXPECT_EQ(coder.lastError(), "WBMPCoder::convWBMPToBMP: WBMP not loaded");
}

TEST(WbmpRoundTrip, DibToWbmpAndBackKeepsEveryPixel) {
    const std::pair<int, int> sizes[] = {{1, 1},   {7, 3},   {8, 8},   {9, 2},
                                         {31, 17}, {129, 5}, {200, 41}};
    for (int bits : {4, 8}) {
        for (const auto& [w, h] : sizes) {
            const Dib dib = patternDib(w, h, bits);
            WBMPCoder coder;
            ASSERT_TRUE(coder.convBMPToWBMP(dib, 0)) << coder.lastError();
            const size_t header =
                2 + bitmap::encodeWbmpInteger(w).size() + bitmap::encodeWbmpInteger(h).size();
            EXPECT_EQ(coder.data().size(), header + static_cast<size_t>((w + 7) / 8) * h);
            const auto back = coder.convWBMPToBMP();
            ASSERT_TRUE(back.has_value()) << coder.lastError();
            ASSERT_EQ(back->width(), w);
            ASSERT_EQ(back->height(), h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(pixelAt(*back, x, y), pixelAt(dib, x, y))
                        << bits << "bpp " << w << "x" << h << " at " << x << "," << y;
        }
    }
}
