#include "app/core/document/BlankPicture.h"

#include <algorithm>

#include "bitmap/Dib.h"

namespace app {

std::optional<std::vector<uint8_t>> makeBlankPicture(int width, int height) {
    if (width < 1 || height < 1 || width > bitmap::kMaxDimension ||
        height > bitmap::kMaxDimension || int64_t{width} * int64_t{height} > bitmap::kMaxPixels)
        return std::nullopt;
    constexpr int32_t kPixelsPerMetre = 3780;
    bitmap::BitmapInfoHeader header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = 24;
    header.biXPelsPerMeter = kPixelsPerMetre;
    header.biYPelsPerMeter = kPixelsPerMetre;
    header.biSizeImage = static_cast<uint32_t>(bitmap::rowStride(header) * uint64_t(height));
    auto dib = bitmap::Dib::create(header);
    if (!dib)
        return std::nullopt;
    dib->setHeader(header);
    std::vector<uint8_t> block(dib->bytes().begin(), dib->bytes().end());
    std::fill(block.begin() + bitmap::kInfoHeaderSize, block.end(), uint8_t{255});
    return block;
}

}  // namespace app
