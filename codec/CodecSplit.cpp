// Cutting the current picture into tile files.
#include <sys/stat.h>

#include "base/FileIO.h"
#include "codec/Codec.h"
#include "codec/PictureFormats.h"
#include "codec/ScopeExit.h"
#include "codec/Texts.h"
#include "codec/TileGrid.h"

namespace codec {
namespace {

// Tiler results, as in the GIF writer's table.
constexpr int kUnsupportedCompression = 15;
constexpr int kUnsupportedBitsPerPixel = 14;
constexpr int kTilingFailed = 23;

std::string withoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

}  // namespace

int Codec::split(int tileWidth, int tileHeight, const std::string& folder,
                 const std::string& format) {
    if (!picture_)
        return reportNoPicture("Split");
    const PictureFormat* written = formatOfName(format);
    if (!written)
        return report(CodecError::unknownFormat,
                      operationPrefix("Split") + std::string(text::kUnknownFileFormat) + format);
    if (!written->writable())
        return reportSavingNotSupported(format);
    const auto grid = planTiles(picture_->width(), picture_->height(), tileWidth, tileHeight);
    if (!grid)
        return report(CodecError::badArgument,
                      operationPrefix("Split") + std::string(text::kBadTileSize));

    const std::string dir = withoutTrailingSlashes(folder);
    if (::mkdir(dir.c_str(), 0777) != 0) {
        // A file of that name is no folder to write tiles into.
        if (!bitmap::directoryExists(dir))
            return report(CodecError::folderUnavailable, std::string(text::kCannotCreateFolder));
        if (throwOnError_)
            return report(CodecError::folderUnavailable, std::string(text::kFolderExists));
    }

    const auto header = picture_->header();
    if (header.biCompression != 0 || header.biBitCount != 8) {
        lastWriterResult_ =
            header.biCompression != 0 ? kUnsupportedCompression : kUnsupportedBitsPerPixel;
        return report(CodecError::splitFailed, std::string(text::kSplitFailed));
    }
    imageWidth_ = grid->columns;
    imageHeight_ = grid->rows;

    // The tiles pass through the current picture and the WBMP coder; both are
    // put back however the writing ends.
    std::optional<bitmap::Dib> original = std::move(picture_);
    bitmap::WBMPCoder originalWbmp = wbmp_;
    const ScopeExit restore([&] {
        picture_ = std::move(original);
        wbmp_ = std::move(originalWbmp);
    });
    for (int row = 0; row < grid->rows; ++row) {
        for (int column = 0; column < grid->columns; ++column) {
            picture_ = cutTile(*original, *grid, column, row);
            if (!picture_) {
                lastWriterResult_ = kTilingFailed;
                return report(CodecError::splitFailed, std::string(text::kSplitFailed));
            }
            // A tile that cannot be written has been reported by its writer;
            // the remaining tiles would leave an incomplete set behind.
            if (!written->save(*this, tileFileName(dir, column, row, written->code)))
                return 0;
        }
    }
    lastWriterResult_ = 0;
    return 1;
}

}  // namespace codec
