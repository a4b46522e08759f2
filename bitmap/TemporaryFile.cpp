#include "bitmap/TemporaryFile.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <system_error>
#include <vector>

namespace bitmap {
namespace {

// The process's umask. Linux reports it in /proc/self/status; reading it
// there leaves it alone, where umask() has to change it for a moment, which
// a file created by another thread meanwhile would feel.
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:"))
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
    }
    static std::mutex changing;
    const std::lock_guard lock(changing);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The mode a file written to `target` should have: that of the regular file
// it replaces (its permission bits: set-id bits do not survive a rewrite),
// or that of an ordinary new file.
mode_t finalMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 0777;
    return 0666 & ~currentUmask();
}

// The files and folders that removeUnfinishedTemporaryFiles() removes.
struct Unfinished {
    std::mutex lock;
    std::set<std::string> files;
    std::set<std::string> folders;
};

Unfinished& unfinished() {
    static Unfinished registry;
    return registry;
}

void track(const std::string& path) {
    Unfinished& registry = unfinished();
    const std::lock_guard hold(registry.lock);
    registry.files.insert(path);
}

void untrack(const std::string& path) {
    Unfinished& registry = unfinished();
    const std::lock_guard hold(registry.lock);
    registry.files.erase(path);
}

std::string folderPrefix(const std::string& folder) {
    if (folder.empty() || folder.ends_with('/'))
        return folder;
    return folder + "/";
}

}  // namespace

std::optional<TemporaryFile> TemporaryFile::create(const std::string& folder,
                                                   std::string_view prefix,
                                                   std::string_view suffix) {
    const std::string pattern =
        folderPrefix(folder) + std::string(prefix) + "XXXXXX" + std::string(suffix);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // Created with mode 0600 and never over an existing file.
    const int fd = ::mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    track(name.data());
    std::FILE* stream = ::fdopen(fd, "wb");
    if (!stream) {
        ::close(fd);
        ::unlink(name.data());
        untrack(name.data());
        return std::nullopt;
    }
    return TemporaryFile(name.data(), stream);
}

std::optional<TemporaryFile> TemporaryFile::beside(const std::string& target,
                                                   std::string_view prefix,
                                                   std::string_view suffix) {
    const auto slash = target.rfind('/');
    return create(slash == std::string::npos ? std::string() : target.substr(0, slash + 1), prefix,
                  suffix);
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : path_(std::move(other.path_)), stream_(other.stream_), kept_(other.kept_) {
    other.stream_ = nullptr;
    other.kept_ = true;
}

TemporaryFile::~TemporaryFile() {
    close();
    if (!kept_) {
        ::unlink(path_.c_str());
        untrack(path_);
    }
}

bool TemporaryFile::write(std::span<const uint8_t> bytes) {
    return stream_ && std::fwrite(bytes.data(), 1, bytes.size(), stream_) == bytes.size();
}

bool TemporaryFile::close() {
    if (!stream_)
        return true;
    const bool good = std::fclose(stream_) == 0;
    stream_ = nullptr;
    return good;
}

bool TemporaryFile::commit(const std::string& target) {
    if (kept_ || !close())
        return false;
    if (::chmod(path_.c_str(), finalMode(target)) != 0 ||
        ::rename(path_.c_str(), target.c_str()) != 0)
        return false;
    kept_ = true;
    untrack(path_);
    return true;
}

void removeUnfinishedTemporaryFiles() {
    Unfinished& registry = unfinished();
    const std::lock_guard hold(registry.lock);
    for (const std::string& file : registry.files)
        ::unlink(file.c_str());
    registry.files.clear();
    for (const std::string& folder : registry.folders) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}

void registerScratchFolder(const std::string& folder) {
    Unfinished& registry = unfinished();
    const std::lock_guard hold(registry.lock);
    registry.folders.insert(folder);
}

void unregisterScratchFolder(const std::string& folder) {
    Unfinished& registry = unfinished();
    const std::lock_guard hold(registry.lock);
    registry.folders.erase(folder);
}

}  // namespace bitmap
