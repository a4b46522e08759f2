// Fuzz work for the JPEG decoder: decode arbitrary bytes from memory and turn
// the picture upright as its Exif orientation says; only the library's own
// errors may come out, and a decoded picture must have all its pixels, each
// of which is read.
#include <cstdlib>

#include "carvello/core/RasterImage.h"
#include "carvello/core/RasterOrientation.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {

void fuzzJpeg(const uint8_t* data, size_t size) {
    Carvello::RasterImage image;
    Carvello::JpegDecoder decoder;
    // Large frames are refused the same way at any limit; a small one keeps
    // the fuzzer's runs quick and its memory low.
    decoder.setPixelLimit(uint64_t{1} << 22);
    try {
        decoder.readImage(std::span<const uint8_t>(data, size), image);
    } catch (const Carvello::JpegDecoder::JpegError& error) {
        if (error.message().empty())
            std::abort();
        return;
    }
    Carvello::applyExifOrientation(image, decoder.orientation());
    if (image.pixels().size() != image.pixelCount() * 4)
        std::abort();
    unsigned sum = 0;
    for (const uint8_t b : image.pixels())
        sum += b;
    volatile unsigned sink = sum;
    (void)sink;
}

}  // namespace fuzzing
