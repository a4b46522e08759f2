#pragma once

#include <cstdint>
#include <span>

namespace carvello {

// The orientation (1 to 8) that an APP1 Exif segment's first image file
// directory gives (tag 0x0112), read in either byte order; 0 when the
// segment is not Exif or holds no valid orientation. segment is the body
// after the length field, starting "Exif\0\0". Every offset is checked
// against the segment.
int exifOrientation(std::span<const uint8_t> segment);

}  // namespace carvello
