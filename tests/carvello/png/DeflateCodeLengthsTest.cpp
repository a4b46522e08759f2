// Huffman code lengths of the deflate encoder's blocks, and their codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "carvello/zlib/DeflateCodeLengths.h"

namespace {

using carvello::deflate::buildCanonicalCodes;
using carvello::deflate::buildCodeLengths;

std::vector<uint8_t> lengthsOf(const std::vector<uint32_t>& counts, unsigned maxBits) {
    std::vector<uint8_t> lengths(counts.size(), 99);
    buildCodeLengths(counts, maxBits, lengths);
    return lengths;
}

// Sum of 2^-length over the used symbols, in units of 2^-15.
uint64_t kraft(const std::vector<uint8_t>& lengths) {
    uint64_t sum = 0;
    for (auto l : lengths)
        if (l)
            sum += uint64_t{1} << (15 - l);
    return sum;
}

TEST(DeflateCodeLengths, HandWorkedAlphabets) {
    struct Case {
        const char* name;
        std::vector<uint32_t> counts;
        unsigned maxBits;
        std::vector<uint8_t> lengths;
    };
    const std::vector<Case> cases{
        {"nothing used", {0, 0, 0}, 15, {0, 0, 0}},
        {"one symbol gets one bit", {0, 5, 0}, 15, {0, 1, 0}},
        {"two symbols", {1, 0, 1}, 15, {1, 0, 1}},
        // Ties: the higher symbol is merged first, so symbol 0 ends up alone.
        {"three equal", {1, 1, 1}, 15, {1, 2, 2}},
        {"ties by symbol", {2, 1, 1, 2}, 15, {1, 3, 3, 2}},
        // Unlimited lengths 8 8 7 6 5 4 3 2 1; limited to 5 by moving the
        // long codes down, then handed out in unlimited-length order.
        {"limited", {1, 1, 2, 4, 8, 16, 32, 64, 128}, 5, {5, 5, 5, 5, 5, 5, 4, 2, 1}},
        {"unlimited", {1, 1, 2, 4, 8, 16, 32, 64, 128}, 15, {8, 8, 7, 6, 5, 4, 3, 2, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lengthsOf(c.counts, c.maxBits), c.lengths) << c.name;
}

TEST(DeflateCodeLengths, LimitsKeepCodesCompleteAndOrdered) {
    // Fibonacci counts give the deepest trees; 286 symbols is the largest
    // literal/length alphabet, 19 the code-length alphabet.
    for (const auto& [size, maxBits] : {std::pair{30u, 15u}, {286u, 15u}, {19u, 7u}, {25u, 7u}}) {
        std::vector<uint32_t> counts(size);
        uint32_t a = 1, b = 1;
        for (auto& c : counts) {
            c = a;
            const uint32_t next = std::min<uint64_t>(uint64_t{a} + b, 1u << 20);
            a = b;
            b = next;
        }
        const auto lengths = lengthsOf(counts, maxBits);
        EXPECT_EQ(kraft(lengths), 1u << 15) << size;
        for (size_t s = 0; s < size; ++s) {
            EXPECT_GE(lengths[s], 1) << s;
            EXPECT_LE(lengths[s], maxBits) << s;
            // A more frequent symbol never gets a longer code.
            if (s > 0 && counts[s] > counts[s - 1]) {
                EXPECT_LE(lengths[s], lengths[s - 1]) << s;
            }
        }
    }
}

TEST(DeflateCodeLengths, RefusesArgumentsItCannotServe) {
    std::vector<uint32_t> counts(20, 1);
    std::vector<uint8_t> lengths(20);
    EXPECT_THROW(buildCodeLengths(counts, 4, lengths), std::logic_error);  // 20 > 2^4
    std::vector<uint8_t> shortLengths(19);
    EXPECT_THROW(buildCodeLengths(counts, 15, shortLengths), std::logic_error);
    std::vector<uint32_t> tooMany(287, 1);
    std::vector<uint8_t> tooManyLengths(287);
    EXPECT_THROW(buildCodeLengths(tooMany, 15, tooManyLengths), std::logic_error);
}

TEST(DeflateCanonicalCodes, RfcExampleReversedForLsbFirstOutput) {
    // RFC 1951 3.2.2: lengths (3,3,3,3,3,2,4,4) give 010 011 100 101 110 00
    // 1110 1111; written bit-reversed.
    const std::vector<uint8_t> lengths{3, 3, 3, 3, 3, 2, 4, 4};
    std::vector<uint16_t> codes(8);
    buildCanonicalCodes(lengths, codes);
    EXPECT_EQ(codes,
              (std::vector<uint16_t>{0b010, 0b110, 0b001, 0b101, 0b011, 0b00, 0b0111, 0b1111}));

    const std::vector<uint8_t> withUnused{0, 1, 0, 1};
    std::vector<uint16_t> two(4, 77);
    buildCanonicalCodes(withUnused, two);
    EXPECT_EQ(two, (std::vector<uint16_t>{0, 0, 0, 1}));
    std::vector<uint8_t> bad{16};
    std::vector<uint16_t> one(1);
    EXPECT_THROW(buildCanonicalCodes(bad, one), std::logic_error);
}

}  // namespace
