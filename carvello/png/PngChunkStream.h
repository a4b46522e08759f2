#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "carvello/core/InputByteStream.h"

namespace carvello {

class BufferedByteStream;

// Reads a PNG file chunk by chunk, checking each chunk's CRC-32, and serves
// the data of the current chunk -- and of the IDAT chunks that follow it --
// as an InputByteStream for the inflate decoder.
//
// Every problem of the file's structure (short data, bad CRC, a chunk longer
// than PNG allows, a broken run of IDAT chunks) is an
// InputByteStream::StreamError.
class PngChunkStream : public InputByteStream {
public:
    // PNG chunk lengths are at most 2^31 - 1 bytes.
    static constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;

    // A stream with nothing open; open() a file before reading.
    PngChunkStream();
    // Chunks read from a stream (a file or memory) that must outlive this one.
    explicit PngChunkStream(InputByteStream& source);
    ~PngChunkStream() override;

    // Opens a file for binary reading; false when it cannot be opened.
    bool open(const std::string& path);

    // Reads the 8 bytes in front of the first chunk; false when fewer than 8
    // bytes are there or they are not the PNG signature.
    bool readSignature();

    // Reads the next chunk. A chunk of length 0 ends the chunk sequence:
    // false is returned and its type and CRC are not read (an IEND chunk
    // ends the file this way).
    bool readChunk();

    std::string_view chunkType() const {
        return {reinterpret_cast<const char*>(type_.data()), type_.size()};
    }
    uint32_t chunkLength() const { return length_; }
    std::span<const uint8_t> chunkData() const {
        return std::span<const uint8_t>(buffer_).first(length_);
    }

    // Position of the next byte in the file; seek only moves within the
    // current chunk's data.
    uint64_t tell() const override;
    void seek(uint64_t position) override;
    // True when the current chunk's data is used up and nothing follows it
    // in the file.
    bool endReached() override;

protected:
    // Moves on to the next chunk, which must be an IDAT chunk with data.
    const uint8_t* fillBuffer() override;

private:
    uint32_t readBigEndian32();
    void readExactly(std::span<uint8_t> destination);

    std::unique_ptr<BufferedByteStream> file_;
    InputByteStream* source_ = nullptr;
    std::vector<uint8_t> buffer_;  // the current chunk's data; never shrinks
    std::array<uint8_t, 4> type_{};
    uint32_t length_ = 0;
    uint64_t dataStart_ = 0;  // file position of the chunk's first data byte
};

}  // namespace carvello
