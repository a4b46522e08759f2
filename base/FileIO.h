#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Whole-file reads with a size cap, and writes that never leave a
// half-written file behind.
namespace bitmap {

// Files larger than this are refused by readWholeFile: no picture the
// program handles comes near it.
constexpr uint64_t kMaxInputFileBytes = uint64_t{1} << 30;

enum class ReadStatus { ok, cannotOpen, tooLarge, readError };

struct FileContents {
    ReadStatus status = ReadStatus::cannotOpen;
    std::vector<uint8_t> bytes;
};

// Reads a regular file completely. Directories and missing files give
// cannotOpen.
FileContents readWholeFile(const std::string& path, uint64_t maxBytes = kMaxInputFileBytes);

// Reads at most maxBytes from the start of a file.
std::optional<std::vector<uint8_t>> readFilePrefix(const std::string& path, size_t maxBytes);

// The same with the size of the whole file, taken from the file read.
struct FilePrefix {
    std::vector<uint8_t> bytes;
    uint64_t fileSize = 0;
};
std::optional<FilePrefix> readFilePrefixAndSize(const std::string& path, size_t maxBytes);

enum class WriteStatus { ok, cannotOpen, writeError };

// Writes the pieces one after another into a file that gets the target's
// name only once everything is written (a new file is written unnamed and
// linked; a replacement is a temporary file beside the target, renamed over
// it), so a failed write leaves any existing file untouched and no partial
// file behind. A replaced file's mode is kept; a new file gets 0666 less the
// umask.
WriteStatus writeFileAtomically(const std::string& path,
                                std::span<const std::span<const uint8_t>> pieces);

bool fileExists(const std::string& path);  // a regular file
bool pathExists(const std::string& path);  // anything: file, folder, ...
bool directoryExists(const std::string& path);

}  // namespace bitmap
