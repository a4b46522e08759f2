#include "carvello/PngDeflateEncoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

#include "carvello/Checksums.h"
#include "carvello/PngDeflateBlockWriter.h"

namespace Carvello {
namespace {

using namespace deflate;

constexpr uint32_t kWindowSize = 32768;
constexpr uint32_t kWindowMask = kWindowSize - 1;
constexpr uint32_t kHashSize = 32768;
// Heads of the trigram chains: more slots than the window has positions,
// so that distinct trigrams seldom share a chain.
constexpr unsigned kTrigramSlotBits = 17;
constexpr uint32_t kTrigramSlots = uint32_t{1} << kTrigramSlotBits;
constexpr uint16_t kNoSlot = 0xFFFF;
// A block is written once this many symbol entries are buffered; a match
// adds two entries, so the buffer holds one entry more than that.
constexpr size_t kBlockEntries = 16383;
constexpr size_t kEntryCapacity = kBlockEntries + 1;
// History kept in front of the current position, plus room for new input.
constexpr size_t kBufferSize = 2 * kWindowSize + 1024;

constexpr std::array<unsigned, 4> kChainLimits{1, 64, 128, std::numeric_limits<unsigned>::max()};

// The 15-bit hash of three bytes that defines the search order: the low
// five bits of each.
inline uint16_t hashOf(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] & 0x1F) | ((p[1] * 32) & 0x3FF) | ((p[2] * 1024) & 0x7FFF));
}

// The three bytes themselves, and the hash that files them for lookup.
inline uint32_t trigramOf(const uint8_t* p) {
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}
inline uint32_t trigramSlotOf(uint32_t trigram) {
    return (trigram * 2654435761u) >> (32 - kTrigramSlotBits);
}

// Length of the common run of a and b, at most limit bytes.
inline unsigned commonRun(const uint8_t* a, const uint8_t* b, unsigned limit) {
    unsigned n = 0;
    while (n + 8 <= limit) {
        uint64_t x;
        uint64_t y;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y) {
            if constexpr (std::endian::native == std::endian::little)
                return n + static_cast<unsigned>(std::countr_zero(x ^ y)) / 8;
            else
                return n + static_cast<unsigned>(std::countl_zero(x ^ y)) / 8;
        }
        n += 8;
    }
    while (n < limit && a[n] == b[n])
        ++n;
    return n;
}

class OutputBytes {
public:
    explicit OutputBytes(DeflateOutput& output) : output_(output) {}
    void flush(BitWriter& bits) {
        if (bits.bytes().empty())
            return;
        output_.putBytes(bits.bytes());
        bits.clearBytes();
    }

private:
    DeflateOutput& output_;
};

}  // namespace

// The tables of one stream. Positions are counted from the start of the
// stream ("absolute"); the buffer holds the bytes from `base` on. A chain
// node is identified by its window slot (absolute position mod 32768).
//
// The search order is that of chains per 15-bit hash, newest first, of
// which at most chainLimit live nodes are examined. Only nodes whose three
// bytes equal the current ones can give a run of 3 or more, so the chains
// kept here link the positions of equal trigrams instead, and each node
// remembers its number within its 15-bit hash's chain: a node is among the
// first chainLimit of that chain exactly when fewer than chainLimit
// positions of the same hash were entered after it. This gives the same
// matches without visiting the nodes that merely share the hash.
struct PNGDeflateEncoder::State {
    unsigned chainLimit = 0;
    uint32_t adler = 1;

    std::vector<uint8_t> buffer = std::vector<uint8_t>(kBufferSize);
    uint64_t base = 0;    // absolute position of buffer[0]
    size_t current = 0;   // next byte to encode
    size_t end = 0;       // end of the bytes received
    size_t hashedTo = 0;  // positions before this are in the chains

    // Newest slot per trigram hash; per slot, the next older slot of its
    // chain, its trigram, and its number among the positions of its 15-bit
    // hash. entered counts the positions entered per 15-bit hash.
    std::array<uint16_t, kTrigramSlots> heads;
    std::array<uint16_t, kWindowSize> older;
    std::array<uint32_t, kWindowSize> slotTrigram;
    std::array<uint32_t, kWindowSize> slotNumber;
    std::array<uint32_t, kHashSize> entered{};

    std::array<uint16_t, kEntryCapacity> entries;
    size_t entryCount = 0;
    LiteralCounts literalCounts{};
    DistanceCounts distanceCounts{};

    BitWriter bits;

    State() { heads.fill(kNoSlot); }

    void insertPositionsBefore(size_t position);
    void findMatch(unsigned& length, unsigned& distance);
    void encode(size_t keep, OutputBytes& out);
    void writeBlock(bool final, OutputBytes& out);
    void slide();
};

// Enters the positions from hashedTo to position - 1 into the chains. Each
// is hashed with the two bytes after it, which have arrived by the time a
// search needs it. A slot that is reused leaves its old chain: it is that
// chain's oldest node, so only a head pointing at it needs clearing; links
// from newer nodes to it are recognised as stale by the search.
void PNGDeflateEncoder::State::insertPositionsBefore(size_t position) {
    for (; hashedTo < position; ++hashedTo) {
        const uint64_t absolute = base + hashedTo;
        const auto slot = static_cast<uint16_t>(absolute & kWindowMask);
        if (absolute >= kWindowSize) {
            const uint32_t oldHead = trigramSlotOf(slotTrigram[slot]);
            if (heads[oldHead] == slot)
                heads[oldHead] = kNoSlot;
        }
        const uint8_t* p = &buffer[hashedTo];
        const uint32_t trigram = trigramOf(p);
        const uint32_t head = trigramSlotOf(trigram);
        older[slot] = heads[head];
        heads[head] = slot;
        slotTrigram[slot] = trigram;
        slotNumber[slot] = ++entered[hashOf(p)];
    }
}

// The longest earlier run matching the bytes at `current`: newest candidates
// first, at most chainLimit of them; a run never reaches the current
// position; among equal lengths the newest wins. Length 0 when no run of 3
// or more bytes exists.
void PNGDeflateEncoder::State::findMatch(unsigned& length, unsigned& distance) {
    length = 0;
    distance = 0;
    const auto available = static_cast<unsigned>(std::min<size_t>(end - current, kMaxMatch));
    const uint8_t* here = &buffer[current];
    const uint64_t absolute = base + current;
    const uint32_t trigram = trigramOf(here);
    const uint32_t newest = entered[hashOf(here)];
    uint16_t slot = heads[trigramSlotOf(trigram)];
    unsigned previousDistance = 0;
    while (slot != kNoSlot) {
        const auto d = static_cast<unsigned>(((absolute - slot - 1) & kWindowMask) + 1);
        // Along a chain distances grow; a smaller one means the link leads
        // to a slot that has been reused since.
        if (d <= previousDistance)
            break;
        previousDistance = d;
        if (slotTrigram[slot] != trigram) {
            slot = older[slot];  // another trigram filed under the same head
            continue;
        }
        // Position in the 15-bit hash's chain, 1 for the newest node.
        if (newest - slotNumber[slot] + 1 > chainLimit)
            break;
        const unsigned limit = std::min(available, d);
        const uint8_t* there = here - d;
        // Only a run longer than the best one counts, so a candidate that
        // differs at the best length cannot win.
        if (limit > length && there[length] == here[length]) {
            const unsigned run = commonRun(there, here, limit);
            if (run >= kMinMatch && run > length) {
                length = run;
                distance = d;
                if (run == available)
                    break;
            }
        }
        slot = older[slot];
    }
}

// Encodes while more than `keep` bytes wait (257 while input may follow,
// 2 at the end).
void PNGDeflateEncoder::State::encode(size_t keep, OutputBytes& out) {
    while (end - current > keep) {
        insertPositionsBefore(current);
        unsigned length;
        unsigned distance;
        findMatch(length, distance);
        if (length >= kMinMatch) {
            entries[entryCount++] = static_cast<uint16_t>(length + 256);
            entries[entryCount++] = static_cast<uint16_t>(distance);
            ++literalCounts[lengthSymbol(length)];
            ++distanceCounts[distanceSymbol(distance)];
            current += length;
        } else {
            const uint8_t literal = buffer[current];
            entries[entryCount++] = literal;
            ++literalCounts[literal];
            ++current;
        }
        if (entryCount >= kBlockEntries)
            writeBlock(false, out);
    }
}

void PNGDeflateEncoder::State::writeBlock(bool final, OutputBytes& out) {
    writeDynamicBlock(bits, {std::span(entries).first(entryCount), literalCounts, distanceCounts},
                      final);
    entryCount = 0;
    literalCounts.fill(0);
    distanceCounts.fill(0);
    out.flush(bits);
}

// Moves the last window's worth of history to the front of the buffer.
void PNGDeflateEncoder::State::slide() {
    const size_t shift = current - kWindowSize;
    std::memmove(buffer.data(), buffer.data() + shift, end - shift);
    base += shift;
    current -= shift;
    end -= shift;
    hashedTo -= shift;
}

PNGDeflateEncoder::PNGDeflateEncoder() = default;
PNGDeflateEncoder::~PNGDeflateEncoder() = default;

void PNGDeflateEncoder::begin(DeflateOutput& output) {
    if (state_)
        throw PNGDeflateError("Compression Already Underway");
    auto state = std::make_unique<State>();
    if (level_ < 0 || level_ > 3)
        throw PNGDeflateError("Invalid Compression Level");
    state->chainLimit = kChainLimits[static_cast<size_t>(level_)];
    const unsigned flags = static_cast<unsigned>(level_) * 64;
    const unsigned check = 31 - (0x7800 + flags) % 31;
    const std::array<uint8_t, 2> header{0x78, static_cast<uint8_t>(flags + check)};
    output.putBytes(header);
    state_ = std::move(state);
}

void PNGDeflateEncoder::compress(DeflateOutput& output, std::span<const uint8_t> bytes) {
    if (!state_)
        throw PNGDeflateError("Compression Not Underway");
    State& s = *state_;
    OutputBytes out(output);
    s.adler = updateAdler32(s.adler, bytes);
    while (!bytes.empty()) {
        if (s.end == s.buffer.size())
            s.slide();
        const size_t n = std::min(bytes.size(), s.buffer.size() - s.end);
        std::memcpy(&s.buffer[s.end], bytes.data(), n);
        s.end += n;
        bytes = bytes.subspan(n);
        s.encode(kMaxMatch - 1, out);
    }
}

void PNGDeflateEncoder::finish(DeflateOutput& output) {
    if (!state_)
        throw PNGDeflateError("Compression Not Underway");
    State& s = *state_;
    OutputBytes out(output);
    s.encode(kMinMatch - 1, out);
    for (; s.current < s.end; ++s.current) {
        const uint8_t literal = s.buffer[s.current];
        s.entries[s.entryCount++] = literal;
        ++s.literalCounts[literal];
    }
    s.writeBlock(true, out);
    s.bits.alignToByte();
    for (int shift = 24; shift >= 0; shift -= 8)
        s.bits.putByte(static_cast<uint8_t>(s.adler >> shift));
    out.flush(s.bits);
    state_.reset();
}

void PNGDeflateEncoder::abandon() {
    state_.reset();
}

namespace {

class VectorOutput : public DeflateOutput {
public:
    explicit VectorOutput(std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    void putBytes(std::span<const uint8_t> bytes) override {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }

private:
    std::vector<uint8_t>& bytes_;
};

}  // namespace

std::vector<uint8_t> deflateToZlib(std::span<const uint8_t> bytes, int level) {
    std::vector<uint8_t> result;
    VectorOutput output(result);
    PNGDeflateEncoder encoder;
    encoder.setCompressionLevel(level);
    encoder.begin(output);
    encoder.compress(output, bytes);
    encoder.finish(output);
    return result;
}

}  // namespace Carvello
