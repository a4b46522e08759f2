#pragma once

#include <string>
#include <string_view>

// Tells a local picture path from a URL in the names users type or pass on
// a command line.
namespace codec {

struct PictureName {
    enum class Kind { localFile, url };
    Kind kind = Kind::localFile;
    // For a local file, the path to open ("file://" removed, "~/" expanded);
    // for a URL, the name as given.
    std::string location;
};

// Local: an absolute path, a path starting with "./", "../" or "~/", a
// "file://" name, or a relative path that names an existing file or folder.
// Of the remaining names, those that look like a URL (they contain "://",
// or a "/" with no "." before it) are URLs; the rest are local files that do
// not exist.
PictureName classifyPictureName(std::string_view name);

}  // namespace codec
