#include "app/core/document/PackedDib.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/FileIO.h"
#include "bitmap/ByteOrder.h"

namespace app {
namespace {

constexpr size_t kFileHeaderSize = 14;

}  // namespace

std::optional<std::vector<uint8_t>> readDibFile(const std::string& path, bool& notBmp) {
    notBmp = false;
    bitmap::FileContents file = bitmap::readWholeFile(path);
    if (file.status != bitmap::ReadStatus::ok)
        return std::nullopt;
    auto dib = dibBlockOfBmpFile(std::move(file.bytes));
    notBmp = !dib;
    return dib;
}

std::optional<std::vector<uint8_t>> dibBlockOfBmpFile(std::vector<uint8_t> file) {
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    // The block keeps the file's length: the bytes after the file header,
    // then zeros.
    std::copy(file.begin() + kFileHeaderSize, file.end(), file.begin());
    std::fill(file.end() - kFileHeaderSize, file.end(), uint8_t{0});
    return file;
}

DibWrite writeDibFile(const std::string& path, bitmap::Dib& picture) {
    const bitmap::DibLayout& layout = picture.layout();
    if (picture.empty() || layout.headerSize != bitmap::kInfoHeaderSize)
        return DibWrite::refused;
    const std::span<uint8_t> dib = picture.bytes();
    const uint64_t tableBytes = layout.pixelOffset - bitmap::kInfoHeaderSize;
    uint64_t imageSize = bitmap::readLe32(dib, 20);
    if (layout.hasRows()) {
        imageSize = layout.stride * static_cast<uint64_t>(layout.height);
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
