#include "app/core/document/PictureDocument.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/core/PathText.h"
#include "app/core/TextFormat.h"
#include "app/core/Texts.h"
#include "app/core/document/PackedDib.h"
#include "app/core/settings/PhoneTable.h"
#include "base/FileIO.h"
#include "codec/FailureText.h"

namespace app {

PictureDocument::PictureDocument(AppSettings& settings, UserInterface& ui, DocumentHost& host)
    : settings_(settings), ui_(ui), host_(host) {}

void PictureDocument::setPathName(const std::string& path, bool addToRecent) {
    pathName_ = path;
    title_ = fileNameOf(path);
    if (addToRecent)
        host_.addToRecentFiles(path);
}

std::string PictureDocument::exchangeFile(const char* name) const {
    std::string file = name;
    file.insert(std::min(file.rfind('.'), file.size()), exchangeTag_);
    return settings_.exchangeFolder() + "/" + file;
}

std::vector<PaletteEntry> PictureDocument::palette() const {
    const bitmap::DibView picture = dib_.view();
    std::vector<PaletteEntry> palette;
    palette.reserve(picture.layout().colourCount);
    for (uint32_t i = 0; i < picture.layout().colourCount; ++i) {
        const bitmap::Bgr c = picture.colour(i);
        palette.push_back({c.red, c.green, c.blue});
    }
    return palette;
}

void PictureDocument::pictureReplaced() {
    const std::span<uint8_t> block = dib_.bytes();
    pictureRecord_ = {block.empty() ? nullptr : block.data(), block.size()};
}

void PictureDocument::deleteContents() {
    dib_ = {};
    pictureReplaced();
}

bool PictureDocument::attachDib(std::vector<uint8_t> dib) {
    deleteContents();
    bitmap::AdoptedDib adopted = bitmap::Dib::adopt(std::move(dib));
    switch (adopted.check) {
        case bitmap::DibCheck::negativeSize:
            ui_.inform(std::string(text::kDibTooLarge), "", MessageIcon::information);
            return false;
        case bitmap::DibCheck::unusable:
            ui_.inform(std::string(text::kCannotLoadDib), "", MessageIcon::information);
            return false;
        case bitmap::DibCheck::ok:
            break;
    }
    dib_ = std::move(adopted.dib);
    pictureReplaced();
    return true;
}

int PictureDocument::loadDibFromFile(const std::string& path, bool recordPath, bool addToRecent) {
    deleteContents();
    bool notBmp = false;
    auto dib = readDibFile(path, notBmp);
    const int loaded = attachBmpFile(std::move(dib), notBmp);
    if (loaded == result::kOk && recordPath)
        setPathName(path, addToRecent);
    return loaded;
}

int PictureDocument::attachBmpFile(std::optional<std::vector<uint8_t>> dib, bool notBmp) {
    if (!dib) {
        if (notBmp)
            ui_.inform(std::string(text::kCannotLoadDib), "", MessageIcon::information);
        else
            ui_.inform(std::string(text::kFailedToOpenDocument), "", MessageIcon::error);
        return result::kDocumentReadFailed;
    }
    return attachDib(std::move(*dib)) ? result::kOk : result::kDocumentReadFailed;
}

int PictureDocument::writeDib(const std::string& path, bool clearModified) {
    if (dib_.empty())
        return 0;
    switch (writeDibFile(path, dib_)) {
        case DibWrite::written:
            if (clearModified)
                modified_ = false;
            return 1;
        case DibWrite::refused:
            ui_.inform(std::string(text::kCannotSaveDib), "", MessageIcon::information);
            return 0;
        case DibWrite::cannotCreate:
            break;
    }
    ui_.inform(std::string(text::kFailedToSaveDocument), "", MessageIcon::error);
    return result::kCannotCreateFile;
}

int PictureDocument::writeDibToFile(const std::string& path) {
    return writeDib(path, true);
}

bool PictureDocument::handPictureToCodec() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const std::string path = exchangeFile(formatText("TMPEdit%d.bmp", {std::rand()}).c_str());
    // A write that fails has told the user why already.
    if (writeDibCopy(path) != 1)
        return false;
    if (!codec().loadBmp(path)) {
        ui_.inform(std::string(text::kCannotLoadFile), "", MessageIcon::information);
        return false;
    }
    return true;
}

PictureDocument::KeptState PictureDocument::keepState() const {
    const std::span<const uint8_t> block = dib_.bytes();
    return {{block.begin(), block.end()},
            pathName_,
            title_,
            monochrome_,
            saveAsFirst_,
            modified_,
            undoUsed_};
}

void PictureDocument::restoreState(KeptState kept) {
    if (kept.picture.empty())
        deleteContents();
    else if (attachDib(std::move(kept.picture)))
        restoreCodecPicture();
    pathName_ = kept.pathName;
    title_ = kept.title;
    monochrome_ = kept.monochrome;
    saveAsFirst_ = kept.saveAsFirst;
    modified_ = kept.modified;
    undoUsed_ = kept.undoUsed;
    host_.pictureChanged();
}

int PictureDocument::reloadFromCodec() {
    WaitCursor wait(ui_);
    int loaded = result::kOk;
    if (exchangeInMemory_) {
        auto file = codec().bmpFileBytes();
        if (!file)
            return result::kCodecSaveBmpFailed;
        deleteContents();
        auto dib = dibBlockOfBmpFile(std::move(*file));
        const bool notBmp = !dib;
        loaded = attachBmpFile(std::move(dib), notBmp);
    } else {
        const std::string path = exchangeFile("TMPUpdate.bmp");
        if (!codec().saveBmp(path))
            return result::kCodecSaveBmpFailed;
        loaded = loadDibFromFile(path, false, false);
        std::remove(path.c_str());
    }
    host_.pictureChanged();
    return loaded;
}

int PictureDocument::commitChange() {
    const std::string path = exchangeFile("TMPChange.bmp");
    int outcome = savePictureBmp(path);
    const bool loaded = outcome == result::kOk && codec().loadBmp(path);
    // The reload cycle repaints the views itself.
    if (loaded)
        outcome = reloadFromCodec();
    else if (outcome == result::kOk)
        outcome = result::kCommitLoadFailed;
    std::remove(path.c_str());
    modified_ = true;
    if (!loaded)
        host_.pictureChanged();
    return outcome;
}

void PictureDocument::snapshotForUndo(bool write) {
    // The undo copy is not a save of the document: the modified flag stays.
    if (write && hasPicture())
        writeDib(settings_.undoFilePath, false);
    undoUsed_ = false;
}

void PictureDocument::restoreCodecPicture() {
    if (!hasPicture())
        return;
    const std::string path = exchangeFile("TMPUpdate.bmp");
    if (writeDibFile(path, dib_) == DibWrite::written)
        codec().loadBmp(path);
    std::remove(path.c_str());
}

int PictureDocument::openPicture(const std::string& path, bool keepPath) {
    WaitCursor wait(ui_);
    const unsigned serial = codec().errorSerial();
    if (!codec().loadImage(path, "")) {
        loadErrorText_ = codec::failureText(codec(), serial);
        // The document keeps its picture (and its name), and the codec
        // gets it back so that both still show the same picture.
        restoreCodecPicture();
        return result::kCodecLoadFailed;
    }
    if (!keepPath)
        setPathName(path, true);
    const int reloaded = reloadFromCodec();
    if (reloaded != result::kOk)
        return reloaded;
    // A path naming WBMP anywhere counts as a black-and-white picture.
    monochrome_ = lowerCase(path).find(codec::formatName(codec::kFormatWbmp)) != std::string::npos;
    return result::kOk;
}

int PictureDocument::convertToMonochrome() {
    if (!codec().bmpExists())
        return result::kNoBmp;
    if (!codec().convertBmpToMonochrome(settings_.ditheringMethod, settings_.threshold,
                                        settings_.ditherOptions))
        return result::kConversionFailed;
    snapshotForUndo(false);
    const int committed = commitChange();
    monochrome_ = true;
    return committed;
}

int PictureDocument::resizeToBox(int width, int height) {
    snapshotForUndo(false);
    if (!codec().resizeTo(width, height, 0))
        return result::kResizeFailed;
    return reloadFromCodec();
}

int PictureDocument::fitToPhone(int phoneIndex) {
    if (!codec().bmpExists())
        return result::kNoBmp;
    PhoneTable phones;
    return resizeToBox(phones.phoneWidth(phoneIndex + 1), phones.phoneHeight(phoneIndex + 1));
}

int PictureDocument::fetchUrl(const std::string& url, std::string& localPath,
                              std::string& errorText) {
    int loaded = 0;
    {
        WaitCursor wait(ui_);
        if (localPath.empty()) {
            localPath = settings_.saveFolderOrTemp() + "/download." + fileNameOf(url);
        }
        const bool readInPlace = url.find("file://") != std::string::npos;
        loaded = codec().loadImage(url, readInPlace ? std::string() : localPath);
    }
    if (!loaded) {
        errorText = codec().errordescription();
        restoreCodecPicture();
        return result::kFetchFailed;
    }
    const int reloaded = reloadFromCodec();
    if (reloaded != result::kOk)
        return reloaded;
    modified_ = false;
    setPathName(localPath.empty() ? url : localPath, false);
    return result::kOk;
}

int PictureDocument::savePictureBmp(const std::string& path) {
    if (!codec().bmpExists())
        return result::kNoBmp;
    return codec().saveBmp(path) ? result::kOk : result::kCodecSaveBmpFailed;
}

int PictureDocument::savePictureWbmp(const std::string& path) {
    if (!codec().wbmpExists())
        return result::kNoWbmp;
    return codec().saveWbmp(path) ? result::kOk : result::kCodecSaveWbmpFailed;
}

}  // namespace app
