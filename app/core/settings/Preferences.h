#pragma once

#include <optional>
#include <string>

#include "app/core/settings/AppSettings.h"

// The values of the settings sheet ("Preference"): dithering and folders.
namespace app {

struct Preferences {
    int ditheringMethod = 0;
    int threshold = 128;
    std::string saveFolder;
    std::string workingFolder;
};

Preferences currentPreferences(const AppSettings& settings);

// Why a folder typed into the sheet cannot be used ("" is fine: the
// temporary folder stands in), or nothing when it can: it must be an
// existing folder the program may write into.
std::optional<std::string> folderProblem(const std::string& folder);

// Takes the sheet's values after OK, in this order: the temporary files are
// removed from the folders in use until now, then the threshold, the save
// folder and the working folder are stored (a non-empty working folder also
// becomes the temporary folder), then the method. The undo file stays where
// it was put at start-up. The store is written only at exit.
void applyPreferences(AppSettings& settings, const Preferences& preferences);

}  // namespace app
