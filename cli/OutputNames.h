#pragma once

#include <set>
#include <string>
#include <string_view>

namespace cli {

// The input's file name without folder and without its extension:
// "/a/b/photo.jpg" -> "photo".
std::string baseNameWithoutExtension(std::string_view input);

// The name an input's output is named after: for a URL the stem of its
// last path segment ("http://h/a/pic.gif?x=1" -> "pic"), otherwise
// baseNameWithoutExtension.
std::string inputStem(std::string_view input);

// A name in the folder for "stem.extension" that names no existing file and
// is not among the names already reserved: "a.wbmp", then "a(1).wbmp",
// "a(2).wbmp", ... The name returned is added to the reserved ones.
std::string uniqueOutputPath(const std::string& folder, const std::string& stem,
                             std::string_view extension, std::set<std::string>& reserved);

}  // namespace cli
