#pragma once

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Pictures between the document's packed DIBs and Qt's images.
namespace app::ui {

// The picture of a packed DIB as an image, top row first: 1, 4 and 8 bpp
// pictures become 8-bit indexed images with the DIB's colour table (padded
// to 256 entries with black, so no index is ever out of the table), 16, 24
// and 32 bpp pictures (plain or with bit-field masks) become RGB32 images.
// A null image for a block that is not a usable DIB or holds run-length rows.
QImage imageFromPackedDib(std::span<const uint8_t> dib);

// A packed DIB of our own for an image pasted from another program: images
// of at most 256 colours keep their colour table at 8 bpp, all others become
// 24 bpp. Transparent pixels are laid over white. Nothing for a null image
// or one beyond the program's picture limits.
std::optional<std::vector<uint8_t>> packedDibFromImage(const QImage& image);

}  // namespace app::ui
