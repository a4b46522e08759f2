#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace Carvello {

// The JFIF YCbCr -> RGB conversion with four 256-entry tables (rounded to
// the nearest integer, halves away from zero): R(c) = 1.402 (c - 128),
// B(c) = 1.772 (c - 128), G1(c) = 0.34414 (c - 128) 65536 and
// G2(c) = 0.71414 (c - 128) 65536.
struct JpegColourTables {
    std::array<int32_t, 256> red{};
    std::array<int32_t, 256> blue{};
    std::array<int32_t, 256> greenCb{};
    std::array<int32_t, 256> greenCr{};

    static const JpegColourTables& get();
};

// One row of pixels (blue, green, red, alpha 255): out holds 4 bytes per
// pixel, the sample rows at least as many samples as out has pixels.
void greyRowToPixels(std::span<const uint8_t> y, std::span<uint8_t> out);
void colourRowToPixels(std::span<const uint8_t> y, std::span<const uint8_t> cb,
                       std::span<const uint8_t> cr, std::span<uint8_t> out);

}  // namespace Carvello
