#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Collects pixel indices one at a time into the variable-width LZW code
// stream of a GIF image, packed least significant bit first.
namespace bitmap {

class LzwEncoder {
public:
    // Prepares an empty stream with minimum code size s (1 to 8). Returns 0;
    // 55 when s is above 8; 50 when s is below 1; 23 when memory runs out.
    int start(int minCodeSize);
    bool isReady() const { return ready_; }

    // Adds one pixel; only its low s bits are used. 52 when not started (or
    // already finished), 23 when the output cannot grow.
    int put(unsigned pixel);
    // Emits the pending string and the end code and completes the last byte.
    // The encoder is no longer ready afterwards.
    int finish();

    // The code stream; complete after finish().
    std::span<const uint8_t> output() const { return out_; }

private:
    void reset();
    void emit(int code);
    int findChild(int parent, unsigned value, size_t& slot) const;

    // Strings are found by (parent code, byte) in an open-addressed table.
    std::vector<uint32_t> keys_;  // (parent << 8 | byte) + 1, 0 for an empty slot
    std::vector<uint16_t> codes_;
    std::vector<uint8_t> out_;
    uint64_t bitBuffer_ = 0;
    int bitCount_ = 0;

    int minCodeSize_ = 0;
    unsigned pixelMask_ = 0;
    int clearCode_ = 0;
    int nextCode_ = 0;
    int width_ = 0;
    int current_ = 0;
    bool firstPixelPending_ = false;
    bool ready_ = false;
};

}  // namespace bitmap
