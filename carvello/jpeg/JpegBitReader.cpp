#include "carvello/jpeg/JpegBitReader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "carvello/jpeg/JpegDecoder.h"

namespace carvello {

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
        // Whole words without 0xFF go in at once.
        if (refillQuickly(accumulator_, bits_))
            continue;
        const auto buffer = stream_.buffered();
        const uint8_t* p = buffer.data();
        const size_t size = buffer.size();
        size_t i = 0;
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
    Registers r(*this);
    // The DC difference, when its code is in the lookahead table and its
    // bits are at hand; else the long way, from the same position.
    r.ensure(32);
    int difference = 0;
    const uint16_t dcEntry = dc.lookahead(r.peek(T::kLookaheadBits));
    const int dcLength = dcEntry >> 8;
    const int dcSize = dcEntry & 0xFF;
    if (dcEntry != 0 && dcSize <= 16 && dcLength + dcSize <= r.realBits()) {
        r.use(dcLength);
        if (dcSize > 0) {
            difference = extend(static_cast<int>(r.peek(dcSize)), dcSize);
            r.use(dcSize);
        }
    } else {
        r.putBack();
        difference = dcDifference(dc);
        r.take();
    }
    const JpegHuffmanTable::Groups& groups = ac.groups();
    // k is the zigzag index of the next coefficient. A group of symbols
    // is taken whole only when it leaves k inside the block, where every
    // check on the way passes; otherwise the symbols go one at a time.
    for (int k = 1; k <= 63;) {
        r.ensure(16);
        const uint16_t group = groups[r.peek(T::kGroupBits)];
        const int used = group & T::kGroupUsedMask;
        const int step = (group >> T::kGroupStepShift) & T::kGroupStepMask;
        if (group != 0 && used <= r.realBits() && k + step <= 63) {
            r.use(used);
            if ((group & T::kGroupEnd) != 0)
                break;
            k += step;
            continue;
        }
        r.putBack();
        if (const uint16_t entry = skipSymbol(ac); entry != 0) {
            r.take();
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
            r.take();
            if (rs >> 4 != 15)
                break;
            k += 16;
            continue;
        }
        k += (rs >> 4) + 1;
        if (k > 64)
            failCoefficientIndex();
        (void)getBits(size);
        r.take();
    }
    r.putBack();
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

}  // namespace carvello
