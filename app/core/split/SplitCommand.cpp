#include "app/core/split/SplitCommand.h"

#include <algorithm>
#include <cstdio>

#include "app/core/PathText.h"
#include "app/core/TextFormat.h"
#include "app/core/Texts.h"
#include "app/core/settings/PhoneTable.h"
#include "app/core/split/SplitPages.h"
#include "base/FileIO.h"

namespace app {

std::string splitSourcePath(const PictureDocument& document, const AppSettings& settings) {
    if (!document.pathName().empty())
        return document.pathName();
    return withTrailingSlash(settings.saveFolder) + "CurrentImage.bmp";
}

void prepareSplitSettings(SplitSettings& split, const std::string& sourcePath,
                          const std::string& saveFolder) {
    if (split.displayPosition < 0 || split.displayPosition >= kBuiltInPhoneCount)
        split.displayPosition = 4;
    const BuiltInPhone& phone = builtInPhone(split.displayPosition);
    if (split.tileWidth == 0)
        split.tileWidth = phone.width;
    if (split.tileHeight == 0)
        split.tileHeight = phone.height;
    if (split.outputFolder.empty())
        split.outputFolder = saveFolder.empty() ? folderOf(sourcePath) : saveFolder;
    if (split.wmlFolder.empty())
        split.wmlFolder = saveFolder;
}

TileSize splitTileSize(const SplitSettings& split, int pictureWidth, int pictureHeight) {
    TileSize size{split.tileWidth, split.tileHeight};
    if (split.sizeMode == 1) {
        const int position = std::clamp(split.displayPosition, 0, kBuiltInPhoneCount - 1);
        size = {builtInPhone(position).width, builtInPhone(position).height};
    }
    // Compared as unsigned numbers: a negative size counts as huge.
    const auto clampTo = [](int value, long long limit) {
        const auto unsignedValue = static_cast<unsigned long long>(static_cast<unsigned>(value));
        return limit >= 0 && unsignedValue > static_cast<unsigned long long>(limit)
                   ? static_cast<int>(limit)
                   : value;
    };
    size.height = clampTo(size.height, pictureHeight);
    size.width = clampTo(size.width, static_cast<long long>(pictureWidth) + 3);
    return size;
}

std::string splitBaseName(const std::string& sourcePath) {
    return withoutExtension(fileNameOf(sourcePath));
}

bool runSplitCommand(PictureDocument& document, UserInterface& ui, SplitSettings& split,
                     codec::FormatCode format, int pictureWidth, int pictureHeight) {
    if (!bitmap::directoryExists(split.outputFolder) &&
        !ui.askYesNo(std::string(text::kSplitFolderMissing),
                     std::string(text::kCaptionCreateFolder), MessageIcon::question))
        return false;

    WaitCursor wait(ui);
    AppSettings& settings = document.settings();
    const std::string sourcePath = splitSourcePath(document, settings);
    const std::string savedPicture = settings.exchangeFolder() + "/TMPSplitSave.bmp";
    document.writeDibCopy(savedPicture);

    int prepared = document.resizeToBox(pictureWidth, pictureHeight);
    if (prepared == result::kOk && codec::formatByCode(format)->blackAndWhite)
        prepared = document.convertToMonochrome();
    auto& codec = document.codec();
    if (prepared != result::kOk) {
        ui.error(formatText(text::kCannotPrepareSplit, {codec.errordescription()}));
        return false;
    }

    const TileSize tile = splitTileSize(split, pictureWidth, pictureHeight);
    const std::string tileFolder = withTrailingSlash(split.outputFolder);
    const std::string extension(codec::formatName(format));
    const bool cut = codec.split(tile.width, tile.height, tileFolder, extension) != 0;
    const int columns = codec.imageWidth();
    const int rows = codec.imageHeight();
    if (!cut) {
        ui.error(formatText(text::kSplitFailed, {codec.errordescription()}));
        return false;
    }

    if (split.createPages) {
        SplitPageSet pages;
        pages.folder = split.separateWmlFolder ? withTrailingSlash(split.wmlFolder) : tileFolder;
        pages.baseName = splitBaseName(sourcePath);
        pages.extension = extension;
        pages.sourcePrefix = split.prefixEnabled ? split.prefix + "/" : std::string();
        pages.tileWidth = tile.width;
        pages.tileHeight = tile.height;
        pages.columns = columns;
        pages.rows = rows;
        writeSplitPages(pages);
    }

    // The document gets back the picture it had before the command.
    if (codec.loadBmp(savedPicture))
        document.reloadFromCodec();
    std::remove(savedPicture.c_str());

    std::string report = formatText(text::kSplitDone, {tileFolder, extension});
    if (split.createPages && split.separateWmlFolder)
        report += formatText(text::kSplitPagesWrittenIn, {split.wmlFolder});
    else if (split.createPages)
        report += text::kSplitPagesWritten;
    ui.inform(report, std::string(text::kCaptionDone), MessageIcon::information);
    return true;
}

}  // namespace app
