#include "carvello/core/BufferedByteStream.h"

#include <algorithm>

namespace carvello {

BufferedByteStream::BufferedByteStream() = default;

BufferedByteStream::BufferedByteStream(std::span<const uint8_t> memory)
    : memory_(memory), memoryMode_(true) {
    // The whole block is the buffer: nothing is ever copied.
    setBuffer(memory_.data(), memory_.data() + memory_.size());
}

BufferedByteStream::~BufferedByteStream() = default;

bool BufferedByteStream::open(const std::string& path) {
    file_.reset();
    memoryMode_ = false;
    bufferStart_ = 0;
    bufferLength_ = 0;
    setBuffer(nullptr, nullptr);
    if (path.empty())
        return false;
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_)
        return false;
    // The blocks are read straight into the stream's own buffer.
    std::setvbuf(file_.get(), nullptr, _IONBF, 0);
    if (!buffer_)
        buffer_ = std::make_unique_for_overwrite<uint8_t[]>(kBufferSize);
    return true;
}

uint64_t BufferedByteStream::tell() const {
    if (memoryMode_)
        return static_cast<uint64_t>(buffered().data() - memory_.data());
    return bufferStart_ + (bufferLength_ - buffered().size());
}

void BufferedByteStream::seek(uint64_t position) {
    if (memoryMode_) {
        const size_t at = static_cast<size_t>(std::min<uint64_t>(position, memory_.size()));
        setBuffer(memory_.data() + at, memory_.data() + memory_.size());
        return;
    }
    if (!file_)
        return;
    // Within the current buffer the position is just moved.
    if (position >= bufferStart_ && position <= bufferStart_ + bufferLength_) {
        const size_t at = static_cast<size_t>(position - bufferStart_);
        setBuffer(buffer_.get() + at, buffer_.get() + bufferLength_);
        return;
    }
    std::fseek(file_.get(), static_cast<long>(position), SEEK_SET);
    bufferStart_ = position;
    bufferLength_ = 0;
    setBuffer(buffer_.get(), buffer_.get());
}

bool BufferedByteStream::endReached() {
    if (!buffered().empty())
        return false;
    fillBuffer();
    return buffered().empty();
}

const uint8_t* BufferedByteStream::fillBuffer() {
    if (memoryMode_ || !file_) {
        // Memory has no more than its block; a closed stream has nothing.
        const auto rest = buffered();
        setBuffer(rest.data(), rest.data() + rest.size());
        return rest.data();
    }
    const size_t got = std::fread(buffer_.get(), 1, kBufferSize, file_.get());
    if (got == 0) {
        // At the end the last block is kept: a decoder that looked ahead to
        // the end and seeks back into it (a small file is one block) finds
        // its bytes without reading the file again.
        const uint8_t* end = buffer_.get() + bufferLength_;
        setBuffer(end, end);
        return end;
    }
    bufferStart_ += bufferLength_;
    bufferLength_ = got;
    setBuffer(buffer_.get(), buffer_.get() + bufferLength_);
    return buffer_.get();
}

}  // namespace carvello
