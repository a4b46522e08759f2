// The table-driven Huffman reader against a plain bit-by-bit reading of the
// same canonical code, over complete, incomplete and over-subscribed sets of
// code lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/zlib/InflateDecoder.h"
#include "carvello/zlib/InflateHuffman.h"

using carvello::BufferedByteStream;
using carvello::InflateBitReader;
using carvello::InflateHuffman;
using carvello::InputByteStream;
using carvello::PNGInflateDecoder;

namespace {

// The rule itself: sort by (length, symbol) with an exchange sort, assign
// canonical codes, read one bit at a time until the largest code of the
// length is not below the code.
struct Reference {
    std::vector<int> sorted;
    int smallest[16] = {};
    int largest[16] = {};
    int first[16] = {};
    unsigned maxLength = 0;

    Reference(const std::vector<uint8_t>& lengths, unsigned max) : maxLength(max) {
        for (size_t s = 0; s < lengths.size(); ++s)
            if (lengths[s] != 0)
                sorted.push_back(static_cast<int>(s));
        for (size_t i = 0; i < sorted.size(); ++i)
            for (size_t j = i + 1; j < sorted.size(); ++j)
                if (lengths[sorted[j]] < lengths[sorted[i]] ||
                    (lengths[sorted[j]] == lengths[sorted[i]] && sorted[j] < sorted[i]))
                    std::swap(sorted[i], sorted[j]);
        int counts[16] = {};
        for (uint8_t l : lengths)
            if (l != 0)
                ++counts[l];
        int code = 0;
        int index = 0;
        for (int l = 1; l <= 15; ++l) {
            code = (code + (l > 1 ? counts[l - 1] : 0)) << 1;
            smallest[l] = code;
            largest[l] = counts[l] ? code + counts[l] - 1 : -1;
            first[l] = index;
            index += counts[l];
        }
    }

    // Symbol and bits used, or -1 when no code matches.
    std::pair<int, size_t> decode(const std::vector<int>& bits, size_t at) const {
        int code = 0;
        for (unsigned l = 1; l <= maxLength; ++l) {
            if (at + l - 1 >= bits.size())
                return {-2, 0};
            code = (code << 1) | bits[at + l - 1];
            if (code <= largest[l])
                return {sorted[first[l] + code - smallest[l]], l};
        }
        return {-1, 0};
    }
};

TEST(InflateHuffmanTable, AgreesWithBitByBitReading) {
    std::mt19937 random(12345);
    for (int trial = 0; trial < 400; ++trial) {
        const unsigned symbols = 1 + random() % 288;
        const unsigned maxLength = trial % 5 == 0 ? 7 : 15;
        std::vector<uint8_t> lengths(symbols);
        const int style = trial % 4;
        for (auto& l : lengths) {
            // Sparse, dense short, long-code heavy and mixed sets.
            const unsigned r = random();
            if (style == 0)
                l = r % 3 == 0 ? static_cast<uint8_t>(1 + r % maxLength) : 0;
            else if (style == 1)
                l = static_cast<uint8_t>(r % std::min(maxLength + 1, 6u));
            else if (style == 2)
                l = static_cast<uint8_t>(std::min<unsigned>(maxLength, 9 + r % 7));
            else
                l = static_cast<uint8_t>(r % (maxLength + 1));
        }
        InflateHuffman table;
        table.build(lengths, maxLength);
        const Reference reference(lengths, maxLength);

        std::vector<int> bits(4000);
        for (auto& b : bits)
            b = static_cast<int>(random() & 1);
        std::vector<uint8_t> bytes(bits.size() / 8);
        for (size_t i = 0; i < bits.size(); ++i)
            bytes[i / 8] |= static_cast<uint8_t>(bits[i] << (i % 8));

        BufferedByteStream stream(bytes);
        InflateBitReader reader;
        size_t at = 0;
        for (int n = 0; n < 200; ++n) {
            const auto [symbol, used] = reference.decode(bits, at);
            if (symbol == -2)
                break;
            if (symbol == -1) {
                EXPECT_THROW(table.decode(reader, stream), PNGInflateDecoder::StreamError)
                    << "trial " << trial;
                break;
            }
            ASSERT_EQ(table.decode(reader, stream), static_cast<unsigned>(symbol))
                << "trial " << trial << " at bit " << at;
            at += used;
            // The reader has used exactly the code's bits: the next bit matches.
            const size_t consumed = (bytes.size() - stream.buffered().size()) * 8 - reader.count();
            ASSERT_EQ(consumed, at);
        }
    }
}

}  // namespace
