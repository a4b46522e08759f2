#include "base/TemporaryFile.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>
#include <system_error>

namespace bitmap {
namespace {

// The mode a file written to `target` should have: that of the regular file
// it replaces (its permission bits: set-id bits do not survive a rewrite),
// or `newFileMode`.
mode_t finalMode(const std::string& target, mode_t newFileMode) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 0777;
    return newFileMode;
}

// A seed from the kernel's generator, mixed with the process: asking
// std::random_device instead asks the processor what it offers first, which
// costs tens of microseconds in a virtual machine.
uint64_t randomSeed() {
    uint64_t seed = 0;
    if (::getrandom(&seed, sizeof seed, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof seed))
        seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return seed ^ (static_cast<uint64_t>(::getpid()) << 32);
}

// Six characters for a unique name.
std::string randomLetters() {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 random{randomSeed()};
    std::string letters(6, ' ');
    for (char& letter : letters)
        letter = kLetters[random() % (sizeof kLetters - 1)];
    return letters;
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

// What runs before the first temporary file or scratch folder, and whether
// that moment has come.
struct FirstScratch {
    std::mutex lock;
    void (*prepare)() = nullptr;
    bool reached = false;
};

FirstScratch& firstScratch() {
    static FirstScratch first;
    return first;
}

}  // namespace

void prepareForScratchFiles() {
    FirstScratch& first = firstScratch();
    const std::lock_guard hold(first.lock);
    if (first.reached)
        return;
    first.reached = true;
    if (first.prepare)
        first.prepare();
}

namespace {

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
    // Created as an ordinary new file (so the kernel applies the umask and
    // the folder's default ACL, and the mode it gives is the one a new file
    // keeps), never over an existing file, and made private at once, before
    // anything is written.
    prepareForScratchFiles();
    const std::string start = folderPrefix(folder) + std::string(prefix);
    std::string name;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        name = start + randomLetters() + std::string(suffix);
        fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return std::nullopt;
    }
    if (fd < 0)
        return std::nullopt;
    track(name);
    struct stat created {};
    std::FILE* stream = nullptr;
    if (::fstat(fd, &created) == 0 && ::fchmod(fd, 0600) == 0)
        stream = ::fdopen(fd, "wb");
    if (!stream) {
        ::close(fd);
        ::unlink(name.c_str());
        untrack(name);
        return std::nullopt;
    }
    return TemporaryFile(name, stream, created.st_mode & 0777);
}

std::string folderPartOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<TemporaryFile> TemporaryFile::beside(const std::string& target,
                                                   std::string_view prefix,
                                                   std::string_view suffix) {
    return create(folderPartOf(target), prefix, suffix);
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : path_(std::move(other.path_)),
      stream_(other.stream_),
      newFileMode_(other.newFileMode_),
      kept_(other.kept_) {
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
    if (::chmod(path_.c_str(), finalMode(target, newFileMode_)) != 0 ||
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

void beforeFirstScratchFile(void (*prepare)()) {
    FirstScratch& first = firstScratch();
    const std::lock_guard hold(first.lock);
    if (first.reached)
        prepare();
    else
        first.prepare = prepare;
}

void registerScratchFolder(const std::string& folder) {
    prepareForScratchFiles();
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
