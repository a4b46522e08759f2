#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The arithmetic behind the conversion settings dialog's preview: where the
// preview window lies on the picture for two slider positions, the text that
// names that place, and the rows of the codec's one-bit preview bitmap
// turned top-down for the screen.
namespace batch {

// The sliders move in percent of this range.
inline constexpr int kSliderMaximum = 100;

// One direction of panning the preview window over the picture.
struct PanAxis {
    // Picture extent minus window extent, at least 1.
    int range = 1;
    // False when the picture is no larger than the window: its slider is
    // disabled then.
    bool enabled = false;
};

PanAxis panAxis(int pictureExtent, int windowExtent);

// The window's first pixel for a slider position 0..100; positions outside
// that range are held at its ends.
int panOffset(int sliderPosition, const PanAxis& axis);

// "[ %3d, %3d ]" with the window's left and top pixel.
std::string positionText(int x, int y);

// A one-bit picture with its rows from the top down, each row
// (width + 7) / 8 bytes with the leftmost pixel in the highest bit.
struct MonoRows {
    int width = 0;
    int height = 0;
    int rowBytes = 0;
    std::vector<uint8_t> bits;
    // The two colours of the colour table as 0xRRGGBB.
    std::array<uint32_t, 2> colours{0x000000, 0xffffff};

    std::span<const uint8_t> row(int y) const {
        return std::span<const uint8_t>(bits).subspan(static_cast<size_t>(y) * rowBytes,
                                                      static_cast<size_t>(rowBytes));
    }
};

// Reads a packed one-bit device-independent bitmap (information header,
// colour table, rows padded to 4 bytes, bottom row first unless the height
// is negative) into top-down rows. Anything else, or a block too short for
// what its header says, gives no result.
std::optional<MonoRows> monoRowsFromDib(std::span<const uint8_t> dib);

// The threshold after one step of the arrows beside its edit: one up or
// down from the value typed in the edit, or from the last value when the
// edit holds no number; always within 0..255.
int steppedThreshold(std::optional<int> typed, int lastValue, int step);

}  // namespace batch
