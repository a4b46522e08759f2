#include "cli/FolderCreation.h"

#include <sys/stat.h>

#include <ostream>

#include "bitmap/FileIO.h"

namespace cli {

bool createFolders(const std::string& folder, std::ostream& err, const std::string& command) {
    if (bitmap::directoryExists(folder))
        return true;
    for (size_t i = 0; i <= folder.size(); ++i) {
        if (i == folder.size() || (folder[i] == '/' && i > 0)) {
            const std::string path = folder.substr(0, i);
            if (!bitmap::directoryExists(path) && ::mkdir(path.c_str(), 0777) != 0 &&
                !bitmap::directoryExists(path)) {
                err << "glyphon-cli " << command << ": cannot create folder '" << folder << "'\n";
                return false;
            }
        }
    }
    return true;
}

}  // namespace cli
