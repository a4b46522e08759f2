#pragma once

#include "carvello/core/PixelRows.h"

namespace carvello {

// A colour picture's rows: three bytes a pixel, blue, green, red.
using ColourRows = PixelRows<3>;

}  // namespace carvello
