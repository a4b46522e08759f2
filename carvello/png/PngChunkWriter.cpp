#include "carvello/png/PngChunkWriter.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "carvello/zlib/Checksums.h"

namespace carvello {
namespace {

void storeBigEndian32(std::span<uint8_t> to, uint32_t value) {
    to[0] = static_cast<uint8_t>(value >> 24);
    to[1] = static_cast<uint8_t>(value >> 16);
    to[2] = static_cast<uint8_t>(value >> 8);
    to[3] = static_cast<uint8_t>(value);
}

}  // namespace

void PngChunkWriter::writeSignature() {
    static constexpr std::array<uint8_t, 8> kSignature{137, 80, 78, 71, 13, 10, 26, 10};
    file_.insert(file_.end(), kSignature.begin(), kSignature.end());
}

void PngChunkWriter::beginChunk(std::string_view type) {
    if (type.size() != 4)
        throw std::logic_error("PngChunkWriter: chunk types have four letters");
    endChunk();
    chunkStart_ = file_.size();
    file_.resize(file_.size() + 4);  // length, filled in when the chunk ends
    file_.insert(file_.end(), type.begin(), type.end());
    open_ = true;
}

void PngChunkWriter::putBytes(std::span<const uint8_t> bytes) {
    if (!open_)
        throw std::logic_error("PngChunkWriter: no chunk is open");
    while (!bytes.empty()) {
        const size_t held = file_.size() - chunkStart_ - 8;
        if (held == kChunkBufferSize) {
            const std::array<uint8_t, 4> type{file_[chunkStart_ + 4], file_[chunkStart_ + 5],
                                              file_[chunkStart_ + 6], file_[chunkStart_ + 7]};
            closeOpenChunk();
            beginChunk(std::string_view(reinterpret_cast<const char*>(type.data()), 4));
            continue;
        }
        const size_t n = std::min(bytes.size(), kChunkBufferSize - held);
        file_.insert(file_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        bytes = bytes.subspan(n);
    }
}

void PngChunkWriter::endChunk() {
    if (open_)
        closeOpenChunk();
}

void PngChunkWriter::closeOpenChunk() {
    const size_t dataLength = file_.size() - chunkStart_ - 8;
    storeBigEndian32(std::span(file_).subspan(chunkStart_, 4), static_cast<uint32_t>(dataLength));
    const uint32_t crc =
        updateCrc32(0, std::span<const uint8_t>(file_).subspan(chunkStart_ + 4, dataLength + 4));
    std::array<uint8_t, 4> crcBytes;
    storeBigEndian32(crcBytes, crc);
    file_.insert(file_.end(), crcBytes.begin(), crcBytes.end());
    open_ = false;
}

void PngChunkWriter::writeChunk(std::string_view type, std::span<const uint8_t> data) {
    beginChunk(type);
    putBytes(data);
    endChunk();
}

}  // namespace carvello
