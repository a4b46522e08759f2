#include <cstddef>
#include <cstdint>

#include "fuzz/entries/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::fuzzCodecLoad(data, size);
    return 0;
}
