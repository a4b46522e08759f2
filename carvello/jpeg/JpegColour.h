#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace carvello {

// The JFIF YCbCr -> RGB conversion with four 256-entry tables (rounded to
// the nearest integer, halves away from zero): R(c) = 1.402 (c - 128),
// B(c) = 1.772 (c - 128), G1(c) = 0.34414 (c - 128) 65536 and
// G2(c) = 0.71414 (c - 128) 65536.
struct JpegColourTables {
    std::array<int32_t, 256> red{};
    std::array<int32_t, 256> blue{};
    std::array<int32_t, 256> greenCb{};
    std::array<int32_t, 256> greenCr{};

    static const JpegColourTables& get();
};

// How a frame's components make colours.
enum class JpegColourModel { grey, yCbCr, rgb, cmyk, ycck, none };

// The model of a frame from its component identifiers (in frame order) and
// the colour transform of its Adobe segment (-1 without one): three
// components are YCbCr unless the Adobe transform is 0 or, without an Adobe
// segment, the identifiers are 'R', 'G', 'B'; four are YCCK with Adobe
// transform 2, CMYK otherwise.
JpegColourModel jpegColourModel(std::span<const uint8_t> componentIds, int adobeTransform);

// One row of pixels of PixelBytes bytes each: 4 (blue, green, red, alpha
// 255, as RasterImage keeps them) or 3 (blue, green, red, as ColourRows
// take them). The sample rows hold at least as many samples as out has
// pixels.
template <size_t PixelBytes>
void greyRowToPixels(std::span<const uint8_t> y, std::span<uint8_t> out);

// The chroma terms of a row: red = R(cr), blue = B(cb) and
// green = (G1(cb) + G2(cr) + 0x8000) >> 16, per pixel. Subsampled rows are
// worked out once and serve every luma row that shares them.
void chromaTerms(std::span<const uint8_t> cb, std::span<const uint8_t> cr, std::span<int16_t> red,
                 std::span<int16_t> green, std::span<int16_t> blue);
// red = Y + red term, green = Y - green term, blue = Y + blue term, each
// clamped to 0..255.
template <size_t PixelBytes>
void colourRowToPixels(std::span<const uint8_t> y, std::span<const int16_t> red,
                       std::span<const int16_t> green, std::span<const int16_t> blue,
                       std::span<uint8_t> out);
// The same for YCCK: the colour terms give inverted cyan, magenta and
// yellow, combined with black as in cmykRowToPixels.
template <size_t PixelBytes>
void ycckRowToPixels(std::span<const uint8_t> y, std::span<const int16_t> red,
                     std::span<const int16_t> green, std::span<const int16_t> blue,
                     std::span<const uint8_t> black, std::span<uint8_t> out);
template <size_t PixelBytes>
void rgbRowToPixels(std::span<const uint8_t> red, std::span<const uint8_t> green,
                    std::span<const uint8_t> blue, std::span<uint8_t> out);
// CMYK stored the Adobe way, inverted (255 is no ink): red = cyan x black /
// 255, green = magenta x black / 255, blue = yellow x black / 255, rounded.
template <size_t PixelBytes>
void cmykRowToPixels(std::span<const uint8_t> cyan, std::span<const uint8_t> magenta,
                     std::span<const uint8_t> yellow, std::span<const uint8_t> black,
                     std::span<uint8_t> out);

// The luma of each pixel (blue, green, red, alpha) of a row: (19595 R +
// 38470 G + 7471 B) / 65536, first rounded to 8 fractional bits, then to an
// integer. out holds one byte per pixel.
void lumaRow(std::span<const uint8_t> pixels, std::span<uint8_t> out);

}  // namespace carvello
