#pragma once

#include <iosfwd>
#include <string>

namespace cli {

// Creates the folder and any missing parents; on failure says so on err
// (prefixed with the command's name) and returns false.
bool createFolders(const std::string& folder, std::ostream& err,
                   const std::string& command = "convert");

}  // namespace cli
