#include "app/core/settings/Preferences.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "app/core/Texts.h"

namespace app {

Preferences currentPreferences(const AppSettings& settings) {
    return {settings.ditheringMethod, settings.threshold, settings.saveFolder,
            settings.workingFolder};
}

std::optional<std::string> folderProblem(const std::string& folder) {
    if (folder.empty())
        return std::nullopt;
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    if (error || !std::filesystem::exists(status))
        return std::string(text::kFolderMissing);
    if (!std::filesystem::is_directory(status))
        return std::string(text::kNotAFolder);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return std::string(text::kFolderNotWritable);
    return std::nullopt;
}

void applyPreferences(AppSettings& settings, const Preferences& preferences) {
    settings.removeTempFiles();
    settings.threshold = preferences.threshold;
    settings.saveFolder = preferences.saveFolder;
    settings.workingFolder = preferences.workingFolder;
    if (!preferences.workingFolder.empty()) {
        settings.tempFolder = preferences.workingFolder;
        if (settings.tempFolder.back() != '/')
            settings.tempFolder += '/';
    }
    settings.ditheringMethod = preferences.ditheringMethod;
}

}  // namespace app
