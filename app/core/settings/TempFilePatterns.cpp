#include "app/core/settings/TempFilePatterns.h"

#include <fnmatch.h>

#include <filesystem>
#include <system_error>

#include "app/core/PathText.h"

namespace app {

std::vector<std::string> temporaryFilePatterns(const std::string& folder,
                                               const std::string& undoFilePath) {
    return {folder + "TMPClipboard*.bmp", folder + "TMPSplitSave.*", undoFilePath,
            folder + "TMPEdit*.*"};
}

void removeFilesMatching(const std::string& pattern) {
    namespace fs = std::filesystem;
    const auto slash = pattern.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
    const std::string namePattern = fileNameOf(pattern);
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return;
    for (const fs::directory_entry& entry : it) {
        std::error_code typeError;
        if (entry.is_directory(typeError))
            continue;
        const std::string name = entry.path().filename().string();
        if (::fnmatch(namePattern.c_str(), name.c_str(), FNM_CASEFOLD) != 0)
            continue;
        std::error_code removeError;
        fs::remove(entry.path(), removeError);
    }
}

}  // namespace app
