#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "dotwerk/DotwerkPicture.h"

namespace dotwerk {

// Where the parts of a host's device-independent bitmap lie in its block,
// found by parseHostDib with every offset checked against the block's length.
struct HostDibLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;  // rows stored top row first (negative height)
    int bitCount = 0;      // 1, 4, 8, 24 or 32
    std::size_t pixelOffset = 0;
    std::size_t rowStride = 0;
    // Black or white for each colour-table entry; indices past the table
    // count as black.
    std::vector<Ink> paletteInks;
    // The entries nearest to black and to white, written for changed pixels.
    std::uint32_t blackIndex = 0;
    std::uint32_t whiteIndex = 0;
};

// The block behind a host handle (the address of a DibHandleRecord); empty
// for the handle 0 or a record without a block.
std::span<std::uint8_t> hostBlockOf(long long handle);

// Reads the header (40-byte information header or its later versions, or the
// 12-byte core header) and checks that the colour table and all rows lie
// inside the block. Uncompressed 1, 4, 8, 24 and 32 bits per pixel only.
std::optional<HostDibLayout> parseHostDib(std::span<const std::uint8_t> block);

// The picture held by the block; colours are black when darker than middle
// grey.
DotwerkPicture readHostDib(std::span<const std::uint8_t> block, const HostDibLayout& layout);

// Writes the picture (of the layout's size) into the block's rows in the
// block's own format. Pixels that already have the picture's colour keep
// their value, and the padding at the end of each row is left alone, so a
// picture read and written back without changes leaves the block as it was.
void writeHostDib(std::span<std::uint8_t> block, const HostDibLayout& layout,
                  const DotwerkPicture& picture);

}  // namespace dotwerk
