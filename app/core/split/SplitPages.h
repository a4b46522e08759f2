#pragma once

#include <string>
#include <vector>

// The WML pages of a split picture: one page per tile, showing the tile and
// linking to its neighbours Up, Down, Left and Right, so a phone user can
// walk over the whole picture.
namespace app {

struct SplitPageSet {
    std::string folder;        // where the pages go, ending in "/"
    std::string baseName;      // the source picture's name without folder and extension
    std::string extension;     // of the tiles: "bmp" or "wbmp"
    std::string sourcePrefix;  // put before every tile name: the user's prefix + "/", or empty
    int tileWidth = 0;         // the tile size the picture was cut into
    int tileHeight = 0;
    int columns = 0;  // the grid of tiles the split produced
    int rows = 0;
};

// The page of tile (x, y): folder + base name + ".x.y.wml". The base name is
// used as it is; it names a file, it is not page text.
std::string splitPagePath(const SplitPageSet& pages, int x, int y);

// The bytes of the page of tile (x, y) exactly as they go to disk. Lines of
// the page body end in CR LF, the prolog and closing lines in CR CR LF.
std::string splitPageBytes(const SplitPageSet& pages, int x, int y);

struct SplitPagesResult {
    int written = 0;
    std::vector<std::string> failed;  // paths of the pages that could not be written
};

// Writes the pages of all tiles, column by column (x outer, y inner). An
// existing page is replaced; a page that cannot be written is skipped, and
// no half-written page is left behind.
SplitPagesResult writeSplitPages(const SplitPageSet& pages);

}  // namespace app
