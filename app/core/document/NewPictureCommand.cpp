#include "app/core/document/NewPictureCommand.h"

#include <filesystem>
#include <system_error>

#include "app/core/TextFormat.h"
#include "app/core/Texts.h"
#include "app/core/document/BlankPicture.h"

namespace app {

bool CreateBlankPicture(PictureDocument& document, DocumentHost& host, std::vector<uint8_t> blank) {
    if (!document.attachDib(std::move(blank))) {
        host.pictureChanged();
        return false;
    }
    if (!document.handPictureToCodec()) {
        document.deleteContents();
        host.pictureChanged();
        return false;
    }
    host.resetZoom();
    document.setModified(true);
    host.pictureChanged();
    return true;
}

bool newPictureCommand(PictureDocument& document, DocumentHost& host, UserInterface& ui, int width,
                       int height) {
    auto blank = makeBlankPicture(width, height);
    if (!blank) {
        ui.error(formatText(text::kCannotCreatePicture, {width, height}));
        return false;
    }

    if (host.isEditing())
        host.endEditing();
    document.deleteContents();
    document.setTitle(std::string(text::kUntitled));
    const std::string path = document.settings().saveFolderOrTemp() + "/Untitled.bmp";
    document.setPathName(path, false);
    document.clearUndoUsed();
    host.pictureChanged();
    if (!CreateBlankPicture(document, host, std::move(*blank)))
        return false;

    document.setMonochrome(true);
    document.setSaveAsFirst(false);
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        document.save();
    document.setModified(false);
    host.startEditing();
    document.setSaveAsFirst(true);
    return true;
}

}  // namespace app
