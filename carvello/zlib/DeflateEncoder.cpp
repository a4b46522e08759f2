#include "carvello/zlib/DeflateEncoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

#include "carvello/zlib/Checksums.h"
#include "carvello/zlib/DeflateBlockWriter.h"
#include "carvello/zlib/DeflateChains.h"

namespace carvello {
namespace {

using namespace deflate;

constexpr uint32_t kHashSize = 32768;
// A block is written once this many symbol entries are buffered; a match
// adds two entries, so the buffer holds one entry more than that.
constexpr size_t kBlockEntries = 16383;
constexpr size_t kEntryCapacity = kBlockEntries + 1;
// History kept in front of the current position, plus room for new input.
constexpr size_t kBufferCapacity = 2 * kWindowSize + 1024;
// Keys are read as whole words, a few bytes past the last position entered.
constexpr size_t kBufferPadding = 8;
// Runs of this many bytes or more (two RGB pixels) are looked for along the
// chains of positions whose first kLongKey bytes are equal, when the chain
// limit is long enough for that to pay.
constexpr unsigned kLongKey = 6;
constexpr unsigned kLongKeyMinimumChainLimit = 8;
// The newest position of each four-byte key (by a hash of it) tells
// whether any run can be longer than three bytes.
constexpr unsigned kQuadSlotBits = 15;

constexpr std::array<unsigned, 4> kChainLimits{1, 64, 128, std::numeric_limits<unsigned>::max()};

// The 15-bit hash of three bytes that defines the search order: the low
// five bits of each.
inline uint16_t hashOf(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] & 0x1F) | ((p[1] * 32) & 0x3FF) | ((p[2] * 1024) & 0x7FFF));
}

// The keys of the two kinds of chains: three bytes, and kLongKey bytes.
inline uint32_t trigramOf(const uint8_t* p) {
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}
inline uint32_t quadSlotOf(const uint8_t* p) {
    uint32_t quad;
    std::memcpy(&quad, p, sizeof quad);
    return (quad * 2654435761u) >> (32 - kQuadSlotBits);
}
inline uint64_t longKeyOf(const uint8_t* p) {
    uint64_t key;
    std::memcpy(&key, p, sizeof key);
    static_assert(kLongKey < sizeof key);
    if constexpr (std::endian::native == std::endian::little)
        return key & ((uint64_t{1} << (8 * kLongKey)) - 1);
    else
        return key >> (8 * (sizeof key - kLongKey));
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
// stream ("absolute"); the buffer holds the bytes from `base` on.
//
// The search order is that of chains per 15-bit hash, newest first, of
// which at most chainLimit live nodes are examined. Only nodes whose three
// bytes equal the current ones can give a run of 3 or more, so the chains
// kept here link the positions of equal trigrams instead, and each position
// remembers its number within its 15-bit hash's chain: a node is among the
// first chainLimit of that chain exactly when fewer than chainLimit
// positions of the same hash were entered after it. This gives the same
// matches without visiting the nodes that merely share the hash.
//
// A second set of chains links the positions whose first kLongKey bytes are
// equal. Every run of kLongKey bytes or more starts at such a position, so
// when that shorter chain holds one, the longest run and its newest
// position are found there; only when it holds none is the trigram chain
// walked for the shorter runs. That walk ends at the first run of three
// bytes when the newest position of the first four bytes (kept per hash of
// them) ranks beyond the chain limit, as no longer run can exist then.
struct PNGDeflateEncoder::State {
    unsigned chainLimit = 0;
    uint32_t adler = 1;

    std::vector<uint8_t> buffer = std::vector<uint8_t>(kBufferCapacity + kBufferPadding);
    uint64_t base = 0;    // absolute position of buffer[0]
    size_t current = 0;   // next byte to encode
    size_t end = 0;       // end of the bytes received
    size_t hashedTo = 0;  // positions before this are in the chains

    KeyedChains<uint32_t, 15> trigramChains;
    KeyedChains<uint64_t, 15> longKeyChains;
    // Per slot, its number among the positions of its 15-bit hash; entered
    // counts the positions entered per 15-bit hash.
    std::array<uint32_t, kWindowSize> slotNumber;
    std::array<uint32_t, kHashSize> entered{};
    // Absolute position + 1 of the newest position per four-byte key slot.
    std::array<uint64_t, size_t{1} << kQuadSlotBits> newestQuad{};

    std::array<uint16_t, kEntryCapacity> entries;
    size_t entryCount = 0;
    LiteralCounts literalCounts{};
    DistanceCounts distanceCounts{};

    BitWriter bits;

    // The position a match is sought for.
    struct Search {
        const uint8_t* here;
        uint64_t absolute;
        unsigned available;    // bytes a run may cover: at most 258
        uint32_t hashEntered;  // positions entered so far under its 15-bit hash
    };

    bool useLongKeys() const { return chainLimit >= kLongKeyMinimumChainLimit; }
    void insertPositionsBefore(size_t position);
    void findMatch(unsigned& length, unsigned& distance);
    // Whether the position in `slot` ranks beyond the chain limit in the
    // 15-bit hash's chain, newest first.
    bool beyondChainLimit(const Search& search, uint16_t slot) const {
        return search.hashEntered - slotNumber[slot] + 1 > chainLimit;
    }
    bool noRunLongerThanThree(const Search& search) const;
    template <typename Chains, typename Key>
    void searchChain(const Search& search, const Chains& chains, Key key, unsigned minimum,
                     unsigned longest, unsigned& length, unsigned& distance) const;
    void encode(size_t keep, OutputBytes& out);
    void writeBlock(bool final, OutputBytes& out);
    void slide();
};

// Enters the positions from hashedTo to position - 1 into the chains. Each
// is keyed with the bytes after it, which have arrived by the time a search
// needs it: while input may follow, 257 bytes wait behind the current
// position. Only at the end may a long key reach past the input, and then
// no later position has kLongKey bytes left to match it.
void PNGDeflateEncoder::State::insertPositionsBefore(size_t position) {
    for (; hashedTo < position; ++hashedTo) {
        const uint64_t absolute = base + hashedTo;
        const auto slot = static_cast<uint16_t>(absolute & kWindowMask);
        const uint8_t* p = &buffer[hashedTo];
        trigramChains.enter(slot, trigramOf(p));
        if (useLongKeys()) {
            longKeyChains.enter(slot, longKeyOf(p));
            newestQuad[quadSlotOf(p)] = absolute + 1;
        }
        slotNumber[slot] = ++entered[hashOf(p)];
    }
}

// Walks the chain of `key` from its newest position for the longest run of
// at least `minimum` bytes that is longer than `length`, as the plain search
// over the 15-bit hash's chain would find it. The walk ends at a run of
// `longest` bytes, when no candidate can have a longer one.
template <typename Chains, typename Key>
void PNGDeflateEncoder::State::searchChain(const Search& search, const Chains& chains, Key key,
                                           unsigned minimum, unsigned longest, unsigned& length,
                                           unsigned& distance) const {
    const uint8_t* here = search.here;
    uint16_t slot = chains.newest(key);
    unsigned previousDistance = 0;
    while (slot != kNoSlot) {
        const auto d = static_cast<unsigned>(((search.absolute - slot - 1) & kWindowMask) + 1);
        if (d <= previousDistance)
            break;  // a stale link to a reused slot
        previousDistance = d;
        if (chains.keyOf(slot) != key) {
            if (!chains.sameHead(slot, key))
                break;                  // a stale head
            slot = chains.older(slot);  // another key filed under the same head
            continue;
        }
        if (beyondChainLimit(search, slot))
            break;
        const unsigned limit = std::min(search.available, d);
        const uint8_t* there = here - d;
        // Only a run longer than the best one counts, so a candidate that
        // differs at the best length cannot win.
        if (limit > length && there[length] == here[length]) {
            const unsigned run = commonRun(there, here, limit);
            if (run >= minimum && run > length) {
                length = run;
                distance = d;
                if (run >= longest)
                    break;
            }
        }
        slot = chains.older(slot);
    }
}

// The longest earlier run matching the bytes at `current`: newest candidates
// first, at most chainLimit of them; a run never reaches the current
// position; among equal lengths the newest wins. Length 0 when no run of 3
// or more bytes exists.
void PNGDeflateEncoder::State::findMatch(unsigned& length, unsigned& distance) {
    length = 0;
    distance = 0;
    const uint8_t* here = &buffer[current];
    const Search search{here, base + current,
                        static_cast<unsigned>(std::min<size_t>(end - current, kMaxMatch)),
                        entered[hashOf(here)]};
    unsigned longest = search.available;
    if (useLongKeys() && search.available >= kLongKey) {
        searchChain(search, longKeyChains, longKeyOf(here), kLongKey, longest, length, distance);
        if (length != 0)
            return;
        longest = kLongKey - 1;
        if (noRunLongerThanThree(search))
            longest = kMinMatch;
    }
    searchChain(search, trigramChains, trigramOf(here), kMinMatch, longest, length, distance);
}

// True when no candidate within the chain limit starts with the four bytes
// at `current`: the newest position of those four bytes is known unless
// another key has taken its slot since, and older ones rank lower still.
bool PNGDeflateEncoder::State::noRunLongerThanThree(const Search& search) const {
    const uint8_t* here = search.here;
    const uint64_t entry = newestQuad[quadSlotOf(here)];
    if (entry == 0)
        return true;
    const uint64_t d = search.absolute - (entry - 1);
    if (d > kWindowSize)
        return true;  // every position with these bytes has left the window
    if (std::memcmp(here - d, here, 4) != 0)
        return false;  // the slot belongs to other bytes now: nothing known
    return beyondChainLimit(search, static_cast<uint16_t>((entry - 1) & kWindowMask));
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
        if (s.end == kBufferCapacity)
            s.slide();
        const size_t n = std::min(bytes.size(), kBufferCapacity - s.end);
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

}  // namespace carvello
