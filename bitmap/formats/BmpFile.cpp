#include "bitmap/formats/BmpFile.h"

#include <algorithm>
#include <limits>

#include "bitmap/AlphaComposite.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/Texts.h"
#include "bitmap/formats/BmpRle.h"

namespace bitmap {
namespace {

constexpr uint8_t kSignature[2] = {'B', 'M'};

// Info header sizes we read: the OS/2 1.x / Windows 2.x core header, the
// Windows 3 header, its Adobe extensions with the masks inside the header,
// the OS/2 2.x header, and the Windows 95 (V4) and Windows 98 (V5) headers.
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kAdobeRgbHeaderSize = 52;
constexpr uint32_t kAdobeRgbaHeaderSize = 56;
constexpr uint32_t kOs2v2HeaderSize = 64;
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kV5HeaderSize = 124;

enum Compression : uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kJpeg = 4,
    kPng = 5,
    kAlphaBitFields = 6,
    // OS/2's Huffman and 24-bit run-length codings, which share numbers
    // with Windows codings, are given this one instead.
    kOs2Other = 0xFFFFFFFF,
};

constexpr uint32_t kStandardRedMask = 0x00FF0000;
constexpr uint32_t kStandardGreenMask = 0x0000FF00;
constexpr uint32_t kStandardBlueMask = 0x000000FF;
constexpr uint32_t kStandardAlphaMask = 0xFF000000;

// How a file's pixel rows become the rows of our block.
enum class PixelFormat {
    copy,
    rgb555,
    rgb565,
    bgra,  // 32-bit with alpha: put over white paper
    rle,   // run-length coded 8 or 4 bpp
};

// What a file declares, gathered from whichever header version it uses.
struct Layout {
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0;  // as stored: negative for top-down rows
    uint16_t planes = 0;
    uint16_t bits = 0;
    uint32_t compression = kRgb;
    uint32_t clrUsed = 0;
    uint32_t entrySize = 4;     // colour-table entry: 3 bytes in core files
    uint64_t masksOffset = 0;   // file offset of the red, green, blue masks
    bool hasAlphaMask = false;  // an alpha mask follows them
    uint64_t tableOffset = 0;   // file offset of the colour table
    uint32_t bfOffBits = 0;
    BitmapInfoHeader kept;  // resolution and the like, carried over as read
};

using carvello::Failure;
using carvello::Outcome;

Failure refusal(std::string_view message) {
    return Failure{0, std::string(message)};
}

bool knownHeaderSize(uint32_t size) {
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == kAdobeRgbHeaderSize ||
           size == kAdobeRgbaHeaderSize || size == kOs2v2HeaderSize || size == kV4HeaderSize ||
           size == kV5HeaderSize;
}

bool fits(std::span<const uint8_t> file, uint64_t offset, uint64_t length) {
    return offset <= file.size() && length <= file.size() - offset;
}

// Reads the file and info headers. The caller has checked the file holds
// the file header and the info header's size field.
Outcome<Layout> readLayout(std::span<const uint8_t> file) {
    Layout l;
    if (file[0] != kSignature[0] || file[1] != kSignature[1])
        return refusal(text::kBmpBadHeader);
    l.bfOffBits = readLe32(file, 10);
    l.headerSize = readLe32(file, kBmpFileHeaderSize);
    if (!knownHeaderSize(l.headerSize))
        return refusal(text::kBmpBadHeader);
    if (!fits(file, kBmpFileHeaderSize, l.headerSize))
        return refusal(text::kBmpTruncated);
    const auto info = file.subspan(kBmpFileHeaderSize);
    l.tableOffset = kBmpFileHeaderSize + uint64_t{l.headerSize};

    if (l.headerSize == kCoreHeaderSize) {
        // Unsigned 16-bit sizes, always bottom-up, 3-byte colour entries and
        // no way to declare a shorter table.
        l.width = readLe16(info, 4);
        l.height = readLe16(info, 6);
        l.planes = readLe16(info, 8);
        l.bits = readLe16(info, 10);
        l.entrySize = 3;
        return l;
    }

    const BitmapInfoHeader h = BitmapInfoHeader::parse(info);
    l.width = h.biWidth;
    l.height = h.biHeight;
    l.planes = h.biPlanes;
    l.bits = h.biBitCount;
    l.compression = h.biCompression;
    l.clrUsed = h.biClrUsed;
    l.kept = h;
    if (l.headerSize == kOs2v2HeaderSize) {
        // OS/2 shares run-length 8 and 4 with Windows; its 3 is Huffman
        // coding and its 4 run-length 24-bit, neither of which we read.
        if (l.compression != kRgb && l.compression != kRle8 && l.compression != kRle4)
            l.compression = kOs2Other;
    } else if (l.headerSize == kInfoHeaderSize &&
               (l.compression == kBitFields || l.compression == kAlphaBitFields)) {
        // The Windows 3 header keeps its masks right after it, before the
        // colour table; the alpha mask comes with the alpha bit-field coding.
        l.masksOffset = l.tableOffset;
        l.hasAlphaMask = l.compression == kAlphaBitFields;
        l.tableOffset += l.hasAlphaMask ? 16 : 12;
    } else {
        l.masksOffset = kBmpFileHeaderSize + uint64_t{kInfoHeaderSize};
        l.hasAlphaMask = l.headerSize >= kAdobeRgbaHeaderSize;
    }
    return l;
}

bool masksAre(std::span<const uint8_t> file, uint64_t at, uint32_t red, uint32_t green,
              uint32_t blue) {
    return readLe32(file, at) == red && readLe32(file, at + 4) == green &&
           readLe32(file, at + 8) == blue;
}

// Checks compression and depth and picks how pixels are carried over.
Outcome<PixelFormat> choosePixelFormat(std::span<const uint8_t> file, const Layout& l) {
    switch (l.compression) {
        case kRgb:
        case kBitFields:
        case kAlphaBitFields:
        case kRle8:
        case kRle4:
            break;
        case kJpeg:
        case kPng:
            return refusal(text::kBmpEmbeddedImage);
        default:
            return refusal(text::kBmpCompressed);  // CMYK, OS/2's own and unknown ones
    }
    const uint16_t b = l.bits;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
        return refusal(text::kBadDepth);
    if (l.headerSize == kCoreHeaderSize && (b == 16 || b == 32))
        return refusal(text::kBadDepth);
    if (l.planes != 1)
        return refusal(text::kBmpBadHeader);

    if (l.compression == kRle8 || l.compression == kRle4) {
        // Each run-length coding belongs to one depth.
        if (b != (l.compression == kRle8 ? 8 : 4))
            return refusal(text::kBmpBadHeader);
        return PixelFormat::rle;
    }
    const PixelFormat format = b == 16 ? PixelFormat::rgb555 : PixelFormat::copy;
    if (l.compression == kRgb)
        return format;
    if (b != 16 && b != 32)
        return refusal(text::kBmpBitFields);
    if (!fits(file, l.masksOffset, l.hasAlphaMask ? 16 : 12))
        return refusal(text::kBmpTruncated);
    if (b == 32 &&
        masksAre(file, l.masksOffset, kStandardRedMask, kStandardGreenMask, kStandardBlueMask)) {
        // The alpha channel, when the file has a mask for it, sits in the
        // byte the plain layout leaves unused; any other alpha mask is taken
        // for no alpha, as it always was.
        const bool alpha =
            l.hasAlphaMask && readLe32(file, l.masksOffset + 12) == kStandardAlphaMask;
        return alpha ? PixelFormat::bgra : format;
    }
    if (b == 16 && masksAre(file, l.masksOffset, 0x7C00, 0x03E0, 0x001F))
        return format;
    if (b == 16 && masksAre(file, l.masksOffset, 0xF800, 0x07E0, 0x001F))
        return PixelFormat::rgb565;
    return refusal(text::kBmpBitFields);
}

// Scales a 5- or 6-bit channel value to the full 8-bit range.
uint8_t expand(uint32_t value, int bits) {
    return static_cast<uint8_t>((value << (8 - bits)) | (value >> (2 * bits - 8)));
}

void convert16To24(std::span<const uint8_t> in, std::span<uint8_t> out, int64_t width,
                   PixelFormat format) {
    const bool is565 = format == PixelFormat::rgb565;
    for (int64_t x = 0; x < width; ++x) {
        const uint32_t v = readLe16(in, static_cast<size_t>(x) * 2);
        const uint8_t red = is565 ? expand(v >> 11, 5) : expand((v >> 10) & 0x1F, 5);
        const uint8_t green = is565 ? expand((v >> 5) & 0x3F, 6) : expand((v >> 5) & 0x1F, 5);
        const uint8_t blue = expand(v & 0x1F, 5);
        const auto at = static_cast<size_t>(x) * 3;
        out[at] = blue;
        out[at + 1] = green;
        out[at + 2] = red;
    }
}

void copyColourTable(std::span<const uint8_t> file, const Layout& l, std::span<uint8_t> table) {
    const size_t entries = table.size() / 4;
    for (size_t i = 0; i < entries; ++i) {
        const size_t from = static_cast<size_t>(l.tableOffset) + i * l.entrySize;
        table[i * 4] = file[from];
        table[i * 4 + 1] = file[from + 1];
        table[i * 4 + 2] = file[from + 2];
        table[i * 4 + 3] = l.entrySize == 4 ? file[from + 3] : 0;
    }
}

}  // namespace

Outcome<Dib> decodeBmp(std::span<const uint8_t> file, const DecodeLimits& limits) {
    // The file header and the info header's size field come first; the
    // rest of the info header is checked against the size it declares, so
    // a small OS/2 file may be shorter than kBmpMinimumFileSize.
    if (file.size() < kBmpFileHeaderSize + 4)
        return refusal(text::kBmpTruncated);

    const Outcome<Layout> layout = readLayout(file);
    if (!layout)
        return layout.failure();
    const Layout& l = *layout;
    const Outcome<PixelFormat> pixels = choosePixelFormat(file, l);
    if (!pixels)
        return pixels.failure();
    const PixelFormat format = *pixels;

    if (l.width <= 0 || l.height == 0)
        return refusal(text::kBmpBadSize);
    const bool topDown = l.height < 0;
    const int64_t height = topDown ? -l.height : l.height;  // 64-bit: INT32_MIN negates safely
    if (!limits.allows(l.width, height))
        return refusal(text::kBmpTooLarge);

    // Colour table: the file declares biClrUsed entries (0 = the full table
    // for the depth); we keep at most what the depth can index.
    const uint64_t fullTable = l.bits <= 8 ? uint64_t{1} << l.bits : 0;
    const uint64_t declared = l.clrUsed != 0 ? l.clrUsed : fullTable;
    const uint64_t keptEntries = std::min(declared, fullTable);
    if (!fits(file, l.tableOffset, keptEntries * l.entrySize))
        return refusal(text::kBmpTruncated);

    // Rows start at bfOffBits, or straight after the declared table when it is 0.
    const uint64_t rowsOffset =
        l.bfOffBits != 0 ? l.bfOffBits : l.tableOffset + declared * l.entrySize;
    if (rowsOffset < l.tableOffset)
        return refusal(text::kBmpBadHeader);  // rows inside the header
    // Width and height are at most 2^20 here, so none of this overflows.
    const uint64_t fileStride = ((static_cast<uint64_t>(l.width) * l.bits + 31) / 32) * 4;
    const bool runLength = format == PixelFormat::rle;
    if (!runLength && !fits(file, rowsOffset, fileStride * static_cast<uint64_t>(height)))
        return refusal(text::kBmpTruncated);
    // Run-length data is walked once before the picture is allocated, so
    // a file that ends early costs nothing.
    const RleShape rleShape{l.bits, static_cast<size_t>(l.width), static_cast<size_t>(height)};
    if (runLength &&
        (rowsOffset > file.size() || !bmpRleComplete(file.subspan(rowsOffset), rleShape)))
        return refusal(text::kBmpTruncated);

    BitmapInfoHeader h;
    h.biWidth = static_cast<int32_t>(l.width);
    h.biHeight = static_cast<int32_t>(height);
    const bool keepsRows = format == PixelFormat::copy || format == PixelFormat::bgra;
    h.biBitCount = keepsRows || runLength ? l.bits : 24;
    h.biXPelsPerMeter = l.kept.biXPelsPerMeter;
    h.biYPelsPerMeter = l.kept.biYPelsPerMeter;
    if (l.bits <= 8) {
        // Keep the file's count unless it asks for more than the depth indexes.
        h.biClrUsed = l.clrUsed <= fullTable ? l.clrUsed : 0;
        h.biClrImportant = l.kept.biClrImportant;
    }
    h.biSizeImage = keepsRows ? l.kept.biSizeImage : 0;
    if (!dibBlockSize(h))
        return refusal(text::kBmpTooLarge);
    auto dib = Dib::create(h);
    if (!dib)
        return refusal(text::kOutOfMemory);
    if (!keepsRows) {
        h.biSizeImage = static_cast<uint32_t>(dib->stride() * static_cast<size_t>(height));
        dib->setHeader(h);
    }

    copyColourTable(file, l, dib->palette());
    auto storedRowOf = [&](uint64_t fileRow) {
        const uint64_t r = topDown ? static_cast<uint64_t>(height) - 1 - fileRow : fileRow;
        return dib->storedRow(static_cast<int>(r));
    };
    if (runLength) {
        // Pixels the data skips stay index 0.
        expandBmpRle(file.subspan(rowsOffset), rleShape, storedRowOf);
        return std::move(*dib);
    }
    for (int64_t fileRow = 0; fileRow < height; ++fileRow) {
        const auto in = file.subspan(
            static_cast<size_t>(rowsOffset + static_cast<uint64_t>(fileRow) * fileStride),
            static_cast<size_t>(fileStride));
        auto out = storedRowOf(static_cast<uint64_t>(fileRow));
        if (keepsRows)
            std::copy(in.begin(), in.end(), out.begin());
        else
            convert16To24(in, out, l.width, format);
        if (format == PixelFormat::bgra)
            compositeOverWhite(out);
    }
    return std::move(*dib);
}

void stampBmpHeader(Dib& dib) {
    if (dib.empty())
        return;
    BitmapInfoHeader h = dib.header();
    // Dibs stay far below 4 GiB (see dibBlockSize), so this fits 32 bits.
    h.biSizeImage = static_cast<uint32_t>(dib.stride() * static_cast<size_t>(dib.height()));
    h.biXPelsPerMeter = 3790;
    h.biYPelsPerMeter = 3780;
    dib.setHeader(h);
}

std::optional<std::array<uint8_t, kBmpFileHeaderSize>> bmpFileHeader(const Dib& dib) {
    if (dib.empty())
        return std::nullopt;
    const BitmapInfoHeader h = dib.header();
    const auto blockSize = dibBlockSize(h);
    if (h.biSize != kInfoHeaderSize || !blockSize || *blockSize != dib.bytes().size())
        return std::nullopt;
    const uint64_t fileSize = kBmpFileHeaderSize + *blockSize;
    if (fileSize > std::numeric_limits<uint32_t>::max())
        return std::nullopt;

    std::array<uint8_t, kBmpFileHeaderSize> header{};
    header[0] = kSignature[0];
    header[1] = kSignature[1];
    writeLe32(header, 2, static_cast<uint32_t>(fileSize));
    // Bytes 6 to 9 are the two reserved fields, left 0.
    writeLe32(header, 10, static_cast<uint32_t>(kBmpMinimumFileSize + paletteBytes(h)));
    return header;
}

}  // namespace bitmap
