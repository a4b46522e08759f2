#include <algorithm>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "bitmap/Dib.h"
#include "bitmap/gif/GifErrors.h"
#include "bitmap/gif/GifReader.h"
#include "bitmap/gif/GifWriter.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {
namespace {

// Pictures up to this many pixels are also written back and read again.
constexpr int64_t kRoundTripLimit = int64_t{1} << 20;
// Screens above this size are left out: each would zero up to 256 MB and
// slow the fuzzer a hundredfold, while the reader's handling of them is the
// same size check and allocation as for smaller ones (the tests cover the limit).
constexpr int64_t kScreenLimit = int64_t{1} << 22;

uint8_t touchRows(const bitmap::Dib& picture) {
    uint8_t sum = 0;
    for (int r = 0; r < picture.height(); ++r)
        for (const uint8_t v : picture.storedRow(r))
            sum = static_cast<uint8_t>(sum + v);
    return sum;
}

// The picture written by our writer must read back with the same pixels and
// the same colours.
void checkRoundTrip(const bitmap::Dib& picture) {
    std::vector<uint8_t> file;
    if (bitmap::GifWriter(picture).encode(true, file) != 0)
        std::abort();
    bitmap::GifReader reader(file);
    if (reader.load() != 0)
        std::abort();
    const auto back = reader.takePicture();
    if (!back || back->width() != picture.width() || back->height() != picture.height())
        std::abort();
    const auto before = picture.palette();
    const auto after = back->palette();
    if (after.size() < before.size() || !std::equal(before.begin(), before.end(), after.begin()))
        std::abort();
    const auto width = static_cast<size_t>(picture.width());
    for (int r = 0; r < picture.height(); ++r) {
        const auto a = picture.storedRow(r).first(width);
        const auto b = back->storedRow(r).first(width);
        if (!std::equal(a.begin(), a.end(), b.begin(), b.end()))
            std::abort();
    }
}

}  // namespace

void fuzzGif(const uint8_t* data, size_t size) {
    if (size >= 10 && int64_t{data[6] | data[7] << 8} * (data[8] | data[9] << 8) > kScreenLimit)
        return;
    bitmap::GifReader reader(std::span(data, size));
    const int code = reader.load();
    auto picture = reader.takePicture();
    if (code != 0) {
        if (picture || bitmap::gifErrorMessage(code).empty())
            std::abort();
        return;
    }
    if (!picture || picture->bitCount() != 8 || picture->width() <= 0 || picture->height() <= 0)
        std::abort();
    volatile uint8_t sink = touchRows(*picture);
    (void)sink;
    if (int64_t{picture->width()} * picture->height() <= kRoundTripLimit)
        checkRoundTrip(*picture);
}

}  // namespace fuzzing
