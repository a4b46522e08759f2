#include "bitmap/formats/BmpBitFields.h"

#include <bit>
#include <cstdio>
#include <string>

#include "base/TextFormat.h"
#include "bitmap/AlphaComposite.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/Texts.h"

namespace bitmap {
namespace {

constexpr unsigned kTabulatedBits = 16;

// value * 255 / (2^bits - 1), rounded: the full range of the channel onto
// the full range of a byte.
uint8_t scaled(uint64_t value, unsigned bits) {
    const uint64_t top = (uint64_t{1} << bits) - 1;
    return static_cast<uint8_t>((value * 255 + top / 2) / top);
}

bool contiguous(uint32_t mask) {
    if (mask == 0)
        return true;
    const uint32_t run = mask >> std::countr_zero(mask);
    return (run & (run + 1)) == 0;
}

}  // namespace

std::string maskText(uint32_t mask) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(mask));
    return text;
}

BmpBitFieldPixels::Channel BmpBitFieldPixels::channel(uint32_t mask) {
    Channel c;
    c.mask = mask;
    if (mask == 0) {
        c.levels = {0};  // a colour channel that is always 0
        return c;
    }
    c.shift = static_cast<unsigned>(std::countr_zero(mask));
    c.bits = static_cast<unsigned>(std::popcount(mask));
    if (c.bits <= kTabulatedBits) {
        c.levels.resize(size_t{1} << c.bits);
        for (size_t v = 0; v < c.levels.size(); ++v)
            c.levels[v] = scaled(v, c.bits);
    }
    return c;
}

uint8_t BmpBitFieldPixels::Channel::value(uint32_t pixel) const {
    const uint32_t v = (pixel & mask) >> shift;
    return levels.empty() ? scaled(v, bits) : levels[v];
}

carvello::Outcome<BmpBitFieldPixels> BmpBitFieldPixels::make(const BmpMasks& masks, int bits) {
    const uint32_t within = bits == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    const auto fits = [&](uint32_t mask, uint32_t taken) {
        return contiguous(mask) && (mask & ~within) == 0 && (mask & taken) == 0;
    };
    const bool sound = (bits == 16 || bits == 32) && fits(masks.red, 0) &&
                       fits(masks.green, masks.red) && fits(masks.blue, masks.red | masks.green);
    if (!sound) {
        return carvello::Failure{
            0, formatText(text::kBmpBadMasks,
                          {static_cast<long long>(bits), maskText(masks.red), maskText(masks.green),
                           maskText(masks.blue), maskText(masks.alpha)})};
    }
    BmpBitFieldPixels pixels;
    pixels.pixelBits_ = bits;
    pixels.channels_ = {channel(masks.red), channel(masks.green), channel(masks.blue), channel(0)};
    // An alpha mask that cannot be one (it shares bits with the colours, has
    // gaps, or lies outside the pixel) is taken for none, as other readers
    // take it: such headers come from writers that fill the field carelessly.
    if (fits(masks.alpha, masks.red | masks.green | masks.blue))
        pixels.channels_[3] = channel(masks.alpha);
    return pixels;
}

BmpBitFieldPixels BmpBitFieldPixels::defaultSixteenBit() {
    return *make({.red = 0x7C00, .green = 0x03E0, .blue = 0x001F, .alpha = 0}, 16);
}

void BmpBitFieldPixels::toBgr(std::span<const uint8_t> in, std::span<uint8_t> out,
                              size_t width) const {
    const size_t step = pixelBits_ / 8;
    const Channel& red = channels_[0];
    const Channel& green = channels_[1];
    const Channel& blue = channels_[2];
    const Channel& alpha = channels_[3];
    const bool masked = hasAlpha();
    for (size_t x = 0; x < width; ++x) {
        const uint32_t pixel = step == 2 ? readLe16(in, x * step) : readLe32(in, x * step);
        uint8_t* bgr = out.data() + x * 3;
        bgr[0] = blue.value(pixel);
        bgr[1] = green.value(pixel);
        bgr[2] = red.value(pixel);
        if (!masked)
            continue;
        const unsigned a = alpha.value(pixel);
        if (a == 255)
            continue;
        for (int c = 0; c < 3; ++c)
            bgr[c] = overWhite(bgr[c], a);
    }
}

}  // namespace bitmap
