#include "carvello/JpegColour.h"

#include <cmath>
#include <stdexcept>

namespace Carvello {

const JpegColourTables& JpegColourTables::get() {
    static const JpegColourTables tables = [] {
        JpegColourTables t;
        for (int c = 0; c < 256; ++c) {
            const double d = c - 128;
            t.red[static_cast<size_t>(c)] = static_cast<int32_t>(std::lround(1.402 * d));
            t.blue[static_cast<size_t>(c)] = static_cast<int32_t>(std::lround(1.772 * d));
            t.greenCb[static_cast<size_t>(c)] =
                static_cast<int32_t>(std::lround(0.34414 * d * 65536.0));
            t.greenCr[static_cast<size_t>(c)] =
                static_cast<int32_t>(std::lround(0.71414 * d * 65536.0));
        }
        return t;
    }();
    return tables;
}

namespace {

inline uint8_t clampSample(int32_t v) {
    return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

}  // namespace

void greyRowToPixels(std::span<const uint8_t> y, std::span<uint8_t> out) {
    const size_t count = out.size() / 4;
    if (y.size() < count)
        throw std::length_error("grey row too short");
    const uint8_t* in = y.data();
    uint8_t* p = out.data();
    for (size_t x = 0; x < count; ++x) {
        const uint8_t s = in[x];
        p[4 * x] = s;
        p[4 * x + 1] = s;
        p[4 * x + 2] = s;
        p[4 * x + 3] = 255;
    }
}

void colourRowToPixels(std::span<const uint8_t> y, std::span<const uint8_t> cb,
                       std::span<const uint8_t> cr, std::span<uint8_t> out) {
    const size_t count = out.size() / 4;
    if (y.size() < count || cb.size() < count || cr.size() < count)
        throw std::length_error("colour row too short");
    const JpegColourTables& t = JpegColourTables::get();
    const uint8_t* py = y.data();
    const uint8_t* pcb = cb.data();
    const uint8_t* pcr = cr.data();
    uint8_t* p = out.data();
    for (size_t x = 0; x < count; ++x) {
        const int32_t luma = py[x];
        const uint8_t b = pcb[x];
        const uint8_t r = pcr[x];
        p[4 * x] = clampSample(luma + t.blue[b]);
        p[4 * x + 1] = clampSample(luma - ((t.greenCb[b] + t.greenCr[r] + 0x8000) >> 16));
        p[4 * x + 2] = clampSample(luma + t.red[r]);
        p[4 * x + 3] = 255;
    }
}

}  // namespace Carvello
