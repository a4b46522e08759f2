#include "carvello/png/PngChunkStream.h"

#include <algorithm>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/zlib/Checksums.h"

namespace carvello {
namespace {

constexpr size_t kFirstBufferSize = 4096;
constexpr std::array<uint8_t, 8> kSignature = {137, 80, 78, 71, 13, 10, 26, 10};

}  // namespace

PngChunkStream::PngChunkStream() : buffer_(kFirstBufferSize) {}

PngChunkStream::PngChunkStream(InputByteStream& source)
    : source_(&source), buffer_(kFirstBufferSize) {}

PngChunkStream::~PngChunkStream() = default;

bool PngChunkStream::open(const std::string& path) {
    auto file = std::make_unique<BufferedByteStream>();
    if (!file->open(path))
        return false;
    file_ = std::move(file);
    source_ = file_.get();
    length_ = 0;
    setBuffer(nullptr, nullptr);
    return true;
}

bool PngChunkStream::readSignature() {
    if (source_ == nullptr)
        return false;
    std::array<uint8_t, 8> bytes{};
    return source_->read(bytes) == bytes.size() && bytes == kSignature;
}

void PngChunkStream::readExactly(std::span<uint8_t> destination) {
    if (source_ == nullptr || source_->read(destination) != destination.size())
        throw StreamError("Premature End of File");
}

uint32_t PngChunkStream::readBigEndian32() {
    std::array<uint8_t, 4> bytes{};
    readExactly(bytes);
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
           bytes[3];
}

bool PngChunkStream::readChunk() {
    setBuffer(nullptr, nullptr);
    length_ = 0;
    const uint32_t length = readBigEndian32();
    if (length == 0)
        return false;
    if (length > kMaxChunkLength)
        throw StreamError("Invalid Chunk Length");
    readExactly(type_);
    dataStart_ = source_->tell();

    // The buffer grows with the data actually read, so a length field that
    // promises more than the file holds costs no more memory than the file.
    uint32_t have = 0;
    while (have < length) {
        if (buffer_.size() <= have)
            buffer_.resize(std::min<size_t>(length, buffer_.size() * 2));
        const size_t piece = std::min<size_t>(length, buffer_.size()) - have;
        readExactly(std::span(buffer_).subspan(have, piece));
        have += static_cast<uint32_t>(piece);
    }
    const uint32_t stored = readBigEndian32();
    const auto data = std::span<const uint8_t>(buffer_).first(length);
    if (updateCrc32(updateCrc32(0, type_), data) != stored)
        throw StreamError("Invalid Chunk CRC");
    length_ = length;
    setBuffer(data.data(), data.data() + data.size());
    return true;
}

uint64_t PngChunkStream::tell() const {
    if (buffered().data() == nullptr)
        return source_ != nullptr ? source_->tell() : 0;
    return dataStart_ + static_cast<uint64_t>(buffered().data() - buffer_.data());
}

void PngChunkStream::seek(uint64_t position) {
    if (position < dataStart_ || position - dataStart_ > length_)
        throw StreamError("Seek outside the current chunk");
    const uint8_t* start = buffer_.data();
    setBuffer(start + (position - dataStart_), start + length_);
}

bool PngChunkStream::endReached() {
    if (!buffered().empty())
        return false;
    return source_ == nullptr || source_->endReached();
}

const uint8_t* PngChunkStream::fillBuffer() {
    if (!readChunk())
        throw StreamError("Premature End of File");
    if (chunkType() != "IDAT")
        throw StreamError("Missing IDAT Chunk");
    return buffered().data();
}

}  // namespace carvello
