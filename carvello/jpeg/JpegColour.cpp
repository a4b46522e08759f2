#include "carvello/jpeg/JpegColour.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <stdexcept>

namespace carvello {

static_assert(std::endian::native == std::endian::little,
              "pixels are stored as little-endian words");

const JpegColourTables& JpegColourTables::get() {
    static const JpegColourTables tables = [] {
        JpegColourTables t;
        for (int c = 0; c < 256; ++c) {
            const double d = c - 128;
            t.red[static_cast<size_t>(c)] = static_cast<int32_t>(std::lround(1.402 * d));
            t.blue[static_cast<size_t>(c)] = static_cast<int32_t>(std::lround(1.772 * d));
            t.greenCb[static_cast<size_t>(c)] =
                static_cast<int32_t>(std::lround(0.34414 * d * 65536.0));
            t.greenCr[static_cast<size_t>(c)] =
                static_cast<int32_t>(std::lround(0.71414 * d * 65536.0));
        }
        return t;
    }();
    return tables;
}

namespace {

inline uint32_t clampSample(int32_t v) {
    return static_cast<uint32_t>(std::clamp(v, 0, 255));
}

// x y / 255 rounded, for x and y in 0..255.
inline uint32_t inkProduct(uint32_t x, uint32_t y) {
    return (x * y + 127) / 255;
}

inline void storePixel(uint8_t* out, uint32_t blue, uint32_t green, uint32_t red) {
    const uint32_t pixel = blue | (green << 8) | (red << 16) | 0xFF000000u;
    std::memcpy(out, &pixel, 4);  // bytes blue, green, red, alpha
}

// Three-byte pixels are made as four-byte ones a run at a time, where the
// converters' loops vectorise, and packed: four(at, pixels) makes the
// pixels from `at` on, four bytes each, as many as `pixels` holds.
template <typename Four>
void packFromFour(std::span<uint8_t> out, Four four) {
    constexpr size_t kRun = 256;
    std::array<uint8_t, kRun * 4> run;
    const size_t count = out.size() / 3;
    uint8_t* p = out.data();
    for (size_t at = 0; at < count; at += kRun) {
        const size_t n = std::min(kRun, count - at);
        four(at, std::span(run).first(n * 4));
        // Each pixel goes as a word whose fourth byte the next one
        // overwrites; the run's last as three bytes.
        for (size_t i = 0; i + 1 < n; ++i)
            std::memcpy(p + 3 * (at + i), &run[4 * i], 4);
        std::memcpy(p + 3 * (at + n - 1), &run[4 * (n - 1)], 3);
    }
}

void checkRows(size_t count, std::initializer_list<size_t> sizes) {
    for (const size_t size : sizes)
        if (size < count)
            throw std::length_error("colour row too short");
}

}  // namespace

JpegColourModel jpegColourModel(std::span<const uint8_t> componentIds, int adobeTransform) {
    switch (componentIds.size()) {
        case 1:
            return JpegColourModel::grey;
        case 3:
            if (adobeTransform == 0)
                return JpegColourModel::rgb;
            if (adobeTransform < 0 && componentIds[0] == 'R' && componentIds[1] == 'G' &&
                componentIds[2] == 'B')
                return JpegColourModel::rgb;
            return JpegColourModel::yCbCr;
        case 4:
            return adobeTransform == 2 ? JpegColourModel::ycck : JpegColourModel::cmyk;
        default:
            return JpegColourModel::none;
    }
}

template <size_t PixelBytes>
void greyRowToPixels(std::span<const uint8_t> y, std::span<uint8_t> out) {
    const size_t count = out.size() / PixelBytes;
    if (y.size() < count)
        throw std::length_error("grey row too short");
    if constexpr (PixelBytes == 3) {
        packFromFour(out, [&](size_t at, std::span<uint8_t> four) {
            greyRowToPixels<4>(y.subspan(at), four);
        });
    } else {
        const uint8_t* in = y.data();
        uint8_t* p = out.data();
        for (size_t x = 0; x < count; ++x) {
            const uint32_t pixel = in[x] * 0x010101u | 0xFF000000u;
            std::memcpy(p + 4 * x, &pixel, 4);
        }
    }
}

void chromaTerms(std::span<const uint8_t> cb, std::span<const uint8_t> cr, std::span<int16_t> red,
                 std::span<int16_t> green, std::span<int16_t> blue) {
    const size_t count = red.size();
    if (cb.size() < count || cr.size() < count || green.size() < count || blue.size() < count)
        throw std::length_error("chroma row too short");
    const JpegColourTables& t = JpegColourTables::get();
    for (size_t x = 0; x < count; ++x) {
        const uint8_t b = cb[x];
        const uint8_t r = cr[x];
        red[x] = static_cast<int16_t>(t.red[r]);
        blue[x] = static_cast<int16_t>(t.blue[b]);
        green[x] = static_cast<int16_t>((t.greenCb[b] + t.greenCr[r] + 0x8000) >> 16);
    }
}

template <size_t PixelBytes>
void colourRowToPixels(std::span<const uint8_t> y, std::span<const int16_t> red,
                       std::span<const int16_t> green, std::span<const int16_t> blue,
                       std::span<uint8_t> out) {
    const size_t count = out.size() / PixelBytes;
    if (y.size() < count || red.size() < count || green.size() < count || blue.size() < count)
        throw std::length_error("colour row too short");
    if constexpr (PixelBytes == 3) {
        packFromFour(out, [&](size_t at, std::span<uint8_t> four) {
            colourRowToPixels<4>(y.subspan(at), red.subspan(at), green.subspan(at),
                                 blue.subspan(at), four);
        });
    } else {
        const uint8_t* py = y.data();
        const int16_t* pr = red.data();
        const int16_t* pg = green.data();
        const int16_t* pb = blue.data();
        uint8_t* p = out.data();
        for (size_t x = 0; x < count; ++x) {
            const int32_t luma = py[x];
            const uint32_t b = clampSample(luma + pb[x]);
            const uint32_t g = clampSample(luma - pg[x]);
            const uint32_t r = clampSample(luma + pr[x]);
            const uint32_t pixel = b | (g << 8) | (r << 16) | 0xFF000000u;
            std::memcpy(p + 4 * x, &pixel, 4);  // bytes blue, green, red, alpha
        }
    }
}

template <size_t PixelBytes>
void ycckRowToPixels(std::span<const uint8_t> y, std::span<const int16_t> red,
                     std::span<const int16_t> green, std::span<const int16_t> blue,
                     std::span<const uint8_t> black, std::span<uint8_t> out) {
    const size_t count = out.size() / PixelBytes;
    checkRows(count, {y.size(), red.size(), green.size(), blue.size(), black.size()});
    if constexpr (PixelBytes == 3) {
        packFromFour(out, [&](size_t at, std::span<uint8_t> four) {
            ycckRowToPixels<4>(y.subspan(at), red.subspan(at), green.subspan(at), blue.subspan(at),
                               black.subspan(at), four);
        });
    } else {
        for (size_t x = 0; x < count; ++x) {
            const int32_t luma = y[x];
            const uint32_t k = black[x];
            storePixel(&out[4 * x], inkProduct(255 - clampSample(luma + blue[x]), k),
                       inkProduct(255 - clampSample(luma - green[x]), k),
                       inkProduct(255 - clampSample(luma + red[x]), k));
        }
    }
}

template <size_t PixelBytes>
void rgbRowToPixels(std::span<const uint8_t> red, std::span<const uint8_t> green,
                    std::span<const uint8_t> blue, std::span<uint8_t> out) {
    const size_t count = out.size() / PixelBytes;
    checkRows(count, {red.size(), green.size(), blue.size()});
    if constexpr (PixelBytes == 3) {
        packFromFour(out, [&](size_t at, std::span<uint8_t> four) {
            rgbRowToPixels<4>(red.subspan(at), green.subspan(at), blue.subspan(at), four);
        });
    } else {
        for (size_t x = 0; x < count; ++x)
            storePixel(&out[4 * x], blue[x], green[x], red[x]);
    }
}

template <size_t PixelBytes>
void cmykRowToPixels(std::span<const uint8_t> cyan, std::span<const uint8_t> magenta,
                     std::span<const uint8_t> yellow, std::span<const uint8_t> black,
                     std::span<uint8_t> out) {
    const size_t count = out.size() / PixelBytes;
    checkRows(count, {cyan.size(), magenta.size(), yellow.size(), black.size()});
    if constexpr (PixelBytes == 3) {
        packFromFour(out, [&](size_t at, std::span<uint8_t> four) {
            cmykRowToPixels<4>(cyan.subspan(at), magenta.subspan(at), yellow.subspan(at),
                               black.subspan(at), four);
        });
    } else {
        for (size_t x = 0; x < count; ++x) {
            const uint32_t k = black[x];
            storePixel(&out[4 * x], inkProduct(yellow[x], k), inkProduct(magenta[x], k),
                       inkProduct(cyan[x], k));
        }
    }
}

// The converters for both pixel sizes.
#define CARVELLO_JPEG_PIXEL_ROWS(bytes)                                                        \
    template void greyRowToPixels<bytes>(std::span<const uint8_t>, std::span<uint8_t>);        \
    template void colourRowToPixels<bytes>(std::span<const uint8_t>, std::span<const int16_t>, \
                                           std::span<const int16_t>, std::span<const int16_t>, \
                                           std::span<uint8_t>);                                \
    template void ycckRowToPixels<bytes>(std::span<const uint8_t>, std::span<const int16_t>,   \
                                         std::span<const int16_t>, std::span<const int16_t>,   \
                                         std::span<const uint8_t>, std::span<uint8_t>);        \
    template void rgbRowToPixels<bytes>(std::span<const uint8_t>, std::span<const uint8_t>,    \
                                        std::span<const uint8_t>, std::span<uint8_t>);         \
    template void cmykRowToPixels<bytes>(std::span<const uint8_t>, std::span<const uint8_t>,   \
                                         std::span<const uint8_t>, std::span<const uint8_t>,   \
                                         std::span<uint8_t>);
CARVELLO_JPEG_PIXEL_ROWS(3)
CARVELLO_JPEG_PIXEL_ROWS(4)
#undef CARVELLO_JPEG_PIXEL_ROWS

void lumaRow(std::span<const uint8_t> pixels, std::span<uint8_t> out) {
    const size_t count = out.size();
    if (pixels.size() < count * 4)
        throw std::length_error("luma row too short");
    for (size_t x = 0; x < count; ++x) {
        const uint32_t blue = pixels[4 * x];
        const uint32_t green = pixels[4 * x + 1];
        const uint32_t red = pixels[4 * x + 2];
        const uint32_t fine = (19595 * red + 38470 * green + 7471 * blue + 128) >> 8;
        out[x] = static_cast<uint8_t>((fine + 128) >> 8);
    }
}

}  // namespace carvello
