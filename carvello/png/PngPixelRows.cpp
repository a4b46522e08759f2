#include "carvello/png/PngPixelRows.h"

namespace carvello {
namespace {

// Sample k of a row of 1, 2 or 4-bit samples, most significant bits first.
inline unsigned packedSample(const uint8_t* row, size_t k, unsigned depth) {
    const size_t bit = k * depth;
    const unsigned shift = 8 - depth - static_cast<unsigned>(bit & 7);
    return (row[bit >> 3] >> shift) & ((1u << depth) - 1);
}

inline void put(uint8_t* out, uint8_t blue, uint8_t green, uint8_t red, uint8_t alpha) {
    out[0] = blue;
    out[1] = green;
    out[2] = red;
    out[3] = alpha;
}

inline void putEntry(uint8_t* out, const std::array<uint8_t, 4>& entry, uint8_t alpha) {
    put(out, entry[0], entry[1], entry[2], alpha);
}

inline void putEntry(uint8_t* out, const std::array<uint8_t, 4>& entry) {
    put(out, entry[0], entry[1], entry[2], entry[3]);
}

inline unsigned bigEndian16(const uint8_t* p) {
    return (unsigned{p[0]} << 8) | p[1];
}

// Clears the alpha of the pixels whose samples are the transparent colour.
// Samples below 16 bits are compared with that many low bits of the colour.
void clearTransparentPixels(const uint8_t* in, unsigned colorType, unsigned bitDepth,
                            const PngTransparentColour& colour, uint8_t* out, size_t step,
                            size_t count) {
    const unsigned mask = bitDepth == 16 ? 0xFFFF : (1u << bitDepth) - 1;
    const unsigned red = colour.red & mask;
    const unsigned green = colour.green & mask;
    const unsigned blue = colour.blue & mask;
    for (size_t k = 0; k < count; ++k, out += step) {
        bool match = false;
        if (colorType == 0) {
            const unsigned grey = bitDepth < 8    ? packedSample(in, k, bitDepth)
                                  : bitDepth == 8 ? in[k]
                                                  : bigEndian16(in + 2 * k);
            match = grey == red;
        } else if (bitDepth == 8) {
            const uint8_t* p = in + 3 * k;
            match = p[0] == red && p[1] == green && p[2] == blue;
        } else {
            const uint8_t* p = in + 6 * k;
            match =
                bigEndian16(p) == red && bigEndian16(p + 2) == green && bigEndian16(p + 4) == blue;
        }
        if (match)
            out[3] = 0;
    }
}

}  // namespace

unsigned pngChannels(unsigned colorType) {
    switch (colorType) {
        case 0:
        case 3:
            return 1;
        case 2:
            return 3;
        case 4:
            return 2;
        case 6:
            return 4;
        default:
            return 0;
    }
}

uint64_t pngRowBytes(unsigned colorType, unsigned bitDepth, uint64_t width) {
    return (width * pngChannels(colorType) * bitDepth + 7) / 8;
}

PngColourTable pngGreyRamp(unsigned bitDepth) {
    const unsigned depth = bitDepth >= 8 ? 8 : bitDepth;
    const unsigned top = (1u << depth) - 1;
    PngColourTable table{};
    for (unsigned v = 0; v <= top; ++v) {
        const auto grey = static_cast<uint8_t>(v * 255 / top);
        table[v] = {grey, grey, grey, 255};
    }
    return table;
}

void convertPngRow(std::span<const uint8_t> row, unsigned colorType, unsigned bitDepth,
                   const PngColourTable& table, const PngTransparentColour& transparent,
                   std::span<uint8_t> pictureRow, const PngRowPlacement& placement) {
    const size_t count = placement.count;
    if (count == 0 || placement.columnStep == 0)
        return;
    if (bitDepth != 1 && bitDepth != 2 && bitDepth != 4 && bitDepth != 8 && bitDepth != 16)
        return;
    const size_t lastColumn = placement.firstColumn + (count - 1) * placement.columnStep;
    if (lastColumn >= pictureRow.size() / 4 || row.size() < pngRowBytes(colorType, bitDepth, count))
        return;

    const uint8_t* in = row.data();
    uint8_t* out = pictureRow.data() + placement.firstColumn * 4;
    const size_t step = placement.columnStep * 4;
    const bool wide = bitDepth == 16;
    switch (colorType) {
        case 0:
        case 3:
            if (bitDepth < 8) {
                for (size_t k = 0; k < count; ++k, out += step)
                    putEntry(out, table[packedSample(in, k, bitDepth)]);
            } else {
                const size_t stride = wide ? 2 : 1;
                for (size_t k = 0; k < count; ++k, out += step, in += stride)
                    putEntry(out, table[in[0]]);
            }
            break;
        case 2: {
            const size_t stride = wide ? 6 : 3;
            const size_t g = wide ? 2 : 1;
            const size_t b = wide ? 4 : 2;
            for (size_t k = 0; k < count; ++k, out += step, in += stride)
                put(out, in[b], in[g], in[0], 255);
            break;
        }
        case 4: {
            const size_t stride = wide ? 4 : 2;
            const size_t a = wide ? 2 : 1;
            for (size_t k = 0; k < count; ++k, out += step, in += stride)
                putEntry(out, table[in[0]], in[a]);
            break;
        }
        case 6: {
            const size_t stride = wide ? 8 : 4;
            const size_t g = wide ? 2 : 1;
            const size_t b = wide ? 4 : 2;
            const size_t a = wide ? 6 : 3;
            for (size_t k = 0; k < count; ++k, out += step, in += stride)
                put(out, in[b], in[g], in[0], in[a]);
            break;
        }
        default:
            break;
    }
    if (transparent.present && (colorType == 0 || colorType == 2)) {
        clearTransparentPixels(row.data(), colorType, bitDepth, transparent,
                               pictureRow.data() + placement.firstColumn * 4, step, count);
    }
}

}  // namespace carvello
