#include "batch/core/PreviewWindow.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace batch {
namespace {

constexpr size_t kInfoHeaderBytes = 40;

uint32_t readU32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

uint16_t readU16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

int32_t readI32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<int32_t>(readU32(bytes, at));
}

}  // namespace

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
    if (dib.size() < kInfoHeaderBytes)
        return std::nullopt;
    const uint32_t headerBytes = readU32(dib, 0);
    const int32_t width = readI32(dib, 4);
    const int32_t signedHeight = readI32(dib, 8);
    const uint16_t bitCount = readU16(dib, 14);
    const uint32_t compression = readU32(dib, 16);
    const uint32_t coloursUsed = readU32(dib, 32);
    if (headerBytes < kInfoHeaderBytes || headerBytes > dib.size() || bitCount != 1 ||
        compression != 0 || width <= 0 || signedHeight == 0 || signedHeight == INT32_MIN ||
        coloursUsed > 2)
        return std::nullopt;

    const bool bottomUp = signedHeight > 0;
    const int64_t height = std::abs(int64_t{signedHeight});
    const uint64_t tableEntries = coloursUsed == 0 ? 2 : coloursUsed;
    const uint64_t pixelsAt = uint64_t{headerBytes} + tableEntries * 4;
    const uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(width)} + 7) / 8;
    const uint64_t storedRowBytes = (uint64_t{static_cast<uint32_t>(width)} + 31) / 32 * 4;
    // Divide before multiplying so that no size can wrap around.
    if (pixelsAt > dib.size() || uint64_t(height) > (dib.size() - pixelsAt) / storedRowBytes)
        return std::nullopt;

    MonoRows rows;
    rows.width = width;
    rows.height = static_cast<int>(height);
    rows.rowBytes = static_cast<int>(rowBytes);
    for (uint64_t entry = 0; entry < tableEntries; ++entry) {
        const size_t at = static_cast<size_t>(headerBytes + entry * 4);
        rows.colours[entry] = uint32_t{dib[at + 2]} << 16 | uint32_t{dib[at + 1]} << 8 | dib[at];
    }
    rows.bits.resize(static_cast<size_t>(rowBytes * height));
    for (int64_t y = 0; y < height; ++y) {
        const int64_t stored = bottomUp ? height - 1 - y : y;
        const uint8_t* from = dib.data() + pixelsAt + uint64_t(stored) * storedRowBytes;
        std::memcpy(rows.bits.data() + uint64_t(y) * rowBytes, from, rowBytes);
    }
    // Bits past the last pixel of a row are padding; clear them so that the
    // rows compare equal whatever the padding held.
    if (const int spareBits = static_cast<int>(rowBytes * 8 - static_cast<uint32_t>(width))) {
        const uint8_t keep = static_cast<uint8_t>(0xff << spareBits);
        for (int64_t y = 0; y < height; ++y)
            rows.bits[static_cast<size_t>(uint64_t(y) * rowBytes + rowBytes - 1)] &= keep;
    }
    return rows;
}

int steppedThreshold(std::optional<int> typed, int lastValue, int step) {
    const int from = std::clamp(typed.value_or(lastValue), 0, 255);
    return std::clamp(from + step, 0, 255);
}

}  // namespace batch
