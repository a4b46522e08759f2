#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "carvello/zlib/DeflateEncoder.h"

namespace carvello {

// Builds a PNG file in memory, chunk by chunk: length, type, data and CRC-32
// over type and data. A chunk holds at most kChunkBufferSize data bytes;
// when more data arrives for a full chunk, the full one is closed and a new
// chunk of the same type continues the data (so a long IDAT stream becomes
// chunks of exactly kChunkBufferSize bytes and one last, shorter or equal,
// non-empty chunk).
class PngChunkWriter : public DeflateOutput {
public:
    static constexpr size_t kChunkBufferSize = 65536;

    // Appends to `file`, which must outlive the writer.
    explicit PngChunkWriter(std::vector<uint8_t>& file) : file_(file) {}

    // The 8-byte PNG signature.
    void writeSignature();
    // Starts a chunk of the four-letter type; a chunk still open is ended.
    void beginChunk(std::string_view type);
    // Adds data to the open chunk.
    void putBytes(std::span<const uint8_t> bytes) override;
    // Writes the length and CRC of the open chunk, if any.
    void endChunk();
    // A whole chunk at once.
    void writeChunk(std::string_view type, std::span<const uint8_t> data);

private:
    void closeOpenChunk();

    std::vector<uint8_t>& file_;
    size_t chunkStart_ = 0;  // offset of the open chunk's length field
    bool open_ = false;
};

}  // namespace carvello
