// The bridge from the bitmap core to the codec library's PNG encoder.
#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <span>
#include <vector>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "carvello/core/RasterImage.h"
#include "carvello/png/PngEncoder.h"

namespace bitmap {
namespace {

// Colour of every index as blue, green, red, reserved. Indices past the
// picture's colour table come out black, as the depth converter treats them.
std::array<uint8_t, 256 * 4> colourLookup(const Dib& dib) {
    std::array<uint8_t, 256 * 4> lookup{};
    const auto palette = dib.palette();
    const size_t bytes = std::min(lookup.size(), palette.size() / 4 * 4);
    std::memcpy(lookup.data(), palette.data(), bytes);
    return lookup;
}

// The picture as the library's image: top row first, four bytes per pixel.
carvello::RasterImage toRaster(const Dib& dib) {
    const auto lookup = colourLookup(dib);
    const int width = dib.width();
    const int height = dib.height();
    carvello::RasterImage image;
    image.setSize(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto indices = dib.storedRow(height - 1 - y);
        auto out = image.row(static_cast<uint32_t>(y));
        for (int x = 0; x < width; ++x)
            std::memcpy(&out[static_cast<size_t>(x) * 4], &lookup[size_t{indices[x]} * 4], 4);
    }
    return image;
}

bool savePngFile(ImageProc& proc, const std::string& path, const Dib& dib, bool transparentWhite) {
    try {
        if (dib.empty() || dib.bitCount() != 8 || dib.width() <= 0 || dib.height() <= 0) {
            proc.fail(text::kSavePNG, text::kPngSaveError);
            return false;
        }
        const carvello::RasterImage image = toRaster(dib);
        carvello::PngEncoder encoder;
        if (transparentWhite)
            encoder.setTransparentWhite(true);
        const std::vector<uint8_t> file = encoder.encode(image);
        const std::span<const uint8_t> piece(file);
        if (writeFileAtomically(path, std::span(&piece, 1)) != WriteStatus::ok) {
            proc.fail(text::kSavePNG, text::kPngSaveError);
            return false;
        }
        return true;
    } catch (const std::exception&) {
        // The library's errors (a file that cannot be written among them)
        // and memory running out: the same text for every failure.
        proc.fail(text::kSavePNG, text::kPngSaveError);
        return false;
    }
}

}  // namespace

bool ImageProc::savePNG(const std::string& path, const Dib& dib) {
    return savePngFile(*this, path, dib, false);
}

bool ImageProc::savePNGTransparentWhite(const std::string& path, const Dib& dib) {
    return savePngFile(*this, path, dib, true);
}

}  // namespace bitmap
