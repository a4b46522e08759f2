#pragma once

#include <array>
#include <cstdint>

namespace carvello::deflate {

constexpr uint32_t kWindowSize = 32768;
constexpr uint32_t kWindowMask = kWindowSize - 1;
constexpr uint16_t kNoSlot = 0xFFFF;

// Chains of window positions that start with the same key (some leading
// bytes), newest first. A position is identified by its window slot
// (absolute position mod 32768). Heads are found through a hash of the key,
// so a chain may also hold positions of other keys filed under the same
// head; keyOf() tells them apart.
//
// A slot that is reused joins its new chain without leaving its old one, so
// links to it may be stale. Distances grow along a chain, so a walker
// recognises a stale link by a distance that does not grow; a stale head
// points at a slot now filed under another head (sameHead() is false).
template <typename Key, unsigned HeadBits>
class KeyedChains {
public:
    KeyedChains() { heads_.fill(kNoSlot); }

    void enter(uint16_t slot, Key key) {
        const auto head = headOf(key);
        older_[slot] = heads_[head];
        heads_[head] = slot;
        keys_[slot] = key;
        headOfSlot_[slot] = head;
    }

    uint16_t newest(Key key) const { return heads_[headOf(key)]; }
    uint16_t older(uint16_t slot) const { return older_[slot]; }
    Key keyOf(uint16_t slot) const { return keys_[slot]; }
    // Whether `slot` is filed under the head of `key`.
    bool sameHead(uint16_t slot, Key key) const { return headOfSlot_[slot] == headOf(key); }

private:
    static uint16_t headOf(Key key) {
        static_assert(HeadBits <= 16);
        return static_cast<uint16_t>((static_cast<uint64_t>(key) * 0x9E3779B97F4A7C15ull) >>
                                     (64 - HeadBits));
    }

    std::array<uint16_t, size_t{1} << HeadBits> heads_;
    std::array<uint16_t, kWindowSize> older_;
    std::array<Key, kWindowSize> keys_;
    std::array<uint16_t, kWindowSize> headOfSlot_;
};

}  // namespace carvello::deflate
