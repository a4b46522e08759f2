// libFuzzer entry point for the inflate decoder, over bare zlib streams.
#include <cstddef>
#include <cstdint>

#include "fuzz/entries/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    fuzzing::fuzzInflate(d, n);
    return 0;
}
