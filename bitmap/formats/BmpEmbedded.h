#pragma once

#include <cstdint>
#include <span>

#include "bitmap/DecodeLimits.h"
#include "bitmap/Dib.h"
#include "bitmap/formats/BmpHeader.h"
#include "carvello/core/Outcome.h"

namespace bitmap {

// Decodes the JPEG or PNG file (coding jpeg or png) that a BMP file carries
// as its pixel data with the codec library's decoders, into a 32 bpp picture
// as it looks on white paper (a PNG's gamma applied as the PNG reader
// applies it). Its size is the embedded picture's own. Refuses, with a text
// naming the embedded format and the decoder's message, data the decoder
// does not read, and pictures beyond the limits before they are decoded.
carvello::Outcome<Dib> decodeEmbeddedPicture(std::span<const uint8_t> data, BmpCoding coding,
                                             const DecodeLimits& limits);

}  // namespace bitmap
