#include "carvello/jpeg/JpegBitReader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "carvello/jpeg/JpegDecoder.h"

namespace Carvello {

namespace {}  // namespace

void JpegBitReader::enter() {
    accumulator_ = 0;
    bits_ = 0;
    padBits_ = 0;
    stuffedFlags_ = 0;
    stop_ = Stop::none;
    stream_.setBitPosition(8);
}

void JpegBitReader::leave() {
    // Whole bytes still unused go back to the stream, with their stuffing.
    const int unused = realBits() / 8;
    if (unused > 0) {
        const uint64_t mask = (uint64_t{1} << unused) - 1;
        const uint64_t back = static_cast<uint64_t>(unused) + std::popcount(stuffedFlags_ & mask);
        stream_.seek(stream_.tell() - back);
    }
    accumulator_ = 0;
    bits_ = 0;
    padBits_ = 0;
    stuffedFlags_ = 0;
    stop_ = Stop::none;
    stream_.setBitPosition(-1);
}

inline void JpegBitReader::load(uint8_t byte, bool stuffed) {
    accumulator_ |= uint64_t{byte} << (56 - bits_);
    bits_ += 8;
    stuffedFlags_ = (stuffedFlags_ << 1) | (stuffed ? 1 : 0);
}

void JpegBitReader::fill() {
    while (bits_ <= 56) {
        if (stop_ != Stop::none) {
            // Zero padding: never used as data (see failShort), it only keeps
            // the lookahead defined.
            bits_ += 8;
            padBits_ += 8;
            continue;
        }
        const auto buffer = stream_.buffered();
        const uint8_t* p = buffer.data();
        const size_t size = buffer.size();
        size_t i = 0;
        // Whole words without 0xFF go in at once.
        while (bits_ <= 56 && i + 8 <= size) {
            uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (hasByteFF(word))
                break;
            if constexpr (std::endian::native == std::endian::little)
                word = __builtin_bswap64(word);
            const int count = (64 - bits_) >> 3;
            accumulator_ |= (word >> (64 - 8 * count)) << (64 - bits_ - 8 * count);
            bits_ += 8 * count;
            stuffedFlags_ <<= count;
            i += static_cast<size_t>(count);
        }
        while (bits_ <= 56 && i < size) {
            const uint8_t byte = p[i];
            if (byte != 0xFF) {
                load(byte, false);
                ++i;
                continue;
            }
            if (i + 1 >= size)
                break;  // the byte after 0xFF is in the next buffer
            if (p[i + 1] != 0) {
                stop_ = Stop::marker;
                break;
            }
            load(0xFF, true);
            i += 2;
        }
        stream_.consume(i);
        if (bits_ <= 56 && stop_ == Stop::none)
            fillSlowly();
    }
}

// One byte across a buffer boundary, or the end of the data.
void JpegBitReader::fillSlowly() {
    if (stream_.endReached()) {
        stop_ = Stop::end;
        return;
    }
    const uint8_t byte = stream_.getByte();
    if (byte != 0xFF) {
        load(byte, false);
        return;
    }
    if (stream_.endReached()) {
        // 0xFF as the last byte: its stuffing is missing.
        stream_.seek(stream_.tell() - 1);
        stop_ = Stop::end;
        return;
    }
    const uint8_t next = stream_.getByte();
    if (next == 0) {
        load(0xFF, true);
        return;
    }
    stream_.seek(stream_.tell() - 2);
    stop_ = Stop::marker;
}

int JpegBitReader::dcDifference(const JpegHuffmanTable& table) {
    const int size = decode(table);
    if (size > 16)
        throw JpegDecoder::JpegBadStream("DC difference size out of range");
    return receiveExtend(size);
}

int JpegBitReader::dcDifferenceSkippingAc(const JpegHuffmanTable& dc, const JpegHuffmanTable& ac) {
    using T = JpegHuffmanTable;
    // The reader's state is worked on in locals, so that it stays in
    // registers, and put back before anything else reads it.
    uint64_t accumulator = accumulator_;
    int bits = bits_;
    int padBits = padBits_;  // changed only by fill()
    const auto store = [&] {
        accumulator_ = accumulator;
        bits_ = bits;
    };
    const auto load = [&] {
        accumulator = accumulator_;
        bits = bits_;
        padBits = padBits_;
    };
    // The DC difference, when its code is in the lookahead table and its
    // bits are at hand; else the long way, from the same position.
    if (bits < 32 && !refillQuickly(accumulator, bits)) {
        store();
        fill();
        load();
    }
    int difference = 0;
    const uint16_t dcEntry =
        dc.lookahead(static_cast<uint32_t>(accumulator >> (64 - T::kLookaheadBits)));
    const int dcLength = dcEntry >> 8;
    const int dcSize = dcEntry & 0xFF;
    if (dcEntry != 0 && dcSize <= 16 && dcLength + dcSize <= bits - padBits) {
        accumulator <<= dcLength;
        if (dcSize > 0) {
            const int value = static_cast<int>(accumulator >> (64 - dcSize));
            difference = value < (1 << (dcSize - 1)) ? value - (1 << dcSize) + 1 : value;
            accumulator <<= dcSize;
        }
        bits -= dcLength + dcSize;
    } else {
        store();
        difference = dcDifference(dc);
        load();
    }
    const JpegHuffmanTable::Groups& groups = ac.groups();
    // k is the zigzag index of the next coefficient. A group of symbols
    // is taken whole only when it leaves k inside the block, where every
    // check on the way passes; otherwise the symbols go one at a time.
    for (int k = 1; k <= 63;) {
        if (bits < 16 && !refillQuickly(accumulator, bits)) {
            store();
            fill();
            load();
        }
        const uint16_t group = groups[accumulator >> (64 - T::kGroupBits)];
        const int used = group & T::kGroupUsedMask;
        const int step = (group >> T::kGroupStepShift) & T::kGroupStepMask;
        if (group != 0 && used <= bits - padBits && k + step <= 63) {
            accumulator <<= used;
            bits -= used;
            if ((group & T::kGroupEnd) != 0)
                break;
            k += step;
            continue;
        }
        store();
        if (const uint16_t entry = skipSymbol(ac); entry != 0) {
            load();
            if ((entry & T::kSkipEnd) != 0)
                break;
            k += (entry >> T::kSkipStepShift) & T::kSkipStepMask;
            // One past the last position is an error, while a run of
            // sixteen zeros past it just ends the loop.
            if (k > 64 && (entry & T::kSkipZeroRun) == 0)
                failCoefficientIndex();
            continue;
        }
        const int rs = decode(ac);
        const int size = rs & 15;
        if (size == 0) {
            load();
            if (rs >> 4 != 15)
                break;
            k += 16;
            continue;
        }
        k += (rs >> 4) + 1;
        if (k > 64)
            failCoefficientIndex();
        (void)getBits(size);
        load();
    }
    store();
    return difference;
}

int JpegBitReader::decodeLong(const JpegHuffmanTable& table) {
    // Codes longer than the lookahead: continue the walk one length at a
    // time as far as 16 bits.
    int length = std::max(table.shortestLength(), JpegHuffmanTable::kLookaheadBits + 1);
    for (; length <= JpegHuffmanTable::kMaxCodeLength; ++length) {
        if (length > realBits())
            failShort(realBits() >= table.shortestLength());
        const int32_t code = static_cast<int32_t>(accumulator_ >> (64 - length));
        if (code <= table.largestCode(length)) {
            accumulator_ <<= length;
            bits_ -= length;
            return table.symbolFor(length, code);
        }
    }
    throw JpegDecoder::JpegBadStream("Bad Huffman Code Length");
}

void JpegBitReader::failCoefficientIndex() {
    throw JpegDecoder::JpegBadStream("Coefficient Index out of Range");
}

void JpegBitReader::failShort(bool singleBit) const {
    if (stop_ == Stop::marker)
        throw InputByteStream::StreamError(singleBit ? "Invalid Marker in Compressed Data"
                                                     : "Invalid Marker in Compressed Stream");
    throw InputByteStream::StreamError(singleBit ? "Premature end of stream"
                                                 : "Premature end of file");
}

}  // namespace Carvello
