// Fuzz work for the PNG decoder and its inflate decoder: arbitrary bytes go
// in; the only acceptable ways out are a picture or one of the library's
// exceptions. A picture is then turned into sRGB as its gAMA, sRGB and
// iCCP chunks say, as the program's reader does.
#include <cstdlib>
#include <vector>

#include "bitmap/bridges/PngGamma.h"
#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/GraphicsException.h"
#include "carvello/core/RasterImage.h"
#include "carvello/png/PngDecoder.h"
#include "carvello/zlib/Checksums.h"
#include "carvello/zlib/InflateDecoder.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {

namespace {

// A copy of the bytes with every chunk's CRC made right, so that mutations
// reach the chunk handlers and the image data instead of stopping at the
// CRC check.
std::vector<uint8_t> withFixedCrcs(const uint8_t* data, size_t size) {
    std::vector<uint8_t> copy(data, data + size);
    size_t at = 8;
    while (at + 12 <= copy.size()) {
        const uint64_t length = (uint64_t{copy[at]} << 24) | (uint64_t{copy[at + 1]} << 16) |
                                (uint64_t{copy[at + 2]} << 8) | copy[at + 3];
        if (length == 0 || length > copy.size() - at - 12)
            break;
        const auto typeAndData = std::span<const uint8_t>(copy).subspan(at + 4, length + 4);
        const uint32_t crc = carvello::updateCrc32(0, typeAndData);
        uint8_t* out = copy.data() + at + 8 + length;
        out[0] = static_cast<uint8_t>(crc >> 24);
        out[1] = static_cast<uint8_t>(crc >> 16);
        out[2] = static_cast<uint8_t>(crc >> 8);
        out[3] = static_cast<uint8_t>(crc);
        at += 12 + length;
    }
    return copy;
}

void decodeOnce(const uint8_t* data, size_t size) {
    carvello::BufferedByteStream stream(std::span<const uint8_t>(data, size));
    carvello::RasterImage image;
    carvello::PngDecoder decoder;
    try {
        decoder.readImage(stream, image);
    } catch (const carvello::GraphicsException& e) {
        // Stream and inflate errors included: every refusal says why.
        if (*e.what() == '\0')
            std::abort();
        return;
    }
    // Every pixel must be there and readable, however the rows grew.
    if (image.pixels().size() != image.pixelCount() * 4 || image.pixelCount() == 0 ||
        image.width() != decoder.width() || image.height() != decoder.height())
        std::abort();
    bitmap::applyPngGamma(bitmap::pngColourSpace(decoder), image.pixels());
    unsigned sum = 0;
    for (uint8_t b : image.pixels())
        sum += b;
    volatile unsigned sink = sum;
    (void)sink;
}

}  // namespace

void fuzzPng(const uint8_t* data, size_t size) {
    decodeOnce(data, size);
    const auto fixed = withFixedCrcs(data, size);
    decodeOnce(fixed.data(), fixed.size());
}

void fuzzInflate(const uint8_t* data, size_t size) {
    carvello::BufferedByteStream stream(std::span<const uint8_t>(data, size));
    carvello::PNGInflateDecoder decoder;
    // Asks for pieces of varying size until the data or the stream ends.
    std::vector<uint8_t> out(4099);
    try {
        decoder.openStream(stream);
        size_t request = 1;
        for (size_t total = 0; total < (size_t{64} << 20); total += request) {
            request = request % out.size() + 1 + total % 7;
            decoder.decompress(stream, std::span(out).first(std::min(request, out.size())));
        }
    } catch (const carvello::InputByteStream::StreamError&) {
    } catch (const carvello::PNGInflateDecoder::StreamError&) {
    }
}

}  // namespace fuzzing
