#include "codec/url/SpooledInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>

#include "base/FileIO.h"
#include "codec/url/DownloadFile.h"

namespace codec {
namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool copyAll(int from, bitmap::TemporaryFile& to) {
    std::array<uint8_t, 65536> block{};
    uint64_t total = 0;
    for (;;) {
        const ssize_t got = ::read(from, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return to.close();
        total += static_cast<uint64_t>(got);
        if (total > bitmap::kMaxInputFileBytes ||
            !to.write(std::span(block).first(static_cast<size_t>(got))))
            return false;
    }
}

}  // namespace

std::optional<SpooledInput> SpooledInput::open(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return std::nullopt;
    if (S_ISREG(st.st_mode))
        return SpooledInput(path, std::nullopt);
    const Descriptor input(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (input.get() < 0)
        return std::nullopt;
    auto copy = bitmap::TemporaryFile::create(systemTemporaryFolder(), "glyphon-input-");
    if (!copy || !copyAll(input.get(), *copy))
        return std::nullopt;
    return SpooledInput(path, std::move(copy));
}

}  // namespace codec
