#include "app/core/ClipboardDib.h"

#include <algorithm>

#include "bitmap/ByteOrder.h"
#include "bitmap/Dib.h"

namespace app {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kPlainRows = 0;
constexpr uint32_t kBitFields = 3;

// Bytes from the start of the block to the first pixel row.
uint64_t pixelOffset(const PackedDibInfo& info) {
    const uint64_t masks =
        info.headerSize == bitmap::kInfoHeaderSize && info.compression == kBitFields ? 12 : 0;
    return info.headerSize + masks + uint64_t{info.colourCount} * info.colourEntrySize;
}

uint64_t stridePerRow(const PackedDibInfo& info) {
    return (uint64_t{info.bitCount} * static_cast<uint64_t>(info.width) + 31) / 32 * 4;
}

// A block whose uncompressed rows are stored top row first (negative
// height): the height is made positive and true returned, so the rows can be
// turned around once the block is known to be sound.
bool takeTopDownHeight(std::vector<uint8_t>& dib) {
    if (dib.size() < bitmap::kInfoHeaderSize || bitmap::readLe32(dib, 0) < bitmap::kInfoHeaderSize)
        return false;
    const int32_t height = bitmap::readLeI32(dib, 8);
    const uint32_t compression = bitmap::readLe32(dib, 16);
    if (height >= 0 || height == INT32_MIN ||
        (compression != kPlainRows && compression != kBitFields))
        return false;
    bitmap::writeLe32(dib, 8, static_cast<uint32_t>(-height));
    return true;
}

void turnRowsAround(std::vector<uint8_t>& dib, const PackedDibInfo& info) {
    const uint64_t stride = stridePerRow(info);
    auto rows = dib.begin() + static_cast<std::ptrdiff_t>(pixelOffset(info));
    for (int64_t top = 0, bottom = info.height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(rows + static_cast<std::ptrdiff_t>(top * stride),
                         rows + static_cast<std::ptrdiff_t>((top + 1) * stride),
                         rows + static_cast<std::ptrdiff_t>(bottom * stride));
}

std::optional<bitmap::Dib> emptyDib(int width, int height, uint16_t bitCount, uint32_t colours) {
    if (width < 1 || height < 1)
        return std::nullopt;
    bitmap::BitmapInfoHeader header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = bitCount;
    header.biClrUsed = colours;
    auto dib = bitmap::Dib::create(header);
    if (!dib)
        return std::nullopt;
    header.biSizeImage = static_cast<uint32_t>(dib->stride() * static_cast<size_t>(height));
    dib->setHeader(header);
    return dib;
}

std::vector<uint8_t> blockOf(const bitmap::Dib& dib) {
    return {dib.bytes().begin(), dib.bytes().end()};
}

}  // namespace

std::optional<std::vector<uint8_t>> bmpBytesFromPackedDib(std::span<const uint8_t> dib) {
    PackedDibInfo info;
    if (inspectPackedDib(dib, info) != DibCheck::ok)
        return std::nullopt;
    const uint64_t fileSize = kFileHeaderSize + dib.size();
    if (fileSize > UINT32_MAX)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(fileSize), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    bitmap::writeLe32(bytes, 2, static_cast<uint32_t>(fileSize));
    bitmap::writeLe32(bytes, 10, static_cast<uint32_t>(kFileHeaderSize + pixelOffset(info)));
    std::copy(dib.begin(), dib.end(), bytes.begin() + kFileHeaderSize);
    return bytes;
}

bool isPlainPackedDib(std::span<const uint8_t> dib) {
    PackedDibInfo info;
    if (inspectPackedDib(dib, info) != DibCheck::ok)
        return false;
    const bool knownDepth =
        info.bitCount == 1 || info.bitCount == 4 || info.bitCount == 8 || info.bitCount == 24;
    return info.headerSize == bitmap::kInfoHeaderSize && info.compression == kPlainRows &&
           knownDepth;
}

PastedDib packedDibFromBmpBytes(std::span<const uint8_t> bytes) {
    PastedDib pasted;
    if (bytes.size() <= kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        return pasted;
    std::vector<uint8_t> dib(bytes.begin() + kFileHeaderSize, bytes.end());
    const bool topDown = takeTopDownHeight(dib);
    PackedDibInfo info;
    pasted.check = inspectPackedDib(dib, info);
    if (pasted.check != DibCheck::ok)
        return pasted;
    // Pixels that start later than right after the colour table: drop the
    // gap so that the rows follow the table as in every packed DIB.
    const uint64_t declared = bitmap::readLe32(bytes, 10);
    const uint64_t tableEnd = pixelOffset(info);
    if (declared > kFileHeaderSize + tableEnd && declared < bytes.size()) {
        std::vector<uint8_t> closed(dib.begin(),
                                    dib.begin() + static_cast<std::ptrdiff_t>(tableEnd));
        closed.insert(closed.end(), bytes.begin() + static_cast<std::ptrdiff_t>(declared),
                      bytes.end());
        if (inspectPackedDib(closed, info) == DibCheck::ok)
            dib = std::move(closed);
    }
    if (topDown && inspectPackedDib(dib, info) == DibCheck::ok)
        turnRowsAround(dib, info);
    pasted.dib = std::move(dib);
    return pasted;
}

std::optional<std::vector<uint8_t>> packedDibIndexed8(int width, int height,
                                                      std::span<const PaletteEntry> colours,
                                                      std::span<const uint8_t> indices) {
    if (colours.size() > 256 || width < 1 || height < 1 ||
        indices.size() != static_cast<uint64_t>(width) * static_cast<uint64_t>(height))
        return std::nullopt;
    auto dib = emptyDib(width, height, 8, 0);
    if (!dib)
        return std::nullopt;
    auto table = dib->palette();
    for (size_t i = 0; i < colours.size(); ++i) {
        table[i * 4] = colours[i].blue;
        table[i * 4 + 1] = colours[i].green;
        table[i * 4 + 2] = colours[i].red;
    }
    for (int y = 0; y < height; ++y) {
        const auto source = indices.subspan(static_cast<size_t>(y) * static_cast<size_t>(width),
                                            static_cast<size_t>(width));
        std::copy(source.begin(), source.end(), dib->storedRow(height - 1 - y).begin());
    }
    return blockOf(*dib);
}

std::optional<std::vector<uint8_t>> packedDibRgb24(int width, int height,
                                                   std::span<const uint8_t> rgb) {
    if (width < 1 || height < 1 ||
        rgb.size() != uint64_t{3} * static_cast<uint64_t>(width) * static_cast<uint64_t>(height))
        return std::nullopt;
    auto dib = emptyDib(width, height, 24, 0);
    if (!dib)
        return std::nullopt;
    const size_t rowBytes = size_t{3} * static_cast<size_t>(width);
    for (int y = 0; y < height; ++y) {
        const auto source = rgb.subspan(static_cast<size_t>(y) * rowBytes, rowBytes);
        auto row = dib->storedRow(height - 1 - y);
        for (size_t x = 0; x < rowBytes; x += 3) {
            row[x] = source[x + 2];
            row[x + 1] = source[x + 1];
            row[x + 2] = source[x];
        }
    }
    return blockOf(*dib);
}

}  // namespace app
