#include "app/core/settings/AppSettings.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/core/PathText.h"
#include "app/core/settings/DitherSettings.h"
#include "app/core/settings/StoredSettings.h"
#include "app/core/settings/TempFilePatterns.h"

namespace app {
namespace {

const std::string kSettingsGroup = "Settings/";

int maxPixelsIn(const StoredSettings& store) {
    return store.readInt(kSettingsGroup + "MaxPixels", 1, AppSettings::kDefaultMaxPixels)
        .value_or(AppSettings::kDefaultMaxPixels);
}

// The system temporary folder with a trailing "/": TMPDIR (else "/tmp")
// with its links resolved. When TMPDIR names a folder that does not exist,
// "/tmp" is used, as when it is not set, rather than the root folder.
std::string systemTempFolder() {
    const char* named = std::getenv("TMPDIR");
    std::string path = named && *named ? named : "/tmp";
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
        path = resolved;
    else
        path = "/tmp";
    return withTrailingSlash(path);
}

// The folder the program was started in.
std::string currentFolder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

std::string withoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

}  // namespace

AppSettings::AppSettings() {
    tempFolder = systemTempFolder();
    undoFilePath = tempFolder + "TMPUndo.bmp";
}

void AppSettings::readSettings() {
    const auto opened = openSettings();
    const StoredSettings& store = *opened;
    tempFolder = systemTempFolder();
    const auto saved = store.readString(kSettingsGroup + "DSD");
    saveFolder = saved && !saved->empty() ? *saved : tempFolder;
    workingFolder = store.readString(kSettingsGroup + "DWD").value_or(tempFolder);
    helpFile =
        store.readString(kSettingsGroup + "HelpFile").value_or(currentFolder() + "/help/index.htm");
    ditheringMethod = store.readInt(kSettingsGroup + "IxDithering", 0, 4).value_or(0);
    threshold = store.readInt(kSettingsGroup + "TresholdValue", 0, 255).value_or(128);
    const DitherSettings dithering = readDitherSettings(store, ditheringMethod);
    ditheringMethod = dithering.method;
    ditherOptions = dithering.options;
    cArrayOptions = dithering.cArray;
    maxPixels = maxPixelsIn(store);
}

int AppSettings::storedMaxPixels() {
    return maxPixelsIn(*openSettings());
}

void AppSettings::createCodec() {
    codec_ = std::make_unique<codec::Codec>();
    codec_->setThrowException(false);
    undoFilePath = tempFolder + "TMPUndo.bmp";
    codec_->setUndoFile(undoFilePath);
    codec_->setShowDownloadProgress(true);
    // Every resize averages the source pixels, grey pictures too.
    codec_->setAlwaysHalftone(true);
    codec_->setMaxPixels(maxPixels);
}

void AppSettings::writeSettings() {
    const auto store = openSettings();
    store->write(kSettingsGroup + "DSD", saveFolder);
    store->write(kSettingsGroup + "DWD", workingFolder);
    writeDitherSettings(*store, {ditheringMethod, ditherOptions, cArrayOptions});
    store->write(kSettingsGroup + "TresholdValue", threshold);
    store->commit();
    codec_.reset();
}

void AppSettings::removeTempFiles() const {
    const std::string folder = withTrailingSlash(exchangeFolder());
    for (const std::string& pattern : temporaryFilePatterns(folder, undoFilePath))
        removeFilesMatching(pattern);
}

std::string AppSettings::exchangeFolder() const {
    if (folderMadeWhenNeeded)
        return folderMadeWhenNeeded();
    return withoutTrailingSlash(workingFolder.empty() ? tempFolder : workingFolder);
}

std::string AppSettings::saveFolderOrTemp() const {
    if (folderMadeWhenNeeded)
        return folderMadeWhenNeeded();
    return withoutTrailingSlash(saveFolder.empty() ? tempFolder : saveFolder);
}

}  // namespace app
