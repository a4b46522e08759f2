#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The size a picture file announces in its header, read before any decoder
// runs, so that a picture above the codec's pixel limit is refused before
// anything is allocated for it, and so that a file's size can be told
// without decoding it.
namespace codec {

struct PictureSize {
    int64_t width = 0;
    int64_t height = 0;
    int64_t pixels() const { return width * height; }
};

// What a header announces: the picture's size and its bits per pixel over
// all channels (24 for an RGB JPEG or PNG, 32 for RGBA, the index width of
// a palette picture; 0 where the header does not say, as for a BMP that
// carries a JPEG or PNG).
struct DeclaredHeader {
    PictureSize size;
    int bitsPerPixel = 0;
};

// The header fields of a BMP, GIF, PNG or WBMP file (formatCode) from its
// first bytes: the logical screen of a GIF, the 16-bit fields of an OS/2
// core BMP header and the 32-bit ones of every later BMP header (the
// height without its sign, which only tells the order of the rows).
// Nothing when the bytes do not hold them or for any other format.
std::optional<DeclaredHeader> headerFields(int formatCode, std::span<const uint8_t> head);

// The same for the file at `path`, JPEG included (its frame header, found by
// walking its segments). Nothing when the header does not tell (a file cut
// short, a JPEG without a frame header).
std::optional<DeclaredHeader> declaredHeader(int formatCode, const std::string& path);

// declaredHeader's size.
std::optional<PictureSize> declaredSize(int formatCode, const std::string& path);

}  // namespace codec
