#pragma once

#include <string>

// Which controls of the split sheet's pages can be used, the limits of the
// tile size, and what the sheet shows of the picture.
namespace app {

inline constexpr int kMinTileSide = 1;
inline constexpr int kMaxTileSide = 1024;

// Page "Obrázek": the two size edits go with the custom size (mode 0), the
// display list with the size of a listed display (mode 1).
struct TileSizeControls {
    bool sizeEdits = false;
    bool displayList = false;
};
TileSizeControls tileSizeControls(int sizeMode);

// Page "WML stránka", apart from "Generovat WML stránky" itself: without
// pages everything is greyed; with pages the two check boxes can be used
// and each edit follows its check box.
struct SplitPageControls {
    bool separateFolderCheck = false;
    bool folderEditAndBrowse = false;
    bool prefixCheck = false;
    bool prefixEdit = false;
};
SplitPageControls splitPageControls(bool createPages, bool separateFolder, bool prefixEnabled);

// "Rozměry obrázku:" of the picture.
std::string pictureDimensionsText(int width, int height);

struct ViewPictureSize {
    int width = 0;
    int height = 0;
};
// The picture's size as the view shows it: the display rectangle's sides
// divided by the zoom (a zoom below 1 counts as 1).
ViewPictureSize pictureSizeInView(int displayWidth, int displayHeight, int zoom);

}  // namespace app
