#pragma once

#include <string>
#include <string_view>

// Taking paths apart as texts, the way every command names its files:
// "/" separates folders, and an extension is the text from the last "."
// within the file name (a "." in a folder name is never one).
namespace app {

// The text after the last "/" (the whole path when there is none).
std::string fileNameOf(std::string_view path);
// The text before the last "/" (empty when there is none).
std::string folderOf(std::string_view path);
// Position of the "." that starts the file name's extension, or npos.
size_t extensionDot(std::string_view path);
// The path without its extension.
std::string withoutExtension(std::string_view path);
// The folder with a "/" at its end.
std::string withTrailingSlash(std::string folder);
// A message about a file as a box shows it: the file on the first line, so
// the user knows which one it is about, then the message.
std::string aboutFile(std::string_view path, std::string_view message);

}  // namespace app
