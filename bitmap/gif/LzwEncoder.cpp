#include "bitmap/gif/LzwEncoder.h"

#include <algorithm>
#include <new>

#include "bitmap/gif/GifErrors.h"
#include "bitmap/gif/LzwLimits.h"

namespace bitmap {
namespace {

// Twice the number of codes, so the table is never more than half full.
constexpr size_t kSlotBits = 13;
constexpr size_t kSlots = size_t{1} << kSlotBits;

size_t slotOf(uint32_t key) {
    return (key * 2654435761u) >> (32 - kSlotBits);
}

}  // namespace

int LzwEncoder::start(int minCodeSize) {
    ready_ = false;
    if (const int refusal = checkLzwMinCodeSize(minCodeSize))
        return refusal;
    try {
        keys_.assign(kSlots, 0);
        codes_.assign(kSlots, 0);
        out_.clear();
        out_.reserve(1024);
    } catch (const std::bad_alloc&) {
        return gifcode::kUnsupportedFormat;
    }
    bitBuffer_ = 0;
    bitCount_ = 0;
    minCodeSize_ = minCodeSize;
    pixelMask_ = (1u << minCodeSize) - 1;
    clearCode_ = 1 << minCodeSize;
    reset();
    current_ = 0;
    firstPixelPending_ = true;
    ready_ = true;
    return gifcode::kOk;
}

void LzwEncoder::reset() {
    nextCode_ = clearCode_ + 2;
    width_ = minCodeSize_ + 1;
    std::fill(keys_.begin(), keys_.end(), 0u);
}

void LzwEncoder::emit(int code) {
    bitBuffer_ |= uint64_t(static_cast<unsigned>(code)) << bitCount_;
    bitCount_ += width_;
    while (bitCount_ >= 8) {
        out_.push_back(static_cast<uint8_t>(bitBuffer_));
        bitBuffer_ >>= 8;
        bitCount_ -= 8;
    }
}

// The code of the string `parent` followed by `value`, or -1; `slot` is where
// the search stopped, the place for a new entry.
int LzwEncoder::findChild(int parent, unsigned value, size_t& slot) const {
    const uint32_t key = ((static_cast<uint32_t>(parent) << 8) | value) + 1;
    slot = slotOf(key);
    while (keys_[slot] != 0) {
        if (keys_[slot] == key)
            return codes_[slot];
        slot = (slot + 1) & (kSlots - 1);
    }
    return -1;
}

int LzwEncoder::put(unsigned pixel) {
    if (!ready_)
        return gifcode::kLzwNotReady;
    const unsigned b = pixel & pixelMask_;
    try {
        if (firstPixelPending_) {
            emit(clearCode_);
            current_ = static_cast<int>(b);
            firstPixelPending_ = false;
            return gifcode::kOk;
        }
        size_t slot = 0;
        const int child = findChild(current_, b, slot);
        if (child >= 0) {
            current_ = child;
            return gifcode::kOk;
        }
        emit(current_);
        if (nextCode_ < kLzwMaxCodes) {
            keys_[slot] = ((static_cast<uint32_t>(current_) << 8) | b) + 1;
            codes_[slot] = static_cast<uint16_t>(nextCode_);
            ++nextCode_;
            if ((1 << width_) < nextCode_)
                ++width_;
        } else {
            emit(clearCode_);
            reset();
        }
        current_ = static_cast<int>(b);
    } catch (const std::bad_alloc&) {
        return gifcode::kUnsupportedFormat;
    }
    return gifcode::kOk;
}

int LzwEncoder::finish() {
    if (!ready_)
        return gifcode::kLzwNotReady;
    ready_ = false;
    try {
        // With no pixel at all the stream is just a clear code and the end.
        emit(firstPixelPending_ ? clearCode_ : current_);
        emit(clearCode_ + 1);
        if (bitCount_ > 0)
            out_.push_back(static_cast<uint8_t>(bitBuffer_));
    } catch (const std::bad_alloc&) {
        return gifcode::kUnsupportedFormat;
    }
    bitBuffer_ = 0;
    bitCount_ = 0;
    return gifcode::kOk;
}

}  // namespace bitmap
