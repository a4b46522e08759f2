#include "app/core/AppSettings.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "app/core/DitherSettings.h"
#include "app/core/PathText.h"
#include "app/core/SettingsStore.h"
#include "app/core/TempFilePatterns.h"

namespace app {
namespace {

const QString kSettingsGroup = "Settings/";

// The system temporary folder with a trailing "/". Qt gives an empty path
// when TMPDIR names a folder that does not exist; "/tmp" is used then, as
// when TMPDIR is not set, rather than the root folder.
std::string systemTempFolder() {
    QString path = QDir::tempPath();
    if (path.isEmpty())
        path = QStringLiteral("/tmp");
    return withTrailingSlash(toStdString(path));
}

std::string withoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

}  // namespace

AppSettings::AppSettings()
    : tempFolder(systemTempFolder()), undoFilePath(tempFolder + "TMPUndo.bmp") {}

void AppSettings::ReadSettings() {
    SettingsStore store;
    tempFolder = systemTempFolder();
    const auto saved = store.readString(kSettingsGroup + "DSD");
    saveFolder = saved && !saved->empty() ? *saved : tempFolder;
    workingFolder = store.readString(kSettingsGroup + "DWD").value_or(tempFolder);
    helpFile = store.readString(kSettingsGroup + "HelpFile")
                   .value_or(toStdString(QDir::currentPath()) + "/help/index.htm");
    ditheringMethod = store.readInt(kSettingsGroup + "IxDithering", 0, 4).value_or(0);
    threshold = store.readInt(kSettingsGroup + "TresholdValue", 0, 255).value_or(128);
    const DitherSettings dithering = readDitherSettings(store, ditheringMethod);
    ditheringMethod = dithering.method;
    ditherOptions = dithering.options;
    cArrayOptions = dithering.cArray;
    maxPixels = storedMaxPixels();
}

int AppSettings::storedMaxPixels() {
    return SettingsStore()
        .readInt(kSettingsGroup + "MaxPixels", 1, kDefaultMaxPixels)
        .value_or(kDefaultMaxPixels);
}

void AppSettings::CreateCodec() {
    codec_ = std::make_unique<codec::CodecOwner>();
    codec_->disableThrowException();
    undoFilePath = tempFolder + "TMPUndo.bmp";
    codec_->setUndoFile(undoFilePath);
    codec_->setShowDownloadProgress(true);
    // Every resize averages the source pixels, grey pictures too.
    codec_->setAlwaysHalftone(true);
    codec_->setMaxPixels(maxPixels);
}

void AppSettings::WriteSettings() {
    SettingsStore store;
    QSettings& settings = store.settings();
    settings.setValue(kSettingsGroup + "DSD", toQString(saveFolder));
    settings.setValue(kSettingsGroup + "DWD", toQString(workingFolder));
    writeDitherSettings(store, {ditheringMethod, ditherOptions, cArrayOptions});
    settings.setValue(kSettingsGroup + "TresholdValue", threshold);
    settings.sync();
    codec_.reset();
}

void AppSettings::RemoveTempFiles() const {
    const std::string folder = withTrailingSlash(exchangeFolder());
    for (const std::string& pattern : temporaryFilePatterns(folder, undoFilePath))
        removeFilesMatching(pattern);
}

std::string AppSettings::exchangeFolder() const {
    return withoutTrailingSlash(workingFolder.empty() ? tempFolder : workingFolder);
}

std::string AppSettings::saveFolderOrTemp() const {
    return withoutTrailingSlash(saveFolder.empty() ? tempFolder : saveFolder);
}

}  // namespace app
