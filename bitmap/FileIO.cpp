#include "bitmap/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>

#include "bitmap/TemporaryFile.h"

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

WriteStatus writeFileAtomically(const std::string& path,
                                std::span<const std::span<const uint8_t>> pieces) {
    if (path.empty() || directoryExists(path))
        return WriteStatus::cannotOpen;
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
