#include "carvello/zlib/DeflateBlockWriter.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "carvello/zlib/DeflateCodeLengths.h"

namespace carvello::deflate {
namespace {

constexpr unsigned kCodeLengthSymbols = 19;
constexpr unsigned kMaxCodeBits = 15;
constexpr unsigned kMaxCodeLengthBits = 7;
constexpr std::array<uint8_t, kCodeLengthSymbols> kCodeLengthOrder{
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// Extra bits of the length symbols 257 to 285, and the first length of each.
constexpr std::array<uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                               2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                               15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                               67, 83, 99, 115, 131, 163, 195, 227, 258};
// Extra bits of the distance symbols and the first distance of each.
constexpr std::array<uint8_t, 30> kDistanceExtra{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                 4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::array<uint16_t, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};

// One symbol of the code-length alphabet with its repeat count (16, 17, 18).
struct LengthToken {
    uint8_t symbol;
    uint8_t extra;
};

// Run-length codes one list of code lengths: runs of zeros as 18 (11 to 138)
// and 17 (3 to 10), as long as possible first; other runs as the length
// itself followed by 16 (3 to 6 repeats, as long as possible first); the
// short rest of any run is written as plain lengths.
void runLengthCode(std::span<const uint8_t> lengths, std::vector<LengthToken>& tokens) {
    size_t i = 0;
    while (i < lengths.size()) {
        const uint8_t value = lengths[i];
        size_t run = 1;
        while (i + run < lengths.size() && lengths[i + run] == value)
            ++run;
        i += run;
        if (value == 0) {
            while (run >= 11) {
                const size_t n = std::min<size_t>(run, 138);
                tokens.push_back({18, static_cast<uint8_t>(n - 11)});
                run -= n;
            }
            if (run >= 3) {
                tokens.push_back({17, static_cast<uint8_t>(run - 3)});
                run = 0;
            }
        } else {
            tokens.push_back({value, 0});
            --run;
            while (run >= 3) {
                const size_t n = std::min<size_t>(run, 6);
                tokens.push_back({16, static_cast<uint8_t>(n - 3)});
                run -= n;
            }
        }
        for (; run > 0; --run)
            tokens.push_back({value, 0});
    }
}

unsigned usedSize(std::span<const uint8_t> lengths, unsigned minimum) {
    unsigned size = static_cast<unsigned>(lengths.size());
    while (size > minimum && lengths[size - 1] == 0)
        --size;
    return size;
}

}  // namespace

unsigned lengthSymbol(unsigned length) {
    const unsigned n = length - kMinMatch;
    if (n < 8)
        return 257 + n;
    if (length == kMaxMatch)
        return 285;
    const unsigned k = static_cast<unsigned>(std::bit_width(n)) - 1;
    return 257 + 4 * (k - 1) + ((n >> (k - 2)) & 3);
}

unsigned distanceSymbol(unsigned distance) {
    const unsigned n = distance - 1;
    if (n < 4)
        return n;
    const unsigned k = static_cast<unsigned>(std::bit_width(n)) - 1;
    return 2 * k + ((n >> (k - 1)) & 1);
}

void BitWriter::put(uint32_t value, unsigned count) {
    pending_ |= uint64_t{value} << pendingBits_;
    pendingBits_ += count;
    if (pendingBits_ >= 32)
        drain();
}

void BitWriter::drain() {
    while (pendingBits_ >= 8) {
        bytes_.push_back(static_cast<uint8_t>(pending_));
        pending_ >>= 8;
        pendingBits_ -= 8;
    }
}

void BitWriter::alignToByte() {
    pendingBits_ = (pendingBits_ + 7) & ~7u;
    drain();
}

void BitWriter::putByte(uint8_t value) {
    if (pendingBits_ % 8 != 0)
        throw std::logic_error("BitWriter::putByte: not on a byte boundary");
    put(value, 8);
    drain();
}

void writeDynamicBlock(BitWriter& out, const BlockSymbols& block, bool final) {
    block.literalCounts[kEndOfBlock] += 1;

    std::array<uint8_t, kLiteralSymbols> literalLengths;
    std::array<uint8_t, kDistanceSymbols> distanceLengths;
    buildCodeLengths(block.literalCounts, kMaxCodeBits, literalLengths);
    buildCodeLengths(block.distanceCounts, kMaxCodeBits, distanceLengths);
    const unsigned hlit = usedSize(literalLengths, 257);
    const unsigned hdist = usedSize(distanceLengths, 1);

    std::vector<LengthToken> tokens;
    tokens.reserve(hlit + hdist);
    runLengthCode(std::span(literalLengths).first(hlit), tokens);
    runLengthCode(std::span(distanceLengths).first(hdist), tokens);

    std::array<uint32_t, kCodeLengthSymbols> tokenCounts{};
    for (const auto& t : tokens)
        ++tokenCounts[t.symbol];
    std::array<uint8_t, kCodeLengthSymbols> tokenLengths;
    std::array<uint16_t, kCodeLengthSymbols> tokenCodes;
    buildCodeLengths(tokenCounts, kMaxCodeLengthBits, tokenLengths);
    buildCanonicalCodes(tokenLengths, tokenCodes);
    unsigned hclen = kCodeLengthSymbols;
    while (hclen > 4 && tokenLengths[kCodeLengthOrder[hclen - 1]] == 0)
        --hclen;

    std::array<uint16_t, kLiteralSymbols> literalCodes;
    std::array<uint16_t, kDistanceSymbols> distanceCodes;
    buildCanonicalCodes(literalLengths, literalCodes);
    buildCanonicalCodes(distanceLengths, distanceCodes);

    out.put(final ? 1 : 0, 1);
    out.put(2, 2);
    out.put(hlit - 257, 5);
    out.put(hdist - 1, 5);
    out.put(hclen - 4, 4);
    for (unsigned i = 0; i < hclen; ++i)
        out.put(tokenLengths[kCodeLengthOrder[i]], 3);
    for (const auto& t : tokens) {
        out.put(tokenCodes[t.symbol], tokenLengths[t.symbol]);
        if (t.symbol == 16)
            out.put(t.extra, 2);
        else if (t.symbol == 17)
            out.put(t.extra, 3);
        else if (t.symbol == 18)
            out.put(t.extra, 7);
    }

    const auto entries = block.entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        const unsigned entry = entries[i];
        if (entry < 256) {
            out.put(literalCodes[entry], literalLengths[entry]);
            continue;
        }
        const unsigned length = entry - 256;
        const unsigned distance = entries[++i];
        const unsigned ls = lengthSymbol(length);
        out.put(literalCodes[ls], literalLengths[ls]);
        out.put(length - kLengthBase[ls - 257], kLengthExtra[ls - 257]);
        const unsigned ds = distanceSymbol(distance);
        out.put(distanceCodes[ds], distanceLengths[ds]);
        out.put(distance - kDistanceBase[ds], kDistanceExtra[ds]);
    }
    out.put(literalCodes[kEndOfBlock], literalLengths[kEndOfBlock]);
}

}  // namespace carvello::deflate
