#include "bitmap/DibLayout.h"

#include "bitmap/ByteOrder.h"

namespace bitmap {
namespace {

// The longest header taken; V5 headers are 124 bytes.
constexpr uint32_t kLongestHeader = 1024;

// Reads the header fields; false for an unknown header or a block shorter
// than its header.
bool readHeader(std::span<const uint8_t> block, DibLayout& layout, uint32_t& clrUsed) {
    layout.headerSize = readLe32(block, 0);
    if (layout.headerSize == kCoreHeaderSize) {
        if (block.size() < kCoreHeaderSize)
            return false;
        layout.width = readLe16(block, 4);
        layout.height = readLe16(block, 6);
        layout.bitCount = readLe16(block, 10);
        layout.colourEntrySize = 3;
        return true;
    }
    if (layout.headerSize < kInfoHeaderSize || layout.headerSize > kLongestHeader ||
        block.size() < layout.headerSize)
        return false;
    layout.width = readLeI32(block, 4);
    layout.height = readLeI32(block, 8);
    layout.bitCount = readLe16(block, 14);
    layout.compression = readLe32(block, 16);
    clrUsed = readLe32(block, 32);
    return true;
}

// Negative sizes: only a top-down height where the caller takes one.
DibCheck takeSigns(DibLayout& layout, RowOrder order) {
    if (layout.width < 0)
        return DibCheck::negativeSize;
    if (layout.height < 0) {
        const bool plain = layout.compression == kPlainRows || layout.compression == kBitFields;
        if (order != RowOrder::eitherOrder || !plain || layout.height == INT32_MIN)
            return DibCheck::negativeSize;
        layout.height = -layout.height;
        layout.topDown = true;
    }
    return DibCheck::ok;
}

bool takeColourCount(DibLayout& layout, uint32_t clrUsed) {
    switch (layout.bitCount) {
        case 1:
        case 4:
        case 8: {
            const uint32_t full = 1u << layout.bitCount;
            layout.colourCount = clrUsed != 0 && clrUsed < full ? clrUsed : full;
            return true;
        }
        case 16:
        case 24:
        case 32:
            layout.colourCount = clrUsed <= 256 ? clrUsed : 0;
            return true;
        default:
            return false;
    }
}

}  // namespace

DibCheck readDibLayout(std::span<const uint8_t> block, DibLayout& layout, RowOrder order) {
    if (block.size() < 4)
        return DibCheck::unusable;
    layout = {};
    uint32_t clrUsed = 0;
    if (!readHeader(block, layout, clrUsed))
        return DibCheck::unusable;
    if (const DibCheck signs = takeSigns(layout, order); signs != DibCheck::ok)
        return signs;
    if (layout.width == 0 || layout.height == 0 || layout.width > kMaxDimension ||
        layout.height > kMaxDimension)
        return DibCheck::unusable;
    if (!takeColourCount(layout, clrUsed))
        return DibCheck::unusable;
    // Bit-field masks follow a 40-byte header, before the colour table.
    const uint64_t masks =
        layout.headerSize == kInfoHeaderSize && layout.compression == kBitFields ? 12 : 0;
    layout.paletteOffset = layout.headerSize + masks;
    layout.pixelOffset =
        layout.paletteOffset + uint64_t{layout.colourCount} * layout.colourEntrySize;
    // Width and height are at most 2^20 and the depth at most 32 bits, so
    // none of these products overflows.
    layout.stride = (uint64_t{layout.bitCount} * static_cast<uint64_t>(layout.width) + 31) / 32 * 4;
    const uint64_t rowBytes =
        layout.hasRows() ? layout.stride * static_cast<uint64_t>(layout.height) : 0;
    return layout.pixelOffset + rowBytes <= block.size() ? DibCheck::ok : DibCheck::unusable;
}

}  // namespace bitmap
