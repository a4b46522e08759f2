// Fuzz work for the BMP reader: decode arbitrary bytes; when a picture comes
// out, read every byte of it, then write it back and check it decodes to the
// same block.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "bitmap/formats/BmpFile.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {

void fuzzBmp(const uint8_t* data, size_t size) {
    auto result = bitmap::decodeBmp(std::span<const uint8_t>(data, size));
    if (!result.ok()) {
        // Every refusal must say why.
        if (result.failure().text.empty())
            std::abort();
        return;
    }
    bitmap::Dib& dib = *result;
    unsigned sum = 0;
    for (uint8_t b : dib.palette())
        sum += b;
    for (int r = 0; r < dib.height(); ++r)
        for (uint8_t b : dib.storedRow(r))
            sum += b;
    volatile unsigned sink = sum;
    (void)sink;

    bitmap::stampBmpHeader(dib);
    const auto header = bitmap::bmpFileHeader(dib);
    if (!header)
        std::abort();
    std::vector<uint8_t> file(header->begin(), header->end());
    file.insert(file.end(), dib.bytes().begin(), dib.bytes().end());
    const auto again = bitmap::decodeBmp(file);
    if (!again.ok())
        std::abort();
    const auto a = dib.bytes();
    const auto b = again->bytes();
    if (a.size() != b.size() || !std::equal(a.begin(), a.end(), b.begin()))
        std::abort();
}

}  // namespace fuzzing
