#pragma once

#include <functional>
#include <string>

namespace batch {

// Changes `path` until no file of that name exists: a.bmp becomes a(1).bmp,
// then a(2).bmp, and so on; a name already ending in a parenthesis of other
// than digits keeps it and gets "(1)" after it. `exists` tells whether a
// name is taken (by default: anything on disk under that name).
void MakeUniqueFileName(std::string& path);
void MakeUniqueFileName(std::string& path, const std::function<bool(const std::string&)>& exists);

}  // namespace batch
