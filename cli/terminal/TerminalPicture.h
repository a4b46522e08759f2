#pragma once

#include <string>

#include "bitmap/Dib.h"

namespace cli {

// Draws a 1, 4 or 8 bpp picture with Unicode half blocks, two picture rows per text line:
// white pixels are drawn in the terminal's text colour, black ones left
// blank (inverted with `invert`). A pixel is white when the grey of its
// colour-table entry is 128 or more.
std::string renderHalfBlocks(const bitmap::Dib& picture, bool invert = false);

}  // namespace cli
