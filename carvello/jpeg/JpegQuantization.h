#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace carvello {

// Zigzag index -> natural (row-major) position within an 8 x 8 block. The
// extra entries let a decoder that overruns the band by up to 15 positions
// still land inside the block (they all point at the last coefficient).
extern const std::array<uint8_t, 64 + 16> kJpegNaturalOrder;

// One quantization table with its values in zigzag order and the derived
// integer table the inverse transform multiplies by: entry (u, v) = value x
// scale(u, v) x 4096, scale(u, v) = 1 / (8 a(u) a(v)), a(0) = 1 and
// a(k) = sqrt(2) cos(k pi / 16).
class JpegQuantizationTable {
public:
    // values: 64 values in zigzag order, none of them 0.
    void set(std::span<const uint16_t, 64> zigzagValues);

    bool defined() const { return defined_; }
    void clear() { defined_ = false; }

    uint16_t zigzagValue(int index) const { return values_[static_cast<size_t>(index)]; }
    // The values in natural order.
    const std::array<uint16_t, 64>& natural() const { return natural_; }
    // The derived table in natural order.
    const std::array<int32_t, 64>& scaled() const { return scaled_; }
    // The inverse transform's limits for the derived table.
    const std::array<int16_t, 64>& limits() const { return limits_; }

private:
    std::array<uint16_t, 64> values_{};
    std::array<uint16_t, 64> natural_{};
    std::array<int32_t, 64> scaled_{};
    std::array<int16_t, 64> limits_{};
    bool defined_ = false;
};

}  // namespace carvello
