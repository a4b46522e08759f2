#include "app/core/PackedDib.h"

#include <array>

#include "bitmap/ByteOrder.h"
#include "bitmap/Dib.h"
#include "bitmap/FileIO.h"

namespace app {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kRunLength8 = 1;
constexpr uint32_t kRunLength4 = 2;

}  // namespace

DibCheck inspectPackedDib(std::span<const uint8_t> dib, PackedDibInfo& info) {
    using bitmap::readLe16;
    using bitmap::readLe32;
    using bitmap::readLeI32;
    if (dib.size() < 4)
        return DibCheck::unusable;
    info = {};
    info.headerSize = readLe32(dib, 0);
    uint32_t clrUsed = 0;
    if (info.headerSize == kCoreHeaderSize) {
        if (dib.size() < kCoreHeaderSize)
            return DibCheck::unusable;
        info.width = readLe16(dib, 4);
        info.height = readLe16(dib, 6);
        info.bitCount = readLe16(dib, 10);
        info.colourEntrySize = 3;
    } else if (info.headerSize >= bitmap::kInfoHeaderSize && info.headerSize <= 1024) {
        if (dib.size() < info.headerSize)
            return DibCheck::unusable;
        info.width = readLeI32(dib, 4);
        info.height = readLeI32(dib, 8);
        info.bitCount = readLe16(dib, 14);
        info.compression = readLe32(dib, 16);
        clrUsed = readLe32(dib, 32);
    } else {
        return DibCheck::unusable;
    }
    if (info.width < 0 || info.height < 0)
        return DibCheck::negativeSize;
    if (info.width == 0 || info.height == 0 || info.width > bitmap::kMaxDimension ||
        info.height > bitmap::kMaxDimension)
        return DibCheck::unusable;
    switch (info.bitCount) {
        case 1:
        case 4:
        case 8:
            info.colourCount =
                clrUsed != 0 && clrUsed < (1u << info.bitCount) ? clrUsed : (1u << info.bitCount);
            break;
        case 16:
        case 24:
        case 32:
            info.colourCount = clrUsed <= 256 ? clrUsed : 0;
            break;
        default:
            return DibCheck::unusable;
    }
    // Bit-field masks follow a 40-byte header of 16 and 32 bpp pictures.
    const uint64_t masks =
        info.headerSize == bitmap::kInfoHeaderSize && info.compression == 3 ? 12 : 0;
    const uint64_t tableEnd =
        info.headerSize + masks + uint64_t{info.colourCount} * info.colourEntrySize;
    if (info.compression == kRunLength8 || info.compression == kRunLength4)
        return tableEnd <= dib.size() ? DibCheck::ok : DibCheck::unusable;
    const uint64_t stride =
        (uint64_t{info.bitCount} * static_cast<uint64_t>(info.width) + 31) / 32 * 4;
    const uint64_t pixelBytes = stride * static_cast<uint64_t>(info.height);
    return tableEnd + pixelBytes <= dib.size() ? DibCheck::ok : DibCheck::unusable;
}

std::optional<std::vector<uint8_t>> readDibFile(const std::string& path, bool& notBmp) {
    notBmp = false;
    bitmap::FileContents file = bitmap::readWholeFile(path);
    if (file.status != bitmap::ReadStatus::ok)
        return std::nullopt;
    auto dib = dibBlockOfBmpFile(file.bytes);
    notBmp = !dib;
    return dib;
}

std::optional<std::vector<uint8_t>> dibBlockOfBmpFile(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    // The block keeps the file's length: the bytes after the file header,
    // then zeros.
    std::vector<uint8_t> dib(file.size(), 0);
    std::copy(file.begin() + kFileHeaderSize, file.end(), dib.begin());
    return dib;
}

DibWrite writeDibFile(const std::string& path, std::vector<uint8_t>& dib) {
    PackedDibInfo info;
    if (dib.size() < bitmap::kInfoHeaderSize || bitmap::readLe32(dib, 0) != bitmap::kInfoHeaderSize)
        return DibWrite::refused;
    if (inspectPackedDib(dib, info) != DibCheck::ok)
        return DibWrite::refused;
    const uint64_t masks = info.compression == 3 ? 12 : 0;
    const uint64_t tableBytes = masks + uint64_t{info.colourCount} * 4;
    uint64_t imageSize = bitmap::readLe32(dib, 20);
    if (info.compression != kRunLength8 && info.compression != kRunLength4) {
        imageSize = (uint64_t{info.bitCount} * static_cast<uint64_t>(info.width) + 31) / 32 * 4 *
                    static_cast<uint64_t>(info.height);
        if (imageSize > UINT32_MAX)
            return DibWrite::refused;
        bitmap::writeLe32(dib, 20, static_cast<uint32_t>(imageSize));
    }
    const uint64_t bodySize = bitmap::kInfoHeaderSize + tableBytes + imageSize;
    if (bodySize > dib.size() || kFileHeaderSize + bodySize > UINT32_MAX)
        return DibWrite::refused;
    std::array<uint8_t, kFileHeaderSize> fileHeader{};
    fileHeader[0] = 'B';
    fileHeader[1] = 'M';
    bitmap::writeLe32(fileHeader, 2, static_cast<uint32_t>(kFileHeaderSize + bodySize));
    bitmap::writeLe32(
        fileHeader, 10,
        static_cast<uint32_t>(kFileHeaderSize + bitmap::kInfoHeaderSize + tableBytes));
    const std::array<std::span<const uint8_t>, 2> pieces{
        std::span<const uint8_t>(fileHeader),
        std::span<const uint8_t>(dib.data(), static_cast<size_t>(bodySize))};
    return bitmap::writeFileAtomically(path, pieces) == bitmap::WriteStatus::ok
               ? DibWrite::written
               : DibWrite::cannotCreate;
}

}  // namespace app
