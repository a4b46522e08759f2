#include "codec/TileGrid.h"

#include <algorithm>

#include "codec/PictureFormats.h"

namespace codec {

std::optional<TileGrid> planTiles(int width, int height, int tileWidth, int tileHeight) {
    if (width <= 0 || height <= 0 || tileWidth < 4 || tileHeight < 1)
        return std::nullopt;
    TileGrid grid;
    grid.tileWidth = tileWidth / 4 * 4;
    grid.tileHeight = tileHeight;
    if (grid.tileWidth > bitmap::kMaxDimension || grid.tileHeight > bitmap::kMaxDimension ||
        int64_t{grid.tileWidth} * grid.tileHeight > bitmap::kMaxPixels)
        return std::nullopt;
    // The columns cover the picture's pixels; the row padding of the stored
    // picture is no part of any tile.
    grid.columns = static_cast<int>((int64_t{width} + grid.tileWidth - 1) / grid.tileWidth);
    grid.rows = static_cast<int>((int64_t{height} + grid.tileHeight - 1) / grid.tileHeight);
    return grid;
}

std::optional<bitmap::Dib> cutTile(const bitmap::Dib& picture, const TileGrid& grid, int column,
                                   int row) {
    auto header = picture.header();
    header.biWidth = grid.tileWidth;
    header.biHeight = grid.tileHeight;
    header.biSizeImage = static_cast<uint32_t>(grid.tileWidth) * grid.tileHeight;
    auto tile = bitmap::Dib::create(header);
    if (!tile)
        return std::nullopt;
    const auto source = picture.palette();
    const auto target = tile->palette();
    std::copy_n(source.begin(), std::min(source.size(), target.size()), target.begin());
    std::ranges::fill(tile->pixels(), uint8_t{255});

    const int width = picture.width();
    const int height = picture.height();
    const int64_t left = int64_t{column} * grid.tileWidth;
    const auto count = static_cast<size_t>(std::clamp<int64_t>(width - left, 0, grid.tileWidth));
    for (int t = 0; t < grid.tileHeight; ++t) {
        // Stored tile row t shows picture row y, counted from the top.
        const int64_t y = int64_t{row} * grid.tileHeight + (grid.tileHeight - 1 - t);
        if (y >= height || count == 0)
            continue;
        const auto from = picture.storedRow(static_cast<int>(height - 1 - y))
                              .subspan(static_cast<size_t>(left), count);
        std::ranges::copy(from, tile->storedRow(t).begin());
    }
    return tile;
}

std::string tileFileName(const std::string& folder, int column, int row, int formatCode) {
    std::string name = folder;
    if (name.empty() || name.back() != '/')
        name.push_back('/');
    name += std::to_string(column) + "." + std::to_string(row) + ".";
    name.append(formatName(formatCode));
    return name;
}

}  // namespace codec
