#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "carvello/core/InputByteStream.h"
#include "carvello/jpeg/JpegHuffman.h"

namespace carvello {

// Reads the entropy-coded data of a JPEG scan from an InputByteStream, most
// significant bit first, dropping the 0x00 stuffed after each 0xFF. Bytes are
// taken into a 64-bit accumulator ahead of need; a marker (0xFF followed by
// anything but 0x00) or the end of the data stops the filling, and only
// using bits beyond that point is an error. leave() hands the bytes not yet
// used back to the stream, so the stream stands after the last byte whose
// bits were used.
class JpegBitReader {
public:
    explicit JpegBitReader(InputByteStream& stream) : stream_(stream) {}

    // Starts reading bits at the stream's position.
    void enter();
    // Back to byte mode after the last byte touched.
    void leave();

    // n bits (1 to 16) as an unsigned value.
    int getBits(int n) {
        if (bits_ < 32)
            refill();
        if (n > realBits())
            failShort(false);
        const int value = static_cast<int>(accumulator_ >> (64 - n));
        accumulator_ <<= n;
        bits_ -= n;
        return value;
    }
    // One bit.
    int getBit() {
        if (bits_ < 1)
            refill();
        if (realBits() < 1)
            failShort(true);
        const int value = static_cast<int>(accumulator_ >> 63);
        accumulator_ <<= 1;
        bits_ -= 1;
        return value;
    }
    // s bits read and sign-extended as in T.81 (EXTEND); 0 for s = 0.
    int receiveExtend(int s) {
        if (s == 0)
            return 0;
        return extend(getBits(s), s);
    }
    // The skip entry (see JpegHuffmanTable::skipEntry) of the next AC
    // symbol, its bits used; 0, with nothing used, when the symbol must be
    // read the long way.
    uint16_t skipSymbol(const JpegHuffmanTable& table) {
        // The entry needs kLookaheadBits bits, and uses no more.
        if (bits_ < 16)
            refill();
        const uint16_t entry = table.skipEntry(
            static_cast<uint32_t>(accumulator_ >> (64 - JpegHuffmanTable::kLookaheadBits)));
        const int used = entry & JpegHuffmanTable::kSkipUsedMask;
        if (entry == 0 || used > realBits())
            return 0;
        accumulator_ <<= used;
        bits_ -= used;
        return entry;
    }
    // The AC coefficients of a sequential data unit (T.81 F.2.2.2): calls
    // coefficient(k, value) for each one coded, k its zigzag index; a
    // coefficient past the 63rd is an error.
    template <typename Coefficient>
    void decodeBlockAc(const JpegHuffmanTable& table, Coefficient&& coefficient);
    // The DC difference of a sequential data unit (T.81 F.2.2.1): a size
    // category, then that many bits. Sizes above 16 are refused.
    int dcDifference(const JpegHuffmanTable& table);
    // A sequential data unit of which only the DC term is kept: returns its
    // DC difference and passes over the AC symbols with the same codes and
    // checks as decoding them (a coefficient past the 63rd is an error).
    int dcDifferenceSkippingAc(const JpegHuffmanTable& dc, const JpegHuffmanTable& ac);
    // One Huffman symbol.
    int decode(const JpegHuffmanTable& table) {
        if (bits_ < 32)
            refill();
        const uint16_t entry = table.lookahead(
            static_cast<uint32_t>(accumulator_ >> (64 - JpegHuffmanTable::kLookaheadBits)));
        if (entry != 0) {
            const int length = entry >> 8;
            if (length > realBits())
                failShort(realBits() >= table.shortestLength());
            accumulator_ <<= length;
            bits_ -= length;
            return entry & 0xFF;
        }
        return decodeLong(table);
    }

private:
    enum class Stop { none, marker, end };

    // s bits v (1 to 16) sign-extended as in T.81 (EXTEND).
    static int extend(int v, int s) { return v < (1 << (s - 1)) ? v - (1 << s) + 1 : v; }

    // The reader's state copied into locals for a loop over many symbols,
    // so that it stays in registers: put back before anything else reads
    // the reader, taken again after.
    struct Registers {
        explicit Registers(JpegBitReader& owner) : reader(owner) { take(); }
        void take() {
            accumulator = reader.accumulator_;
            bits = reader.bits_;
            padBits = reader.padBits_;
        }
        void putBack() const {
            reader.accumulator_ = accumulator;
            reader.bits_ = bits;
        }
        // At least `wanted` bits (at most 32) unless a marker or the end
        // comes first, as the reader's own reads make sure of.
        void ensure(int wanted) {
            if (bits < wanted && !reader.refillQuickly(accumulator, bits)) {
                putBack();
                reader.fill();
                take();
            }
        }
        // Bits before the padding after a stop.
        int realBits() const { return bits - padBits; }
        // The next `count` bits, most significant first, at the top.
        uint32_t peek(int count) const {
            return static_cast<uint32_t>(accumulator >> (64 - count));
        }
        void use(int count) {
            accumulator <<= count;
            bits -= count;
        }

        JpegBitReader& reader;
        uint64_t accumulator = 0;
        int bits = 0;
        int padBits = 0;  // changed only by fill()
    };

    int realBits() const { return bits_ - padBits_; }
    // Tops up `accumulator` (holding `bits` bits, at most 56) with the next
    // whole bytes when eight are buffered and none of them is 0xFF, the
    // common case; returns false, having changed nothing, otherwise.
    bool refillQuickly(uint64_t& accumulator, int& bits) {
        const auto buffer = stream_.buffered();
        if (buffer.size() < 8 || stop_ != Stop::none)
            return false;
        uint64_t word;
        std::memcpy(&word, buffer.data(), 8);
        if (hasByteFF(word))
            return false;
        if constexpr (std::endian::native == std::endian::little)
            word = __builtin_bswap64(word);
        const int count = (64 - bits) >> 3;
        accumulator |= (word >> (64 - 8 * count)) << (64 - bits - 8 * count);
        bits += 8 * count;
        stuffedFlags_ <<= count;
        stream_.consume(static_cast<size_t>(count));
        return true;
    }
    // At least 57 bits, or all there are before a marker or the end.
    void refill() {
        if (!refillQuickly(accumulator_, bits_))
            fill();
    }
    // Whether any byte of the word is 0xFF: the zero-byte test on its
    // complement.
    static bool hasByteFF(uint64_t word) {
        const uint64_t flipped = ~word;
        return ((flipped - 0x0101010101010101ull) & word & 0x8080808080808080ull) != 0;
    }
    void fill();
    void fillSlowly();
    void load(uint8_t byte, bool stuffed);
    int decodeLong(const JpegHuffmanTable& table);
    // Throws the error for bits wanted past a marker or the end; singleBit
    // picks the single-bit reader's texts.
    [[noreturn]] void failShort(bool singleBit) const;
    [[noreturn]] static void failCoefficientIndex();

    InputByteStream& stream_;
    uint64_t accumulator_ = 0;   // valid bits at the top
    int bits_ = 0;               // valid bits, padding included
    int padBits_ = 0;            // zero bits added after a stop
    uint64_t stuffedFlags_ = 0;  // one bit per loaded byte, newest lowest: had a stuffed 0x00
    Stop stop_ = Stop::none;
};

template <typename Coefficient>
void JpegBitReader::decodeBlockAc(const JpegHuffmanTable& table, Coefficient&& coefficient) {
    Registers r(*this);
    for (int k = 1; k <= 63;) {
        r.ensure(32);
        // Most coefficients come whole, code and extra bits, from the table.
        const int32_t fast = table.fastCoefficient(r.peek(JpegHuffmanTable::kLookaheadBits));
        const int used = fast & 0xFF;
        if (fast != 0 && used <= r.realBits()) {
            r.use(used);
            k += (fast >> 8) & 0x0F;
            if (k > 63) {
                r.putBack();
                failCoefficientIndex();
            }
            coefficient(k, fast >> 16);
            ++k;
            continue;
        }
        r.putBack();
        const int rs = decode(table);
        const int run = rs >> 4;
        const int size = rs & 15;
        if (size == 0) {
            r.take();
            if (run != 15)
                break;
            k += 16;
            continue;
        }
        k += run;
        if (k > 63)
            failCoefficientIndex();
        const int value = receiveExtend(size);
        r.take();
        coefficient(k, value);
        ++k;
    }
    r.putBack();
}

}  // namespace carvello
