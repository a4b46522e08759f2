#include "bitmap/formats/BmpHeader.h"

#include <algorithm>

#include "bitmap/ByteOrder.h"
#include "bitmap/Texts.h"
#include "bitmap/formats/BmpFile.h"

namespace bitmap {
namespace {

using carvello::Failure;

constexpr uint32_t kCoreHeaderSize = 12;
// The Adobe extensions of the Windows 3 header: the masks inside the header.
constexpr uint32_t kAdobeRgbHeaderSize = 52;
constexpr uint32_t kAdobeRgbaHeaderSize = 56;
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kV5HeaderSize = 124;

enum class HeaderKind { none, core, windows, os2 };

// The Windows headers have fixed sizes. The OS/2 2.x header is 64 bytes
// long, but a writer may end it after any of its fields, from the bit count
// on: fields it leaves out count as 0. Where a size is both, Windows wins.
HeaderKind headerKind(uint32_t size) {
    if (size == kCoreHeaderSize)
        return HeaderKind::core;
    if (size == kInfoHeaderSize || size == kAdobeRgbHeaderSize || size == kAdobeRgbaHeaderSize ||
        size == kV4HeaderSize || size == kV5HeaderSize)
        return HeaderKind::windows;
    // The OS/2 fields end at 16 (bit count), every 4 bytes up to 40, then
    // at 42, 44, 46, 48 (units, reserved, recording, rendering) and every 4
    // bytes up to 64.
    const bool os2Boundary = (size >= 16 && size < kInfoHeaderSize && size % 4 == 0) ||
                             (size > kInfoHeaderSize && size <= 48 && size % 2 == 0) ||
                             (size > 48 && size <= 64 && size % 4 == 0);
    return os2Boundary ? HeaderKind::os2 : HeaderKind::none;
}

BmpCoding windowsCoding(uint32_t compression) {
    switch (compression) {
        case 0:
            return BmpCoding::rgb;
        case 1:
            return BmpCoding::rle8;
        case 2:
            return BmpCoding::rle4;
        case 3:  // bit fields
        case 6:  // bit fields with an alpha mask
            return BmpCoding::bitFields;
        case 4:
            return BmpCoding::jpeg;
        case 5:
            return BmpCoding::png;
        case 11:
        case 12:
        case 13:
            return BmpCoding::cmyk;
        default:
            return BmpCoding::unknown;
    }
}

BmpCoding os2Coding(uint32_t compression) {
    switch (compression) {
        case 0:
            return BmpCoding::rgb;
        case 1:
            return BmpCoding::rle8;
        case 2:
            return BmpCoding::rle4;
        case 3:
            return BmpCoding::huffman1d;
        case 4:
            return BmpCoding::rle24;
        default:
            return BmpCoding::unknown;
    }
}

bool fits(std::span<const uint8_t> file, uint64_t offset, uint64_t length) {
    return offset <= file.size() && length <= file.size() - offset;
}

Failure refusal(std::string_view message) {
    return Failure{0, std::string(message)};
}

}  // namespace

carvello::Outcome<BmpLayout> readBmpLayout(std::span<const uint8_t> file) {
    if (file.size() < kBmpFileHeaderSize + 4)
        return refusal(text::kBmpTruncated);
    if (file[0] != 'B' || file[1] != 'M')
        return refusal(text::kBmpBadHeader);
    BmpLayout l;
    l.bfOffBits = readLe32(file, 10);
    l.headerSize = readLe32(file, kBmpFileHeaderSize);
    const HeaderKind kind = headerKind(l.headerSize);
    if (kind == HeaderKind::none)
        return refusal(text::kBmpBadHeader);
    if (!fits(file, kBmpFileHeaderSize, l.headerSize))
        return refusal(text::kBmpTruncated);
    const auto info = file.subspan(kBmpFileHeaderSize, l.headerSize);
    l.tableOffset = kBmpFileHeaderSize + uint64_t{l.headerSize};

    if (kind == HeaderKind::core) {
        // Unsigned 16-bit sizes, always bottom-up, 3-byte colour entries and
        // no way to declare a shorter table.
        l.width = readLe16(info, 4);
        l.height = readLe16(info, 6);
        l.planes = readLe16(info, 8);
        l.bits = readLe16(info, 10);
        l.entrySize = 3;
        return l;
    }

    // The Windows headers and the OS/2 2.x header share the layout of their
    // first 40 bytes.
    std::array<uint8_t, kInfoHeaderSize> first{};
    std::copy_n(info.begin(), std::min<size_t>(info.size(), first.size()), first.begin());
    const BitmapInfoHeader h = BitmapInfoHeader::parse(first);
    l.width = h.biWidth;
    l.height = h.biHeight;
    l.planes = h.biPlanes;
    l.bits = h.biBitCount;
    l.compression = h.biCompression;
    l.clrUsed = h.biClrUsed;
    l.kept = h;
    l.coding = kind == HeaderKind::os2 ? os2Coding(l.compression) : windowsCoding(l.compression);
    if (l.coding != BmpCoding::bitFields)
        return l;

    // The Windows 3 header keeps its masks right after it, before the
    // colour table, the alpha mask only with the alpha bit-field coding;
    // the longer headers hold them inside, the alpha mask from 56 bytes on.
    const bool afterHeader = l.headerSize == kInfoHeaderSize;
    const uint64_t masksAt = kBmpFileHeaderSize + uint64_t{kInfoHeaderSize};
    const bool alpha = afterHeader ? l.compression == 6 : l.headerSize >= kAdobeRgbaHeaderSize;
    const uint64_t maskBytes = alpha ? 16 : 12;
    if (!fits(file, masksAt, maskBytes))
        return refusal(text::kBmpTruncated);
    l.masks.red = readLe32(file, masksAt);
    l.masks.green = readLe32(file, masksAt + 4);
    l.masks.blue = readLe32(file, masksAt + 8);
    l.masks.alpha = alpha ? readLe32(file, masksAt + 12) : 0;
    if (afterHeader)
        l.tableOffset += maskBytes;
    return l;
}

}  // namespace bitmap
