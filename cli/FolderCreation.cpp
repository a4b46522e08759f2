#include "cli/FolderCreation.h"

#include <sys/stat.h>

#include <ostream>

#include "app/core/TextFormat.h"
#include "base/FileIO.h"
#include "cli/Texts.h"

namespace cli {

bool createFolders(const std::string& folder, std::ostream& err, const std::string& command) {
    if (bitmap::directoryExists(folder))
        return true;
    for (size_t i = 0; i <= folder.size(); ++i) {
        if (i == folder.size() || (folder[i] == '/' && i > 0)) {
            const std::string path = folder.substr(0, i);
            if (!bitmap::directoryExists(path) && ::mkdir(path.c_str(), 0777) != 0 &&
                !bitmap::directoryExists(path)) {
                err << app::formatText(
                    text::kCommandMessage,
                    {command, app::formatText(text::kCannotCreateFolder, {folder})});
                return false;
            }
        }
    }
    return true;
}

}  // namespace cli
