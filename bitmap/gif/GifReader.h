#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "bitmap/DecodeLimits.h"
#include "bitmap/Dib.h"

// Reads the first picture of a GIF87a or GIF89a file held in memory into an
// 8 bpp DIB whose colour table is the image's own (local) table, or the
// file's global table when the image has none.
namespace bitmap {

class GifReader {
public:
    // The reader keeps a view of the bytes, which must outlive load().
    explicit GifReader(std::span<const uint8_t> file, const DecodeLimits& limits = {})
        : file_(file), limits_(limits) {}
    // A temporary vector would be gone before load() reads it.
    explicit GifReader(const std::vector<uint8_t>&&, const DecodeLimits& = {}) = delete;

    // Reads the file; 0 on success, otherwise a code of gifErrorMessage().
    // A logical screen beyond the limits gives the out-of-memory code.
    int load();
    // The picture of a successful load (once); nothing otherwise. It is the
    // size of the logical screen, bottom row first, and shows the picture as
    // it looks on white paper: the colour-table entry of the transparent
    // index (from the graphic control extension before the image) is white,
    // and so is the part of the screen the image does not cover (an index
    // no pixel uses is made white for it; when the image uses all 256, a
    // white entry of the table or else its lightest one). Indices beyond the
    // colour table are kept as they are.
    std::optional<Dib> takePicture();
    int result() const { return result_; }

private:
    int loadBlocks();

    std::span<const uint8_t> file_;
    DecodeLimits limits_;
    std::optional<Dib> picture_;
    int result_ = 0;
};

}  // namespace bitmap
