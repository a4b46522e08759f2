// ImageProc's BMP file operations: the file handling around decodeBmp and
// bmpFileHeader.
#include <array>

#include "bitmap/BmpFile.h"
#include "bitmap/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"

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
    Carvello::Outcome<Dib> decoded = decodeBmp(contents.bytes, within(limits));
    if (!decoded) {
        fail(text::kLoadBitmap, decoded.failure().text);
        return std::nullopt;
    }
    return std::move(*decoded);
}

bool ImageProc::saveBitmap(const std::string& path, Dib& dib) {
    if (path.empty()) {
        fail(text::kSaveBitmap, text::kCannotOpen);
        return false;
    }
    if (dib.empty()) {
        fail(text::kSaveBitmap, text::kNoBitmap);
        return false;
    }
    stampBmpHeader(dib);
    const auto fileHeader = bmpFileHeader(dib);
    if (!fileHeader) {
        fail(text::kSaveBitmap, text::kBmpBadHeader);
        return false;
    }
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

}  // namespace bitmap
