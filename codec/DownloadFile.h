#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace codec {

// A uniquely named file that a download is written into. It is removed when
// the object goes away unless it was moved to its final name first.
class DownloadFile {
public:
    // "tmpXXXXXX.ext" in the system's temporary folder.
    static std::optional<DownloadFile> inTemporaryFolder(std::string_view extension);
    // A hidden file beside `target`, with the target's extension, to be
    // renamed over it once the download is good.
    static std::optional<DownloadFile> beside(const std::string& target);

    ~DownloadFile();
    DownloadFile(DownloadFile&& other) noexcept;
    DownloadFile(const DownloadFile&) = delete;
    DownloadFile& operator=(const DownloadFile&) = delete;
    DownloadFile& operator=(DownloadFile&&) = delete;

    const std::string& path() const { return path_; }
    std::FILE* stream() const { return stream_; }
    // Closes the stream; false when buffered data could not be written.
    bool close();
    // Renames the (closed) file to `target`; afterwards it is not removed.
    bool moveTo(const std::string& target);

private:
    DownloadFile(std::string path, std::FILE* stream) : path_(std::move(path)), stream_(stream) {}
    static std::optional<DownloadFile> create(std::string pattern, size_t suffixLength);

    std::string path_;
    std::FILE* stream_;
    bool kept_ = false;
};

// The extension of a URL's last path segment (query and fragment left
// out), or empty: "http://h/a/pic.gif?x=1" -> "gif".
std::string urlExtension(std::string_view url);

// The URL's last non-empty path segment without query and fragment, or
// empty when it has none: "http://h/a/pic.gif?x=1" -> "pic.gif".
std::string urlLastSegment(std::string_view url);

}  // namespace codec
