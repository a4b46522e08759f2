#pragma once

#include <string>

#include "batch/core/PicturePage.h"

// The batch options, kept while the program runs (never stored): the sheet
// fills them and later runs start from the values of the previous one.
namespace batch {

enum class ResizeMode { box = 0, phone = 1 };

// The formats a run writes. The desktop program offers BMP and WBMP; the
// command-line tool also writes GIF and PNG.
enum OutputFormat {
    kFormatBmp = 0,
    kFormatWbmp = 1,
    kFormatGif = 2,
    kFormatPng = 3,
    kFormatPngTransparent = 4
};

struct BatchSettings {
    std::string outputFolder;
    int ditheringMethod = -1;  // -1: the program's current method
    int threshold = -1;        // -1: the program's current threshold
    int boxWidth = 100;        // 1..1280
    int boxHeight = 100;       // 1..1024
    ResizeMode resizeMode = ResizeMode::phone;
    int phoneIndex = 4;  // 0-based into the phone table
    bool resizeEnabled = false;
    int outputFormat = kFormatBmp;
    bool createWmlPages = false;
    WmlPageOptions wml;
};

}  // namespace batch
