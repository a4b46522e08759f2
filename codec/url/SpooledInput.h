#pragma once

#include <optional>
#include <string>

#include "base/TemporaryFile.h"

namespace codec {

// An input the codec may open as often as loading needs. A regular file is
// used where it is. Anything else -- a named pipe, /dev/stdin, a terminal --
// can be read only once, so it is read once, up to bitmap's input size
// limit, into a temporary file in the system's temporary folder, which is
// removed with this object.
class SpooledInput {
public:
    // Nothing when the input cannot be opened or read, or holds more than
    // the limit.
    static std::optional<SpooledInput> open(const std::string& path);

    // The file to read: the input itself, or its copy.
    const std::string& path() const { return copy_ ? copy_->path() : path_; }

private:
    SpooledInput(std::string path, std::optional<bitmap::TemporaryFile> copy)
        : path_(std::move(path)), copy_(std::move(copy)) {}

    std::string path_;
    std::optional<bitmap::TemporaryFile> copy_;
};

}  // namespace codec
