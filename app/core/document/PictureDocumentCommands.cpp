// The document's file and picture commands, run after their dialogs.
#include <algorithm>

#include "app/core/PathText.h"
#include "app/core/TextFormat.h"
#include "app/core/Texts.h"
#include "app/core/document/PictureDocument.h"
#include "app/core/settings/PhoneTable.h"
#include "base/FileIO.h"

namespace app {
namespace {

// The extension in lower case (empty when there is none).
std::string extensionOf(const std::string& path) {
    const size_t dot = extensionDot(path);
    return dot == std::string::npos ? std::string() : lowerCase(path.substr(dot + 1));
}

}  // namespace

std::string PictureDocument::saveAsTarget(const std::string& chosenPath, codec::FormatCode type) {
    const size_t slash = chosenPath.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = extensionDot(chosenPath);
    // A dot that starts the name (".hidden") is not an extension either.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    const std::string stem = hasExtension ? chosenPath.substr(0, dot + 1) : chosenPath + ".";
    return stem + std::string(codec::formatName(type));
}

bool PictureDocument::openChosenFile(const std::string& path) {
    if (host_.isEditing())
        host_.endEditing();
    monochrome_ = false;
    modified_ = false;
    host_.resetZoom();
    WaitCursor wait(ui_);
    snapshotForUndo(true);
    const int opened = openPicture(path, false);
    if (opened != result::kOk) {
        ui_.error(aboutFile(path, formatText(text::kCannotOpenFile, {loadErrorText_})));
        return false;
    }
    lastFolder_ = folderOf(path);
    return true;
}

bool PictureDocument::openDocument(const std::string& path) {
    modified_ = false;
    if (!bitmap::fileExists(path)) {
        ui_.inform(aboutFile(path, text::kFileDoesNotExist), "", MessageIcon::information);
        return false;
    }
    if (host_.isEditing())
        host_.endEditing();
    host_.resetZoom();
    WaitCursor wait(ui_);
    snapshotForUndo(true);
    return openPicture(path, false) == result::kOk;
}

void PictureDocument::dropFiles(const std::vector<std::string>& paths) {
    if (paths.size() > 1)
        ui_.inform(std::string(text::kSeveralDropped), std::string(text::kCaptionInfo),
                   MessageIcon::information);
    for (const std::string& path : paths) {
        if (host_.isEditing())
            host_.endEditing();
        host_.resetZoom();
        WaitCursor wait(ui_);
        snapshotForUndo(true);
        if (openPicture(path, false) == result::kOk) {
            // The dropped file opens as it is on disk.
            modified_ = false;
            return;
        }
    }
    ui_.inform(std::string(text::kNothingDroppedOpened), std::string(text::kCaptionInfo),
               MessageIcon::information);
}

void PictureDocument::showSavePngFailure(const std::string& path) {
    ui_.error(aboutFile(path, formatText(text::kSavePngFailed,
                                         {codec().errordescription(),
                                          static_cast<long long>(codec().errorcode())})),
              std::string(text::kCaptionSaveError));
}

void PictureDocument::showSaveFailure(const std::string& path, std::string_view message) {
    ui_.inform(aboutFile(path, message), "", MessageIcon::information);
}

bool PictureDocument::takeBackEditedPicture() {
    if (host_.editorModified())
        modified_ = true;
    host_.takeEditedPicture();
    return handPictureToCodec();
}

SaveOutcome PictureDocument::save() {
    if (saveAsFirst_)
        return SaveOutcome::saveAsRequired;
    // The file's extension says how it is written; only a format's own name
    // counts. A picture the program does not write under its own name (a
    // JPEG, a GIF, a ".wbm") needs a name and a type first: Save never
    // leaves the changes unsaved without a word.
    const codec::PictureFormat* format = codec::formatNamed(extensionOf(pathName_));
    const int code = format ? format->code : codec::kFormatUnknown;
    const bool oneBitFile = format && format->blackAndWhite && format->writable();
    if (code != codec::kFormatBmp && code != codec::kFormatWbmp && code != codec::kFormatPng &&
        !oneBitFile)
        return SaveOutcome::saveAsRequired;
    undoUsed_ = false;
    // While editing, the edited picture goes to the codec through an
    // exchange file, never through the document's own file, which keeps
    // its format until the codec writes it.
    if (host_.isEditing() && !takeBackEditedPicture())
        return SaveOutcome::done;
    if (code == codec::kFormatBmp) {
        if (savePictureBmp(pathName_) != result::kOk)
            showSaveFailure(pathName_, text::kSaveError);
        else
            modified_ = false;
    } else if (code == codec::kFormatWbmp) {
        if (!codec().convertBmpToMonochrome(0, 128))
            showSaveFailure(pathName_, text::kCannotConvert);
        if (savePictureWbmp(pathName_) != result::kOk)
            showSaveFailure(pathName_, text::kSaveError);
        else
            modified_ = false;
    } else if (code == codec::kFormatPng) {
        if (codec().savePng(pathName_))
            modified_ = false;
        else
            showSavePngFailure(pathName_);
    } else {
        // The one-bit files for displays, as WBMP: black and white first.
        if (!codec().convertBmpToMonochrome(0, 128))
            showSaveFailure(pathName_, text::kCannotConvert);
        else if (writeOneBitFile(pathName_, *format))
            modified_ = false;
        else
            showSaveFailure(pathName_, text::kSaveError);
    }
    return SaveOutcome::done;
}

bool PictureDocument::writeOneBitFile(const std::string& path, const codec::PictureFormat& format) {
    codec().setCArrayOptions(settings_.cArrayOptions);
    return codec().saveAs(path, std::string(format.key()), 0) != 0;
}

void PictureDocument::saveAs(const std::string& chosenPath, codec::FormatCode type) {
    WaitCursor wait(ui_);
    undoUsed_ = false;
    // A codec without the edited pixels would save the picture as it was.
    if (host_.isEditing() && !takeBackEditedPicture())
        return;
    const std::string target = saveAsTarget(chosenPath, type);
    bool saved = false;
    switch (type) {
        case codec::kFormatWbmp: {
            const bool converted = monochrome_ ? codec().convertBmpToMonochrome(0, 128)
                                               : codec().convertBmpToMonochrome(
                                                     settings_.ditheringMethod, settings_.threshold,
                                                     settings_.ditherOptions);
            if (!converted || codec().convertBmpToWbmp(0) != 1) {
                showSaveFailure(target, text::kCannotConvert);
            } else if (savePictureWbmp(target) == result::kOk) {
                saved = true;
                codec().loadImage(target, "");
                monochrome_ = true;
                reloadFromCodec();
            } else {
                showSaveFailure(target, text::kSaveError);
            }
            break;
        }
        case codec::kFormatBmp:
            saved = savePictureBmp(target) == result::kOk;
            if (!saved)
                showSaveFailure(target, text::kSaveError);
            break;
        case codec::kFormatPng:
            saved = codec().savePng(target) != 0;
            if (!saved)
                showSavePngFailure(target);
            break;
        case codec::kFormatPbm:
        case codec::kFormatXbm:
        case codec::kFormatCArray: {
            // Converted as for WBMP; the picture shown becomes the one written.
            const bool converted = monochrome_ ? codec().convertBmpToMonochrome(0, 128)
                                               : codec().convertBmpToMonochrome(
                                                     settings_.ditheringMethod, settings_.threshold,
                                                     settings_.ditherOptions);
            if (!converted) {
                showSaveFailure(target, text::kCannotConvert);
            } else if (writeOneBitFile(target, *codec::formatByCode(type))) {
                saved = true;
                monochrome_ = true;
                reloadFromCodec();
            } else {
                showSaveFailure(target, text::kSaveError);
            }
            break;
        }
        default:
            break;
    }
    lastFolder_ = folderOf(target);
    // A picture that was not written keeps its name and stays modified, so
    // nothing suggests it is safe on disk.
    if (!saved)
        return;
    saveAsFirst_ = false;
    setPathName(target, true);
    modified_ = false;
}

void PictureDocument::undoFromFile() {
    undoUsed_ = true;
    openPicture(settings_.undoFilePath, true);
}

void PictureDocument::convertToMonochromeCommand() {
    const int depth = codec().bmpExists() ? codec().bmpBpp() : 0;
    if (depth != 4 && depth != 8) {
        ui_.inform(std::string(text::kUnsupportedDepth), "", MessageIcon::information);
        return;
    }
    WaitCursor wait(ui_);
    const int converted = convertToMonochrome();
    if (converted == result::kConversionFailed)
        ui_.inform(std::string(text::kCannotConvert), "", MessageIcon::information);
}

void PictureDocument::resizeCommand(const std::function<int()>& codecCall) {
    WaitCursor wait(ui_);
    snapshotForUndo(false);
    if (!codecCall() || commitChange() != result::kOk)
        ui_.error(std::string(text::kResizeFailed));
}

void PictureDocument::resizeByPercentage(int percentage) {
    resizeCommand([&] { return codec().resizePercentual(percentage); });
}

namespace {

int clampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

std::optional<PictureDocument::Box> PictureDocument::boxForHeight(int width, int height,
                                                                  int newHeight) {
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return Box{clampToInt(static_cast<long long>(width) * newHeight / height + 10), newHeight};
}

std::optional<PictureDocument::Box> PictureDocument::boxForWidth(int width, int height,
                                                                 int newWidth) {
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return Box{newWidth, clampToInt(static_cast<long long>(height) * newWidth / width + 10)};
}

void PictureDocument::setHeightCommand(int height) {
    const auto box = boxForHeight(codec().bmpWidth(), codec().bmpHeight(), height);
    resizeCommand([&] { return box ? codec().resizeTo(box->width, box->height, 0) : 0; });
}

void PictureDocument::setWidthCommand(int width) {
    const auto box = boxForWidth(codec().bmpWidth(), codec().bmpHeight(), width);
    resizeCommand([&] { return box ? codec().resizeTo(box->width, box->height, 0) : 0; });
}

void PictureDocument::fitToBoxCommand(int width, int height, bool ignoreAspectRatio) {
    resizeCommand([&] { return codec().resizeTo(width, height, ignoreAspectRatio ? 1 : 0); });
}

void PictureDocument::fitToPhoneCommand(int phoneIndex) {
    PhoneTable phones;
    const int width = phones.phoneWidth(phoneIndex + 1);
    const int height = phones.phoneHeight(phoneIndex + 1);
    resizeCommand([&] { return codec().resizeTo(width, height, 0); });
}

}  // namespace app
