#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "base/TemporaryFile.h"

namespace codec {

// A uniquely named file that a download is written into. It is removed when
// the object goes away unless it was moved to its final name first; a file
// moved into place gets the mode of the file it replaces, or that of an
// ordinary new file.
class DownloadFile {
public:
    // "tmpXXXXXX.ext" in the system's temporary folder.
    static std::optional<DownloadFile> inTemporaryFolder(std::string_view extension);
    // A hidden file beside `target`, with the target's extension, to be
    // renamed over it once the download is good.
    static std::optional<DownloadFile> beside(const std::string& target);

    const std::string& path() const { return file_.path(); }
    std::FILE* stream() const { return file_.stream(); }
    // Closes the stream; false when buffered data could not be written.
    bool close() { return file_.close(); }
    // Renames the (closed) file to `target`; afterwards it is not removed.
    bool moveTo(const std::string& target) { return file_.commit(target); }

private:
    explicit DownloadFile(bitmap::TemporaryFile file) : file_(std::move(file)) {}
    static std::optional<DownloadFile> from(std::optional<bitmap::TemporaryFile> file);

    bitmap::TemporaryFile file_;
};

// $TMPDIR, or /tmp when it is not set, with a trailing "/".
std::string systemTemporaryFolder();

// The extension of a URL's last path segment (query and fragment left
// out), or empty: "http://h/a/pic.gif?x=1" -> "gif".
std::string urlExtension(std::string_view url);

// The URL's last non-empty path segment without query and fragment, or
// empty when it has none: "http://h/a/pic.gif?x=1" -> "pic.gif".
std::string urlLastSegment(std::string_view url);

}  // namespace codec
