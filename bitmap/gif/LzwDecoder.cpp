#include "bitmap/gif/LzwDecoder.h"

#include <algorithm>
#include <new>

#include "bitmap/gif/GifErrors.h"
#include "bitmap/gif/LzwLimits.h"

namespace bitmap {

int LzwDecoder::start(int minCodeSize, std::span<const uint8_t> data) {
    ready_ = false;
    if (const int refusal = checkLzwMinCodeSize(minCodeSize))
        return refusal;
    try {
        prefix_.assign(kLzwMaxCodes, 0);
        suffix_.assign(kLzwMaxCodes, 0);
        first_.assign(kLzwMaxCodes, 0);
        length_.assign(kLzwMaxCodes, 0);
        pending_.assign(kLzwMaxCodes, 0);
    } catch (const std::bad_alloc&) {
        return gifcode::kLzwInitFailed;
    }
    data_ = data;
    pos_ = 0;
    bits_ = 0;
    bitCount_ = 0;
    minCodeSize_ = minCodeSize;
    clearCode_ = 1 << minCodeSize;
    endCode_ = clearCode_ + 1;
    for (int i = 0; i < clearCode_; ++i) {
        suffix_[i] = static_cast<uint8_t>(i);
        first_[i] = static_cast<uint8_t>(i);
        length_[i] = 1;
    }
    ended_ = failed_ = false;
    reset();
    pendingPos_ = pendingEnd_ = 0;
    ready_ = true;
    return gifcode::kOk;
}

void LzwDecoder::reset() {
    nextCode_ = clearCode_ + 2;
    width_ = minCodeSize_ + 1;
    firstAfterClear_ = true;
}

bool LzwDecoder::readCode(int& code) {
    if (bitCount_ < width_) {
        while (bitCount_ <= 56 && pos_ < data_.size()) {
            bits_ |= uint64_t{data_[pos_++]} << bitCount_;
            bitCount_ += 8;
        }
        if (bitCount_ < width_)
            return false;
    }
    code = static_cast<int>(bits_ & ((uint64_t{1} << width_) - 1));
    bits_ >>= width_;
    bitCount_ -= width_;
    return true;
}

// Writes the string of `code` (length bytes) to out, last byte first.
void LzwDecoder::expand(int code, uint8_t* out, int length) const {
    int p = code;
    for (int i = length - 1; i > 0; --i) {
        out[i] = suffix_[static_cast<size_t>(p)];
        p = prefix_[static_cast<size_t>(p)];
    }
    out[0] = suffix_[static_cast<size_t>(p)];
}

// The new entry is the previous string followed by the first byte of the
// string of `code`; when the code is the entry being made (the string starts
// and ends with the same byte) that byte is the previous string's first.
void LzwDecoder::addEntry(int code) {
    const uint8_t firstByte = code < nextCode_ ? first_[code] : first_[previous_];
    prefix_[nextCode_] = static_cast<uint16_t>(previous_);
    suffix_[nextCode_] = firstByte;
    first_[nextCode_] = first_[previous_];
    length_[nextCode_] = static_cast<uint16_t>(length_[previous_] + 1);
    ++nextCode_;
    if (nextCode_ >= (1 << width_) && width_ < kLzwMaxWidth)
        ++width_;
}

int LzwDecoder::fail(int code) {
    failed_ = true;
    return code;
}

int LzwDecoder::read(std::span<uint8_t> destination) {
    if (!ready_)
        return gifcode::kLzwNotReady;
    if (ended_ || failed_)
        return gifcode::kLzwReadError;

    uint8_t* out = destination.data();
    size_t remaining = destination.size();
    const size_t fromPending = std::min(pendingEnd_ - pendingPos_, remaining);
    std::copy_n(pending_.begin() + static_cast<ptrdiff_t>(pendingPos_), fromPending, out);
    pendingPos_ += fromPending;
    out += fromPending;
    remaining -= fromPending;

    while (remaining > 0) {
        int code = 0;
        if (!readCode(code))
            return fail(gifcode::kLzwReadError);
        if (code == clearCode_) {
            reset();
            continue;
        }
        if (code == endCode_) {
            ended_ = true;
            return gifcode::kOk;
        }
        if (firstAfterClear_) {
            // The first code after a clear has no predecessor: it must be a
            // single index.
            if (code >= clearCode_)
                return fail(gifcode::kLzwReadError);
            *out++ = static_cast<uint8_t>(code);
            --remaining;
            previous_ = code;
            firstAfterClear_ = false;
            // Only at code size 1 is the table already at the width's limit
            // here (4 codes, 2 bits); the encoder writes the next code wider.
            if (nextCode_ >= (1 << width_))
                ++width_;
            continue;
        }
        if (code > nextCode_)
            return fail(gifcode::kLzwReadError);
        if (nextCode_ < kLzwMaxCodes)
            addEntry(code);
        // With the table full the stream goes on at 12 bits with the entries
        // it has until a clear code comes: an encoder may defer the clear.
        previous_ = code;

        const int length = length_[code];
        if (static_cast<size_t>(length) <= remaining) {
            expand(code, out, length);
            out += length;
            remaining -= static_cast<size_t>(length);
        } else {
            expand(code, pending_.data(), length);
            std::copy_n(pending_.begin(), remaining, out);
            pendingPos_ = remaining;
            pendingEnd_ = static_cast<size_t>(length);
            remaining = 0;
        }
    }
    return gifcode::kOk;
}

}  // namespace bitmap
