#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/FileIO.h"
#include "codec/Codec.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {
namespace {

// One scratch folder per process in $TMPDIR (or /tmp), removed at exit. The
// name lives in static storage that is never destroyed, so the exit
// handler can still read it after the program's objects are gone.
const char* scratchFolder() {
    static char folder[4096];
    static const bool made = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::snprintf(folder, sizeof folder, "%s/glyphon-fuzz-XXXXXX", tmp && *tmp ? tmp : "/tmp");
        if (!::mkdtemp(folder))
            std::abort();
        std::atexit([] { ::rmdir(folder); });
        return true;
    }();
    (void)made;
    return folder;
}

}  // namespace

void fuzzCodecLoad(const uint8_t* data, size_t size) {
    // The codec reads files, so the bytes go through one; the content, not
    // the name, decides the format.
    const std::string path = std::string(scratchFolder()) + "/input.bin";
    const std::span<const uint8_t> piece(data, size);
    const std::span<const uint8_t> pieces[] = {piece};
    if (bitmap::writeFileAtomically(path, pieces) != bitmap::WriteStatus::ok)
        return;

    codec::Codec codec;
    codec.setThrowException(false);
    if (codec.loadImageFile(path) && codec.imageInfo()) {
        codec.preview(-1, -1, 9, 7, 4, 128);
        if (codec.resizeTo(40, 30, 0) && codec.convertBmpToMonochrome(4, 128))
            codec.convertBmpToWbmp(0);
    }
    std::remove(path.c_str());
}

}  // namespace fuzzing
