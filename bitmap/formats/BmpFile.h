#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "bitmap/DecodeLimits.h"
#include "bitmap/Dib.h"
#include "carvello/core/Outcome.h"

// BMP files in memory: decoding a whole file into a Dib and building the
// file header that goes in front of a Dib when it is written out. Nothing
// here touches the file system.
namespace bitmap {

constexpr size_t kBmpFileHeaderSize = 14;
// File header plus a 40-byte info header: the shortest file with a Windows
// header (only the old 12-byte OS/2 header fits in less).
constexpr size_t kBmpMinimumFileSize = kBmpFileHeaderSize + kInfoHeaderSize;

// Decodes a BMP file held in memory. Accepts the 12-byte OS/2 core header,
// the 40, 52, 56, 108 and 124-byte Windows headers and the OS/2 2.x header
// (64 bytes, or cut short after any of its fields from 16 bytes on); 1, 2,
// 4, 8, 16, 24 and 32 bits per pixel; bottom-up and top-down rows;
// run-length coded 8, 4 and 24 bpp files (see BmpRle.h for runs that leave
// the picture: they are clipped; data that ends before its end-of-picture
// code is refused as truncated, and pixels it skips are index 0); bit fields
// with any masks that are runs of bits apart from each other, at 16 and 32
// bpp; and JPEG or PNG files carried as the pixel data (decoded by the codec
// library). The Dib that comes out always has a 40-byte header, positive
// height and no compression: 2 bpp pictures become 4 bpp ones, bit-field
// pixels 24 bpp ones (32 bpp ones when the masks are the plain B-G-R-A
// bytes), embedded pictures 32 bpp ones. Alpha -- a file's alpha mask, or
// the fourth bytes of a plain 32 bpp file when they are not all the same --
// is applied by putting each pixel over white paper. Everything else, and
// pictures beyond the limits, is refused with one of the texts in Texts.h,
// naming what the file holds.
carvello::Outcome<Dib> decodeBmp(std::span<const uint8_t> file, const DecodeLimits& limits = {});

// Sets the fields a written file carries: biSizeImage = stride x height and
// the resolution 3790 x 3780 pixels per metre.
void stampBmpHeader(Dib& dib);

// The 14-byte file header for writing the Dib's whole block after it.
// Nothing when the block does not match its own header (a header rewritten
// with a different layout) or would not fit the header's 32-bit size field.
std::optional<std::array<uint8_t, kBmpFileHeaderSize>> bmpFileHeader(const Dib& dib);

}  // namespace bitmap
