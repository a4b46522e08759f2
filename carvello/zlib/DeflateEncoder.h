#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "carvello/core/GraphicsException.h"

namespace carvello {

// Where the deflate encoder puts its compressed bytes.
class DeflateOutput {
public:
    virtual ~DeflateOutput() = default;
    virtual void putBytes(std::span<const uint8_t> bytes) = 0;
};

// Compresses bytes into a zlib stream (RFC 1950) of deflate blocks (RFC
// 1951) with dynamic Huffman codes: greedy LZ77 over a 32768-byte window,
// hash chains searched up to a limit set by the compression level, blocks of
// at most 16384 symbol entries.
//
// Use: begin(), compress() as often as needed, finish(). The output depends
// only on the level and the bytes, not on how they are split among calls.
class PNGDeflateEncoder {
public:
    class PNGDeflateError : public GraphicsException {
    public:
        using GraphicsException::GraphicsException;
    };

    static constexpr int kDefaultLevel = 2;

    PNGDeflateEncoder();
    ~PNGDeflateEncoder();
    PNGDeflateEncoder(const PNGDeflateEncoder&) = delete;
    PNGDeflateEncoder& operator=(const PNGDeflateEncoder&) = delete;

    // 0 (one chain candidate per position), 1 (64), 2 (128) or 3 (no limit).
    // Checked, and taken into account, at the next begin().
    int compressionLevel() const { return level_; }
    void setCompressionLevel(int level) { level_ = level; }
    bool underway() const { return state_ != nullptr; }

    // Writes the zlib header. Throws "Compression Already Underway" or
    // "Invalid Compression Level".
    void begin(DeflateOutput& output);
    // Compresses as far as the bytes allow. Throws "Compression Not Underway".
    void compress(DeflateOutput& output, std::span<const uint8_t> bytes);
    // Compresses the rest, writes the final block and the Adler-32 and ends
    // the stream. Throws "Compression Not Underway".
    void finish(DeflateOutput& output);
    // Drops a stream that cannot be finished (for example after the output
    // failed), so that begin() may be called again.
    void abandon();

private:
    struct State;
    int level_ = kDefaultLevel;
    std::unique_ptr<State> state_;
};

// The whole zlib stream of the bytes at the level.
std::vector<uint8_t> deflateToZlib(std::span<const uint8_t> bytes,
                                   int level = PNGDeflateEncoder::kDefaultLevel);

}  // namespace carvello
