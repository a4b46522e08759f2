#pragma once

#include "carvello/core/PixelRows.h"

namespace carvello {

// A grey picture's rows: one byte a pixel, 0 black, 255 white.
using GreyRows = PixelRows<1>;

}  // namespace carvello
