#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "carvello/core/GraphicsException.h"

namespace carvello {

// A buffered source of bytes for the decoders. Bytes come inline from the
// buffer; the virtual refill runs only when it is used up.
class InputByteStream {
public:
    // Errors of the byte streams and of the readers built on them.
    class StreamError : public GraphicsException {
    public:
        using GraphicsException::GraphicsException;
    };

    virtual ~InputByteStream();

    // Stream position of the next byte, and a return to such a position.
    virtual uint64_t tell() const = 0;
    virtual void seek(uint64_t position) = 0;
    // True when no byte is left.
    virtual bool endReached() = 0;

    // The next byte. At the end of the data there is none to give: throws
    // StreamError("Premature end of stream") rather than read past the buffer.
    uint8_t getByte() {
        if (current_ == end_)
            refill();
        return *current_++;
    }
    // Two bytes, high byte first.
    uint16_t getBigEndianWord() {
        const uint16_t high = getByte();
        return static_cast<uint16_t>((high << 8) | getByte());
    }
    // Copies up to destination.size() bytes; fewer when the data ends.
    // Returns the number copied.
    size_t read(std::span<uint8_t> destination);

    // -1 in byte mode; 0 to 8 (bits of the current byte already used) while
    // a bit-level reader works on the stream.
    int bitPosition() const { return bitPosition_; }
    void setBitPosition(int position) { bitPosition_ = position; }

    // The bytes buffered and not yet consumed, for readers that scan
    // quickly; consume() moves past some of them.
    std::span<const uint8_t> buffered() const {
        return {current_, static_cast<size_t>(end_ - current_)};
    }
    void consume(size_t count) { current_ += count; }

protected:
    // Reloads the buffer and returns the new current position; when no byte
    // comes, current and end are equal.
    virtual const uint8_t* fillBuffer() = 0;

    void setBuffer(const uint8_t* current, const uint8_t* end) {
        current_ = current;
        end_ = end;
    }

private:
    void refill();

    const uint8_t* current_ = nullptr;
    const uint8_t* end_ = nullptr;
    int bitPosition_ = -1;
};

}  // namespace carvello
