// The inflate decoder against python3's zlib and against hand-made streams
// that break one rule each.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/zlib/Checksums.h"
#include "carvello/zlib/InflateDecoder.h"
#include "tests/carvello/png/PngTestFiles.h"

using carvello::BufferedByteStream;
using carvello::InputByteStream;
using carvello::PNGInflateDecoder;
using pngtest::BitWriter;
using pngtest::Bytes;

namespace {

// A stream that hands out its bytes a few at a time, so that every refill
// boundary falls somewhere inside the compressed data.
class TrickleStream : public InputByteStream {
public:
    TrickleStream(Bytes bytes, size_t piece) : bytes_(std::move(bytes)), piece_(piece) {
        setBuffer(bytes_.data(), bytes_.data());
    }
    uint64_t tell() const override { return at_ - buffered().size(); }
    void seek(uint64_t) override {}
    bool endReached() override { return buffered().empty() && at_ == bytes_.size(); }
    size_t refills = 0;

protected:
    const uint8_t* fillBuffer() override {
        ++refills;
        const size_t n = std::min(piece_, bytes_.size() - at_);
        setBuffer(bytes_.data() + at_, bytes_.data() + at_ + n);
        at_ += n;
        return bytes_.data() + at_ - n;
    }

private:
    Bytes bytes_;
    size_t piece_;
    size_t at_ = 0;
};

Bytes inflateAll(InputByteStream& stream, size_t size, const std::vector<size_t>& pieces = {}) {
    PNGInflateDecoder decoder;
    decoder.openStream(stream);
    Bytes out(size);
    size_t at = 0;
    size_t i = 0;
    while (at < size) {
        const size_t n =
            pieces.empty() ? size - at : std::min(pieces[i++ % pieces.size()], size - at);
        decoder.decompress(stream, std::span(out).subspan(at, n));
        at += n;
    }
    return out;
}

Bytes inflateBytes(const Bytes& z, size_t size) {
    BufferedByteStream stream(z);
    return inflateAll(stream, size);
}

std::string inflateError(const Bytes& z, size_t size) {
    try {
        inflateBytes(z, size);
    } catch (const PNGInflateDecoder::StreamError& e) {
        return e.what();
    }
    return "(no error)";
}

Bytes sampleData(size_t n, unsigned seed) {
    // Text-like runs mixed with noise: all block types and long matches.
    std::mt19937 random(seed);
    Bytes out;
    const std::string words[] = {"glyphon ", "wbmp ", "phone ", "pixel ", "\x01\x02\x03"};
    while (out.size() < n) {
        if (random() % 4 == 0) {
            for (int k = 0; k < 20; ++k)
                out.push_back(static_cast<uint8_t>(random()));
        } else {
            const auto& w = words[random() % 5];
            out.insert(out.end(), w.begin(), w.end());
        }
    }
    out.resize(n);
    return out;
}

// Bytes with a skewed distribution, so dynamic codes reach 15 bits.
Bytes skewedData(size_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::geometric_distribution<int> geometric(0.35);
    Bytes out(n);
    for (auto& b : out)
        b = static_cast<uint8_t>(std::min(geometric(random), 255));
    return out;
}

uint32_t trailerAdler(const Bytes& z) {
    const size_t n = z.size();
    return (uint32_t{z[n - 4]} << 24) | (uint32_t{z[n - 3]} << 16) | (uint32_t{z[n - 2]} << 8) |
           z[n - 1];
}

TEST(InflateHeader, ChecksInOrder) {
    struct Case {
        uint8_t cmf, flg;
        const char* message;
    };
    const Case cases[] = {
        {0x78, 0x9D, "Corrupt Compression Header flags"},
        {0x77, 0x9C, "Invalid Compression Method - Not (8) Deflate"},
        {0x7F, 0x00,
         "Invalid Compression Method - Not (8) Deflate"},  // method before the check sum
        {0x88, 0x98, "Invalid Compression Window"},        // 2^16, check sum valid
        {0xF8, 0x00, "Invalid Compression Window"},        // 2^23
        {0x78, 0x20, "Preset dictionary flag set"},        // 0x7820 is a multiple of 31
    };
    for (const auto& c : cases) {
        EXPECT_EQ(inflateError({c.cmf, c.flg, 0x03, 0x00, 0, 0, 0, 1}, 1), c.message)
            << std::hex << int{c.cmf} << " " << int{c.flg};
    }
}

TEST(InflateHeader, Accepts789CAndSmallWindows) {
    // 0x78 0x9C, then a fixed block holding "a" and the end code.
    BitWriter w;
    w.bits(1, 1);
    w.bits(1, 2);
    w.code(0x30 + 'a', 8);
    w.code(0, 7);
    Bytes z = {0x78, 0x9C};
    pngtest::append(z, w.finish());
    EXPECT_EQ(inflateBytes(z, 1), Bytes{'a'});
    // A 256-byte window (CMF 0x08) is smaller than ours and fine.
    z[0] = 0x08;
    z[1] = static_cast<uint8_t>(31 - (0x08 * 256) % 31);
    EXPECT_EQ(inflateBytes(z, 1), Bytes{'a'});
}

TEST(InflateStored, LengthAndComplement) {
    // NLEN must be the ones' complement of LEN.
    EXPECT_EQ(inflateError({0x78, 0x01, 0x01, 0x02, 0x00, 0xFD, 0xFE, 'x', 'y'}, 2),
              "Invalid Literal Count");
    EXPECT_EQ(inflateError({0x78, 0x01, 0x01, 0x00, 0x00, 0xFF, 0xFE}, 1), "Invalid Literal Count");
    EXPECT_EQ(inflateBytes({0x78, 0x01, 0x01, 0x02, 0x00, 0xFD, 0xFF, 'x', 'y'}, 2),
              (Bytes{'x', 'y'}));
}

TEST(InflateStored, EmptyBlocksArePassedOver) {
    // Empty stored blocks before, between and after data, as zlib writes
    // them when it flushes and at the end of level-0 streams.
    const Bytes empty = {0x00, 0x00, 0x00, 0xFF, 0xFF};
    Bytes z = {0x78, 0x01};
    for (int i = 0; i < 3; ++i)
        pngtest::append(z, empty);
    pngtest::append(z, Bytes{0x00, 0x01, 0x00, 0xFE, 0xFF, 'x'});
    for (int i = 0; i < 100000; ++i)  // many in a row: no recursion
        pngtest::append(z, empty);
    pngtest::append(z, Bytes{0x00, 0x01, 0x00, 0xFE, 0xFF, 'y'});
    pngtest::append(z, Bytes{0x01, 0x00, 0x00, 0xFF, 0xFF});
    BufferedByteStream stream(z);
    PNGInflateDecoder decoder;
    decoder.openStream(stream);
    Bytes out(2);
    decoder.decompress(stream, out);
    EXPECT_EQ(out, (Bytes{'x', 'y'}));
    EXPECT_TRUE(decoder.endOfData());  // the final empty block was read with the 'y' block's end
    Bytes more(1);
    EXPECT_THROW(decoder.decompress(stream, more), PNGInflateDecoder::StreamError);
}

TEST(InflateStored, FollowsAfterBitsOfAnEarlierBlock) {
    // Fixed block "q" (not final), then a stored block starting on the next
    // byte boundary.
    BitWriter w;
    w.bits(0, 1);
    w.bits(1, 2);
    w.code(0x30 + 'q', 8);
    w.code(0, 7);
    w.bits(1, 1);
    w.bits(0, 2);
    Bytes z = {0x78, 0x01};
    pngtest::append(z, w.finish());
    pngtest::append(z, Bytes{3, 0, 0xFC, 0xFF, 'r', 's', 't'});
    EXPECT_EQ(inflateBytes(z, 4), (Bytes{'q', 'r', 's', 't'}));
}

TEST(InflateFixed, RefusesSymbolsOutsideTheAlphabets) {
    struct Case {
        std::function<void(BitWriter&)> body;
        const char* message;
    };
    const Case cases[] = {
        {[](BitWriter& w) { w.code(0xC6, 8); }, "Invalid Huffman Literal Value"},  // 286
        {[](BitWriter& w) { w.code(0xC7, 8); }, "Invalid Huffman Literal Value"},  // 287
        {[](BitWriter& w) {
             w.code(0x30 + 'a', 8);
             w.code(1, 7);   // length 3
             w.code(30, 5);  // distance symbol 30
         },
         "Invalid Huffman Distance Value"},
        {[](BitWriter& w) {
             w.code(0x30 + 'a', 8);
             w.code(1, 7);
             w.code(31, 5);
         },
         "Invalid Huffman Distance Value"},
    };
    for (const auto& c : cases) {
        BitWriter w;
        w.bits(1, 1);
        w.bits(1, 2);
        c.body(w);
        Bytes z = {0x78, 0x01};
        pngtest::append(z, w.finish());
        z.resize(z.size() + 8, 0);
        EXPECT_EQ(inflateError(z, 4), c.message);
    }
}

TEST(InflateBlocks, RefusesType3) {
    BitWriter w;
    w.bits(1, 1);
    w.bits(3, 2);
    Bytes z = {0x78, 0x01};
    pngtest::append(z, w.finish());
    EXPECT_EQ(inflateError(z, 1), "Invalid Compression Type");
}

// A dynamic block header whose code-length code gives symbols 0, 8, 16, 17
// and 18 three bits each (codes 000, 001, 010, 011, 100), then the
// code-length symbols of `run`: pairs of (symbol, extra bits).
Bytes dynamicBlock(const std::vector<std::pair<unsigned, unsigned>>& run) {
    BitWriter w;
    w.bits(1, 1);
    w.bits(2, 2);
    w.bits(0, 5);  // 257 literal/length codes
    w.bits(0, 5);  // 1 distance code
    w.bits(1, 4);  // 5 code-length codes: 16, 17, 18, 0, 8
    for (int i = 0; i < 5; ++i)
        w.bits(3, 3);
    const auto codeOf = [](unsigned symbol) {
        switch (symbol) {
            case 0:
                return 0u;
            case 8:
                return 1u;
            case 16:
                return 2u;
            case 17:
                return 3u;
            default:
                return 4u;
        }
    };
    for (const auto& [symbol, extra] : run) {
        w.code(codeOf(symbol), 3);
        if (symbol == 16)
            w.bits(extra, 2);
        if (symbol == 17)
            w.bits(extra, 3);
        if (symbol == 18)
            w.bits(extra, 7);
    }
    Bytes z = {0x78, 0x01};
    pngtest::append(z, w.finish());
    z.resize(z.size() + 16, 0);
    return z;
}

TEST(InflateDynamic, RefusesRunsOutsideTheirLengths) {
    struct Case {
        std::vector<std::pair<unsigned, unsigned>> run;
        const char* message;
    };
    const Case cases[] = {
        // 138 + 117 zeros, one 8, then a repeat of 3 past literal length 257.
        {{{18, 127}, {18, 106}, {8, 0}, {16, 0}}, "Length Command Out of Range"},
        // Zero runs past the end.
        {{{18, 127}, {18, 107}, {17, 7}}, "Length Command Out of Range"},
        {{{18, 127}, {18, 127}}, "Length Command Out of Range"},
        // A repeat with nothing before it, in the literal run...
        {{{16, 0}}, "Repeat Code Without Previous Length"},
        // ... and at the start of the distance run: it does not continue
        // the literal lengths.
        {{{18, 127}, {18, 107}, {8, 0}, {16, 0}}, "Repeat Code Without Previous Length"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inflateError(dynamicBlock(c.run), 1), c.message);
}

TEST(InflateDynamic, RefusesBitsThatMatchNoCode) {
    // Literal lengths: only symbols 255 and 256 have codes (8 bits each:
    // 0000 0000 and 0000 0001); anything starting with 1 matches nothing.
    // Distance: one code of 8 bits.
    auto z = dynamicBlock({{18, 127}, {18, 106}, {8, 0}, {8, 0}, {8, 0}});
    // After the header, all-ones bits match no code.
    // Block header, counts, five code-length lengths, two zero runs and
    // three single lengths.
    const size_t headerBits = 3 + 14 + 5 * 3 + 2 * (3 + 7) + 3 * 3;
    for (size_t bit = headerBits; bit < z.size() * 8 - 16; ++bit)
        z[2 + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
    EXPECT_EQ(inflateError(z, 1), "Invalid Huffman Code");
}

struct Compressed {
    int level;
    int strategy;
};

class InflateAgainstZlib : public ::testing::TestWithParam<Compressed> {};

TEST_P(InflateAgainstZlib, SameBytesAnyRequestSizes) {
    const auto [level, strategy] = GetParam();
    for (const Bytes& data :
         {sampleData(200000, 7), skewedData(100000, 3), Bytes(70000, 0x5A), Bytes{42}}) {
        const Bytes z = pngtest::zlibCompress(data, level, strategy);
        BufferedByteStream whole(z);
        PNGInflateDecoder decoder;
        decoder.openStream(whole);
        Bytes out(data.size());
        decoder.decompress(whole, out);
        ASSERT_EQ(out, data) << "level " << level;
        EXPECT_EQ(decoder.adler32(), trailerAdler(z));
        EXPECT_EQ(decoder.adler32(), carvello::updateAdler32(1, data));

        // One byte, then a row's worth, over and over; and a stream that
        // refills every three bytes.
        BufferedByteStream rows(z);
        EXPECT_EQ(inflateAll(rows, data.size(), {1, 301}), data);
        TrickleStream trickle(z, 3);
        EXPECT_EQ(inflateAll(trickle, data.size(), {1, 1000, 7}), data);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, InflateAgainstZlib,
                         ::testing::Values(Compressed{0, 0}, Compressed{1, 0}, Compressed{6, 0},
                                           Compressed{9, 0}, Compressed{9, 1}, Compressed{9, 2},
                                           Compressed{9, 3}, Compressed{9, 4}));

TEST(InflateEnd, AskingPastTheEndFails) {
    const Bytes data = sampleData(1000, 1);
    const Bytes z = pngtest::zlibCompress(data, 6);
    BufferedByteStream stream(z);
    PNGInflateDecoder decoder;
    decoder.openStream(stream);
    Bytes out(data.size());
    decoder.decompress(stream, out);
    EXPECT_FALSE(decoder.endOfData());  // the end code is only read when needed
    Bytes more(1);
    EXPECT_THROW(decoder.decompress(stream, more), PNGInflateDecoder::StreamError);
    EXPECT_TRUE(decoder.endOfData());
}

TEST(InflateEnd, TruncatedDataIsTheStreamsError) {
    const Bytes data = sampleData(5000, 2);
    Bytes z = pngtest::zlibCompress(data, 9);
    for (size_t keep : {size_t{1}, size_t{2}, size_t{3}, z.size() / 2, z.size() - 6}) {
        Bytes cut(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(keep));
        BufferedByteStream stream(cut);
        EXPECT_THROW(inflateAll(stream, data.size()), InputByteStream::StreamError) << keep;
    }
    Bytes stored = pngtest::zlibStored(data);
    stored.resize(stored.size() - 100);
    BufferedByteStream stream(stored);
    EXPECT_THROW(inflateAll(stream, data.size()), InputByteStream::StreamError);
}

TEST(InflateEnd, UsingWithoutOpeningFails) {
    PNGInflateDecoder decoder;
    BufferedByteStream stream(Bytes{1, 2, 3});
    Bytes out(1);
    EXPECT_THROW(decoder.decompress(stream, out), PNGInflateDecoder::StreamError);
}

TEST(InflateWindow, DistanceBeforeTheStartReadsZeros) {
    // "ab", then a copy of length 4 from distance 3: one byte before the
    // start of the data, which is the zeroed window.
    BitWriter w;
    w.bits(1, 1);
    w.bits(1, 2);
    w.code(0x30 + 'a', 8);
    w.code(0x30 + 'b', 8);
    w.code(2, 7);  // length 4
    w.code(2, 5);  // distance 3
    w.code(0, 7);
    Bytes z = {0x78, 0x01};
    pngtest::append(z, w.finish());
    EXPECT_EQ(inflateBytes(z, 6), (Bytes{'a', 'b', 0, 'a', 'b', 0}));
}

}  // namespace
