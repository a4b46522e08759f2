#include "app/core/document/ClipboardDib.h"

#include <algorithm>

#include "bitmap/ByteOrder.h"
#include "bitmap/Dib.h"

namespace app {
namespace {

constexpr size_t kFileHeaderSize = 14;

// Puts the rows of a block stored top row first into the bottom-up order of
// a packed DIB, and makes its height positive to say so.
void turnRowsAround(std::vector<uint8_t>& dib, const bitmap::DibLayout& layout) {
    bitmap::writeLe32(dib, 8, static_cast<uint32_t>(layout.height));
    const bitmap::MutableDibView view(dib, layout);
    for (int top = 0, bottom = layout.height - 1; top < bottom; ++top, --bottom) {
        const auto upper = view.storedRow(top);
        std::swap_ranges(upper.begin(), upper.end(), view.storedRow(bottom).begin());
    }
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
    bitmap::DibLayout layout;
    if (bitmap::readDibLayout(dib, layout) != bitmap::DibCheck::ok)
        return std::nullopt;
    const uint64_t fileSize = kFileHeaderSize + dib.size();
    if (fileSize > UINT32_MAX)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(fileSize), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    bitmap::writeLe32(bytes, 2, static_cast<uint32_t>(fileSize));
    bitmap::writeLe32(bytes, 10, static_cast<uint32_t>(kFileHeaderSize + layout.pixelOffset));
    std::copy(dib.begin(), dib.end(), bytes.begin() + kFileHeaderSize);
    return bytes;
}

bool isPlainPackedDib(std::span<const uint8_t> dib) {
    bitmap::DibLayout layout;
    if (bitmap::readDibLayout(dib, layout) != bitmap::DibCheck::ok)
        return false;
    const uint16_t bits = layout.bitCount;
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24;
    return layout.headerSize == bitmap::kInfoHeaderSize &&
           layout.compression == bitmap::kPlainRows && knownDepth;
}

PastedDib packedDibFromBmpBytes(std::span<const uint8_t> bytes) {
    PastedDib pasted;
    if (bytes.size() <= kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        return pasted;
    std::vector<uint8_t> dib(bytes.begin() + kFileHeaderSize, bytes.end());
    bitmap::DibLayout layout;
    pasted.check = bitmap::readDibLayout(dib, layout, bitmap::RowOrder::eitherOrder);
    if (pasted.check != bitmap::DibCheck::ok)
        return pasted;
    // Pixels that start later than right after the colour table: drop the
    // gap so that the rows follow the table as in every packed DIB.
    const uint64_t declared = bitmap::readLe32(bytes, 10);
    const uint64_t tableEnd = layout.pixelOffset;
    if (declared > kFileHeaderSize + tableEnd && declared < bytes.size()) {
        std::vector<uint8_t> closed(dib.begin(),
                                    dib.begin() + static_cast<std::ptrdiff_t>(tableEnd));
        closed.insert(closed.end(), bytes.begin() + static_cast<std::ptrdiff_t>(declared),
                      bytes.end());
        bitmap::DibLayout closedLayout;
        if (bitmap::readDibLayout(closed, closedLayout, bitmap::RowOrder::eitherOrder) ==
            bitmap::DibCheck::ok) {
            dib = std::move(closed);
            layout = closedLayout;
        }
    }
    if (layout.topDown)
        turnRowsAround(dib, layout);
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
    const bitmap::MutableDibView view = dib->view();
    const size_t rowBytes = size_t{3} * static_cast<size_t>(width);
    for (int y = 0; y < height; ++y) {
        const auto source = rgb.subspan(static_cast<size_t>(y) * rowBytes, rowBytes);
        const auto row = view.row(y);
        for (size_t x = 0; x < static_cast<size_t>(width); ++x)
            bitmap::setBgrInRow(row, x, {source[3 * x + 2], source[3 * x + 1], source[3 * x]});
    }
    return blockOf(*dib);
}

}  // namespace app
