#pragma once

#include <string>
#include <string_view>

// Picture formats by file-name extension, and their names.
namespace codec {

enum FormatCode : int {
    kFormatUnknown = -1,
    kFormatBmp = 0,
    kFormatWbmp = 1,
    kFormatJpeg = 2,
    kFormatGif = 3,
    kFormatPng = 4,
    kFormatPngTransparent = 5,
};

// The code of the text after the last "." of the name, compared without
// regard to case; kFormatUnknown for any other extension or none.
int formatCodeOf(std::string_view name);

// The code of a bare format name such as "wbmp" (a "." is put in front).
int formatCodeOfName(std::string_view format);

// "bmp", "wbmp", "jpg", "gif", "png", "png" for codes 0..5; empty otherwise.
std::string_view formatName(int code);

}  // namespace codec
