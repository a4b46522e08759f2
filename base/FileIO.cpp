#include "base/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "base/TemporaryFile.h"

namespace bitmap {
namespace {

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

FileContents readWholeFile(const std::string& path, uint64_t maxBytes) {
    FileContents result;
    if (path.empty())
        return result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return result;
    FdCloser closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return result;
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        result.status = ReadStatus::tooLarge;
        return result;
    }
    try {
        result.bytes.resize(static_cast<size_t>(st.st_size));
    } catch (const std::bad_alloc&) {
        result.status = ReadStatus::tooLarge;
        return result;
    }
    size_t done = 0;
    while (done < result.bytes.size()) {
        const ssize_t n = ::read(fd, result.bytes.data() + done, result.bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.status = ReadStatus::readError;
            result.bytes.clear();
            return result;
        }
        if (n == 0)
            break;  // the file shrank while we read it
        done += static_cast<size_t>(n);
    }
    result.bytes.resize(done);
    result.status = ReadStatus::ok;
    return result;
}

std::optional<std::vector<uint8_t>> readFilePrefix(const std::string& path, size_t maxBytes) {
    auto prefix = readFilePrefixAndSize(path, maxBytes);
    if (!prefix)
        return std::nullopt;
    return std::move(prefix->bytes);
}

std::optional<FilePrefix> readFilePrefixAndSize(const std::string& path, size_t maxBytes) {
    if (path.empty())
        return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    FdCloser closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))
        return std::nullopt;
    std::vector<uint8_t> bytes(maxBytes);
    size_t done = 0;
    while (done < maxBytes) {
        const ssize_t n = ::read(fd, bytes.data() + done, maxBytes - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return FilePrefix{std::move(bytes), static_cast<uint64_t>(st.st_size)};
}

namespace {

// Writes every piece, however the kernel splits the writes.
bool writeAll(int fd, std::span<const std::span<const uint8_t>> pieces) {
    for (const auto& piece : pieces) {
        size_t done = 0;
        while (done < piece.size()) {
            const ssize_t n = ::write(fd, piece.data() + done, piece.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += static_cast<size_t>(n);
        }
    }
    return true;
}

// Writes a file that does not exist yet as an unnamed file in the target's
// folder (O_TMPFILE) and links it under its name once it is complete. No
// temporary name ever shows in the folder, a process killed while writing
// leaves nothing behind, and the kernel gives the file the mode an ordinary
// new file gets there (umask, default ACL). Creating and renaming a named
// file instead costs the folder two more changes, which is most of the
// writing time of a small picture.
// Nothing when this way is not open here: a file system without unnamed
// files, no /proc, or a file that took the name meanwhile (which the
// caller's rename then replaces, as it replaces any file).
std::optional<WriteStatus> writeUnnamedThenLink(const std::string& path,
                                                std::span<const std::span<const uint8_t>> pieces) {
    const std::string folder = folderPartOf(path);
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return std::nullopt;
    FdCloser closer{fd};
    if (!writeAll(fd, pieces))
        return WriteStatus::writeError;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return std::nullopt;
    return WriteStatus::ok;
}

}  // namespace

WriteStatus writeFileAtomically(const std::string& path,
                                std::span<const std::span<const uint8_t>> pieces) {
    if (path.empty())
        return WriteStatus::cannotOpen;
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return WriteStatus::cannotOpen;
    if (!exists) {
        if (const auto status = writeUnnamedThenLink(path, pieces))
            return *status;
    }
    // A file to replace (its mode is kept), or no unnamed files here: a
    // temporary file beside the target, renamed over it once complete.
    auto file = TemporaryFile::beside(path, ".glyphon-");
    if (!file)
        return WriteStatus::cannotOpen;
    for (const auto& piece : pieces) {
        if (!file->write(piece))
            return WriteStatus::writeError;
    }
    return file->commit(path) ? WriteStatus::ok : WriteStatus::writeError;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool pathExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool directoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace bitmap
