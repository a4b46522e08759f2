#pragma once

#include "carvello/core/ColourRows.h"
#include "carvello/core/PackedPicture.h"

namespace carvello {

// A colour picture: three bytes a pixel (blue, green, red).
using ColourImage = PackedPicture<3>;

}  // namespace carvello
