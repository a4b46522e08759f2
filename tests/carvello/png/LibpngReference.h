#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reference pixels read through libpng with no transformation beyond
// expand-to-8-bits (palette and low-depth grey), tRNS to alpha, strip-16,
// grey-to-RGB, BGR order and an opaque filler: the picture as the library
// decoder should give it.
namespace pngtest {

struct ReferencePicture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> bgra;  // top row first
};

// Nothing when libpng refuses the file.
std::optional<ReferencePicture> readWithLibpng(const std::string& path);

}  // namespace pngtest
