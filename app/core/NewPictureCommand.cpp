#include "app/core/NewPictureCommand.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "app/core/BlankPicture.h"
#include "app/core/TextFormat.h"
#include "app/core/Texts.h"

namespace app {

bool newPictureCommand(CMFCTest2Doc& document, DocumentHost& host, UserInterface& ui, int width,
                       int height) {
    auto blank = makeBlankPicture(width, height);
    if (!blank) {
        ui.error(formatText(text::kCannotCreatePicture, {width, height}));
        return false;
    }

    if (host.isEditing())
        host.endEditing();
    document.DeleteContents();
    document.setTitle(std::string(text::kUntitled));
    AppSettings& settings = document.settings();
    const std::string path = settings.saveFolderOrTemp() + "/Untitled.bmp";
    document.setPathName(path, false);
    document.clearUndoUsed();
    host.pictureChanged();

    if (!document.AttachDib(std::move(*blank))) {
        host.pictureChanged();
        return false;
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const std::string exchange =
        settings.exchangeFolder() + "/" + formatText("TMPEdit%d.bmp", {std::rand()});
    // A write that fails has told the user why already.
    const bool written = document.WriteDibCopy(exchange) == 1;
    const bool handedOver = written && document.codec().LoadBmp(exchange) != 0;
    std::remove(exchange.c_str());
    if (!handedOver) {
        if (written)
            ui.inform(std::string(text::kCannotLoadFile), "", MessageIcon::information);
        document.DeleteContents();
        host.pictureChanged();
        return false;
    }
    host.resetZoom();
    document.setModified(true);
    host.pictureChanged();

    document.setMonochrome(true);
    document.setSaveAsFirst(false);
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        document.save();
    document.setModified(false);
    document.setSaveAsFirst(true);
    return true;
}

}  // namespace app
