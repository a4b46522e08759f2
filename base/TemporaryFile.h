#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace bitmap {

// A new file under a unique name, written through a stdio stream, that is
// either moved to its final name once complete (commit) or removed when the
// object goes away. Only its owner can read it while it is being written;
// commit gives it the mode of the file it replaces, or the mode an ordinary
// new file gets (0666 less the umask).
class TemporaryFile {
public:
    // PREFIX + six random characters + SUFFIX in `folder` ("" is the current
    // folder, otherwise a folder name with or without the trailing "/").
    static std::optional<TemporaryFile> create(const std::string& folder, std::string_view prefix,
                                               std::string_view suffix = {});
    // The same in the folder of `target`, the file it is meant to become.
    static std::optional<TemporaryFile> beside(const std::string& target, std::string_view prefix,
                                               std::string_view suffix = {});

    ~TemporaryFile();
    TemporaryFile(TemporaryFile&& other) noexcept;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    TemporaryFile& operator=(TemporaryFile&&) = delete;

    const std::string& path() const { return path_; }
    // The open stream, or null once closed.
    std::FILE* stream() const { return stream_; }
    // False when the file is closed or the bytes could not be written.
    bool write(std::span<const uint8_t> bytes);
    // Closes the stream; false when buffered data could not be written.
    bool close();
    // Closes the file, gives it its final mode and renames it to `target`,
    // replacing any file there; afterwards it is no longer removed.
    bool commit(const std::string& target);

private:
    TemporaryFile(std::string path, std::FILE* stream, unsigned newFileMode)
        : path_(std::move(path)), stream_(stream), newFileMode_(newFileMode) {}

    std::string path_;
    std::FILE* stream_;
    // The permission bits the kernel gave the file when it was created
    // (0666 less the umask, or what the folder's default ACL says): the
    // mode of an ordinary new file in that folder.
    unsigned newFileMode_ = 0600;
    bool kept_ = false;
};

// The folder part of a file's path with its trailing "/" ("" for a name in
// the current folder): where a file written in place of it belongs.
std::string folderPartOf(const std::string& path);

// Removes every temporary file of this process that is neither committed nor
// removed yet, and the registered scratch folders with their contents. For
// a program that ends on a signal: call it from an ordinary thread (it takes
// a lock, so never from a signal handler), then end the program.
void removeUnfinishedTemporaryFiles();

// Has `prepare` run once, before the process makes its first temporary
// file or registers its first scratch folder (at once if it has already):
// for a program that readies its clean-up only when there is something to
// clean up.
void beforeFirstScratchFile(void (*prepare)());
// Runs that preparation now unless it has run: for a caller about to make
// a scratch folder itself (mkdtemp) before registering it.
void prepareForScratchFiles();

// A folder of the program's own scratch files, removed (with everything in
// it) by removeUnfinishedTemporaryFiles() until it is unregistered.
void registerScratchFolder(const std::string& folder);
void unregisterScratchFolder(const std::string& folder);

}  // namespace bitmap
