#include "carvello/zlib/InflateDecoder.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "carvello/core/InputByteStream.h"
#include "carvello/zlib/Checksums.h"

namespace carvello {
namespace {

constexpr size_t kWindowMask = PNGInflateDecoder::kWindowSize - 1;

// RFC 1951 3.2.5: base values and extra bits of the length symbols 257-285
// and of the distance symbols 0-29.
constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                  15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                  67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                    4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                    9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Order in which the code-length code lengths are stored (RFC 1951 3.2.7).
constexpr std::array<uint8_t, 19> kLengthCodeOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                      11, 4,  12, 3, 13, 2, 14, 1, 15};

// The codes of block type 1 (RFC 1951 3.2.6), built once.
const InflateHuffman& fixedLiterals() {
    static const InflateHuffman code = [] {
        std::array<uint8_t, 288> lengths{};
        std::fill(lengths.begin(), lengths.begin() + 144, 8);
        std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
        std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
        std::fill(lengths.begin() + 280, lengths.end(), 8);
        InflateHuffman built;
        built.build(lengths, 15);
        return built;
    }();
    return code;
}

const InflateHuffman& fixedDistances() {
    static const InflateHuffman code = [] {
        std::array<uint8_t, 32> lengths{};
        lengths.fill(5);
        InflateHuffman built;
        built.build(lengths, 15);
        return built;
    }();
    return code;
}

const char* blockTypeName(unsigned type) {
    switch (type) {
        case 0:
            return "none";
        case 1:
            return "Fixed Huffman Codes";
        case 2:
            return "Dynamic Huffman Codes";
        default:
            return "unknown";
    }
}

}  // namespace

PNGInflateDecoder::PNGInflateDecoder()
    : dynamicLiterals_(std::make_unique<InflateHuffman>()),
      dynamicDistances_(std::make_unique<InflateHuffman>()),
      lengthCode_(std::make_unique<InflateHuffman>()) {}

PNGInflateDecoder::~PNGInflateDecoder() = default;

void PNGInflateDecoder::openStream(InputByteStream& stream) {
    window_ = std::make_unique<std::array<uint8_t, kWindowSize>>();
    windowPos_ = 0;
    copySource_ = 0;
    copyLeft_ = 0;
    storedLeft_ = 0;
    finalBlock_ = false;
    endOfData_ = false;
    opened_ = false;
    adler_ = 1;
    bits_.reset();
    literals_ = nullptr;
    distances_ = nullptr;

    const uint8_t cmf = stream.getByte();
    const uint8_t flg = stream.getByte();
    const unsigned method = cmf & 0x0F;
    const uint64_t windowSize = uint64_t{1} << ((cmf >> 4) + 8);
    const unsigned level = flg / 64;
    const bool presetDictionary = (flg & 0x20) != 0;
    if (verbose()) {
        *trace_ << " Compression Method: " << method << '\n'
                << " WindowSize: " << windowSize << '\n'
                << " Preset Dictionary: " << (presetDictionary ? "true" : "false") << '\n'
                << " Compression Level: " << level << '\n';
    }
    if (method != 8)
        throw StreamError("Invalid Compression Method - Not (8) Deflate");
    if ((cmf * 256u + flg) % 31 != 0)
        throw StreamError("Corrupt Compression Header flags");
    if (windowSize > kWindowSize)
        throw StreamError("Invalid Compression Window");
    if (presetDictionary)
        throw StreamError("Preset dictionary flag set");
    opened_ = true;
    readBlockHeader(stream);
}

void PNGInflateDecoder::readBlockHeader(InputByteStream& stream) {
    // Empty stored blocks (zlib ends level-0 streams with one, and uses them
    // to flush) are passed over here, in a loop rather than by recursion.
    for (;;) {
        finalBlock_ = bits_.take(stream, 1) != 0;
        const unsigned type = bits_.take(stream, 2);
        if (verbose()) {
            *trace_ << " Final: " << finalBlock_ << '\n'
                    << " Type:  (" << type << ") " << blockTypeName(type) << '\n';
        }
        switch (type) {
            case 0:
                if (readStoredHeader(stream))
                    return;
                if (finalBlock_) {
                    endOfData_ = true;
                    return;
                }
                break;
            case 1:
                literals_ = &fixedLiterals();
                distances_ = &fixedDistances();
                return;
            case 2:
                readDynamicTables(stream);
                return;
            default:
                throw StreamError("Invalid Compression Type");
        }
    }
}

bool PNGInflateDecoder::readStoredHeader(InputByteStream& stream) {
    bits_.alignToByte();
    stream.setBitPosition(-1);
    const uint32_t length = bits_.take(stream, 16);
    const uint32_t complement = bits_.take(stream, 16);
    if ((length ^ 0xFFFFu) != complement)
        throw StreamError("Invalid Literal Count");
    storedLeft_ = length;
    return length != 0;
}

void PNGInflateDecoder::readDynamicTables(InputByteStream& stream) {
    const unsigned literalCount = bits_.take(stream, 5) + 257;
    const unsigned distanceCount = bits_.take(stream, 5) + 1;
    const unsigned lengthCodeCount = bits_.take(stream, 4) + 4;
    if (verbose()) {
        *trace_ << " Literal Code Count: " << literalCount << '\n'
                << " Distance Codes: " << distanceCount << '\n'
                << " Code Length Codes: " << lengthCodeCount << '\n';
    }
    if (lengthCodeCount > kLengthCodeOrder.size())
        throw StreamError("Invalid Huffman Code Length");

    std::array<uint8_t, 19> codeLengths{};
    for (unsigned i = 0; i < lengthCodeCount; ++i)
        codeLengths[kLengthCodeOrder[i]] = static_cast<uint8_t>(bits_.take(stream, 3));
    if (verbose()) {
        *trace_ << "  Lengths\n";
        for (uint8_t length : codeLengths)
            *trace_ << "   " << unsigned{length} << '\n';
    }
    lengthCode_->build(codeLengths, 7);

    // Two separate runs: a repeat never carries over from the literal
    // lengths into the distance lengths.
    std::array<uint8_t, InflateHuffman::kMaxSymbols> literalLengths{};
    std::array<uint8_t, 32> distanceLengths{};
    const auto literals = std::span(literalLengths).first(literalCount);
    const auto distances = std::span(distanceLengths).first(distanceCount);
    readLengthRun(stream, *lengthCode_, literals);
    readLengthRun(stream, *lengthCode_, distances);
    dynamicLiterals_->build(literals, 15);
    dynamicDistances_->build(distances, 15);
    literals_ = dynamicLiterals_.get();
    distances_ = dynamicDistances_.get();
}

void PNGInflateDecoder::readLengthRun(InputByteStream& stream, const InflateHuffman& lengthCode,
                                      std::span<uint8_t> lengths) {
    size_t i = 0;
    while (i < lengths.size()) {
        const unsigned symbol = lengthCode.decode(bits_, stream);
        if (symbol < 16) {
            if (verbose())
                *trace_ << " Literal: " << symbol << '\n';
            lengths[i++] = static_cast<uint8_t>(symbol);
            continue;
        }
        unsigned repeat = 0;
        uint8_t value = 0;
        if (symbol == 16) {
            if (i == 0)
                throw StreamError("Repeat Code Without Previous Length");
            repeat = 3 + bits_.take(stream, 2);
            value = lengths[i - 1];
            if (verbose())
                *trace_ << " Repeat: " << repeat << '\n';
        } else if (symbol == 17) {
            repeat = 3 + bits_.take(stream, 3);
            if (verbose())
                *trace_ << " Zero Run: " << repeat << '\n';
        } else if (symbol == 18) {
            repeat = 11 + bits_.take(stream, 7);
            if (verbose())
                *trace_ << " Zero Run: " << repeat << '\n';
        } else {
            throw StreamError("Bad Length Code");
        }
        if (repeat > lengths.size() - i)
            throw StreamError("Length Command Out of Range");
        std::fill_n(lengths.begin() + static_cast<std::ptrdiff_t>(i), repeat, value);
        i += repeat;
    }
}

void PNGInflateDecoder::decompress(InputByteStream& stream, std::span<uint8_t> target) {
    if (!opened_)
        throw StreamError("Compressed stream not opened");
    size_t done = 0;
    while (done < target.size()) {
        const auto rest = target.subspan(done);
        if (storedLeft_ > 0) {
            done += copyStored(stream, rest);
        } else if (copyLeft_ > 0) {
            done += copyFromWindow(rest);
        } else if (endOfData_) {
            throw StreamError("Compressed data ended early");
        } else {
            done += decodeSymbols(stream, rest);
        }
    }
    adler_ = updateAdler32(adler_, target);
    stream.setBitPosition(storedLeft_ > 0 ? -1 : static_cast<int>((8 - bits_.count() % 8) % 8));
}

size_t PNGInflateDecoder::copyStored(InputByteStream& stream, std::span<uint8_t> target) {
    auto& window = *window_;
    const size_t want = std::min<size_t>(storedLeft_, target.size());
    size_t done = 0;
    // Whole bytes already taken into the bit reader come first.
    while (done < want && bits_.heldBytes() > 0) {
        const uint8_t byte = bits_.takeHeldByte();
        target[done++] = byte;
        window[windowPos_] = byte;
        windowPos_ = (windowPos_ + 1) & kWindowMask;
    }
    while (done < want) {
        const auto buffered = stream.buffered();
        if (buffered.empty()) {
            // Makes the stream load more data, or fail at its end.
            const uint8_t byte = stream.getByte();
            target[done++] = byte;
            window[windowPos_] = byte;
            windowPos_ = (windowPos_ + 1) & kWindowMask;
            continue;
        }
        const size_t n = std::min(buffered.size(), want - done);
        std::memcpy(target.data() + done, buffered.data(), n);
        // Into the window, in at most two pieces around its end.
        size_t copied = 0;
        while (copied < n) {
            const size_t piece = std::min(n - copied, kWindowSize - windowPos_);
            std::memcpy(window.data() + windowPos_, buffered.data() + copied, piece);
            windowPos_ = (windowPos_ + piece) & kWindowMask;
            copied += piece;
        }
        stream.consume(n);
        done += n;
    }
    storedLeft_ -= static_cast<uint32_t>(want);
    if (storedLeft_ == 0) {
        if (finalBlock_)
            endOfData_ = true;
        else
            readBlockHeader(stream);
    }
    return want;
}

size_t PNGInflateDecoder::copyFromWindow(std::span<uint8_t> target) {
    auto& window = *window_;
    const size_t n = std::min(copyLeft_, target.size());
    size_t source = copySource_;
    size_t pos = windowPos_;
    const size_t distance = (pos - source) & kWindowMask;
    if (distance >= n && source + n <= kWindowSize && pos + n <= kWindowSize) {
        // No overlap and no wrap: whole blocks.
        std::memcpy(target.data(), window.data() + source, n);
        std::memmove(window.data() + pos, window.data() + source, n);
        source += n;
        pos += n;
    } else {
        for (size_t i = 0; i < n; ++i) {
            const uint8_t byte = window[source];
            source = (source + 1) & kWindowMask;
            window[pos] = byte;
            pos = (pos + 1) & kWindowMask;
            target[i] = byte;
        }
    }
    copySource_ = source & kWindowMask;
    windowPos_ = pos & kWindowMask;
    copyLeft_ -= n;
    return n;
}

size_t PNGInflateDecoder::decodeSymbols(InputByteStream& stream, std::span<uint8_t> target) {
    auto& window = *window_;
    const InflateHuffman& literals = *literals_;
    size_t pos = windowPos_;
    size_t done = 0;
    while (done < target.size()) {
        const unsigned symbol = literals.decode(bits_, stream);
        if (symbol < 256) {
            const auto byte = static_cast<uint8_t>(symbol);
            target[done++] = byte;
            window[pos] = byte;
            pos = (pos + 1) & kWindowMask;
            continue;
        }
        windowPos_ = pos;
        if (symbol == 256) {
            if (finalBlock_)
                endOfData_ = true;
            else
                readBlockHeader(stream);
            return done;
        }
        if (symbol > 285)
            throw StreamError("Invalid Huffman Literal Value");
        const unsigned lengthIndex = symbol - 257;
        const size_t length =
            kLengthBase[lengthIndex] + bits_.take(stream, kLengthExtra[lengthIndex]);
        const unsigned distanceSymbol = distances_->decode(bits_, stream);
        if (distanceSymbol > 29)
            throw StreamError("Invalid Huffman Distance Value");
        const size_t distance =
            kDistanceBase[distanceSymbol] + bits_.take(stream, kDistanceExtra[distanceSymbol]);
        copySource_ = (pos - distance) & kWindowMask;
        copyLeft_ = length;
        done += copyFromWindow(target.subspan(done));
        if (copyLeft_ > 0)
            return done;
        pos = windowPos_;
    }
    windowPos_ = pos;
    return done;
}

}  // namespace carvello
