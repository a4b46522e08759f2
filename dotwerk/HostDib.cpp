#include "dotwerk/HostDib.h"

#include <limits>

#include "dotwerk/DotwerkInterface.h"

namespace dotwerk {
namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

std::uint32_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8);
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return readU16(bytes, at) | (readU16(bytes, at + 2) << 16);
}

bool isInfoHeaderSize(std::uint32_t size) {
    // The information header and its later, longer versions.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

Ink inkOfColour(std::uint32_t blue, std::uint32_t green, std::uint32_t red) {
    const std::uint32_t luma = (299 * red + 587 * green + 114 * blue) / 1000;
    return luma < 128 ? Ink::Black : Ink::White;
}

std::uint32_t squaredDistance(std::uint32_t b, std::uint32_t g, std::uint32_t r,
                              std::uint32_t level) {
    const auto d = [level](std::uint32_t c) {
        const int diff = static_cast<int>(c) - static_cast<int>(level);
        return static_cast<std::uint32_t>(diff * diff);
    };
    return d(b) + d(g) + d(r);
}

// The index a pixel of an indexed row holds.
std::uint32_t indexAt(std::span<const std::uint8_t> row, int bitCount, int x) {
    const auto ux = static_cast<std::size_t>(x);
    switch (bitCount) {
        case 1:
            return (row[ux / 8] >> (7 - ux % 8)) & 1u;
        case 4:
            return (row[ux / 2] >> (ux % 2 == 0 ? 4 : 0)) & 0xFu;
        default:
            return row[ux];
    }
}

void storeIndex(std::span<std::uint8_t> row, int bitCount, int x, std::uint32_t index) {
    const auto ux = static_cast<std::size_t>(x);
    switch (bitCount) {
        case 1: {
            const auto mask = static_cast<std::uint8_t>(0x80u >> (ux % 8));
            row[ux / 8] = static_cast<std::uint8_t>(index != 0 ? (row[ux / 8] | mask)
                                                               : (row[ux / 8] & ~mask));
            break;
        }
        case 4: {
            const unsigned shift = ux % 2 == 0 ? 4 : 0;
            const auto keep = static_cast<std::uint8_t>(~(0xFu << shift));
            row[ux / 2] =
                static_cast<std::uint8_t>((row[ux / 2] & keep) | ((index & 0xFu) << shift));
            break;
        }
        default:
            row[ux] = static_cast<std::uint8_t>(index);
    }
}

Ink inkAt(std::span<const std::uint8_t> row, const HostDibLayout& layout, int x) {
    if (layout.bitCount <= 8) {
        const std::uint32_t index = indexAt(row, layout.bitCount, x);
        return index < layout.paletteInks.size() ? layout.paletteInks[index] : Ink::Black;
    }
    const std::size_t at =
        static_cast<std::size_t>(x) * static_cast<std::size_t>(layout.bitCount / 8);
    return inkOfColour(row[at], row[at + 1], row[at + 2]);
}

void storeInk(std::span<std::uint8_t> row, const HostDibLayout& layout, int x, Ink ink) {
    if (layout.bitCount <= 8) {
        storeIndex(row, layout.bitCount, x,
                   ink == Ink::Black ? layout.blackIndex : layout.whiteIndex);
        return;
    }
    const std::size_t at =
        static_cast<std::size_t>(x) * static_cast<std::size_t>(layout.bitCount / 8);
    const std::uint8_t level = ink == Ink::Black ? 0 : 255;
    row[at] = row[at + 1] = row[at + 2] = level;
}

// The row holding picture row y (top row 0).
std::size_t rowOffset(const HostDibLayout& layout, int y) {
    const auto stored = static_cast<std::size_t>(layout.topDown ? y : layout.height - 1 - y);
    return layout.pixelOffset + stored * layout.rowStride;
}

}  // namespace

std::span<std::uint8_t> hostBlockOf(long long handle) {
    if (handle == 0)
        return {};
    const auto* record =
        reinterpret_cast<const DibHandleRecord*>(static_cast<std::uintptr_t>(handle));
    if (record->block == nullptr)
        return {};
    return {record->block, record->length};
}

std::optional<HostDibLayout> parseHostDib(std::span<const std::uint8_t> block) {
    if (block.size() < 4)
        return std::nullopt;
    const std::uint32_t headerSize = readU32(block, 0);
    if (headerSize != kCoreHeaderSize && !isInfoHeaderSize(headerSize))
        return std::nullopt;
    if (block.size() < headerSize)
        return std::nullopt;

    HostDibLayout layout;
    std::int64_t width = 0, height = 0;
    std::uint32_t paletteEntries = 0;
    std::size_t entrySize = 4;
    if (headerSize == kCoreHeaderSize) {
        width = readU16(block, 4);
        height = readU16(block, 6);
        layout.bitCount = static_cast<int>(readU16(block, 10));
        entrySize = 3;
        if (layout.bitCount <= 8)
            paletteEntries = 1u << layout.bitCount;
    } else {
        width = static_cast<std::int32_t>(readU32(block, 4));
        height = static_cast<std::int32_t>(readU32(block, 8));
        layout.bitCount = static_cast<int>(readU16(block, 14));
        if (readU32(block, 16) != kUncompressed)
            return std::nullopt;
        const std::uint32_t used = readU32(block, 32);
        if (used > 256)
            return std::nullopt;
        if (used != 0)
            paletteEntries = used;
        else if (layout.bitCount <= 8)
            paletteEntries = 1u << layout.bitCount;
    }
    const int bits = layout.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    if (height < 0) {
        layout.topDown = true;
        height = -height;
    }
    if (!DotwerkPicture::sizeAllowed(width, height))
        return std::nullopt;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);

    // Sizes are bounded by the picture limits above, so these products stay
    // far below the range of 64-bit sizes.
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    const std::uint64_t paletteBytes = std::uint64_t{paletteEntries} * entrySize;
    const std::uint64_t pixelOffset = headerSize + paletteBytes;
    const std::uint64_t end = pixelOffset + stride * static_cast<std::uint64_t>(height);
    if (end > block.size())
        return std::nullopt;
    layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
    layout.rowStride = static_cast<std::size_t>(stride);

    if (bits <= 8) {
        std::uint32_t bestBlack = std::numeric_limits<std::uint32_t>::max();
        std::uint32_t bestWhite = bestBlack;
        const std::uint32_t usable = std::min<std::uint32_t>(paletteEntries, 1u << bits);
        for (std::uint32_t i = 0; i < paletteEntries; ++i) {
            const std::size_t at = headerSize + i * entrySize;
            const std::uint32_t b = block[at], g = block[at + 1], r = block[at + 2];
            layout.paletteInks.push_back(inkOfColour(b, g, r));
            if (i >= usable)
                continue;
            if (const auto d = squaredDistance(b, g, r, 0); d < bestBlack) {
                bestBlack = d;
                layout.blackIndex = i;
            }
            if (const auto d = squaredDistance(b, g, r, 255); d < bestWhite) {
                bestWhite = d;
                layout.whiteIndex = i;
            }
        }
    }
    return layout;
}

DotwerkPicture readHostDib(std::span<const std::uint8_t> block, const HostDibLayout& layout) {
    DotwerkPicture picture(layout.width, layout.height);
    if (picture.isNull())
        return picture;
    for (int y = 0; y < layout.height; ++y) {
        const auto row = block.subspan(rowOffset(layout, y), layout.rowStride);
        for (int x = 0; x < layout.width; ++x)
            picture.setInk(QPoint(x, y), inkAt(row, layout, x));
    }
    return picture;
}

void writeHostDib(std::span<std::uint8_t> block, const HostDibLayout& layout,
                  const DotwerkPicture& picture) {
    if (picture.width() != layout.width || picture.height() != layout.height)
        return;
    for (int y = 0; y < layout.height; ++y) {
        const auto row = block.subspan(rowOffset(layout, y), layout.rowStride);
        const auto inks = picture.row(y);
        for (int x = 0; x < layout.width; ++x) {
            const Ink wanted = inks[static_cast<std::size_t>(x)];
            if (inkAt(row, layout, x) != wanted)
                storeInk(row, layout, x, wanted);
        }
    }
}

}  // namespace dotwerk
