#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Huffman code lengths and canonical codes for the deflate encoder's
// dynamic blocks.
namespace carvello::deflate {

// The largest alphabet a block uses: 286 literal/length symbols.
constexpr size_t kMaxAlphabet = 286;

// Code lengths for an alphabet of at most kMaxAlphabet symbols, none longer
// than maxBits (at least 5). Follows ITU-T T.81 Annex K.2: the two least
// frequent entries are merged repeatedly (among equal counts the higher
// symbol counts as the lesser), codes per length are counted, codes above
// the limit are moved down, and the lengths are handed out shortest first
// to the symbols in order of their unlimited length (then of symbol value).
// Unused symbols get 0; a single used symbol gets 1. counts and lengths must
// have the same size; sums of counts must fit 32 bits.
void buildCodeLengths(std::span<const uint32_t> counts, unsigned maxBits,
                      std::span<uint8_t> lengths);

// Canonical codes of RFC 1951 3.2.2 for the lengths (at most 15 bits),
// returned bit-reversed so that they can be written least significant bit
// first. Symbols of length 0 get code 0.
void buildCanonicalCodes(std::span<const uint8_t> lengths, std::span<uint16_t> codes);

}  // namespace carvello::deflate
