#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <span>

namespace carvello {

// One Huffman table of a JPEG stream (T.81 Annex C). Besides the per-length
// smallest code, largest code and first-symbol index it keeps a lookahead
// table for codes of up to kLookaheadBits bits, so that most symbols are
// found with one table access; the result is the same as walking the codes
// bit by bit.
class JpegHuffmanTable {
public:
    static constexpr int kLookaheadBits = 9;
    static constexpr int kMaxCodeLength = 16;

    // Builds the table from the 16 code-length counts and their symbols
    // (values.size() must be the sum of counts, at most 256). Pictures of
    // one encoder mostly share their tables, so each thread keeps the few
    // tables it built last and copies one that matches instead of building
    // it again.
    void build(std::span<const uint8_t, 16> counts, std::span<const uint8_t> values);

    bool defined() const { return defined_; }
    void clear() { defined_ = false; }

    // Lookahead entry for the next kLookaheadBits bits: 0 when the code is
    // longer, else (code length << 8) | symbol.
    uint16_t lookahead(uint32_t bits) const { return lookahead_[bits]; }
    // For AC tables: when the next kLookaheadBits bits hold a whole
    // coefficient (code and its extra bits), (value << 16) | (run << 8) |
    // bits used; else 0.
    int32_t fastCoefficient(uint32_t bits) const { return fastCoefficient_[bits]; }
    // For AC tables, when only the length of the coefficients matters: when
    // the next kLookaheadBits bits hold a whole symbol with its extra bits,
    // the bits used (kSkipUsedMask), the step in the zigzag order (run + 1,
    // above kSkipStepShift) and whether the symbol ends the block
    // (kSkipEnd) or is a run of sixteen zeros (kSkipZeroRun); else 0.
    static constexpr uint16_t kSkipUsedMask = 0x1F;
    static constexpr int kSkipStepShift = 5;
    static constexpr uint16_t kSkipStepMask = 0x1F;
    static constexpr uint16_t kSkipZeroRun = 1u << 13;
    static constexpr uint16_t kSkipEnd = 1u << 14;
    uint16_t skipEntry(uint32_t bits) const { return skip_[bits]; }

    // For AC tables whose coefficients are skipped: the whole symbols (code
    // and extra bits) at the start of the next kGroupBits bits, taken
    // together up to and including an end of block, so that one access
    // passes about two symbols. The entry holds their bits (kGroupUsedMask),
    // the sum of their steps in the zigzag order (above kGroupStepShift) and
    // whether they end the block (kGroupEnd); 0 when the first symbol is
    // longer. Built by prepareGroups, once per table (and kept with the
    // thread's recent tables).
    static constexpr int kGroupBits = 12;
    static constexpr uint16_t kGroupUsedMask = 0x0F;
    static constexpr int kGroupStepShift = 4;
    static constexpr uint16_t kGroupStepMask = 0xFF;
    static constexpr uint16_t kGroupEnd = 1u << 12;
    void prepareGroups();
    using Groups = std::array<uint16_t, 1u << kGroupBits>;
    const Groups& groups() const { return *groups_; }

    // Whether two tables have the same codes and symbols.
    bool sameCodes(const JpegHuffmanTable& other) const;
    int shortestLength() const { return shortestLength_; }
    // Largest code of a length (1..16); -1 when the length has no codes.
    int32_t largestCode(int length) const { return maxCode_[length]; }
    uint8_t symbolFor(int length, int32_t code) const {
        return values_[static_cast<size_t>(valuePointer_[length] + code - minCode_[length])];
    }

    // Trace: the symbols and the per-length table.
    void dump(std::ostream& out) const;

private:
    std::array<uint8_t, 16> counts_{};
    std::array<uint8_t, 256> values_{};
    int valueCount_ = 0;
    std::array<int32_t, kMaxCodeLength + 1> minCode_{};
    std::array<int32_t, kMaxCodeLength + 1> maxCode_{};
    std::array<int32_t, kMaxCodeLength + 1> valuePointer_{};
    int shortestLength_ = 1;
    std::array<uint16_t, 1u << kLookaheadBits> lookahead_{};
    std::array<int32_t, 1u << kLookaheadBits> fastCoefficient_{};
    std::array<uint16_t, 1u << kLookaheadBits> skip_{};
    void buildLookups();
    void buildGroups();

    // Made by prepareGroups for the tables that need it; never changed
    // once made, so copies of the table share it.
    std::shared_ptr<const Groups> groups_;
    bool defined_ = false;
};

}  // namespace carvello
