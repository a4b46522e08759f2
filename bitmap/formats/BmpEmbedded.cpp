#include "bitmap/formats/BmpEmbedded.h"

#include <algorithm>
#include <exception>
#include <string>

#include "base/TextFormat.h"
#include "bitmap/AlphaComposite.h"
#include "bitmap/Texts.h"
#include "bitmap/bridges/PngGamma.h"
#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/GraphicsException.h"
#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/png/PngDecoder.h"

namespace bitmap {
namespace {

carvello::Failure unreadable(BmpCoding coding, std::string_view why) {
    return {0, formatText(text::kBmpEmbeddedUnreadable,
                          {coding == BmpCoding::png ? "PNG" : "JPEG", why})};
}

void decode(std::span<const uint8_t> data, BmpCoding coding, const DecodeLimits& limits,
            carvello::RasterImage& image) {
    const auto pixels = static_cast<uint64_t>(
        std::max<int64_t>(std::min(limits.maxPixels, static_cast<int64_t>(kMaxPixels)), 0));
    if (coding == BmpCoding::jpeg) {
        carvello::JpegDecoder decoder;
        decoder.setPixelLimit(pixels);
        decoder.readImage(data, image);
        return;
    }
    carvello::BufferedByteStream stream(data);
    carvello::PngDecoder decoder;
    decoder.setLimits(
        static_cast<uint32_t>(std::clamp<int64_t>(
            std::min(limits.maxDimension, static_cast<int64_t>(kMaxDimension)), 0, UINT32_MAX)),
        pixels);
    decoder.readImage(stream, image);
    applyPngGamma(pngColourSpace(decoder), image.pixels());
}

}  // namespace

carvello::Outcome<Dib> decodeEmbeddedPicture(std::span<const uint8_t> data, BmpCoding coding,
                                             const DecodeLimits& limits) {
    carvello::RasterImage image;
    try {
        decode(data, coding, limits, image);
    } catch (const carvello::GraphicsException& e) {
        return unreadable(coding, e.what());
    } catch (const std::exception&) {
        return carvello::Failure{0, std::string(text::kOutOfMemory)};
    }
    if (!limits.allows(image.width(), image.height()))
        return carvello::Failure{0, std::string(text::kBmpTooLarge)};
    BitmapInfoHeader h;
    h.biWidth = static_cast<int32_t>(image.width());
    h.biHeight = static_cast<int32_t>(image.height());
    h.biBitCount = 32;
    h.biSizeImage = static_cast<uint32_t>(image.pixels().size());
    auto dib = Dib::create(h);
    if (!dib)
        return carvello::Failure{0, std::string(text::kOutOfMemory)};
    compositeOverWhite(image.pixels());
    // The library's rows run top row first, ours bottom row first.
    for (uint32_t y = 0; y < image.height(); ++y)
        std::ranges::copy(image.row(y),
                          dib->storedRow(static_cast<int>(image.height() - 1 - y)).begin());
    return std::move(*dib);
}

}  // namespace bitmap
