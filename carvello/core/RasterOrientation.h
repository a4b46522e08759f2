#pragma once

#include "carvello/core/ColourImage.h"
#include "carvello/core/GreyImage.h"
#include "carvello/core/RasterImage.h"

namespace carvello {

// Turns a picture stored the way an Exif orientation value describes it
// upright: 2 mirrored, 3 turned half round, 4 flipped, 5 transposed, 6 to be
// turned a quarter clockwise, 7 transversed, 8 to be turned a quarter
// anticlockwise. 5 to 8 swap width and height. Any other value (1 is
// upright) leaves the picture as it is. Throws GraphicsException when
// memory runs out.
void applyExifOrientation(RasterImage& image, int orientation);
void applyExifOrientation(GreyImage& image, int orientation);
void applyExifOrientation(ColourImage& image, int orientation);

}  // namespace carvello
