#include <algorithm>
#include <cstdlib>
#include <optional>
#include <span>

#include "bitmap/Dib.h"
#include "bitmap/formats/WBMPCoder.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {
namespace {

// Pictures up to this many pixels also go through both conversions.
constexpr int64_t kConvertLimit = int64_t{1} << 20;

int bitAt(std::span<const uint8_t> row, int x) {
    return (row[x / 8] >> (7 - x % 8)) & 1;
}

// Copies a 1 bpp picture into a 4 or 8 bpp one holding the indices 0 and 1.
std::optional<bitmap::Dib> widen(const bitmap::Dib& mono, int bits) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = mono.width();
    h.biHeight = mono.height();
    h.biBitCount = static_cast<uint16_t>(bits);
    auto wide = bitmap::Dib::create(h);
    if (!wide)
        return std::nullopt;
    for (int r = 0; r < mono.height(); ++r) {
        const auto in = mono.storedRow(r);
        auto out = wide->storedRow(r);
        for (int x = 0; x < mono.width(); ++x) {
            const int v = bitAt(in, x);
            if (bits == 8)
                out[x] = static_cast<uint8_t>(v);
            else if (v)
                out[x / 2] = static_cast<uint8_t>(out[x / 2] | (x % 2 == 0 ? 0x10 : 0x01));
        }
    }
    return wide;
}

// A picture read back from its own conversion must give the same pixels.
void checkRoundTrip(const bitmap::Dib& mono, int bits) {
    const auto wide = widen(mono, bits);
    if (!wide)
        return;
    bitmap::WBMPCoder again;
    if (!again.convBMPToWBMP(*wide, 0))
        std::abort();
    const auto back = again.convWBMPToBMP();
    if (!back || back->width() != mono.width() || back->height() != mono.height())
        std::abort();
    for (int r = 0; r < mono.height(); ++r) {
        const auto a = mono.storedRow(r);
        const auto b = back->storedRow(r);
        if (!std::equal(a.begin(), a.end(), b.begin(), b.end()))
            std::abort();
    }
}

}  // namespace

void fuzzWbmp(const uint8_t* data, size_t size) {
    bitmap::WBMPCoder coder;
    if (!coder.loadWBMPFromMemory(std::span(data, size))) {
        if (!coder.data().empty() || coder.lastError().empty())
            std::abort();
        return;
    }
    int type = -1, width = 0, height = 0;
    if (!coder.getWBMPInfo(type, width, height) || type != 0 || width <= 0 || height <= 0)
        std::abort();
    if (int64_t{width} * height > kConvertLimit)
        return;
    const auto mono = coder.convWBMPToBMP();
    if (!mono)
        std::abort();
    checkRoundTrip(*mono, 8);
    checkRoundTrip(*mono, 4);
}

}  // namespace fuzzing
