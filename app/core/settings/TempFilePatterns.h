#pragma once

#include <string>
#include <vector>

namespace app {

// The patterns of the program's temporary files in `folder` (which ends in
// "/"): the clipboard and split exchange files, the undo file, the edit
// exchange files.
std::vector<std::string> temporaryFilePatterns(const std::string& folder,
                                               const std::string& undoFilePath);

// Deletes every file (not folder) in the pattern's folder whose name matches
// the pattern's last part ("*" and "?" as wildcards, letters compared
// without regard to case). Files that cannot be deleted are left.
void removeFilesMatching(const std::string& pattern);

}  // namespace app
