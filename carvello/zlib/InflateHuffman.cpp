#include "carvello/zlib/InflateHuffman.h"

#include "carvello/zlib/InflateDecoder.h"

namespace carvello {

void InflateHuffman::build(std::span<const uint8_t> lengths, unsigned maxLength) {
    if (lengths.size() > kMaxSymbols || maxLength > kMaxLength)
        fail();
    maxLength_ = maxLength;
    // Counting sort by length; symbols of one length stay in ascending
    // order, which is the (length, symbol) order of the canonical code.
    std::array<uint16_t, kMaxLength + 1> counts{};
    for (uint8_t length : lengths) {
        if (length > maxLength)
            fail();
        ++counts[length];
    }
    counts[0] = 0;

    std::array<uint16_t, kMaxLength + 1> next{};
    uint16_t index = 0;
    int32_t code = 0;
    for (unsigned length = 1; length <= kMaxLength; ++length) {
        code = (code + counts[length - 1]) << 1;
        smallest_[length] = code;
        largest_[length] = counts[length] != 0 ? code + counts[length] - 1 : -1;
        firstIndex_[length] = index;
        next[length] = index;
        index = static_cast<uint16_t>(index + counts[length]);
    }
    for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
        const uint8_t length = lengths[symbol];
        if (length != 0)
            sorted_[next[length]++] = static_cast<uint16_t>(symbol);
    }
    fill(0, 0, 0);
}

// Walks the bit tree to depth kLookBits, applying the decoding rule at each
// depth, and stores the outcome for every table index that starts with the
// bits walked so far.
void InflateHuffman::fill(unsigned length, uint32_t code, uint32_t pattern) {
    uint32_t entry = 0;
    if (length > 0 && static_cast<int32_t>(code) <= largest_[length]) {
        const uint32_t symbol = sorted_[firstIndex_[length] + code - smallest_[length]];
        entry = symbol | (length << 16);
    } else if (length == maxLength_) {
        entry = kNoCode;
    } else if (length == kLookBits) {
        table_[pattern] = kLonger | code;
        return;
    } else {
        fill(length + 1, code << 1, pattern);
        fill(length + 1, (code << 1) | 1, pattern | (1u << length));
        return;
    }
    for (uint32_t p = pattern; p < table_.size(); p += 1u << length)
        table_[p] = entry;
}

unsigned InflateHuffman::decodeLong(InflateBitReader& bits, InputByteStream& stream,
                                    uint32_t entry) const {
    if ((entry & 0xFF000000u) == kNoCode)
        fail();
    bits.drop(kLookBits);
    return decodeBits(bits, stream, kLookBits, static_cast<int32_t>(entry & 0xFFFF));
}

unsigned InflateHuffman::decodeBits(InflateBitReader& bits, InputByteStream& stream,
                                    unsigned length, int32_t code) const {
    while (length < maxLength_) {
        ++length;
        code = (code << 1) | static_cast<int32_t>(bits.bit(stream));
        if (code <= largest_[length])
            return sorted_[firstIndex_[length] + code - smallest_[length]];
    }
    fail();
}

void InflateHuffman::fail() {
    throw PNGInflateDecoder::StreamError("Invalid Huffman Code");
}

}  // namespace carvello
