#include "codec/url/DownloadFile.h"

#include <cctype>
#include <cstdlib>

namespace codec {
namespace {}  // namespace

std::string systemTemporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    std::string path = folder && *folder ? folder : "/tmp";
    if (!path.ends_with('/'))
        path += '/';
    return path;
}

namespace {

// Only short extensions made of letters, digits and "-" are kept, so a URL
// cannot put separators or odd characters into a file name.
std::string safeExtension(std::string_view extension) {
    if (extension.empty() || extension.size() > 16)
        return {};
    for (const char c : extension) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
            return {};
    }
    return "." + std::string(extension);
}

std::string_view withoutSchemeAndHost(std::string_view url) {
    const auto scheme = url.find("://");
    if (scheme == std::string_view::npos)
        return url;
    const auto path = url.find('/', scheme + 3);
    return path == std::string_view::npos ? std::string_view{} : url.substr(path);
}

}  // namespace

std::string urlLastSegment(std::string_view url) {
    std::string_view path = withoutSchemeAndHost(url);
    path = path.substr(0, path.find_first_of("?#"));
    while (path.ends_with('/'))
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string urlExtension(std::string_view url) {
    const std::string segment = urlLastSegment(url);
    const auto dot = segment.rfind('.');
    return dot == std::string::npos ? std::string{} : segment.substr(dot + 1);
}

std::optional<DownloadFile> DownloadFile::from(std::optional<bitmap::TemporaryFile> file) {
    if (!file)
        return std::nullopt;
    return DownloadFile(std::move(*file));
}

std::optional<DownloadFile> DownloadFile::inTemporaryFolder(std::string_view extension) {
    return from(
        bitmap::TemporaryFile::create(systemTemporaryFolder(), "tmp", safeExtension(extension)));
}

std::optional<DownloadFile> DownloadFile::beside(const std::string& target) {
    const auto slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    const auto dot = name.rfind('.');
    const std::string suffix =
        dot == std::string::npos ? "" : safeExtension(std::string_view(name).substr(dot + 1));
    return from(bitmap::TemporaryFile::beside(target, ".download-", suffix));
}

}  // namespace codec
