#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/core/settings/IniSettingsText.h"

namespace app {

// The files Qt's QSettings reads the program's store from, first the one
// whose values win: the user's file for the program and for its
// organisation, then the system's two. Nothing when the environment points
// QSettings somewhere not worked out here (a relative XDG_CONFIG_HOME or
// HOME, other XDG_CONFIG_DIRS).
std::optional<std::vector<std::string>> settingsFilePaths();

// Every value of those files, the first file's winning, read without Qt;
// nothing when a file cannot be read or is not plain (see IniSettingsText.h).
// A file that does not exist holds no values.
std::optional<IniValues> readPlainSettingsFiles(const std::vector<std::string>& paths);

}  // namespace app
