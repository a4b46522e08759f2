#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "carvello/core/InputByteStream.h"

namespace carvello {

// An InputByteStream over a file (read in blocks of 64 KB, so that a
// photo of a few megabytes costs a few dozen reads) or over a block of
// memory owned by the caller.
class BufferedByteStream : public InputByteStream {
public:
    static constexpr size_t kBufferSize = 65536;

    // A stream with nothing open; open() a file before reading.
    BufferedByteStream();
    // A stream over memory that must outlive it.
    explicit BufferedByteStream(std::span<const uint8_t> memory);
    ~BufferedByteStream() override;

    // Opens a file for binary reading; false when it cannot be opened.
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr || memoryMode_; }

    uint64_t tell() const override;
    void seek(uint64_t position) override;
    bool endReached() override;

protected:
    const uint8_t* fillBuffer() override;

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, FileCloser> file_;
    // Allocated when a file is opened.
    std::unique_ptr<uint8_t[]> buffer_;
    uint64_t bufferStart_ = 0;  // file position of buffer_[0]
    size_t bufferLength_ = 0;
    std::span<const uint8_t> memory_;
    bool memoryMode_ = false;
};

}  // namespace carvello
