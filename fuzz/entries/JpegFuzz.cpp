// Fuzz work for the JPEG decoder: decode arbitrary bytes from memory in
// colour at full size, and again as a grey picture reduced by 1, 2, 4 or 8
// (chosen by the input's length), turning each upright as its Exif
// orientation says; only the library's own errors may come out, and a
// decoded picture must have all its pixels, each of which is read.
#include <cstdlib>

#include "carvello/core/GreyImage.h"
#include "carvello/core/RasterImage.h"
#include "carvello/core/RasterOrientation.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {

namespace {

template <typename Picture>
void readAll(const Picture& image, size_t bytesPerPixel) {
    if (image.pixels().size() != image.pixelCount() * bytesPerPixel)
        std::abort();
    unsigned sum = 0;
    for (const uint8_t b : image.pixels())
        sum += b;
    volatile unsigned sink = sum;
    (void)sink;
}

// Decodes into the picture; false when the decoder refused the data.
template <typename Picture, typename Read>
bool decode(Carvello::JpegDecoder& decoder, Picture& image, Read read) {
    try {
        read(decoder, image);
    } catch (const Carvello::JpegDecoder::JpegError& error) {
        if (error.message().empty())
            std::abort();
        return false;
    }
    Carvello::applyExifOrientation(image, decoder.orientation());
    return true;
}

}  // namespace

void fuzzJpeg(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    // Large frames are refused the same way at any limit; a small one keeps
    // the fuzzer's runs quick and its memory low.
    constexpr uint64_t kLimit = uint64_t{1} << 22;
    {
        Carvello::RasterImage image;
        Carvello::JpegDecoder decoder;
        decoder.setPixelLimit(kLimit);
        if (decode(decoder, image, [&](auto& d, auto& i) { d.readImage(bytes, i); }))
            readAll(image, 4);
    }
    Carvello::GreyImage grey;
    Carvello::JpegDecoder decoder;
    decoder.setPixelLimit(kLimit);
    const unsigned reduction = 1u << (size % 4);
    decoder.setScaleChooser([reduction](uint32_t, uint32_t) { return reduction; });
    if (decode(decoder, grey, [&](auto& d, auto& i) { d.readGreyImage(bytes, i); }))
        readAll(grey, 1);
}

}  // namespace fuzzing
