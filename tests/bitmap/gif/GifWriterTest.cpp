// The GIF writer: header fields, colour table, code size, interlacing,
// refusals, and files read back by our own reader.
#include <gtest/gtest.h>

#include <random>

#include "base/FileIO.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/gif/GifErrors.h"
#include "bitmap/gif/GifReader.h"
#include "bitmap/gif/GifWriter.h"
#include "bitmap/gif/LzwDecoder.h"
#include "support/TestSupport.h"
#include "tests/bitmap/gif/GifTestSupport.h"

namespace {

using bitmap::GifWriter;
using gif_test::makeIndexedDib;
namespace code = bitmap::gifcode;

std::vector<uint8_t> encode(const bitmap::Dib& dib, bool interlaced) {
    std::vector<uint8_t> out;
    EXPECT_EQ(GifWriter(dib).encode(interlaced, out), 0);
    return out;
}

// Offset of the image descriptor: after signature, screen and global table.
size_t imageOffset(const std::vector<uint8_t>& gif) {
    return 13 + (size_t{3} << ((gif[10] & 7) + 1));
}

// The joined sub-block data of the (only) image, checking the block chain.
std::vector<uint8_t> imageData(const std::vector<uint8_t>& gif) {
    size_t at = imageOffset(gif) + 11;
    std::vector<uint8_t> data;
    while (gif.at(at) != 0) {
        const size_t n = gif[at];
        data.insert(data.end(), gif.begin() + static_cast<ptrdiff_t>(at + 1),
                    gif.begin() + static_cast<ptrdiff_t>(at + 1 + n));
        at += 1 + n;
    }
    EXPECT_EQ(at + 2, gif.size());  // block terminator, then the trailer
    return data;
}

TEST(GifWriter, HeaderAndCodeSizeFollowTheColourCount) {
    struct Case {
        uint32_t colours;
        uint8_t packed;
        int tableBits;
    };
    for (const auto& c : {Case{2, 0x80, 1}, Case{3, 0x91, 2}, Case{4, 0x91, 2}, Case{5, 0xA2, 3},
                          Case{16, 0xB3, 4}, Case{17, 0xC4, 5}, Case{64, 0xD5, 6},
                          Case{65, 0xE6, 7}, Case{129, 0xF7, 8}, Case{256, 0xF7, 8}}) {
        const auto dib =
            makeIndexedDib(16, 16, c.colours, [](int x, int y) { return (x + y) % 2; });
        const auto gif = encode(dib, true);
        ASSERT_GT(gif.size(), 30u);
        EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF87a");
        EXPECT_EQ(bitmap::readLe16(gif, 6), 16);
        EXPECT_EQ(bitmap::readLe16(gif, 8), 16);
        EXPECT_EQ(gif[10], c.packed) << c.colours;
        EXPECT_EQ(gif[11], 0);
        EXPECT_EQ(gif[12], 0);
        const size_t image = imageOffset(gif);
        EXPECT_EQ(image, 13u + 3u * (1u << c.tableBits));
        EXPECT_EQ(gif[image], 0x2C);
        EXPECT_EQ(bitmap::readLe32(gif, image + 1), 0u);  // left and top
        EXPECT_EQ(bitmap::readLe16(gif, image + 5), 16);
        EXPECT_EQ(bitmap::readLe16(gif, image + 7), 16);
        EXPECT_EQ(gif[image + 9], 0x40 + c.tableBits - 1);
        // Two colours: table bits 1, but LZW data at code size 2, the
        // smallest that decoders accept.
        EXPECT_EQ(gif[image + 10], std::max(c.tableBits, 2));
        EXPECT_EQ(gif[gif.size() - 2], 0x00);
        EXPECT_EQ(gif.back(), 0x3B);
        EXPECT_EQ(GifWriter(dib).tableBits(), c.tableBits);
        EXPECT_EQ(GifWriter(dib).lzwCodeSize(), std::max(c.tableBits, 2));
    }
}

TEST(GifWriter, ColourTableIsRgbPaddedWithBlack) {
    const auto dib = makeIndexedDib(3, 2, 5, [](int x, int) { return x; });
    const auto gif = encode(dib, false);
    ASSERT_EQ(gif[10], 0xA2);
    for (int i = 0; i < 8; ++i) {
        const uint32_t expected = i < 5 ? gif_test::GifBuilder::colour(i) : 0;
        const uint32_t written =
            uint32_t{gif[13 + i * 3]} << 16 | uint32_t{gif[14 + i * 3]} << 8 | gif[15 + i * 3];
        EXPECT_EQ(written, expected) << i;
    }
}

TEST(GifWriter, IndicesBeyondTheColourCountWidenTheCodeSize) {
    const auto dib = makeIndexedDib(4, 1, 2, [](int x, int) { return x == 3 ? 5 : x % 2; });
    const auto gif = encode(dib, false);
    EXPECT_EQ(gif[10], 0xA2);  // 8 entries for index 5
    bitmap::GifReader reader(gif);
    ASSERT_EQ(reader.load(), 0);
    const auto back = reader.takePicture();
    ASSERT_TRUE(back);
    EXPECT_EQ(testing_support::pixelAt(*back, 3, 0), 5);
}

TEST(GifWriter, RowsGoInInterlacePassesFromTheTop) {
    // Each row holds its own number, so the decoded stream shows the order.
    const auto dib = makeIndexedDib(3, 11, 16, [](int, int y) { return y; });
    for (const bool interlaced : {false, true}) {
        const auto gif = encode(dib, interlaced);
        EXPECT_EQ(gif[imageOffset(gif) + 9] & 0x40, interlaced ? 0x40 : 0);
        const auto data = imageData(gif);
        bitmap::LzwDecoder decoder;
        ASSERT_EQ(decoder.start(4, data), 0);
        std::vector<uint8_t> pixels(33);
        ASSERT_EQ(decoder.read(pixels), 0);
        const std::vector<int> order = interlaced
                                           ? std::vector<int>{0, 8, 4, 2, 6, 10, 1, 3, 5, 7, 9}
                                           : std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        for (size_t i = 0; i < order.size(); ++i)
            EXPECT_EQ(pixels[i * 3], order[i]) << i;
    }
}

TEST(GifWriter, InterlacedSingleRowIsJustTheFirstPass) {
    const auto dib = makeIndexedDib(5, 1, 4, [](int x, int) { return x % 4; });
    const auto interlaced = encode(dib, true);
    const auto plain = encode(dib, false);
    EXPECT_EQ(imageData(interlaced), imageData(plain));
    EXPECT_EQ(imageData(interlaced), gif_test::lzwEncode(2, std::vector<uint8_t>{0, 1, 2, 3, 0}));
}

TEST(GifWriter, LongDataIsCutIntoFullSubBlocks) {
    std::mt19937 random(3);
    static std::mt19937* shared = &random;
    const auto dib = makeIndexedDib(200, 50, 256, [](int, int) { return int((*shared)() % 256); });
    const auto gif = encode(dib, true);
    size_t at = imageOffset(gif) + 11;
    int blocks = 0;
    while (gif[at] != 0) {
        if (gif[at + 1 + gif[at]] != 0) {
            EXPECT_EQ(gif[at], 255) << "only the last block may be short";
        }
        at += 1 + gif[at];
        ++blocks;
    }
    EXPECT_GT(blocks, 40);
}

TEST(GifWriter, RefusesWhatItCannotWrite) {
    testing_support::TempDir dir;
    const std::string path = dir.file("x.gif");
    for (const int bits : {1, 4}) {
        const auto dib = testing_support::makeGreyDib(8, 8, bits);
        EXPECT_EQ(GifWriter(dib).save(path, true), code::kUnsupportedBitCount) << bits;
    }
    EXPECT_EQ(GifWriter(bitmap::Dib()).save(path, true), code::kNoImageToSave);
    EXPECT_FALSE(bitmap::fileExists(path));
    bitmap::BitmapInfoHeader wide;
    wide.biWidth = 70000;
    wide.biHeight = 1;
    wide.biBitCount = 8;
    EXPECT_EQ(GifWriter(*bitmap::Dib::create(wide)).save(path, true), code::kUnsupportedFormat);
    const auto dib = makeIndexedDib(2, 2, 2, [](int x, int) { return x; });
    EXPECT_EQ(GifWriter(dib).save(dir.file("missing/x.gif"), true), code::kCannotCreateFile);
    EXPECT_EQ(GifWriter(dib).save("", true), code::kCannotCreateFile);
    EXPECT_EQ(GifWriter(dib).save(dir.path(), true), code::kCannotCreateFile);
}

TEST(GifWriter, SaveWritesTheEncodedBytes) {
    testing_support::TempDir dir;
    const auto dib = makeIndexedDib(9, 7, 3, [](int x, int y) { return (x * y) % 3; });
    const std::string path = dir.file("out.gif");
    testing_support::writeFile(path, std::string("old contents"));
    ASSERT_EQ(GifWriter(dib).save(path, true), 0);
    EXPECT_EQ(testing_support::readFile(path), encode(dib, true));
}

TEST(GifWriter, PicturesComeBackThroughOurReader) {
    struct Case {
        int width, height;
        uint32_t colours;
    };
    std::mt19937 random(99);
    static std::mt19937* shared = &random;
    static uint32_t colours = 0;
    for (const auto& c : {Case{1, 1, 2}, Case{13, 7, 2}, Case{31, 17, 16}, Case{64, 40, 256},
                          Case{5, 300, 7}, Case{257, 3, 129}}) {
        colours = c.colours;
        const auto dib = makeIndexedDib(c.width, c.height, c.colours,
                                        [](int, int) { return int((*shared)() % colours); });
        for (const bool interlaced : {false, true}) {
            const auto gif = encode(dib, interlaced);
            bitmap::GifReader reader(gif);
            ASSERT_EQ(reader.load(), 0);
            const auto back = reader.takePicture();
            ASSERT_TRUE(back);
            ASSERT_EQ(back->width(), c.width);
            ASSERT_EQ(back->height(), c.height);
            EXPECT_EQ(back->header().biClrUsed, 1u << GifWriter(dib).tableBits());
            for (uint32_t i = 0; i < c.colours; ++i)
                EXPECT_EQ(gif_test::paletteColour(*back, int(i)),
                          gif_test::paletteColour(dib, int(i)));
            for (int y = 0; y < c.height; ++y)
                for (int x = 0; x < c.width; ++x)
                    ASSERT_EQ(testing_support::pixelAt(*back, x, y),
                              testing_support::pixelAt(dib, x, y))
                        << x << "," << y;
        }
    }
}

}  // namespace
