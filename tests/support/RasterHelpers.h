#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "bitmap/Dib.h"
#include "support/TestSupport.h"

// Picture builders shared by the conversion and dithering tests.
namespace raster_test {

// A picture whose colour table has `entries` entries (biClrUsed), entry i
// being the grey greyOf(i).
inline bitmap::Dib makeTabledDib(int width, int height, int bits, uint32_t entries,
                                 const std::function<uint8_t(int)>& greyOf) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<uint16_t>(bits);
    h.biClrUsed = entries;
    auto dib = bitmap::Dib::create(h);
    if (!dib)
        throw std::runtime_error("cannot create DIB");
    auto table = dib->palette();
    for (uint32_t i = 0; i < entries; ++i) {
        const uint8_t g = greyOf(static_cast<int>(i));
        table[i * 4] = table[i * 4 + 1] = table[i * 4 + 2] = g;
    }
    return std::move(*dib);
}

// A 24 or 32 bpp picture.
inline bitmap::Dib makeTrueColourDib(int width, int height, int bits) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<uint16_t>(bits);
    auto dib = bitmap::Dib::create(h);
    if (!dib)
        throw std::runtime_error("cannot create DIB");
    return std::move(*dib);
}

// Sets a true-colour pixel, y counted from the top.
inline void setRgb(bitmap::Dib& dib, int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    const size_t bytes = static_cast<size_t>(dib.bitCount() / 8);
    auto row = dib.storedRow(dib.height() - 1 - y);
    row[x * bytes] = b;
    row[x * bytes + 1] = g;
    row[x * bytes + 2] = r;
}

// Sets every pixel's index from a function of (x, y from the top).
inline void fillIndices(bitmap::Dib& dib, const std::function<int(int, int)>& indexAt) {
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            testing_support::setPixel(dib, x, y, indexAt(x, y));
}

// All pixel indices, top row first.
inline std::vector<int> indicesOf(const bitmap::Dib& dib) {
    std::vector<int> out;
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            out.push_back(testing_support::pixelAt(dib, x, y));
    return out;
}

inline std::vector<uint8_t> bytesOf(const bitmap::Dib& dib) {
    return {dib.bytes().begin(), dib.bytes().end()};
}

}  // namespace raster_test
