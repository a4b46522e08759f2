#include "app/core/PathText.h"

namespace app {

std::string fileNameOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folderOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

size_t extensionDot(std::string_view path) {
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::string_view::npos;
    return dot;
}

std::string withoutExtension(std::string_view path) {
    return std::string(path.substr(0, extensionDot(path)));
}

std::string withTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string aboutFile(std::string_view path, std::string_view message) {
    std::string text(path);
    text += '\n';
    text += message;
    return text;
}

}  // namespace app
