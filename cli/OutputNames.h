#pragma once

#include <string>
#include <string_view>

namespace cli {

// The input's file name without folder and without its extension:
// "/a/b/photo.jpg" -> "photo".
std::string baseNameWithoutExtension(std::string_view input);

// A name in the folder for "stem.extension" that names no existing file:
// "a.wbmp", then "a(1).wbmp", "a(2).wbmp", ...
std::string uniqueOutputPath(const std::string& folder, const std::string& stem,
                             std::string_view extension);

}  // namespace cli
