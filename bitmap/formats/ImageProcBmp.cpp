// ImageProc's BMP file operations: the file handling around decodeBmp and
// bmpFileHeader.
#include <array>
#include <vector>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "bitmap/formats/BmpFile.h"

namespace bitmap {

std::optional<Dib> ImageProc::loadBitmap(const std::string& path, const DecodeLimits& limits) {
    FileContents contents = readWholeFile(path);
    switch (contents.status) {
        case ReadStatus::ok:
            break;
        case ReadStatus::cannotOpen:
            fail(text::kLoadBitmap, text::kCannotOpen);
            return std::nullopt;
        case ReadStatus::tooLarge:
            fail(text::kLoadBitmap, text::kBmpTooLarge);
            return std::nullopt;
        case ReadStatus::readError:
            fail(text::kLoadBitmap, text::kBmpReadError);
            return std::nullopt;
    }
    carvello::Outcome<Dib> decoded = decodeBmp(contents.bytes, within(limits));
    if (!decoded) {
        fail(text::kLoadBitmap, decoded.failure().text);
        return std::nullopt;
    }
    return std::move(*decoded);
}

std::optional<std::array<uint8_t, kBmpFileHeaderSize>> ImageProc::prepareBitmapFile(Dib& dib) {
    if (dib.empty()) {
        fail(text::kSaveBitmap, text::kNoBitmap);
        return std::nullopt;
    }
    stampBmpHeader(dib);
    auto fileHeader = bmpFileHeader(dib);
    if (!fileHeader)
        fail(text::kSaveBitmap, text::kBmpBadHeader);
    return fileHeader;
}

bool ImageProc::saveBitmap(const std::string& path, Dib& dib) {
    if (path.empty()) {
        fail(text::kSaveBitmap, text::kCannotOpen);
        return false;
    }
    const auto fileHeader = prepareBitmapFile(dib);
    if (!fileHeader)
        return false;
    const std::array<std::span<const uint8_t>, 2> pieces{std::span<const uint8_t>(*fileHeader),
                                                         dib.bytes()};
    switch (writeFileAtomically(path, pieces)) {
        case WriteStatus::ok:
            return true;
        case WriteStatus::cannotOpen:
            fail(text::kSaveBitmap, text::kCannotOpen);
            return false;
        case WriteStatus::writeError:
            fail(text::kSaveBitmap, text::kWriteError);
            return false;
    }
    return false;
}

std::optional<std::vector<uint8_t>> ImageProc::bitmapFile(Dib& dib) {
    const auto fileHeader = prepareBitmapFile(dib);
    if (!fileHeader)
        return std::nullopt;
    const std::span<const uint8_t> block = dib.bytes();
    std::vector<uint8_t> file;
    file.reserve(fileHeader->size() + block.size());
    file.insert(file.end(), fileHeader->begin(), fileHeader->end());
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

}  // namespace bitmap
