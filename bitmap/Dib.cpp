#include "bitmap/Dib.h"

#include <algorithm>
#include <new>

#include "bitmap/ByteOrder.h"

namespace bitmap {

BitmapInfoHeader BitmapInfoHeader::parse(std::span<const uint8_t> b) {
    BitmapInfoHeader h;
    h.biSize = readLe32(b, 0);
    h.biWidth = readLeI32(b, 4);
    h.biHeight = readLeI32(b, 8);
    h.biPlanes = readLe16(b, 12);
    h.biBitCount = readLe16(b, 14);
    h.biCompression = readLe32(b, 16);
    h.biSizeImage = readLe32(b, 20);
    h.biXPelsPerMeter = readLeI32(b, 24);
    h.biYPelsPerMeter = readLeI32(b, 28);
    h.biClrUsed = readLe32(b, 32);
    h.biClrImportant = readLe32(b, 36);
    return h;
}

void BitmapInfoHeader::store(std::span<uint8_t> b) const {
    writeLe32(b, 0, biSize);
    writeLe32(b, 4, static_cast<uint32_t>(biWidth));
    writeLe32(b, 8, static_cast<uint32_t>(biHeight));
    writeLe16(b, 12, biPlanes);
    writeLe16(b, 14, biBitCount);
    writeLe32(b, 16, biCompression);
    writeLe32(b, 20, biSizeImage);
    writeLe32(b, 24, static_cast<uint32_t>(biXPelsPerMeter));
    writeLe32(b, 28, static_cast<uint32_t>(biYPelsPerMeter));
    writeLe32(b, 32, biClrUsed);
    writeLe32(b, 36, biClrImportant);
}

uint32_t colourCount(const BitmapInfoHeader& h) {
    if (h.biClrUsed != 0)
        return h.biClrUsed;
    switch (h.biBitCount) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

uint64_t paletteBytes(const BitmapInfoHeader& h) {
    return uint64_t{colourCount(h)} * 4;
}

uint64_t rowStride(const BitmapInfoHeader& h) {
    // Width, planes and depth are each at most 32 bits wide, so the product
    // fits comfortably in 64 bits before the rounding.
    const uint64_t width = h.biWidth > 0 ? static_cast<uint64_t>(h.biWidth) : 0;
    const uint64_t bits = width * h.biPlanes * h.biBitCount;
    return ((bits + 31) / 8) & ~uint64_t{3};
}

uint64_t pixelBitsOffset(const BitmapInfoHeader& h) {
    return h.biSize + paletteBytes(h);
}

std::optional<uint64_t> dibBlockSize(const BitmapInfoHeader& h) {
    if (h.biWidth <= 0 || h.biHeight <= 0)
        return std::nullopt;
    if (h.biWidth > kMaxDimension || h.biHeight > kMaxDimension)
        return std::nullopt;
    if (int64_t{h.biWidth} * h.biHeight > kMaxPixels)
        return std::nullopt;
    if (h.biClrUsed > 65536)
        return std::nullopt;
    const uint64_t stride = rowStride(h);
    // Width and height are each below 2^21 and the stride below 2^28, so none
    // of these products can overflow.
    return uint64_t{kInfoHeaderSize} + paletteBytes(h) + stride * static_cast<uint64_t>(h.biHeight);
}

bool isGreyPalette(std::span<const uint8_t> table, int bits) {
    if (bits < 0 || bits > 8)
        return false;
    const size_t entries = size_t{1} << bits;
    if (table.size() < entries * 4)
        return false;
    for (size_t i = 0; i < entries; ++i) {
        const uint8_t* e = &table[i * 4];
        if (e[0] != e[1] || e[1] != e[2])
            return false;
    }
    return true;
}

std::optional<Dib> Dib::create(const BitmapInfoHeader& header) {
    BitmapInfoHeader h = header;
    h.biSize = kInfoHeaderSize;
    const auto size = dibBlockSize(h);
    if (!size)
        return std::nullopt;
    Dib dib;
    try {
        dib.block_.assign(static_cast<size_t>(*size), 0);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    h.store(dib.block_);
    DibLayout& layout = dib.layout_;
    layout.headerSize = kInfoHeaderSize;
    layout.width = h.biWidth;
    layout.height = h.biHeight;
    layout.bitCount = h.biBitCount;
    layout.compression = h.biCompression;
    layout.colourCount = colourCount(h);
    layout.paletteOffset = kInfoHeaderSize;
    layout.pixelOffset = pixelBitsOffset(h);
    layout.stride = rowStride(h);
    return dib;
}

AdoptedDib Dib::adopt(std::vector<uint8_t> block) {
    AdoptedDib adopted;
    DibLayout layout;
    adopted.check = readDibLayout(block, layout);
    if (adopted.check == DibCheck::ok) {
        adopted.dib.block_.assign(block.begin(), block.end());
        adopted.dib.layout_ = layout;
    }
    return adopted;
}

BitmapInfoHeader Dib::header() const {
    if (empty())
        return BitmapInfoHeader{0, 0, 0, 0};
    if (layout_.headerSize >= kInfoHeaderSize)
        return BitmapInfoHeader::parse(block_);
    BitmapInfoHeader core;
    core.biSize = layout_.headerSize;
    core.biWidth = layout_.width;
    core.biHeight = layout_.height;
    core.biPlanes = readLe16(block_, 8);
    core.biBitCount = layout_.bitCount;
    return core;
}

void Dib::setHeader(const BitmapInfoHeader& header) {
    if (empty() || layout_.headerSize < kInfoHeaderSize)
        return;
    header.store(block_);
    layout_.width = header.biWidth;
    layout_.height = header.biHeight;
    layout_.bitCount = header.biBitCount;
    layout_.compression = header.biCompression;
}

}  // namespace bitmap
