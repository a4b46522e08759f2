#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace carvello {
class PngDecoder;
}

// How a PNG file's samples relate to light, and turning them into sRGB
// samples before they become grey, as browsers do: a file that describes
// its samples by a gAMA chunk alone is shown through that gamma.
namespace bitmap {

struct PngColourSpace {
    uint32_t gamma = 0;  // the gAMA value (gamma x 100000), 0 without one
    bool srgb = false;   // an sRGB chunk: the samples are sRGB
    bool iccProfile = false;
};

// What the file the decoder read last says.
PngColourSpace pngColourSpace(const carvello::PngDecoder& decoder);

// The sRGB sample of each of the file's samples 0..255: a sample v of a
// file with gamma g stands for the light (v / 255)^(1 / g), which the sRGB
// curve codes again. Nothing when the samples need no change: without a
// gAMA chunk, with an sRGB or iCCP chunk (they take precedence over gAMA),
// or with a gamma within 1 % of 1 / 2.2, the sRGB curve's own.
std::optional<std::array<uint8_t, 256>> srgbTable(const PngColourSpace& space);

// Turns the blue, green and red samples of blue, green, red, alpha pixels
// into sRGB samples by srgbTable; alpha is left alone.
void applyPngGamma(const PngColourSpace& space, std::span<uint8_t> bgraPixels);

}  // namespace bitmap
