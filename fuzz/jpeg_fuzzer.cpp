// libFuzzer entry point for the JPEG decoder.
#include <cstddef>
#include <cstdint>

#include "fuzz/entries/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    fuzzing::fuzzJpeg(d, n);
    return 0;
}
