#include "codec/PictureName.h"

#include <cstdlib>

#include "base/FileIO.h"
#include "codec/IgnoringCase.h"

namespace codec {
namespace {

bool looksLikeUrl(std::string_view name) {
    if (name.find("://") != std::string_view::npos)
        return true;
    const auto slash = name.find('/');
    if (slash == std::string_view::npos)
        return false;
    const auto dot = name.find('.');
    // "host.example/path" or "folder/name" without a dot: a URL.
    return dot == std::string_view::npos || dot < slash;
}

PictureName local(std::string path) {
    return {PictureName::Kind::localFile, std::move(path)};
}

}  // namespace

PictureName classifyPictureName(std::string_view name) {
    constexpr std::string_view kFileScheme = "file://";
    if (startsWithIgnoringCase(name, kFileScheme))
        return local(std::string(name.substr(7)));
    if (name.starts_with('/') || name.starts_with("./") || name.starts_with("../"))
        return local(std::string(name));
    if (name.starts_with("~/")) {
        const char* home = std::getenv("HOME");
        return local(std::string(home ? home : "") + std::string(name.substr(1)));
    }
    // A name that cannot be a URL is local whether it exists or not, and
    // needs no look at the file system.
    const std::string text(name);
    if (!looksLikeUrl(name) || bitmap::pathExists(text))
        return local(text);
    return {PictureName::Kind::url, text};
}

}  // namespace codec
