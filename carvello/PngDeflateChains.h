#pragma once

#include <array>
#include <cstdint>

namespace Carvello::deflate {

constexpr uint32_t kWindowSize = 32768;
constexpr uint32_t kWindowMask = kWindowSize - 1;
constexpr uint16_t kNoSlot = 0xFFFF;

// Chains of window positions that start with the same key (some leading
// bytes), newest first. A position is identified by its window slot
// (absolute position mod 32768). Heads are found through a hash of the key,
// so a chain may also hold positions of other keys filed under the same
// head; keyOf() tells them apart.
//
// A slot that is reused leaves its old chain: it is that chain's oldest
// node, so only a head pointing at it needs clearing. Links from newer
// nodes to it go stale instead; as distances grow along a chain, a walker
// recognises a stale link by a distance that does not grow.
template <typename Key, unsigned HeadBits>
class KeyedChains {
public:
    KeyedChains() { heads_.fill(kNoSlot); }

    // Files `slot` under `key`; `reused` when the slot held an older position.
    void enter(uint16_t slot, Key key, bool reused) {
        if (reused) {
            uint16_t& oldHead = heads_[headOf(keys_[slot])];
            if (oldHead == slot)
                oldHead = kNoSlot;
        }
        uint16_t& head = heads_[headOf(key)];
        older_[slot] = head;
        head = slot;
        keys_[slot] = key;
    }

    uint16_t newest(Key key) const { return heads_[headOf(key)]; }
    uint16_t older(uint16_t slot) const { return older_[slot]; }
    Key keyOf(uint16_t slot) const { return keys_[slot]; }

private:
    static uint32_t headOf(Key key) {
        return static_cast<uint32_t>((static_cast<uint64_t>(key) * 0x9E3779B97F4A7C15ull) >>
                                     (64 - HeadBits));
    }

    std::array<uint16_t, size_t{1} << HeadBits> heads_;
    std::array<uint16_t, kWindowSize> older_;
    std::array<Key, kWindowSize> keys_;
};

}  // namespace Carvello::deflate
