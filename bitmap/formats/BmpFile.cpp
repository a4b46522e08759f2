#include "bitmap/formats/BmpFile.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "base/TextFormat.h"
#include "bitmap/AlphaComposite.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/Texts.h"
#include "bitmap/formats/BmpBitFields.h"
#include "bitmap/formats/BmpEmbedded.h"
#include "bitmap/formats/BmpHeader.h"
#include "bitmap/formats/BmpRle.h"

namespace bitmap {
namespace {

constexpr uint8_t kSignature[2] = {'B', 'M'};

constexpr uint32_t kStandardRedMask = 0x00FF0000;
constexpr uint32_t kStandardGreenMask = 0x0000FF00;
constexpr uint32_t kStandardBlueMask = 0x000000FF;
constexpr uint32_t kStandardAlphaMask = 0xFF000000;

// How a file's pixel rows become the rows of our block.
enum class PixelFormat {
    copy,       // 1, 4, 8, 24 bpp, and 32 bpp whose fourth bytes mean nothing
    twoBit,     // 2 bpp indices, widened to 4 bpp
    opaque32,   // 32 bpp B-G-R bit fields without alpha: the fourth byte made 255
    bgra,       // 32 bpp B-G-R-A: put over white paper
    bitFields,  // 16 or 32 bpp by their masks, to 24 bpp
    rle,        // run-length coded 8, 4 or 24 bpp
    embedded,   // a JPEG or PNG file
};

using carvello::Failure;
using carvello::Outcome;

Failure refusal(std::string_view message) {
    return Failure{0, std::string(message)};
}

Failure refusal(std::string_view pattern, const std::vector<FormatArgument>& arguments) {
    return Failure{0, formatText(pattern, arguments)};
}

bool fits(std::span<const uint8_t> file, uint64_t offset, uint64_t length) {
    return offset <= file.size() && length <= file.size() - offset;
}

const char* runLengthName(BmpCoding coding) {
    switch (coding) {
        case BmpCoding::rle8:
            return "RLE8";
        case BmpCoding::rle4:
            return "RLE4";
        default:
            return "RLE24";
    }
}

int runLengthBits(BmpCoding coding) {
    return coding == BmpCoding::rle8 ? 8 : coding == BmpCoding::rle4 ? 4 : 24;
}

// Checks the coding against the depth and picks how pixels are carried
// over; what the file cannot mean, or codings we do not read, are refused
// with a text that names them.
Outcome<PixelFormat> choosePixelFormat(const BmpLayout& l) {
    const long long bits = l.bits;
    switch (l.coding) {
        case BmpCoding::jpeg:
        case BmpCoding::png:
            return PixelFormat::embedded;
        case BmpCoding::huffman1d:
            return refusal(text::kBmpUnsupportedCoding, {"Huffman 1D"});
        case BmpCoding::cmyk:
            return refusal(text::kBmpUnsupportedCoding, {"CMYK"});
        case BmpCoding::unknown:
            return refusal(text::kBmpUnknownCoding, {static_cast<long long>(l.compression)});
        default:
            break;
    }
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return refusal(text::kBmpUnknownDepth, {bits});
    if (l.headerSize == 12 && (bits == 16 || bits == 32))
        return refusal(text::kBmpCoreDepth, {bits});
    if (l.planes != 1)
        return refusal(text::kBmpBadHeader);

    switch (l.coding) {
        case BmpCoding::rle8:
        case BmpCoding::rle4:
        case BmpCoding::rle24:
            // Each run-length coding belongs to one depth.
            if (bits != runLengthBits(l.coding))
                return refusal(text::kBmpCodingDepth, {runLengthName(l.coding), bits});
            return PixelFormat::rle;
        case BmpCoding::bitFields:
            if (bits != 16 && bits != 32)
                return refusal(text::kBmpMasksDepth, {bits});
            if (bits == 32 && l.masks.red == kStandardRedMask &&
                l.masks.green == kStandardGreenMask && l.masks.blue == kStandardBlueMask) {
                if (l.masks.alpha == 0)
                    return PixelFormat::opaque32;
                if (l.masks.alpha == kStandardAlphaMask)
                    return PixelFormat::bgra;
            }
            return PixelFormat::bitFields;
        default:
            break;
    }
    if (bits == 2)
        return PixelFormat::twoBit;
    // 16 bpp without masks is 5-5-5 with its top bit unused.
    return bits == 16 ? PixelFormat::bitFields : PixelFormat::copy;
}

// True when the fourth bytes of 32 bpp rows are not all the same: only then
// do they carry an alpha channel (a file whose fourth bytes are all 0, or
// all anything, is opaque, as browsers show it).
bool fourthBytesVary(std::span<const uint8_t> rows, uint64_t stride, int64_t width,
                     int64_t height) {
    const uint8_t first = rows[3];
    for (int64_t y = 0; y < height; ++y) {
        const uint8_t* p = rows.data() + static_cast<size_t>(y) * stride + 3;
        for (int64_t x = 0; x < width; ++x, p += 4) {
            if (*p != first)
                return true;
        }
    }
    return false;
}

// 2 bpp indices to 4 bpp ones: each byte of four pixels becomes two bytes.
void widenTwoBit(std::span<const uint8_t> in, std::span<uint8_t> out, int64_t width) {
    for (int64_t x = 0; x < width; ++x) {
        const auto ux = static_cast<size_t>(x);
        const auto index = static_cast<uint8_t>((in[ux / 4] >> (6 - 2 * (ux % 4))) & 3);
        out[ux / 2] |= static_cast<uint8_t>(ux % 2 == 0 ? index << 4 : index);
    }
}

void copyColourTable(std::span<const uint8_t> file, const BmpLayout& l, std::span<uint8_t> table) {
    const size_t entries = table.size() / 4;
    for (size_t i = 0; i < entries; ++i) {
        const size_t from = static_cast<size_t>(l.tableOffset) + i * l.entrySize;
        table[i * 4] = file[from];
        table[i * 4 + 1] = file[from + 1];
        table[i * 4 + 2] = file[from + 2];
        table[i * 4 + 3] = l.entrySize == 4 ? file[from + 3] : 0;
    }
}

// The pixel data of an embedded JPEG or PNG file: from the row offset, as
// long as the header's image size says when that fits the file, else to the
// end of the file.
std::span<const uint8_t> embeddedData(std::span<const uint8_t> file, uint64_t offset,
                                      uint32_t declared) {
    const auto rest = file.subspan(static_cast<size_t>(offset));
    return declared != 0 && declared <= rest.size() ? rest.first(declared) : rest;
}

}  // namespace

Outcome<Dib> decodeBmp(std::span<const uint8_t> file, const DecodeLimits& limits) {
    // The file header and the info header's size field come first; the
    // rest of the info header is checked against the size it declares, so
    // a small OS/2 file may be shorter than kBmpMinimumFileSize.
    const Outcome<BmpLayout> layout = readBmpLayout(file);
    if (!layout)
        return layout.failure();
    const BmpLayout& l = *layout;
    const Outcome<PixelFormat> pixels = choosePixelFormat(l);
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
    if (format == PixelFormat::embedded) {
        if (rowsOffset >= file.size())
            return refusal(text::kBmpTruncated);
        return decodeEmbeddedPicture(embeddedData(file, rowsOffset, l.kept.biSizeImage), l.coding,
                                     limits);
    }
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

    // The masks are checked before the picture is allocated too.
    std::optional<BmpBitFieldPixels> fields;
    if (format == PixelFormat::bitFields) {
        auto made = l.coding == BmpCoding::bitFields ? BmpBitFieldPixels::make(l.masks, l.bits)
                                                     : BmpBitFieldPixels::defaultSixteenBit();
        if (!made)
            return made.failure();
        fields = std::move(*made);
    }
    const auto fileRows = file.subspan(static_cast<size_t>(rowsOffset));
    PixelFormat rowFormat = format;
    if (format == PixelFormat::copy && l.bits == 32 &&
        fourthBytesVary(fileRows, fileStride, l.width, height))
        rowFormat = PixelFormat::bgra;

    BitmapInfoHeader h;
    h.biWidth = static_cast<int32_t>(l.width);
    h.biHeight = static_cast<int32_t>(height);
    const bool keepsRows = rowFormat == PixelFormat::copy || rowFormat == PixelFormat::bgra ||
                           rowFormat == PixelFormat::opaque32;
    h.biBitCount = static_cast<uint16_t>(rowFormat == PixelFormat::twoBit      ? 4
                                         : rowFormat == PixelFormat::bitFields ? 24
                                                                               : l.bits);
    h.biXPelsPerMeter = l.kept.biXPelsPerMeter;
    h.biYPelsPerMeter = l.kept.biYPelsPerMeter;
    if (l.bits <= 8) {
        // Keep the file's count unless it asks for more than the depth
        // indexes; 2 bpp pictures become 4 bpp ones with the file's table.
        h.biClrUsed = l.clrUsed <= fullTable ? l.clrUsed : 0;
        if (l.bits == 2)
            h.biClrUsed = static_cast<uint32_t>(keptEntries);
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

    copyColourTable(file, l, dib->palette().first(static_cast<size_t>(keptEntries) * 4));
    auto storedRowOf = [&](uint64_t fileRow) {
        const uint64_t r = topDown ? static_cast<uint64_t>(height) - 1 - fileRow : fileRow;
        return dib->storedRow(static_cast<int>(r));
    };
    if (runLength) {
        // Pixels the data skips stay index 0 (black at 24 bpp).
        expandBmpRle(fileRows, rleShape, storedRowOf);
        return std::move(*dib);
    }
    for (int64_t fileRow = 0; fileRow < height; ++fileRow) {
        const auto in =
            fileRows.subspan(static_cast<size_t>(static_cast<uint64_t>(fileRow) * fileStride),
                             static_cast<size_t>(fileStride));
        auto out = storedRowOf(static_cast<uint64_t>(fileRow));
        switch (rowFormat) {
            case PixelFormat::twoBit:
                widenTwoBit(in, out, l.width);
                break;
            case PixelFormat::bitFields:
                fields->toBgr(in, out, static_cast<size_t>(l.width));
                break;
            default:
                std::copy(in.begin(), in.end(), out.begin());
                break;
        }
        if (rowFormat == PixelFormat::bgra)
            compositeOverWhite(out);
        if (rowFormat == PixelFormat::opaque32) {
            for (size_t at = 3; at < out.size(); at += 4)
                out[at] = 255;
        }
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
