#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The size a picture file announces in its header, read before any decoder
// runs, so that a picture above the codec's pixel limit is refused before
// anything is allocated for it.
namespace codec {

struct PictureSize {
    int64_t width = 0;
    int64_t height = 0;
    int64_t pixels() const { return width * height; }
};

// The width and height that the header of the file at `path`, read as the
// format of `formatCode`, announces: the logical screen of a GIF, the frame
// of a JPEG (found by walking its segments), the header of a BMP, PNG or
// WBMP. Nothing when the header does not tell (a file cut short, a JPEG
// without a frame header).
std::optional<PictureSize> declaredSize(int formatCode, const std::string& path);

}  // namespace codec
