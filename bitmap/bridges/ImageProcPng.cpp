// ImageProc's PNG reading: the codec library's decoder, its exceptions
// turned into the error text, its picture turned into an 8 bpp grey DIB.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <string_view>

#include "bitmap/AlphaComposite.h"
#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "bitmap/bridges/PngGamma.h"
#include "carvello/core/GraphicsException.h"
#include "carvello/core/InputByteStream.h"
#include "carvello/core/RasterImage.h"
#include "carvello/png/PngDecoder.h"
#include "carvello/zlib/InflateDecoder.h"

namespace bitmap {
namespace {

constexpr int32_t kPixelsPerMetreX = 3790;
constexpr int32_t kPixelsPerMetreY = 3780;

bool allGrey(std::span<const uint8_t> bgra) {
    for (size_t i = 0; i + 3 < bgra.size(); i += 4) {
        if (bgra[i] != bgra[i + 1] || bgra[i] != bgra[i + 2])
            return false;
    }
    return true;
}

BitmapInfoHeader headerFor(const carvello::RasterImage& image, uint16_t bitCount) {
    BitmapInfoHeader h;
    h.biWidth = static_cast<int32_t>(image.width());
    h.biHeight = static_cast<int32_t>(image.height());
    h.biBitCount = bitCount;
    h.biXPelsPerMeter = kPixelsPerMetreX;
    h.biYPelsPerMeter = kPixelsPerMetreY;
    h.biSizeImage = static_cast<uint32_t>(rowStride(h) * image.height());
    return h;
}

// Grey pixels need no conversion: their red byte is the index into a grey
// ramp palette.
std::optional<Dib> greyDib(const carvello::RasterImage& image) {
    auto dib = Dib::create(headerFor(image, 8));
    if (!dib)
        return std::nullopt;
    auto palette = dib->palette();
    for (size_t i = 0; i < 256 && i * 4 + 3 < palette.size(); ++i) {
        const auto grey = static_cast<uint8_t>(i);
        palette[i * 4 + 0] = grey;
        palette[i * 4 + 1] = grey;
        palette[i * 4 + 2] = grey;
        palette[i * 4 + 3] = 0;
    }
    const int height = static_cast<int>(image.height());
    for (int y = 0; y < height; ++y) {
        const auto source = image.row(static_cast<uint32_t>(y));
        auto target = dib->storedRow(height - 1 - y);
        for (size_t x = 0; x < image.width(); ++x)
            target[x] = source[x * 4 + 2];
    }
    return dib;
}

}  // namespace

std::optional<Dib> ImageProc::readPNGFile(const std::string& path, const DecodeLimits& limits) {
    if (path.empty()) {
        fail(text::kReadPNGFile, text::kCannotOpen);
        return std::nullopt;
    }
    auto refuse = [this](std::string_view text) {
        fail(text::kReadPNGFile, text);
        return std::nullopt;
    };
    const DecodeLimits bounds = within(limits);
    carvello::RasterImage image;
    PngColourSpace colourSpace;
    try {
        carvello::PngDecoder decoder;
        // Limits below zero count as zero; those above 32 bits are above
        // the decoder's own anyway.
        decoder.setLimits(
            static_cast<uint32_t>(std::clamp<int64_t>(bounds.maxDimension, 0, UINT32_MAX)),
            static_cast<uint64_t>(std::max<int64_t>(bounds.maxPixels, 0)));
        decoder.readImageFile(path, image);
        colourSpace = pngColourSpace(decoder);
    } catch (const carvello::GraphicsException& e) {
        // Every decoder and stream error (a checksum, data cut short, damaged
        // compressed data) says what went wrong; the fallback reader may
        // still read such a file.
        return refuse(e.what());
    } catch (const std::exception&) {
        // Memory running out, above all.
        return refuse(text::kUnrecognised);
    }

    // The picture keeps the decoded alpha; what becomes grey is the picture
    // as it looks on white paper, in sRGB.
    applyPngGamma(colourSpace, image.pixels());
    compositeOverWhite(image.pixels());
    if (allGrey(image.pixels())) {
        auto dib = greyDib(image);
        if (!dib)
            fail(text::kReadPNGFile, text::kOutOfMemory);
        return dib;
    }
    return changeBitmapFormatFrom32(headerFor(image, 32), image.pixels(), 0, 0, 8);
}

}  // namespace bitmap
