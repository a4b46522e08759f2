#pragma once

#include <string>

#include "app/core/UserInterface.h"
#include "app/core/document/PictureDocument.h"
#include "codec/PictureFormats.h"

// Cutting the document's picture into tiles the size of a phone display,
// with WML pages that let a phone user walk from tile to tile.
namespace app {

// Kept for the whole run of the program; every showing of the split sheet
// starts from the values of the last one.
struct SplitSettings {
    std::string outputFolder;
    int sizeMode = 0;         // 0: custom tile size, 1: the size of a listed display
    int tileWidth = 0;        // 1..1024; 0 until first chosen
    int tileHeight = 0;       // 1..1024; 0 until first chosen
    int displayPosition = 4;  // into the built-in phone list, 0..16
    bool createPages = true;
    bool separateWmlFolder = false;
    std::string wmlFolder;
    bool prefixEnabled = false;
    std::string prefix;
};

// The picture the command splits: the document's path, or the save folder
// + "/CurrentImage.bmp" when the document has none.
std::string splitSourcePath(const PictureDocument& document, const AppSettings& settings);

// The defaults the sheet fills in when it opens: a display position out of
// range goes back to 4, unset tile sizes take the display's size, empty
// folders take the save folder (the output folder, when the save folder is
// empty too, the source picture's folder).
void prepareSplitSettings(SplitSettings& split, const std::string& sourcePath,
                          const std::string& saveFolder);

struct TileSize {
    int width = 0;
    int height = 0;
};

// The tile size of the settings, clamped to the picture: the height to the
// picture's height, the width to its width + 3 (tiles are cut in multiples
// of 4 pixels wide).
TileSize splitTileSize(const SplitSettings& split, int pictureWidth, int pictureHeight);

// The source name without folder and extension: the pages' base name.
std::string splitBaseName(const std::string& sourcePath);

// Runs the command after the sheet: asks before creating a missing output
// folder, prepares the picture (size, black and white for WBMP), cuts the
// tiles, writes the pages, puts the document's picture back and reports.
// True when the tiles were written.
bool runSplitCommand(PictureDocument& document, UserInterface& ui, SplitSettings& split,
                     codec::FormatCode format, int pictureWidth, int pictureHeight);

}  // namespace app
