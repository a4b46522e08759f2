#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "carvello/core/InputByteStream.h"

namespace carvello {

// The inflate decoder's bit reader: up to 63 bits taken from the stream,
// least significant bit first (RFC 1951 3.1.1). Bits above `count` are
// always zero.
//
// Two ways in: fillFromBuffer() takes only bytes the stream already holds in
// its buffer, so it never makes the stream load anything (for the PNG chunk
// stream, never moves on to the next chunk). take() and bit() fetch a byte
// through getByte() only when the bits asked for are really needed, so a
// stream that has run dry fails exactly where the data does.
class InflateBitReader {
public:
    unsigned count() const { return count_; }
    uint64_t peek() const { return bits_; }

    void fillFromBuffer(InputByteStream& stream) {
        const auto bytes = stream.buffered();
        const unsigned room = (63 - count_) >> 3;  // whole bytes that fit, at most 7
        if (room == 0)
            return;
        if (bytes.size() >= 8) {
            uint64_t word = load64(bytes.data());
            word &= (uint64_t{1} << (room * 8)) - 1;
            bits_ |= word << count_;
            count_ += room * 8;
            stream.consume(room);
            return;
        }
        const size_t n = bytes.size() < room ? bytes.size() : room;
        for (size_t i = 0; i < n; ++i) {
            bits_ |= uint64_t{bytes[i]} << count_;
            count_ += 8;
        }
        stream.consume(n);
    }

    void drop(unsigned n) {
        bits_ >>= n;
        count_ -= n;
    }

    // The next n bits (n <= 32) as a number, first bit lowest.
    uint32_t take(InputByteStream& stream, unsigned n) {
        if (count_ < n)
            ensure(stream, n);
        const auto value = static_cast<uint32_t>(bits_ & ((uint64_t{1} << n) - 1));
        drop(n);
        return value;
    }
    uint32_t bit(InputByteStream& stream) { return take(stream, 1); }

    // Drops the rest of a partly used byte (stored blocks start on a byte).
    void alignToByte() { drop(count_ & 7); }

    // Whole bytes held back from the stream (after alignToByte()).
    unsigned heldBytes() const { return count_ >> 3; }
    uint8_t takeHeldByte() {
        const auto byte = static_cast<uint8_t>(bits_);
        drop(8);
        return byte;
    }

    void reset() {
        bits_ = 0;
        count_ = 0;
    }

private:
    void ensure(InputByteStream& stream, unsigned n) {
        fillFromBuffer(stream);
        while (count_ < n) {
            bits_ |= uint64_t{stream.getByte()} << count_;
            count_ += 8;
        }
    }

    static uint64_t load64(const uint8_t* p) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if constexpr (std::endian::native == std::endian::big)
            word = __builtin_bswap64(word);
        return word;
    }

    uint64_t bits_ = 0;
    unsigned count_ = 0;
};

}  // namespace carvello
