#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bitmap/formats/BmpHeader.h"
#include "carvello/core/Outcome.h"

// Pixels of 16 or 32 bits whose colour channels lie where the masks of a
// bit-field BMP file say.
namespace bitmap {

class BmpBitFieldPixels {
public:
    // The masks of a file of `bits` bits per pixel (16 or 32). Each colour
    // mask must be one run of bits (or 0: a channel that is always 0), within
    // the pixel and apart from the others; anything else is refused with a
    // text naming the masks. An alpha mask of 0, or one that breaks those
    // rules, means the pixels are opaque.
    static carvello::Outcome<BmpBitFieldPixels> make(const BmpMasks& masks, int bits);

    // 5-5-5 in 16 bits, the layout of a 16 bpp file without masks.
    static BmpBitFieldPixels defaultSixteenBit();

    bool hasAlpha() const { return channels_[3].bits != 0; }

    // Turns `width` pixels of a file row into blue, green, red bytes, each
    // channel scaled exactly to 0..255 and put over white by the alpha
    // channel when there is one.
    void toBgr(std::span<const uint8_t> in, std::span<uint8_t> out, size_t width) const;

private:
    struct Channel {
        uint32_t mask = 0;
        unsigned shift = 0;
        unsigned bits = 0;
        // The 8-bit value of each channel value, for channels of up to 16
        // bits; wider ones are scaled as they come.
        std::vector<uint8_t> levels;

        uint8_t value(uint32_t pixel) const;
    };
    static Channel channel(uint32_t mask);

    int pixelBits_ = 16;
    std::array<Channel, 4> channels_;  // red, green, blue, alpha
};

// What a mask written in a message looks like: 0x followed by eight hex digits.
std::string maskText(uint32_t mask);

}  // namespace bitmap
