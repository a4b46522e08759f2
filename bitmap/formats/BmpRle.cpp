#include "bitmap/formats/BmpRle.h"

#include <algorithm>

namespace bitmap {
namespace {

constexpr uint8_t kEscape = 0;
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfPicture = 1;
constexpr uint8_t kDelta = 2;

// Where the next pixel goes. Without a row function it only follows the
// position, which is all the completeness check needs.
class RowWriter {
public:
    RowWriter(const RleShape& shape, const RleRowOf* rowOf) : shape_(shape), rowOf_(rowOf) {}

    bool pastLastRow() const { return y_ >= shape_.height; }

    // Writes `count` pixels from value(i), clipped at the end of the row.
    template <typename Value>
    void put(size_t count, Value value) {
        const size_t fitting = x_ < shape_.width ? std::min(count, shape_.width - x_) : 0;
        if (rowOf_ && fitting > 0) {
            if (rowY_ != y_) {
                row_ = (*rowOf_)(y_);
                rowY_ = y_;
            }
            for (size_t i = 0; i < fitting; ++i)
                set(x_ + i, value(i));
        }
        x_ += count;
    }
    void endLine() {
        x_ = 0;
        ++y_;
    }
    void move(size_t dx, size_t dy) {
        x_ += dx;
        y_ += dy;
    }

private:
    // v is an index, or blue | green << 8 | red << 16 for RLE24.
    void set(size_t x, uint32_t v) {
        if (shape_.bits == 24) {
            uint8_t* p = row_.data() + x * 3;
            p[0] = static_cast<uint8_t>(v);
            p[1] = static_cast<uint8_t>(v >> 8);
            p[2] = static_cast<uint8_t>(v >> 16);
            return;
        }
        if (shape_.bits == 8) {
            row_[x] = static_cast<uint8_t>(v);
            return;
        }
        uint8_t& b = row_[x / 2];
        b = x % 2 == 0 ? static_cast<uint8_t>((b & 0x0F) | (v << 4))
                       : static_cast<uint8_t>((b & 0xF0) | (v & 0x0F));
    }

    RleShape shape_;
    const RleRowOf* rowOf_;
    std::span<uint8_t> row_;
    size_t rowY_ = SIZE_MAX;
    size_t x_ = 0, y_ = 0;
};

uint32_t bgrAt(std::span<const uint8_t> bytes, size_t at) {
    return bytes[at] | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16;
}

// Walks the codes; true when the data reached its end before running out.
// A run is a count and one pixel (an index byte, two nibbles for RLE4, three
// bytes for RLE24); an escape is 0 and a code.
bool walk(std::span<const uint8_t> data, const RleShape& shape, RowWriter& out) {
    const bool nibbles = shape.bits == 4;
    const bool triples = shape.bits == 24;
    const size_t runBytes = triples ? 4 : 2;
    size_t pos = 0;
    auto has = [&](size_t n) { return data.size() - pos >= n; };
    while (!out.pastLastRow()) {
        if (!has(2))
            return false;
        const uint8_t count = data[pos];
        if (count != kEscape) {
            if (!has(runBytes))
                return false;
            const uint8_t code = data[pos + 1];
            if (triples) {
                const uint32_t bgr = bgrAt(data, pos + 1);
                out.put(count, [&](size_t) { return bgr; });
            } else if (nibbles) {
                // RLE4 alternates the two nibbles of its byte.
                const auto high = static_cast<uint8_t>(code >> 4);
                const auto low = static_cast<uint8_t>(code & 0x0F);
                out.put(count, [&](size_t i) { return uint32_t{i % 2 ? low : high}; });
            } else {
                out.put(count, [&](size_t) { return uint32_t{code}; });
            }
            pos += runBytes;
            continue;
        }
        const uint8_t code = data[pos + 1];
        pos += 2;
        switch (code) {
            case kEndOfLine:
                out.endLine();
                break;
            case kEndOfPicture:
                return true;
            case kDelta:
                if (!has(2))
                    return false;
                out.move(data[pos], data[pos + 1]);
                pos += 2;
                break;
            default: {
                // A literal run of `code` pixels, padded to a 16-bit boundary.
                const size_t bytes = triples   ? size_t{code} * 3
                                     : nibbles ? (size_t{code} + 1) / 2
                                               : code;
                const size_t padded = (bytes + 1) & ~size_t{1};
                if (!has(padded))
                    return false;
                const auto literal = data.subspan(pos, bytes);
                pos += padded;
                if (triples) {
                    out.put(code, [&](size_t i) { return bgrAt(literal, i * 3); });
                } else if (nibbles) {
                    out.put(code, [&](size_t i) {
                        const uint8_t b = literal[i / 2];
                        return uint32_t{i % 2 ? b & 0x0Fu : b >> 4u};
                    });
                } else {
                    out.put(code, [&](size_t i) { return uint32_t{literal[i]}; });
                }
                break;
            }
        }
    }
    return true;
}

}  // namespace

bool bmpRleComplete(std::span<const uint8_t> data, const RleShape& shape) {
    RowWriter position(shape, nullptr);
    return walk(data, shape, position);
}

void expandBmpRle(std::span<const uint8_t> data, const RleShape& shape, const RleRowOf& rowOf) {
    RowWriter out(shape, &rowOf);
    walk(data, shape, out);
}

}  // namespace bitmap
