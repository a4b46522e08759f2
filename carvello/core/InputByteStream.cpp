#include "carvello/core/InputByteStream.h"

#include <algorithm>
#include <cstring>

namespace carvello {

InputByteStream::~InputByteStream() = default;

void InputByteStream::refill() {
    fillBuffer();
    if (current_ == end_)
        throw StreamError("Premature end of stream");
}

size_t InputByteStream::read(std::span<uint8_t> destination) {
    size_t copied = 0;
    while (copied < destination.size()) {
        if (current_ == end_) {
            fillBuffer();
            if (current_ == end_)
                break;
        }
        const size_t count =
            std::min(destination.size() - copied, static_cast<size_t>(end_ - current_));
        std::memcpy(destination.data() + copied, current_, count);
        current_ += count;
        copied += count;
    }
    return copied;
}

}  // namespace carvello
