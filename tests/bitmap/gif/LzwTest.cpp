// The LZW engine: exact code streams, code width changes, the full table,
// refusals and round trips.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "bitmap/gif/GifErrors.h"
#include "bitmap/gif/LzwDecoder.h"
#include "bitmap/gif/LzwEncoder.h"
#include "tests/bitmap/gif/GifTestSupport.h"

namespace {

using bitmap::LzwDecoder;
using bitmap::LzwEncoder;
using gif_test::CodeReader;
using gif_test::CodeWriter;
using gif_test::lzwEncode;
namespace code = bitmap::gifcode;

std::vector<uint8_t> decodeAll(int codeSize, std::span<const uint8_t> data, size_t count,
                               int& result) {
    LzwDecoder decoder;
    std::vector<uint8_t> out(count, 0xEE);
    result = decoder.start(codeSize, data);
    if (result == 0)
        result = decoder.read(out);
    return out;
}

TEST(Lzw, FourZerosAtCodeSizeTwoGiveTwoBytes) {
    const std::vector<uint8_t> pixels{0, 0, 0, 0};
    const auto data = lzwEncode(2, pixels);
    ASSERT_EQ(data, (std::vector<uint8_t>{0x84, 0x51}));
    CodeReader codes(data);
    for (const int expected : {4, 0, 6, 0, 5})
        EXPECT_EQ(codes.read(3), expected);

    // The decoder reads the end code one bit wider, from the zero padding.
    LzwDecoder decoder;
    ASSERT_EQ(decoder.start(2, data), 0);
    std::vector<uint8_t> out(5, 0xEE);
    EXPECT_EQ(decoder.read(out), 0);
    EXPECT_EQ(out, (std::vector<uint8_t>{0, 0, 0, 0, 0xEE}));
    EXPECT_EQ(decoder.codeWidth(), 4);
    EXPECT_EQ(decoder.bitPosition(), 16u);
    EXPECT_EQ(decoder.read(std::span(out).first(1)), code::kLzwReadError);
}

TEST(Lzw, CodeSizeOneWidensRightAfterTheFirstCode) {
    // Clear and end are 2 and 3, so the first added string (4) already needs
    // 3 bits: both sides switch after the first code.
    const std::vector<uint8_t> pixels{0, 0, 0};
    const auto data = lzwEncode(1, pixels);
    CodeReader codes(data);
    EXPECT_EQ(codes.read(2), 2);
    EXPECT_EQ(codes.read(2), 0);
    EXPECT_EQ(codes.read(3), 4);
    EXPECT_EQ(codes.read(3), 3);
    int result = -1;
    EXPECT_EQ(decodeAll(1, data, 3, result), pixels);
    EXPECT_EQ(result, 0);
}

TEST(Lzw, EncoderWidensFromNineToTenBitsAfterCode512) {
    // Every pair of successive pixels is new, so each pixel adds a string
    // and the code stream is the pixels themselves, one step late.
    const auto pixels = gif_test::deBruijnPairs(256);
    const std::span<const uint8_t> first(pixels.data(), 1000);
    const auto data = lzwEncode(8, first);
    CodeReader codes(data);
    EXPECT_EQ(codes.read(9), 256);
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(codes.read(9), first[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(codes.bitPosition(), 2304u);
    for (int i = 255; i < 767; ++i)
        ASSERT_EQ(codes.read(10), first[static_cast<size_t>(i)]) << i;
    for (int i = 767; i < 999; ++i)
        ASSERT_EQ(codes.read(11), first[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(codes.read(11), first[999]);
    EXPECT_EQ(codes.read(11), 257);
}

TEST(Lzw, DecoderWidensAtTheSameCodeInTheStream) {
    const auto pixels = gif_test::deBruijnPairs(256);
    const std::span<const uint8_t> first(pixels.data(), 1000);
    const auto data = lzwEncode(8, first);
    LzwDecoder decoder;
    ASSERT_EQ(decoder.start(8, data), 0);
    std::vector<uint8_t> out(254);
    ASSERT_EQ(decoder.read(out), 0);
    EXPECT_EQ(decoder.codeWidth(), 9);
    EXPECT_EQ(decoder.bitPosition(), 255u * 9);
    ASSERT_EQ(decoder.read(std::span(out).first(1)), 0);
    EXPECT_EQ(decoder.codeWidth(), 10);
    EXPECT_EQ(decoder.bitPosition(), 2304u);  // 288 whole bytes of 9-bit codes
    ASSERT_EQ(decoder.read(std::span(out).first(1)), 0);
    EXPECT_EQ(out[0], first[255]);
    EXPECT_EQ(decoder.bitPosition(), 2314u);
}

TEST(Lzw, FullTableMakesTheEncoderClearAtTwelveBitsAndGoOnAtNine) {
    const auto pixels = gif_test::deBruijnPairs(256);
    const std::span<const uint8_t> input(pixels.data(), 3845);
    const auto data = lzwEncode(8, input);
    CodeReader codes(data);
    ASSERT_EQ(codes.read(9), 256);
    // Pixel i's code is written when pixel i + 1 arrives; by then the table
    // holds 258 + i codes, which sets the width.
    for (int i = 0; i < 3838; ++i) {
        int width = 9;
        while ((1 << width) < 258 + i)
            ++width;
        ASSERT_EQ(codes.read(width), input[static_cast<size_t>(i)]) << i;
    }
    // 3838 strings added: the next unmatched pixel clears the table.
    EXPECT_EQ(codes.read(12), input[3838]);
    EXPECT_EQ(codes.read(12), 256);
    for (size_t i = 3839; i < 3844; ++i)
        EXPECT_EQ(codes.read(9), input[i]) << i;
    EXPECT_EQ(codes.read(9), input[3844]);
    EXPECT_EQ(codes.read(9), 257);

    int result = -1;
    const auto back = decodeAll(8, data, input.size(), result);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), input.begin(), input.end()));
}

// Clear, then single-index codes at the widths the decoder expects, each
// adding a string, until `codes` codes follow the clear.
CodeWriter streamWithoutClear(int codes) {
    CodeWriter w;
    w.write(256, 9);
    for (int j = 0; j < codes; ++j) {
        int width = 9;
        while (width < 12 && (1 << width) <= 257 + std::max(j, 1))
            ++width;
        w.write(j % 256, width);
    }
    return w;
}

TEST(Lzw, FullTableWithoutClearGoesOnAtTwelveBitsUntilAClear) {
    // After the table is full the encoder may defer its clear code: codes
    // stay 12 bits wide and name the strings already there (entry 258 + k is
    // the pair k, k + 1), and nothing is added until the clear comes.
    CodeWriter w = streamWithoutClear(3839);
    w.write(300, 12);
    w.write(5, 12);
    w.write(4095, 12);
    w.write(256, 12);
    w.write(7, 9);
    w.write(257, 9);
    LzwDecoder decoder;
    ASSERT_EQ(decoder.start(8, w.bytes()), 0);
    std::vector<uint8_t> out(3839 + 6, 99);
    ASSERT_EQ(decoder.read(out), 0);
    for (size_t j = 0; j < 3839; ++j)
        ASSERT_EQ(out[j], j % 256);
    EXPECT_EQ(std::vector<uint8_t>(out.begin() + 3839, out.end()),
              (std::vector<uint8_t>{42, 43, 5, 3837 % 256, 3838 % 256, 7}));
    EXPECT_EQ(decoder.read(std::span(out).first(1)), 0);  // the end code
    EXPECT_EQ(decoder.read(std::span(out).first(1)), code::kLzwReadError);
}

TEST(Lzw, ClearCodeAtTheFullTableLetsDecodingGoOn) {
    CodeWriter w = streamWithoutClear(3839);
    w.write(256, 12);
    w.write(7, 9);
    w.write(7, 9);  // the string 7 7, code 258 at the new start
    w.write(258, 9);
    w.write(257, 9);
    LzwDecoder decoder;
    ASSERT_EQ(decoder.start(8, w.bytes()), 0);
    std::vector<uint8_t> out(3839 + 4);
    ASSERT_EQ(decoder.read(out), 0);
    EXPECT_EQ(std::vector<uint8_t>(out.end() - 4, out.end()), (std::vector<uint8_t>{7, 7, 7, 7}));
}

TEST(Lzw, RefusalsAndMisuse) {
    LzwEncoder encoder;
    EXPECT_EQ(encoder.put(0), code::kLzwNotReady);
    EXPECT_EQ(encoder.finish(), code::kLzwNotReady);
    EXPECT_EQ(encoder.start(9), code::kLzwWidthTooBig);
    EXPECT_FALSE(encoder.isReady());
    EXPECT_EQ(encoder.start(0), code::kLzwInitFailed);
    ASSERT_EQ(encoder.start(8), 0);
    EXPECT_TRUE(encoder.isReady());
    EXPECT_EQ(encoder.finish(), 0);
    EXPECT_EQ(encoder.put(1), code::kLzwNotReady);  // finished streams stay finished

    LzwDecoder decoder;
    std::vector<uint8_t> out(4);
    EXPECT_EQ(decoder.read(out), code::kLzwNotReady);
    const std::vector<uint8_t> data{0x84, 0x51};
    EXPECT_EQ(decoder.start(0, data), code::kLzwInitFailed);
    EXPECT_EQ(decoder.read(out), code::kLzwNotReady);
    for (const int s : {9, 11, 12, 255})
        EXPECT_EQ(decoder.start(s, data), code::kLzwWidthTooBig) << s;
    EXPECT_FALSE(decoder.isReady());
}

TEST(Lzw, EmptyStreamIsClearAndEnd) {
    LzwEncoder encoder;
    ASSERT_EQ(encoder.start(4), 0);
    ASSERT_EQ(encoder.finish(), 0);
    const std::vector<uint8_t> data(encoder.output().begin(), encoder.output().end());
    CodeReader codes(data);
    EXPECT_EQ(codes.read(5), 16);
    EXPECT_EQ(codes.read(5), 17);
    int result = -1;
    const auto out = decodeAll(4, data, 2, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(out, (std::vector<uint8_t>{0xEE, 0xEE}));
}

TEST(Lzw, BrokenStreamsAreRefused) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> codes;  // (code, width)
        int expected;
    };
    const std::vector<Case> cases{
        {"code beyond the next free one", {{256, 9}, {0, 9}, {300, 9}}, code::kLzwReadError},
        {"string code right after clear", {{256, 9}, {258, 9}}, code::kLzwReadError},
        {"string code first of all", {{259, 9}}, code::kLzwReadError},
        {"end before all pixels, then read again", {{256, 9}, {1, 9}, {257, 9}}, 0},
        {"nothing but clear codes", {{256, 9}, {256, 9}, {256, 9}}, code::kLzwReadError},
    };
    for (const auto& c : cases) {
        CodeWriter w;
        for (const auto& [value, width] : c.codes)
            w.write(value, width);
        LzwDecoder decoder;
        ASSERT_EQ(decoder.start(8, w.bytes()), 0);
        std::vector<uint8_t> out(3, 0xEE);
        EXPECT_EQ(decoder.read(out), c.expected) << c.name;
        EXPECT_EQ(decoder.read(out), code::kLzwReadError) << c.name;
    }
}

TEST(Lzw, CutOffStreamsDeliverOnlyWhatIsThere) {
    std::mt19937 random(7);
    std::vector<uint8_t> pixels(3000);
    for (auto& p : pixels)
        p = static_cast<uint8_t>(random() % 6);
    const auto data = lzwEncode(3, pixels);
    for (size_t cut = 0; cut < data.size(); ++cut) {
        int result = -1;
        const auto out = decodeAll(3, std::span(data).first(cut), pixels.size(), result);
        // The last pixel code and the end code fit in 24 bits with the padding
        // of the last byte: cutting three bytes always loses pixels.
        if (cut + 3 <= data.size()) {
            EXPECT_EQ(result, code::kLzwReadError) << cut;
        } else if (result == 0) {
            EXPECT_EQ(out, pixels) << cut;
        } else {
            EXPECT_EQ(result, code::kLzwReadError) << cut;
        }
    }
}

TEST(Lzw, RoundTripsAtEveryCodeSize) {
    std::mt19937 random(1234);
    for (int s = 1; s <= 8; ++s) {
        for (const size_t count : {size_t{1}, size_t{2}, size_t{5}, size_t{700}, size_t{40000}}) {
            std::vector<uint8_t> pixels(count);
            // Runs and noise mixed, so strings grow long and the table refills.
            for (size_t i = 0; i < count; ++i)
                pixels[i] = (random() % 4 == 0 && i > 0)
                                ? pixels[i - 1]
                                : static_cast<uint8_t>(random() % (1u << s));
            const auto data = lzwEncode(s, pixels);
            LzwDecoder decoder;
            ASSERT_EQ(decoder.start(s, data), 0);
            // Pieces of uneven size, so strings straddle the reads.
            std::vector<uint8_t> back;
            size_t piece = 1;
            while (back.size() < count) {
                std::vector<uint8_t> part(std::min(piece, count - back.size()));
                ASSERT_EQ(decoder.read(part), 0) << "s=" << s << " count=" << count;
                back.insert(back.end(), part.begin(), part.end());
                piece = piece * 3 % 1001 + 1;
            }
            EXPECT_EQ(back, pixels) << "s=" << s << " count=" << count;
        }
    }
}

TEST(Lzw, UniformPictureMakesLongStrings) {
    const std::vector<uint8_t> pixels(200000, 3);
    const auto data = lzwEncode(2, pixels);
    EXPECT_LT(data.size(), 1500u);
    int result = -1;
    EXPECT_EQ(decodeAll(2, data, pixels.size(), result), pixels);
    EXPECT_EQ(result, 0);
}

TEST(Lzw, EncoderKeepsOnlyTheLowBitsOfAPixel) {
    const std::vector<uint8_t> pixels{5, 6, 7, 255};
    const auto data = lzwEncode(2, pixels);
    int result = -1;
    EXPECT_EQ(decodeAll(2, data, 4, result), (std::vector<uint8_t>{1, 2, 3, 3}));
}

}  // namespace
