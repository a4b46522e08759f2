#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "bitmap/Dib.h"

// Cutting an 8 bpp picture into a grid of equal tiles anchored at its
// top-left corner. The bottom tiles and the right-most tiles are filled with
// index 255 where the picture ends.
namespace codec {

struct TileGrid {
    int tileWidth = 0;  // a multiple of 4
    int tileHeight = 0;
    int columns = 0;
    int rows = 0;
};

// The grid for a picture of width x height and the asked tile size (the
// width rounded down to a multiple of 4); nothing when that leaves no tile
// (width below 4, height below 1) or a tile too large to hold.
std::optional<TileGrid> planTiles(int width, int height, int tileWidth, int tileHeight);

// The tile in the given column and row (both from 0, the row counted from the
// top) as a DIB with the picture's header fields and colour table. Nothing
// when memory runs out.
std::optional<bitmap::Dib> cutTile(const bitmap::Dib& picture, const TileGrid& grid, int column,
                                   int row);

// folder + "/" + "column.row." + the format name of the code, e.g. "t/1.0.wbmp".
std::string tileFileName(const std::string& folder, int column, int row, int formatCode);

}  // namespace codec
