#pragma once

#include <string>

// The WML page the batch run writes beside (or apart from) each converted
// picture: one card showing the picture.
namespace batch {

// The WML choices of the batch settings.
struct WmlPageOptions {
    bool separateFolder = false;  // pages into `folder` instead of beside the pictures
    std::string folder;
    bool prefixEnabled = false;  // put `prefix` before the picture name in the page
    std::string prefix;
    int altTextMode = 0;  // 0: the picture's file name, 1: customAltText
    std::string customAltText;
};

// Adds the separators the pages rely on, to be kept for later runs: "/"
// after the WML folder when the separate folder is used and the folder does
// not end in one, and "/" after the prefix when the prefix is used and does
// not end in "/", ":" or "\". Empty texts stay empty: an empty folder puts
// the pages beside the pictures, an empty prefix adds nothing.
void completeWmlPageOptions(WmlPageOptions& options);

struct PicturePagePlan {
    std::string path;     // the page file
    std::string source;   // the image source, as the phone should see it
    std::string altText;  // the image's alternative text
};

// What the page of the picture saved at `outputPath` holds and where it
// goes: the picture's path with ".wml" for its extension, or the same name
// in the WML folder. The options are read as completeWmlPageOptions would
// leave them.
PicturePagePlan planPicturePage(const std::string& outputPath, const WmlPageOptions& options);

// The page's bytes: source and alt text escaped for their attributes, every
// line ended by CR LF.
std::string picturePageBytes(const PicturePagePlan& plan, int width, int height);

struct PicturePageResult {
    bool written = false;
    std::string pagePath;
};

// Completes the options (see completeWmlPageOptions) and writes the page of
// the picture at `outputPath`, `width` x `height` pixels, replacing any
// page of that name. A page that cannot be written leaves no file behind.
PicturePageResult writePicturePage(const std::string& outputPath, WmlPageOptions& options,
                                   int width, int height);

}  // namespace batch
