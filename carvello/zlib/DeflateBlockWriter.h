#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The output half of the deflate encoder: packing bits least significant
// first, the length and distance symbols of RFC 1951 3.2.5, and the writing
// of one block with dynamic Huffman codes.
namespace carvello::deflate {

constexpr size_t kLiteralSymbols = 286;
constexpr size_t kDistanceSymbols = 30;
constexpr unsigned kEndOfBlock = 256;
constexpr unsigned kMinMatch = 3;
constexpr unsigned kMaxMatch = 258;
constexpr unsigned kMaxDistance = 32768;

using LiteralCounts = std::array<uint32_t, kLiteralSymbols>;
using DistanceCounts = std::array<uint32_t, kDistanceSymbols>;

// The literal/length symbol (257 to 285) of a match length (3 to 258).
unsigned lengthSymbol(unsigned length);
// The distance symbol (0 to 29) of a distance (1 to 32768).
unsigned distanceSymbol(unsigned distance);

// Collects bits, least significant bit of each byte first, into whole bytes.
class BitWriter {
public:
    void put(uint32_t value, unsigned count);  // count at most 32
    // Pads with zero bits to the next byte boundary.
    void alignToByte();
    void putByte(uint8_t value);  // only on a byte boundary
    // The finished bytes so far; clearBytes() forgets them once passed on.
    std::span<const uint8_t> bytes() const { return bytes_; }
    void clearBytes() { bytes_.clear(); }

private:
    void drain();
    std::vector<uint8_t> bytes_;
    uint64_t pending_ = 0;
    unsigned pendingBits_ = 0;
};

// One block's symbols: literal bytes as 0 to 255, a match as the two entries
// length + 256 and distance. The counts cover those symbols; the writer adds
// the end-of-block symbol to literalCounts.
struct BlockSymbols {
    std::span<const uint16_t> entries;
    LiteralCounts& literalCounts;
    DistanceCounts& distanceCounts;
};

// Writes the block with BTYPE 2 (dynamic codes), BFINAL set when final.
void writeDynamicBlock(BitWriter& out, const BlockSymbols& block, bool final);

}  // namespace carvello::deflate
