#include "carvello/jpeg/JpegHuffman.h"

#include <algorithm>
#include <iomanip>
#include <memory>
#include <ostream>

namespace carvello {

namespace {

// The skip entry of an AC symbol of a code of `length` bits (see
// skipEntry): a size of 0 ends the block unless the run is 15.
uint16_t skipEntryFor(int length, int run, int size) {
    using T = JpegHuffmanTable;
    if (size == 0) {
        const uint16_t kind =
            run == 15 ? T::kSkipZeroRun | (16u << T::kSkipStepShift) : T::kSkipEnd;
        return static_cast<uint16_t>(kind | static_cast<unsigned>(length));
    }
    if (length + size > T::kLookaheadBits)
        return 0;
    return static_cast<uint16_t>((static_cast<unsigned>(run + 1) << T::kSkipStepShift) |
                                 static_cast<unsigned>(length + size));
}

// The tables this thread built last. Each thread has its own, so decoders
// on different threads share nothing that changes.
class RecentTables {
public:
    const JpegHuffmanTable* find(const JpegHuffmanTable& table) const {
        for (const JpegHuffmanTable& known : tables_)
            if (known.defined() && known.sameCodes(table))
                return &known;
        return nullptr;
    }
    // Keeps a copy of `table`, in place of the one with the same codes or
    // else of the oldest.
    void remember(const JpegHuffmanTable& table) {
        for (JpegHuffmanTable& known : tables_) {
            if (known.defined() && known.sameCodes(table)) {
                known = table;
                return;
            }
        }
        tables_[next_] = table;
        next_ = (next_ + 1) % tables_.size();
    }

private:
    std::array<JpegHuffmanTable, 4> tables_;
    size_t next_ = 0;
};

// Made on the thread's first use: a thread's initial thread-local storage is
// copied in whole when the thread starts, so the tables (18 KB) would be
// copied into every thread, the program's first one included, whether it
// decodes a JPEG or not.
RecentTables& recentTables() {
    static thread_local std::unique_ptr<RecentTables> tables;
    if (!tables)
        tables = std::make_unique<RecentTables>();
    return *tables;
}

}  // namespace

bool JpegHuffmanTable::sameCodes(const JpegHuffmanTable& other) const {
    return counts_ == other.counts_ && valueCount_ == other.valueCount_ &&
           std::equal(values_.begin(), values_.begin() + valueCount_, other.values_.begin());
}

void JpegHuffmanTable::build(std::span<const uint8_t, 16> counts, std::span<const uint8_t> values) {
    std::copy(counts.begin(), counts.end(), counts_.begin());
    valueCount_ = static_cast<int>(std::min<size_t>(values.size(), values_.size()));
    std::copy_n(values.begin(), valueCount_, values_.begin());
    RecentTables& recent = recentTables();
    if (const JpegHuffmanTable* known = recent.find(*this)) {
        *this = *known;
        return;
    }
    buildLookups();
    groups_.reset();
    defined_ = true;
    recent.remember(*this);
}

void JpegHuffmanTable::buildLookups() {
    // Canonical codes: within a length they count up; each longer length
    // continues from the next code shifted left by one.
    int32_t code = 0;
    int32_t index = 0;
    shortestLength_ = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
        const int count = counts_[static_cast<size_t>(length - 1)];
        if (count == 0) {
            minCode_[length] = code;
            maxCode_[length] = -1;
            valuePointer_[length] = index;
        } else {
            if (shortestLength_ == 0)
                shortestLength_ = length;
            minCode_[length] = code;
            valuePointer_[length] = index;
            code += count;
            index += count;
            maxCode_[length] = code - 1;
        }
        code <<= 1;
    }
    if (shortestLength_ == 0)
        shortestLength_ = kMaxCodeLength + 1;

    // The lookahead table follows the bit-by-bit walk exactly: starting at
    // the shortest length, a length is taken once the code is not above its
    // largest code.
    for (uint32_t bits = 0; bits < lookahead_.size(); ++bits) {
        uint16_t entry = 0;
        for (int length = shortestLength_; length <= kLookaheadBits; ++length) {
            const int32_t prefix = static_cast<int32_t>(bits >> (kLookaheadBits - length));
            if (prefix <= maxCode_[length]) {
                entry = static_cast<uint16_t>((length << 8) | symbolFor(length, prefix));
                break;
            }
        }
        lookahead_[bits] = entry;

        // A run/size symbol whose extra bits also fit: the coefficient's
        // value (EXTEND of those bits) is ready in the table.
        int32_t fast = 0;
        const int length = entry >> 8;
        const int size = entry & 0x0F;
        const int run = (entry >> 4) & 0x0F;
        skip_[bits] = entry == 0 ? 0 : skipEntryFor(length, run, size);
        if (entry != 0 && size != 0 && length + size <= kLookaheadBits) {
            const int extra =
                static_cast<int>((bits >> (kLookaheadBits - length - size)) & ((1u << size) - 1));
            const int value = extra < (1 << (size - 1)) ? extra - (1 << size) + 1 : extra;
            fast = static_cast<int32_t>(static_cast<uint32_t>(value) << 16) | (run << 8) |
                   (length + size);
        }
        fastCoefficient_[bits] = fast;
    }
}

void JpegHuffmanTable::prepareGroups() {
    if (groups_)
        return;
    RecentTables& recent = recentTables();
    if (const JpegHuffmanTable* known = recent.find(*this); known && known->groups_) {
        groups_ = known->groups_;
        return;
    }
    buildGroups();
    recent.remember(*this);
}

void JpegHuffmanTable::buildGroups() {
    constexpr size_t kWindows = size_t{1} << kGroupBits;
    constexpr uint32_t kWindowMask = kWindows - 1;
    // First the single symbol at the start of each window, in the group
    // entry's form, from the canonical codes: a code of `length` bits
    // starts a range of windows.
    std::array<uint16_t, kWindows> singles{};
    for (int length = shortestLength_; length <= kGroupBits; ++length) {
        // A table whose counts overrun the code space has no codes past it.
        const int32_t last = std::min(maxCode_[length], (int32_t{1} << length) - 1);
        for (int32_t code = minCode_[length]; code <= last; ++code) {
            const uint8_t symbol = symbolFor(length, code);
            const int run = symbol >> 4;
            const int size = symbol & 0x0F;
            uint16_t entry = 0;
            if (size == 0 && run != 15)
                entry = static_cast<uint16_t>(kGroupEnd | length);
            else if (length + size <= kGroupBits)
                entry = static_cast<uint16_t>(((size == 0 ? 16 : run + 1) << kGroupStepShift) |
                                              (length + size));
            const auto first = static_cast<ptrdiff_t>(code) << (kGroupBits - length);
            std::fill_n(singles.begin() + first, size_t{1} << (kGroupBits - length), entry);
        }
    }
    // Then the symbols of each window one after another while they are
    // whole within it: the bits past the window read as zeros, so only a
    // symbol that ends inside it is certain.
    auto groups = std::make_shared_for_overwrite<Groups>();
    for (uint32_t window = 0; window <= kWindowMask; ++window) {
        unsigned used = 0;
        unsigned step = 0;
        unsigned end = 0;
        while (used < kGroupBits) {
            const uint16_t next = singles[(window << used) & kWindowMask];
            const unsigned nextUsed = next & kGroupUsedMask;
            if (next == 0 || used + nextUsed > kGroupBits)
                break;
            used += nextUsed;
            step += (next >> kGroupStepShift) & kGroupStepMask;
            if ((next & kGroupEnd) != 0) {
                end = kGroupEnd;
                break;
            }
        }
        (*groups)[window] =
            static_cast<uint16_t>(used == 0 ? 0 : end | (step << kGroupStepShift) | used);
    }
    groups_ = std::move(groups);
}

void JpegHuffmanTable::dump(std::ostream& out) const {
    out << "   Code Values: ";
    for (int i = 0; i < valueCount_; ++i)
        out << static_cast<int>(values_[static_cast<size_t>(i)]) << ' ';
    out << '\n';
    out << "  Length  Mincode  Maxcode  Valptr\n";
    out << "  -------------------------------\n";
    for (int length = 1; length <= kMaxCodeLength; ++length) {
        if (maxCode_[length] < 0)
            continue;
        out << std::setw(8) << length << std::setw(9) << minCode_[length] << std::setw(9)
            << maxCode_[length] << std::setw(8) << valuePointer_[length] << '\n';
    }
}

}  // namespace carvello
