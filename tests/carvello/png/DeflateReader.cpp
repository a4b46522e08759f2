#include "tests/carvello/png/DeflateReader.h"

#include <array>
#include <stdexcept>

namespace pngwrite_test {
namespace {

class Bits {
public:
    explicit Bits(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    unsigned get(unsigned count) {
        unsigned value = 0;
        for (unsigned i = 0; i < count; ++i) {
            if (pos_ / 8 >= bytes_.size())
                throw std::runtime_error("stream ends inside a block");
            value |= ((bytes_[pos_ / 8] >> (pos_ % 8)) & 1u) << i;
            ++pos_;
        }
        return value;
    }
    void align() { pos_ = (pos_ + 7) / 8 * 8; }
    size_t bytePos() const { return pos_ / 8; }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

// Canonical decoding by walking the lengths (slow, obviously right). An
// over-subscribed set of lengths is refused; an incomplete one is accepted
// only when it is a single code of length 1.
class Code {
public:
    explicit Code(std::span<const uint8_t> lengths) : lengths_(lengths.begin(), lengths.end()) {
        std::array<int, 16> count{};
        for (auto l : lengths_)
            ++count[l];
        count[0] = 0;
        int left = 1;
        for (int b = 1; b < 16; ++b) {
            left = left * 2 - count[b];
            if (left < 0)
                throw std::runtime_error("over-subscribed code");
        }
        int used = 0;
        for (auto l : lengths_)
            used += l != 0;
        if (left > 0 && !(used == 1 && count[1] == 1) && used != 0)
            throw std::runtime_error("incomplete code");
        // Symbols sorted by length, then value; first code and offset of
        // each length.
        unsigned code = 0;
        unsigned offset = 0;
        for (int b = 1; b < 16; ++b) {
            code = (code + static_cast<unsigned>(count[b - 1])) << 1;
            first_[b] = code;
            offset_[b] = offset;
            count_[b] = static_cast<unsigned>(count[b]);
            offset += count_[b];
            for (size_t sym = 0; sym < lengths_.size(); ++sym)
                if (lengths_[sym] == b)
                    sorted_.push_back(static_cast<unsigned>(sym));
        }
    }
    unsigned decode(Bits& in) const {
        unsigned code = 0;
        for (unsigned len = 1; len < 16; ++len) {
            code = (code << 1) | in.get(1);
            if (code - first_[len] < count_[len])
                return sorted_[offset_[len] + code - first_[len]];
        }
        throw std::runtime_error("no such code");
    }

private:
    std::vector<uint8_t> lengths_;
    std::array<unsigned, 16> first_{}, offset_{}, count_{};
    std::vector<unsigned> sorted_;
};

constexpr std::array<unsigned, 29> kLenBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                            15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                            67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<unsigned, 29> kLenExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                             2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<unsigned, 30> kDistBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<unsigned, 30> kDistExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                              6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::array<uint8_t, 19> kOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                         11, 4,  12, 3, 13, 2, 14, 1, 15};

void readCodes(Bits& in, Block& block, std::vector<uint8_t>& lit, std::vector<uint8_t>& dist) {
    block.hlit = in.get(5) + 257;
    block.hdist = in.get(5) + 1;
    block.hclen = in.get(4) + 4;
    block.codeLengthLengths.assign(19, 0);
    for (unsigned i = 0; i < block.hclen; ++i)
        block.codeLengthLengths[kOrder[i]] = static_cast<uint8_t>(in.get(3));
    const Code cl(block.codeLengthLengths);
    std::vector<uint8_t> all;
    while (all.size() < block.hlit + block.hdist) {
        const unsigned sym = cl.decode(in);
        if (sym < 16) {
            all.push_back(static_cast<uint8_t>(sym));
        } else if (sym == 16) {
            if (all.empty())
                throw std::runtime_error("repeat with nothing before");
            const unsigned n = 3 + in.get(2);
            all.insert(all.end(), n, all.back());
        } else {
            const unsigned n = sym == 17 ? 3 + in.get(3) : 11 + in.get(7);
            all.insert(all.end(), n, 0);
        }
    }
    if (all.size() != block.hlit + block.hdist)
        throw std::runtime_error("code lengths overrun");
    lit.assign(all.begin(), all.begin() + block.hlit);
    dist.assign(all.begin() + block.hlit, all.end());
}

}  // namespace

Stream readZlib(std::span<const uint8_t> bytes) {
    Stream s;
    if (bytes.size() < 6)
        throw std::runtime_error("too short");
    s.cmf = bytes[0];
    s.flg = bytes[1];
    if ((s.cmf * 256u + s.flg) % 31 != 0 || (s.cmf & 15) != 8 || (s.flg & 0x20))
        throw std::runtime_error("bad zlib header");
    Bits in(bytes.subspan(2));
    bool final = false;
    while (!final) {
        Block block;
        final = block.final = in.get(1);
        block.type = in.get(2);
        if (block.type == 0) {
            in.align();
            const unsigned len = in.get(16);
            const unsigned nlen = in.get(16);
            if ((len ^ 0xFFFF) != nlen)
                throw std::runtime_error("stored length check");
            for (unsigned i = 0; i < len; ++i) {
                s.data.push_back(static_cast<uint8_t>(in.get(8)));
                block.tokens.push_back(literal(s.data.back()));
            }
            s.blocks.push_back(std::move(block));
            continue;
        }
        std::vector<uint8_t> lit, dist;
        if (block.type == 1) {
            lit.assign(288, 8);
            for (int i = 144; i < 256; ++i)
                lit[i] = 9;
            for (int i = 256; i < 280; ++i)
                lit[i] = 7;
            dist.assign(30, 5);
        } else if (block.type == 2) {
            readCodes(in, block, lit, dist);
            block.literalLengths = lit;
            block.distanceLengths = dist;
        } else {
            throw std::runtime_error("block type 3");
        }
        const Code litCode(lit);
        const Code distCode(dist);
        for (;;) {
            const unsigned sym = litCode.decode(in);
            if (sym < 256) {
                s.data.push_back(static_cast<uint8_t>(sym));
                block.tokens.push_back(literal(static_cast<uint8_t>(sym)));
                continue;
            }
            if (sym == 256)
                break;
            if (sym > 285)
                throw std::runtime_error("bad length symbol");
            const unsigned length = kLenBase[sym - 257] + in.get(kLenExtra[sym - 257]);
            const unsigned dsym = distCode.decode(in);
            if (dsym > 29)
                throw std::runtime_error("bad distance symbol");
            const unsigned distance = kDistBase[dsym] + in.get(kDistExtra[dsym]);
            if (distance > s.data.size())
                throw std::runtime_error("distance before the start");
            for (unsigned i = 0; i < length; ++i)
                s.data.push_back(s.data[s.data.size() - distance]);
            block.tokens.push_back(match(length, distance));
        }
        s.blocks.push_back(std::move(block));
    }
    in.align();
    const size_t at = 2 + in.bytePos();
    if (bytes.size() < at + 4)
        throw std::runtime_error("missing Adler-32");
    s.adler = (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
              (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
    s.trailing = bytes.size() - at - 4;
    return s;
}

}  // namespace pngwrite_test
