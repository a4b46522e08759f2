// ImageProc's BMP file operations: the file handling around decodeBmp and
// bmpFileHeader.
#include <array>

#include "bitmap/BmpFile.h"
#include "bitmap/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/Messages.h"

namespace bitmap {

std::optional<Dib> ImageProc::loadBitmap(const std::string& path, const DecodeLimits& limits) {
    FileContents contents = readWholeFile(path);
    switch (contents.status) {
        case ReadStatus::ok:
            break;
        case ReadStatus::cannotOpen:
            fail(msg::kLoadBitmap, msg::kCannotOpen);
            return std::nullopt;
        case ReadStatus::tooLarge:
            fail(msg::kLoadBitmap, msg::kBmpTooLarge);
            return std::nullopt;
        case ReadStatus::readError:
            fail(msg::kLoadBitmap, msg::kBmpReadError);
            return std::nullopt;
    }
    Carvello::Outcome<Dib> decoded = decodeBmp(contents.bytes, limits);
    if (!decoded) {
        fail(msg::kLoadBitmap, decoded.failure().text);
        return std::nullopt;
    }
    return std::move(*decoded);
}

bool ImageProc::saveBitmap(const std::string& path, Dib& dib) {
    if (path.empty()) {
        fail(msg::kSaveBitmap, msg::kCannotOpen);
        return false;
    }
    if (dib.empty()) {
        fail(msg::kSaveBitmap, msg::kNoBitmap);
        return false;
    }
    stampBmpHeader(dib);
    const auto fileHeader = bmpFileHeader(dib);
    if (!fileHeader) {
        fail(msg::kSaveBitmap, msg::kBmpBadHeader);
        return false;
    }
    const std::array<std::span<const uint8_t>, 2> pieces{std::span<const uint8_t>(*fileHeader),
                                                         dib.bytes()};
    switch (writeFileAtomically(path, pieces)) {
        case WriteStatus::ok:
            return true;
        case WriteStatus::cannotOpen:
            fail(msg::kSaveBitmap, msg::kCannotOpen);
            return false;
        case WriteStatus::writeError:
            fail(msg::kSaveBitmap, msg::kWriteError);
            return false;
    }
    return false;
}

}  // namespace bitmap
