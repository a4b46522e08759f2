// Fuzz work for the JPEG decoder: decode arbitrary bytes from memory in
// colour at full size, again into colour rows of three bytes a pixel, which
// must hold the same pixels, and again as a grey picture reduced by 1, 2, 4
// or 8 (chosen by the input's length), turning each upright as its Exif
// orientation says; only the library's own errors may come out, and a
// decoded picture must have all its pixels, each of which is read.
#include <cstdlib>

#include <algorithm>

#include "carvello/core/ColourImage.h"
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
bool decode(carvello::JpegDecoder& decoder, Picture& image, Read read) {
    try {
        read(decoder, image);
    } catch (const carvello::JpegDecoder::JpegError& error) {
        if (error.message().empty())
            std::abort();
        return false;
    }
    carvello::applyExifOrientation(image, decoder.orientation());
    return true;
}

// The pixels of the four-byte picture without their alpha.
bool samePixels(const carvello::RasterImage& image, const carvello::ColourImage& colour) {
    if (image.width() != colour.width() || image.height() != colour.height())
        return false;
    const auto four = image.pixels();
    const auto three = colour.pixels();
    for (size_t i = 0; i < image.pixelCount(); ++i)
        if (!std::equal(&three[3 * i], &three[3 * i] + 3, &four[4 * i]))
            return false;
    return true;
}

}  // namespace

void fuzzJpeg(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    // Large frames are refused the same way at any limit; a small one keeps
    // the fuzzer's runs quick and its memory low.
    constexpr uint64_t kLimit = uint64_t{1} << 22;
    {
        carvello::RasterImage image;
        carvello::JpegDecoder decoder;
        decoder.setPixelLimit(kLimit);
        const bool read = decode(decoder, image, [&](auto& d, auto& i) { d.readImage(bytes, i); });
        if (read)
            readAll(image, 4);
        carvello::ColourImage colour;
        carvello::JpegDecoder colourDecoder;
        colourDecoder.setPixelLimit(kLimit);
        const bool readColour =
            decode(colourDecoder, colour, [&](auto& d, auto& i) { d.readColourImage(bytes, i); });
        if (readColour)
            readAll(colour, 3);
        if (readColour != read || !samePixels(image, colour))
            std::abort();
    }
    carvello::GreyImage grey;
    carvello::JpegDecoder decoder;
    decoder.setPixelLimit(kLimit);
    const unsigned reduction = 1u << (size % 4);
    decoder.setScaleChooser([reduction](uint32_t, uint32_t) { return reduction; });
    const bool read = decode(decoder, grey, [&](auto& d, auto& i) { d.readGreyImage(bytes, i); });
    if (read)
        readAll(grey, 1);
    // A reduced picture reads the stream exactly as a full one does, also
    // where it passes over coefficients it does not need: both refuse the
    // same data.
    if (reduction != 1) {
        carvello::GreyImage full;
        carvello::JpegDecoder fullDecoder;
        fullDecoder.setPixelLimit(kLimit);
        if (decode(fullDecoder, full, [&](auto& d, auto& i) { d.readGreyImage(bytes, i); }) != read)
            std::abort();
    }
}

}  // namespace fuzzing
