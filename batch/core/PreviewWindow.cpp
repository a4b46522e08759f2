#include "batch/core/PreviewWindow.h"

#include <algorithm>
#include <cstdio>

#include "bitmap/Dib.h"

namespace batch {

PanAxis panAxis(int pictureExtent, int windowExtent) {
    const int64_t spare = int64_t{pictureExtent} - windowExtent;
    if (spare < 1)
        return {1, false};
    return {static_cast<int>(std::min<int64_t>(spare, INT32_MAX)), true};
}

int panOffset(int sliderPosition, const PanAxis& axis) {
    if (!axis.enabled)
        return 0;
    const int64_t position = std::clamp(sliderPosition, 0, kSliderMaximum);
    return static_cast<int>(position * axis.range / kSliderMaximum);
}

std::string positionText(int x, int y) {
    char text[64];
    std::snprintf(text, sizeof text, "[ %3d, %3d ]", x, y);
    return text;
}

std::optional<MonoRows> monoRowsFromDib(std::span<const uint8_t> dib) {
    const auto view = bitmap::DibView::over(dib, bitmap::RowOrder::eitherOrder);
    if (!view || view->bitCount() != 1 || view->layout().compression != bitmap::kPlainRows ||
        view->layout().headerSize < bitmap::kInfoHeaderSize)
        return std::nullopt;
    // One bit indexes two colours; a table declared longer is no one-bit table.
    if (bitmap::BitmapInfoHeader::parse(dib).biClrUsed > 2)
        return std::nullopt;

    MonoRows rows;
    rows.width = view->width();
    rows.height = view->height();
    const auto rowBytes = static_cast<size_t>(view->rowBytes());
    rows.rowBytes = static_cast<int>(rowBytes);
    for (uint32_t entry = 0; entry < view->layout().colourCount; ++entry) {
        const bitmap::Bgr c = view->colour(entry);
        rows.colours[entry] = uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue;
    }
    rows.bits.resize(rowBytes * static_cast<size_t>(rows.height));
    for (int y = 0; y < rows.height; ++y) {
        const auto from = view->row(y).first(rowBytes);
        std::copy(from.begin(), from.end(),
                  rows.bits.begin() + static_cast<ptrdiff_t>(y * rowBytes));
    }
    // Bits past the last pixel of a row are padding; clear them so that the
    // rows compare equal whatever the padding held.
    if (const int spareBits = static_cast<int>(rowBytes * 8 - static_cast<size_t>(rows.width))) {
        const uint8_t keep = static_cast<uint8_t>(0xff << spareBits);
        for (int y = 0; y < rows.height; ++y)
            rows.bits[static_cast<size_t>(y) * rowBytes + rowBytes - 1] &= keep;
    }
    return rows;
}

int steppedThreshold(std::optional<int> typed, int lastValue, int step) {
    const int from = std::clamp(typed.value_or(lastValue), 0, 255);
    return std::clamp(from + step, 0, 255);
}

}  // namespace batch
