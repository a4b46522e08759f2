#pragma once

#include <optional>
#include <string>

#include "bitmap/dither/DitherOptions.h"

#include "batch/core/PicturePage.h"
#include "codec/PictureFormats.h"

// The batch options, kept while the program runs (never stored): the sheet
// fills them and later runs start from the values of the previous one.
namespace batch {

enum class ResizeMode { box = 0, phone = 1 };

struct BatchSettings {
    std::string outputFolder;
    int ditheringMethod = -1;  // -1: the program's current method
    int threshold = -1;        // -1: the program's current threshold
    // Nothing: the program's current options.
    std::optional<bitmap::DitherOptions> ditherOptions;
    int boxWidth = 100;   // 1..1280
    int boxHeight = 100;  // 1..1024
    ResizeMode resizeMode = ResizeMode::phone;
    int phoneIndex = 4;  // 0-based into the phone table
    bool resizeEnabled = false;
    // A writable format of the format table. The desktop program offers BMP
    // and WBMP; the command-line tool also writes GIF and PNG.
    int outputFormat = codec::kFormatBmp;
    bool createWmlPages = false;
    WmlPageOptions wml;
};

}  // namespace batch
