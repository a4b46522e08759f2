#pragma once

#include "carvello/core/GreyRows.h"
#include "carvello/core/PackedPicture.h"

namespace carvello {

// A grey picture: one byte a pixel (0 black, 255 white).
using GreyImage = PackedPicture<1>;

}  // namespace carvello
