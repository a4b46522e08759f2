// libFuzzer entry point for the BMP reader.
#include <cstddef>
#include <cstdint>

#include "fuzz/entries/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    fuzzing::fuzzBmp(d, n);
    return 0;
}
