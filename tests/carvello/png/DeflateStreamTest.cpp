// The deflate encoder's streams: header, refusals, pinned streams, the
// matcher's choices against a plain model, blocks, and zlib decoding.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "carvello/zlib/Checksums.h"
#include "carvello/zlib/DeflateCodeLengths.h"
#include "carvello/zlib/DeflateEncoder.h"
#include "tests/carvello/png/DeflateReader.h"
#include "tests/carvello/png/ReferenceMatcher.h"
#include "tests/carvello/png/TestData.h"

namespace {

using carvello::deflateToZlib;
using carvello::PNGDeflateEncoder;
using namespace pngwrite_test;

class Collect : public carvello::DeflateOutput {
public:
    void putBytes(std::span<const uint8_t> b) override {
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const PNGDeflateEncoder::PNGDeflateError& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

// Inputs used by several tests.
std::map<std::string, std::vector<uint8_t>> sampleInputs() {
    std::map<std::string, std::vector<uint8_t>> inputs;
    inputs["empty"] = {};
    inputs["one byte"] = {0x41};
    inputs["two bytes"] = {0, 0};
    inputs["three bytes"] = {7, 7, 7};
    inputs["run 2000"] = std::vector<uint8_t>(2000, 'a');
    inputs["zeros 70000"] = std::vector<uint8_t>(70000, 0);
    inputs["text 60000"] = textBytes(60000);
    inputs["random 40000"] = randomBytes(40000, 1);
    inputs["picture 120000"] = pictureBytes(120000);
    // Rows of grey RGB pixels with some noise, as the program saves them:
    // most runs are one or two pixels long, so runs of 3, 6 and 9 bytes
    // compete among many candidates of equal first bytes.
    std::vector<uint8_t> grey;
    uint32_t x = 11;
    for (size_t i = 0; grey.size() < 100000; ++i) {
        x = x * 1664525u + 1013904223u;
        const auto v = static_cast<uint8_t>((i % 640) / 40 + (i / 640) / 8 + ((x >> 29) & 1));
        grey.insert(grey.end(), {v, v, v});
    }
    inputs["grey pixels 100000"] = grey;
    // Four bytes whose only earlier occurrence ranks just inside or just
    // outside the chain limits of levels 1 and 2, behind many positions
    // that share only their first three bytes.
    std::vector<uint8_t> ranks;
    uint8_t first = 8;
    for (const unsigned rank : {63u, 64u, 65u, 127u, 128u, 129u}) {
        const uint8_t a = first, b = first + 1, c = first + 2, d = first + 3;
        ranks.insert(ranks.end(), {a, b, c, d, 250});
        for (unsigned i = 1; i < rank; ++i)
            ranks.insert(ranks.end(), {a, b, c, static_cast<uint8_t>(d + 1 + i % 3)});
        ranks.insert(ranks.end(), {254, a, b, c, d, 251, 0, 0});
        first += 40;
    }
    inputs["chain limit ranks"] = ranks;
    // Bytes that all share one hash (equal low five bits) but rarely match.
    auto colliding = randomBytes(20000, 2);
    for (auto& b : colliding)
        b = static_cast<uint8_t>(b & 0xE0);
    inputs["colliding 20000"] = colliding;
    // A random window followed by its own start: the match lies exactly
    // 32768 bytes back, the farthest deflate allows.
    auto window = randomBytes(32768, 3);
    window.insert(window.end(), window.begin(), window.begin() + 600);
    inputs["window edge"] = window;
    return inputs;
}

TEST(DeflateEncoder, HeaderNamesTheLevel) {
    const std::vector<std::pair<int, uint8_t>> levels{{0, 0x01}, {1, 0x5E}, {2, 0x9C}, {3, 0xDA}};
    for (const auto& [level, flg] : levels) {
        const auto stream = deflateToZlib(bytesOf("abc"), level);
        ASSERT_GE(stream.size(), 2u);
        EXPECT_EQ(stream[0], 0x78) << level;
        EXPECT_EQ(stream[1], flg) << level;
        EXPECT_EQ((stream[0] * 256 + stream[1]) % 31, 0) << level;
    }
    PNGDeflateEncoder encoder;
    EXPECT_EQ(encoder.compressionLevel(), 2);
    Collect out;
    encoder.begin(out);
    EXPECT_EQ(out.bytes, (std::vector<uint8_t>{0x78, 0x9C}));
}

TEST(DeflateEncoder, RefusalsAndStates) {
    Collect out;
    PNGDeflateEncoder encoder;
    const std::vector<uint8_t> some{1, 2, 3};
    EXPECT_EQ(messageOf([&] { encoder.compress(out, some); }), "Compression Not Underway");
    EXPECT_EQ(messageOf([&] { encoder.finish(out); }), "Compression Not Underway");
    for (int bad : {4, -1, 100}) {
        encoder.setCompressionLevel(bad);
        EXPECT_EQ(messageOf([&] { encoder.begin(out); }), "Invalid Compression Level") << bad;
        EXPECT_FALSE(encoder.underway());
    }
    EXPECT_TRUE(out.bytes.empty());
    encoder.setCompressionLevel(2);
    encoder.begin(out);
    EXPECT_TRUE(encoder.underway());
    EXPECT_EQ(messageOf([&] { encoder.begin(out); }), "Compression Already Underway");
    encoder.compress(out, some);
    encoder.finish(out);
    EXPECT_FALSE(encoder.underway());
    EXPECT_EQ(messageOf([&] { encoder.finish(out); }), "Compression Not Underway");
    // The same encoder starts a second stream; one abandoned half-way does
    // not stand in the way of the next.
    Collect second;
    encoder.begin(second);
    encoder.compress(second, some);
    encoder.abandon();
    EXPECT_FALSE(encoder.underway());
    Collect third;
    encoder.begin(third);
    encoder.compress(third, some);
    encoder.finish(third);
    EXPECT_EQ(third.bytes, out.bytes);
    // The error is a std::exception with the text, not a picture error.
    static_assert(std::is_base_of_v<std::exception, PNGDeflateEncoder::PNGDeflateError>);
}

TEST(DeflateEncoder, PinnedStreams) {
    // Worked by hand: one final dynamic block holding only end-of-block
    // (length 1), literal lengths sent as 18(138) 18(118) 1, one distance
    // length 0; code-length code 18:1, 0:2, 1:2; Adler-32 of nothing is 1.
    EXPECT_EQ(deflateToZlib({}),
              (std::vector<uint8_t>{0x78, 0x9C, 0x05, 0xC0, 0x81, 0x08, 0x00, 0x00, 0x00, 0x00,
                                    0x20, 0x7F, 0xEB, 0x03, 0x00, 0x00, 0x00, 0x01}));
    // Streams checked once against zlib and the token model below, kept so
    // that any change of the output is noticed.
    // Twenty a's: 3 literals, 3 at 3, 6 at 6, 8 at 8.
    EXPECT_EQ(deflateToZlib(std::vector<uint8_t>(20, 'a')),
              (std::vector<uint8_t>{0x78, 0x9C, 0x35, 0xC5, 0x01, 0x09, 0x00, 0x00, 0x00,
                                    0xC2, 0xB0, 0xAC, 0xEB, 0x5F, 0x42, 0x41, 0x84, 0xF1,
                                    0xA3, 0xD6, 0x3F, 0x4F, 0xA6, 0x07, 0x95}));
    EXPECT_EQ(deflateToZlib(bytesOf("abcabcabcabcabcxyzabc"), 3),
              (std::vector<uint8_t>{0x78, 0xDA, 0x25, 0xC4, 0x81, 0x09, 0x00, 0x00, 0x08, 0x02,
                                    0xC1, 0x59, 0xD5, 0x25, 0xAC, 0xE9, 0x7B, 0x08, 0x8E, 0x93,
                                    0x83, 0x1F, 0x9D, 0xE5, 0x03, 0x59, 0xCE, 0x08, 0x50}));
    const auto tokens =
        readZlib(deflateToZlib(bytesOf("abcabcabcabcabcxyzabc"), 3)).blocks[0].tokens;
    EXPECT_EQ(tokens, (std::vector<Token>{literal('a'), literal('b'), literal('c'), match(3, 3),
                                          match(6, 6), match(3, 3), literal('x'), literal('y'),
                                          literal('z'), match(3, 6)}));
}

// Level by level, a run of one byte: three literals, then matches whose
// length equals their distance, doubling until the chain limit (the
// farthest candidate examined) or 258 caps them.
TEST(DeflateEncoder, RepeatedByteRunDoublesUpToTheChainLimit) {
    const size_t n = 2000;
    const std::vector<uint8_t> run(n, 'a');
    const std::vector<size_t> caps{1, 64, 128, 258};
    for (int level = 0; level <= 3; ++level) {
        std::vector<Token> expected;
        size_t p = 0;
        while (p < n) {
            const size_t m = std::min({p, caps[level], size_t{258}, n - p});
            if (m >= 3) {
                expected.push_back(match(static_cast<unsigned>(m), static_cast<unsigned>(m)));
                p += m;
            } else {
                expected.push_back(literal('a'));
                ++p;
            }
        }
        const auto stream = readZlib(deflateToZlib(run, level));
        ASSERT_EQ(stream.blocks.size(), 1u);
        EXPECT_EQ(stream.blocks[0].tokens, expected) << "level " << level;
        EXPECT_EQ(stream.data, run);
    }
    // The worked sequence at level 3: 3 6 12 24 48 96 192, then 258s.
    const auto tokens = readZlib(deflateToZlib(run, 3)).blocks[0].tokens;
    ASSERT_GE(tokens.size(), 11u);
    EXPECT_EQ(tokens[3], match(3, 3));
    EXPECT_EQ(tokens[4], match(6, 6));
    EXPECT_EQ(tokens[9], match(192, 192));
    EXPECT_EQ(tokens[10], match(258, 258));
}

TEST(DeflateEncoder, MatchesFollowThePlainModelAtEveryLevel) {
    for (const auto& [name, data] : sampleInputs()) {
        for (int level = 0; level <= 3; ++level) {
            const auto stream = readZlib(deflateToZlib(data, level));
            const auto expected = referenceBlocks(data, level);
            ASSERT_EQ(stream.blocks.size(), expected.size()) << name << " level " << level;
            for (size_t b = 0; b < expected.size(); ++b)
                EXPECT_EQ(stream.blocks[b].tokens, expected[b])
                    << name << " level " << level << " block " << b;
            EXPECT_EQ(stream.data, data) << name << " level " << level;
        }
    }
    // The farthest distance is used where it is the only match.
    const auto edge = sampleInputs().at("window edge");
    const auto tokens = readZlib(deflateToZlib(edge, 2)).blocks.back().tokens;
    EXPECT_NE(std::find(tokens.begin(), tokens.end(), match(258, 32768)), tokens.end());
}

TEST(DeflateEncoder, BlocksHoldAtMost16384EntriesAndOnlyTheLastIsFinal) {
    for (const auto& [name, data] : sampleInputs()) {
        const auto stream = readZlib(deflateToZlib(data));
        for (size_t b = 0; b < stream.blocks.size(); ++b) {
            const auto& block = stream.blocks[b];
            EXPECT_EQ(block.type, 2u) << name;
            EXPECT_EQ(block.final, b + 1 == stream.blocks.size()) << name << " block " << b;
            size_t entries = 0;
            for (const auto& t : block.tokens)
                entries += t.length ? 2 : 1;
            if (!block.final) {
                EXPECT_GE(entries, 16383u) << name << " block " << b;
                EXPECT_LE(entries, 16384u) << name << " block " << b;
            } else {
                EXPECT_LE(entries, 16384u) << name;
            }
        }
        EXPECT_EQ(stream.adler, carvello::updateAdler32(1, data)) << name;
        EXPECT_EQ(stream.trailing, 0u) << name;
    }
    // 40000 random bytes are nearly all literals: three blocks.
    EXPECT_EQ(readZlib(deflateToZlib(randomBytes(40000, 1))).blocks.size(), 3u);
}

// The lengths sent with each block are the limited Huffman lengths of the
// block's symbol counts, trimmed to the last used symbol.
TEST(DeflateEncoder, BlockCodesAreBuiltFromTheBlocksCounts) {
    for (const auto& [name, data] : sampleInputs()) {
        const auto stream = readZlib(deflateToZlib(data));
        for (const auto& block : stream.blocks) {
            std::vector<uint32_t> lit(286), dist(30);
            for (const auto& t : block.tokens) {
                if (!t.length) {
                    ++lit[t.distance];
                    continue;
                }
                unsigned ls = 0, ds = 0;
                static const unsigned kLenBase[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                    15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
                static const unsigned kDistBase[] = {
                    1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                    33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
                while (ls + 1 < 29 && kLenBase[ls + 1] <= t.length)
                    ++ls;
                if (t.length == 258)
                    ls = 28;
                while (ds + 1 < 30 && kDistBase[ds + 1] <= t.distance)
                    ++ds;
                ++lit[257 + ls];
                ++dist[ds];
            }
            ++lit[256];
            std::vector<uint8_t> litLengths(286), distLengths(30);
            carvello::deflate::buildCodeLengths(lit, 15, litLengths);
            carvello::deflate::buildCodeLengths(dist, 15, distLengths);
            size_t hlit = 286, hdist = 30;
            while (hlit > 257 && litLengths[hlit - 1] == 0)
                --hlit;
            while (hdist > 1 && distLengths[hdist - 1] == 0)
                --hdist;
            litLengths.resize(hlit);
            distLengths.resize(hdist);
            EXPECT_EQ(block.literalLengths, litLengths) << name;
            EXPECT_EQ(block.distanceLengths, distLengths) << name;
            for (auto l : block.codeLengthLengths)
                EXPECT_LE(l, 7) << name;
            EXPECT_GE(block.hclen, 4u);
            static constexpr int kOrder[] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                             11, 4,  12, 3, 13, 2, 14, 1, 15};
            EXPECT_NE(block.codeLengthLengths[kOrder[block.hclen - 1]], 0)
                << name << ": trailing zero code-length lengths are dropped";
        }
    }
}

TEST(DeflateEncoder, OutputDoesNotDependOnHowInputIsSplit) {
    const auto data = pictureBytes(150000);
    const auto whole = deflateToZlib(data);
    for (size_t piece :
         {size_t{1}, size_t{3}, size_t{257}, size_t{258}, size_t{4096}, size_t{65535}}) {
        Collect out;
        PNGDeflateEncoder encoder;
        encoder.begin(out);
        const std::span<const uint8_t> all(data);
        for (size_t at = 0; at < data.size(); at += piece)
            encoder.compress(out, all.subspan(at, std::min(piece, data.size() - at)));
        encoder.compress(out, {});
        encoder.finish(out);
        EXPECT_EQ(out.bytes, whole) << "pieces of " << piece;
    }
}

TEST(DeflateEncoder, ZlibInflatesEveryLevelToTheInput) {
    if (!havePythonZlib())
        GTEST_SKIP() << "python3 with zlib is not available";
    std::vector<std::vector<uint8_t>> streams, inputs;
    std::vector<std::string> names;
    for (const auto& [name, data] : sampleInputs()) {
        for (int level = 0; level <= 3; ++level) {
            streams.push_back(deflateToZlib(data, level));
            inputs.push_back(data);
            names.push_back(name + " level " + std::to_string(level));
        }
    }
    const auto results = inflateWithPythonZlib(streams);
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_TRUE(results[i].ok) << names[i];
        EXPECT_EQ(results[i].data, inputs[i]) << names[i];
    }
}

}  // namespace
