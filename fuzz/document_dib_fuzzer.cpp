// libFuzzer entry point for the document's BMP reading.
#include <cstddef>
#include <cstdint>

#include "fuzz/entries/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    fuzzing::fuzzDocumentDib(d, n);
    return 0;
}
