#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "carvello/zlib/InflateBits.h"

namespace carvello {

// One canonical Huffman code of a deflate block (RFC 1951 3.2.2).
//
// The code is defined by per-length tables: symbols sorted by (code length,
// symbol), and for each length the smallest code, the largest code (-1 when
// the length has none) and the index of its first symbol. A code is read one
// bit at a time, each bit becoming the new low bit, and ends at the first
// length whose largest code is not below the code read so far. That rule is
// applied as it stands to every set of lengths, including over-subscribed
// and incomplete ones.
//
// For speed the first kLookBits bits are looked up in a table filled from
// that same rule, so table and bit-by-bit reading always agree; only codes
// longer than the table continue bit by bit.
class InflateHuffman {
public:
    static constexpr unsigned kMaxLength = 15;
    static constexpr unsigned kMaxSymbols = 288;
    static constexpr unsigned kLookBits = 10;

    // lengths[s] is the code length of symbol s (0 = unused, at most
    // maxLength); at most kMaxSymbols symbols; maxLength at most kMaxLength.
    void build(std::span<const uint8_t> lengths, unsigned maxLength);

    // Reads one symbol. Throws the inflate decoder's StreamError when the
    // bits match no code up to the maximum length; the stream's own errors
    // pass through when it runs out of data.
    unsigned decode(InflateBitReader& bits, InputByteStream& stream) const {
        bits.fillFromBuffer(stream);
        if (bits.count() >= kLookBits) {
            const uint32_t entry = table_[bits.peek() & kLookMask];
            const unsigned length = (entry >> 16) & 0xFF;
            if (length != 0) {
                bits.drop(length);
                return entry & 0xFFFF;
            }
            return decodeLong(bits, stream, entry);
        }
        return decodeBits(bits, stream, 0, 0);
    }

private:
    static constexpr uint32_t kLookMask = (1u << kLookBits) - 1;
    // Table entries: symbol in bits 0-15, code length in bits 16-23 (0 when
    // the entry is not a whole code), kind in bits 24-31.
    static constexpr uint32_t kLonger = 1u << 24;  // a longer code; bits 0-15 hold its first bits
    static constexpr uint32_t kNoCode = 2u << 24;  // no code starts with these bits

    void fill(unsigned length, uint32_t code, uint32_t pattern);
    unsigned decodeLong(InflateBitReader& bits, InputByteStream& stream, uint32_t entry) const;
    // Continues bit by bit after `length` bits that formed `code`.
    unsigned decodeBits(InflateBitReader& bits, InputByteStream& stream, unsigned length,
                        int32_t code) const;
    [[noreturn]] static void fail();

    unsigned maxLength_ = 0;
    std::array<int32_t, kMaxLength + 1> smallest_{};
    std::array<int32_t, kMaxLength + 1> largest_{};
    std::array<uint16_t, kMaxLength + 1> firstIndex_{};
    std::array<uint16_t, kMaxSymbols> sorted_{};
    std::array<uint32_t, size_t{1} << kLookBits> table_{};
};

}  // namespace carvello
