#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>

#include "carvello/core/GraphicsException.h"
#include "carvello/zlib/InflateBits.h"
#include "carvello/zlib/InflateHuffman.h"

namespace carvello {

class InputByteStream;

// Decompresses a zlib stream (RFC 1950) of deflate blocks (RFC 1951) read
// from an InputByteStream, delivering bytes on demand: the PNG decoder asks
// for one row at a time, so the whole output is never held.
//
// Usage: openStream() once, then decompress() as often as needed; each call
// delivers exactly the bytes asked for and the state (window, pending copy,
// pending stored bytes, unused bits) carries over to the next call.
class PNGInflateDecoder {
public:
    // Format errors of the compressed data. Running out of data is reported
    // by the stream itself with its own StreamError.
    class StreamError : public GraphicsException {
    public:
        using GraphicsException::GraphicsException;
    };

    static constexpr size_t kWindowSize = 32768;

    PNGInflateDecoder();
    ~PNGInflateDecoder();
    PNGInflateDecoder(const PNGInflateDecoder&) = delete;
    PNGInflateDecoder& operator=(const PNGInflateDecoder&) = delete;

    // Reads and checks the two zlib header bytes, then the first block
    // header.
    void openStream(InputByteStream& stream);
    // Writes exactly target.size() bytes. Asking for bytes after the final
    // block has ended is an error.
    void decompress(InputByteStream& stream, std::span<uint8_t> target);

    // Adler-32 of everything delivered so far.
    uint32_t adler32() const { return adler_; }
    // True once the end-of-block code of the final block has been read.
    bool endOfData() const { return endOfData_; }

    // The block headers and code lengths are traced to the stream, when
    // one is given (off by default).
    bool verbose() const { return trace_ != nullptr; }
    void setVerbose(std::ostream* trace) { trace_ = trace; }

private:
    void readBlockHeader(InputByteStream& stream);
    // False for an empty stored block.
    bool readStoredHeader(InputByteStream& stream);
    void readDynamicTables(InputByteStream& stream);
    void readLengthRun(InputByteStream& stream, const InflateHuffman& lengthCode,
                       std::span<uint8_t> lengths);

    size_t copyStored(InputByteStream& stream, std::span<uint8_t> target);
    size_t copyFromWindow(std::span<uint8_t> target);
    size_t decodeSymbols(InputByteStream& stream, std::span<uint8_t> target);

    std::unique_ptr<std::array<uint8_t, kWindowSize>> window_;
    size_t windowPos_ = 0;
    size_t copySource_ = 0;
    size_t copyLeft_ = 0;
    uint32_t storedLeft_ = 0;
    bool finalBlock_ = false;
    bool endOfData_ = false;
    bool opened_ = false;
    uint32_t adler_ = 1;

    InflateBitReader bits_;
    // The block's codes: either the shared fixed codes or the dynamic ones
    // below.
    const InflateHuffman* literals_ = nullptr;
    const InflateHuffman* distances_ = nullptr;
    std::unique_ptr<InflateHuffman> dynamicLiterals_;
    std::unique_ptr<InflateHuffman> dynamicDistances_;
    std::unique_ptr<InflateHuffman> lengthCode_;
    std::ostream* trace_ = nullptr;
};

}  // namespace carvello
