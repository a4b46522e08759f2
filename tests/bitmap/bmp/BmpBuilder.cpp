#include "tests/bitmap/bmp/BmpBuilder.h"

#include <bit>
#include <cmath>
#include <stdexcept>

#include "bitmap/ByteOrder.h"
#include "support/TestSupport.h"

namespace bmptest {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> buildBmp(const BmpParts& p) {
    std::vector<uint8_t> info;
    std::vector<uint8_t> afterHeader;
    if (p.headerSize == 12) {
        put32(info, 12);
        put16(info, static_cast<uint32_t>(p.width));
        put16(info, static_cast<uint32_t>(p.height));
        put16(info, p.planes);
        put16(info, p.bits);
    } else {
        put32(info, p.headerSize);
        put32(info, static_cast<uint32_t>(p.width));
        put32(info, static_cast<uint32_t>(p.height));
        put16(info, p.planes);
        put16(info, p.bits);
        put32(info, p.compression);
        put32(info, static_cast<uint32_t>(p.rows.size()));
        put32(info, static_cast<uint32_t>(p.xPels));
        put32(info, static_cast<uint32_t>(p.yPels));
        put32(info, p.clrUsed);
        put32(info, 0);
        auto& maskPlace = p.headerSize == 40 ? afterHeader : info;
        for (uint32_t m : p.masks)
            put32(maskPlace, m);
        // The rest of a longer header (alpha mask, colour space, gamma,
        // intent, profile): filler that the reader must not take for data.
        while (info.size() < p.headerSize)
            info.push_back(0xA5);
        info.resize(p.headerSize);
    }
    const size_t rowsAt = 14 + info.size() + afterHeader.size() + p.table.size() + p.gap;
    std::vector<uint8_t> file{'B', 'M'};
    put32(file, static_cast<uint32_t>(rowsAt + p.rows.size()));
    put32(file, 0);
    put32(file, p.offBits.value_or(static_cast<uint32_t>(rowsAt)));
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), afterHeader.begin(), afterHeader.end());
    file.insert(file.end(), p.table.begin(), p.table.end());
    file.insert(file.end(), p.gap, 0x5A);
    file.insert(file.end(), p.rows.begin(), p.rows.end());
    return file;
}

std::vector<uint8_t> packRows(const std::vector<std::vector<uint32_t>>& rows, int bits) {
    std::vector<uint8_t> out;
    for (const auto& row : rows) {
        const size_t stride = (row.size() * bits + 31) / 32 * 4;
        std::vector<uint8_t> packed(stride, 0);
        for (size_t x = 0; x < row.size(); ++x) {
            const uint32_t v = row[x];
            switch (bits) {
                case 1:
                case 2:
                case 4:
                case 8: {
                    const size_t bit = x * bits;
                    packed[bit / 8] |= static_cast<uint8_t>(v << (8 - bits - bit % 8));
                    break;
                }
                case 16:
                case 24:
                case 32:
                    for (int i = 0; i < bits / 8; ++i)
                        packed[x * (bits / 8) + i] = static_cast<uint8_t>(v >> (8 * i));
                    break;
                default:
                    throw std::invalid_argument("packRows: depth");
            }
        }
        out.insert(out.end(), packed.begin(), packed.end());
    }
    return out;
}

uint32_t tableColour(int i) {
    const auto u = static_cast<uint32_t>(i);
    return ((u * 37 + 11) % 256) << 16 | ((u * 101 + 3) % 256) << 8 | ((u * 13 + 200) % 256);
}

std::vector<uint8_t> colourTable(int entries, int entrySize) {
    std::vector<uint8_t> table;
    for (int i = 0; i < entries; ++i) {
        const uint32_t c = tableColour(i);
        table.push_back(static_cast<uint8_t>(c));
        table.push_back(static_cast<uint8_t>(c >> 8));
        table.push_back(static_cast<uint8_t>(c >> 16));
        if (entrySize == 4)
            table.push_back(0);
    }
    return table;
}

uint32_t patternValue(int x, int y, int bits) {
    const auto ux = static_cast<uint32_t>(x);
    const auto uy = static_cast<uint32_t>(y);
    switch (bits) {
        case 1:
        case 2:
        case 4:
        case 8:
            return (ux * 3 + uy * 5) % (1u << bits);
        case 16:
            return (ux * 2671 + uy * 7919) & 0xFFFF;
        case 24:
            return (ux * 40 % 256) << 16 | (uy * 70 % 256) << 8 | ((ux + uy) * 25 % 256);
        case 32:
            // The same fourth byte everywhere: no alpha channel.
            return 0x5Au << 24 | patternValue(x, y, 24);
        default:
            throw std::invalid_argument("patternValue: depth");
    }
}

std::vector<std::vector<uint32_t>> pattern(int width, int height, int bits) {
    std::vector<std::vector<uint32_t>> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rows[static_cast<size_t>(y)].push_back(patternValue(x, y, bits));
    return rows;
}

uint32_t colourAt(const bitmap::Dib& dib, int x, int y) {
    const int bits = dib.bitCount();
    if (bits <= 8) {
        const auto index = static_cast<size_t>(testing_support::pixelAt(dib, x, y));
        const auto table = dib.palette();
        if (index * 4 + 3 >= table.size())
            throw std::out_of_range("colourAt: index past table");
        return uint32_t{table[index * 4 + 2]} << 16 | uint32_t{table[index * 4 + 1]} << 8 |
               table[index * 4];
    }
    const auto row = dib.storedRow(dib.height() - 1 - y);
    const size_t at = static_cast<size_t>(x) * (bits / 8);
    return uint32_t{row[at + 2]} << 16 | uint32_t{row[at + 1]} << 8 | row[at];
}

}  // namespace bmptest

namespace bmptest {
namespace {

int maskWidth(uint32_t mask) {
    return std::popcount(mask);
}

uint32_t channelOf(uint32_t argb, int index) {
    return (argb >> (8 * index)) & 0xFF;  // 0 blue, 1 green, 2 red, 3 alpha
}

}  // namespace

uint32_t packChannels(uint32_t argb, const Masks& masks) {
    const uint32_t all[4] = {masks.blue, masks.green, masks.red, masks.alpha};
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
        if (all[i] == 0)
            continue;
        const uint64_t top = (uint64_t{1} << maskWidth(all[i])) - 1;
        const uint64_t value = (channelOf(argb, i) * top + 127) / 255;
        word |= static_cast<uint32_t>(value << std::countr_zero(all[i]));
    }
    return word;
}

uint32_t shownColour(uint32_t argb, const Masks& masks) {
    const uint32_t word = packChannels(argb, masks);
    const uint32_t all[4] = {masks.blue, masks.green, masks.red, masks.alpha};
    double value[4];
    for (int i = 0; i < 4; ++i) {
        if (all[i] == 0) {
            value[i] = i == 3 ? 255 : 0;
            continue;
        }
        const uint64_t top = (uint64_t{1} << maskWidth(all[i])) - 1;
        value[i] = std::round(((word & all[i]) >> std::countr_zero(all[i])) * 255.0 / top);
    }
    uint32_t rgb = 0;
    for (int i = 0; i < 3; ++i) {
        const double over = value[i] * value[3] / 255 + 255 - value[3];
        rgb |= static_cast<uint32_t>(std::lround(over)) << (8 * i);
    }
    return rgb;
}

std::vector<std::vector<uint32_t>> argbPattern(int width, int height) {
    std::vector<std::vector<uint32_t>> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto ux = static_cast<uint32_t>(x);
            const auto uy = static_cast<uint32_t>(y);
            // Opaque on the left, fading to clear on the right.
            const uint32_t alpha =
                width > 1 ? 255 - ux * 255 / (static_cast<uint32_t>(width) - 1) : 255;
            const uint32_t colour = (patternValue(x, y, 24) ^ (uy * 0x0B0503u)) & 0xFFFFFF;
            rows[static_cast<size_t>(y)].push_back(alpha << 24 | colour);
        }
    }
    return rows;
}

std::vector<uint8_t> rle24(const std::vector<std::vector<uint32_t>>& fileRows) {
    std::vector<uint8_t> out;
    auto bgr = [&](uint32_t c) {
        out.push_back(static_cast<uint8_t>(c));
        out.push_back(static_cast<uint8_t>(c >> 8));
        out.push_back(static_cast<uint8_t>(c >> 16));
    };
    for (size_t y = 0; y < fileRows.size(); ++y) {
        const auto& row = fileRows[y];
        size_t x = 0;
        while (x < row.size()) {
            size_t same = 1;
            while (x + same < row.size() && same < 255 && row[x + same] == row[x])
                ++same;
            size_t differ = 1;
            while (x + differ < row.size() && differ < 255 &&
                   row[x + differ] != row[x + differ - 1])
                ++differ;
            if (same >= 2 || differ < 3) {
                out.push_back(static_cast<uint8_t>(same));
                bgr(row[x]);
                x += same;
                continue;
            }
            out.push_back(0);
            out.push_back(static_cast<uint8_t>(differ));
            for (size_t i = 0; i < differ; ++i)
                bgr(row[x + i]);
            if (differ % 2 != 0)
                out.push_back(0);
            x += differ;
        }
        out.push_back(0);
        out.push_back(y + 1 < fileRows.size() ? 0 : 1);
    }
    return out;
}

}  // namespace bmptest
