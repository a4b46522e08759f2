#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "bitmap/Dib.h"

// Reads the first picture of a GIF87a or GIF89a file held in memory into an
// 8 bpp DIB whose colour table is the image's own (local) table, or the
// file's global table when the image has none.
namespace bitmap {

class GifReader {
public:
    // The reader keeps a view of the bytes, which must outlive load().
    explicit GifReader(std::span<const uint8_t> file) : file_(file) {}
    // A temporary vector would be gone before load() reads it.
    explicit GifReader(const std::vector<uint8_t>&&) = delete;

    // Reads the file; 0 on success, otherwise a code of gifErrorMessage().
    int load();
    // The picture of a successful load (once); nothing otherwise. It is the
    // size of the logical screen, bottom row first; pixels outside the first
    // image hold index 0. Indices beyond the colour table are kept as they are.
    std::optional<Dib> takePicture();
    int result() const { return result_; }

private:
    int loadBlocks();

    std::span<const uint8_t> file_;
    std::optional<Dib> picture_;
    int result_ = 0;
};

}  // namespace bitmap
