#include "bitmap/resample/Resampler.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <new>
#include <vector>

namespace bitmap {

namespace {

// Luma weights of red, green and blue in 1/65536 steps; they add up to
// 65536, so a grey of value v has luma exactly v.
constexpr uint32_t kRedWeight = 19595;
constexpr uint32_t kGreenWeight = 38470;
constexpr uint32_t kBlueWeight = 7471;

// Luma carries 8 fractional bits through the averaging (0..65280), so that
// colour pictures are not rounded twice.
constexpr int kLumaFractionBits = 8;
constexpr uint32_t kLumaHalf = 1u << (kLumaFractionBits - 1);

inline uint16_t fineLuma(uint32_t blue, uint32_t green, uint32_t red) {
    const uint32_t sum = kRedWeight * red + kGreenWeight * green + kBlueWeight * blue;
    return static_cast<uint16_t>((sum + (1u << (15 - kLumaFractionBits))) >>
                                 (16 - kLumaFractionBits));
}

// 8-bit luma rounded from the fine one.
inline uint8_t coarseLuma(uint32_t fine) {
    return static_cast<uint8_t>((fine + kLumaHalf) >> kLumaFractionBits);
}

using LumaTable = std::array<uint16_t, 256>;
using IndexTable = std::array<uint8_t, 256>;

// Fine luma of every colour index; indices past the table stay black.
LumaTable indexLumas(const DibView& source) {
    LumaTable table{};
    const size_t entries = std::min<size_t>(table.size(), source.layout().colourCount);
    for (size_t i = 0; i < entries; ++i) {
        const Bgr c = source.colour(i);
        table[i] = fineLuma(c.blue, c.green, c.red);
    }
    return table;
}

// For each 8-bit luma, the destination entry whose luma is nearest (the
// lower index on a tie).
// The entries nearest to a luma are those of the nearest luma present below
// it and above it; of several, the lowest index wins. Two sweeps find them
// for all 256 lumas at once.
IndexTable nearestEntries(const DibView& destination, size_t entries) {
    constexpr int kAbsent = -1;
    std::array<int, 256> lowestWithLuma;
    lowestWithLuma.fill(kAbsent);
    for (size_t i = entries; i-- > 0;) {
        const Bgr c = destination.colour(i);
        lowestWithLuma[coarseLuma(fineLuma(c.blue, c.green, c.red))] = static_cast<int>(i);
    }
    // The nearest luma present at or below each luma, and at or above it.
    std::array<int, 256> below;
    std::array<int, 256> above;
    for (int v = 0, last = kAbsent; v < 256; ++v)
        below[v] = last = lowestWithLuma[v] != kAbsent ? v : last;
    for (int v = 255, last = kAbsent; v >= 0; --v)
        above[v] = last = lowestWithLuma[v] != kAbsent ? v : last;
    IndexTable table{};
    for (int v = 0; v < 256; ++v) {
        const int down = below[v] == kAbsent ? 256 : v - below[v];
        const int up = above[v] == kAbsent ? 256 : above[v] - v;
        int best = down < up ? lowestWithLuma[below[v]] : lowestWithLuma[above[v]];
        if (down == up)
            best = std::min(lowestWithLuma[below[v]], lowestWithLuma[above[v]]);
        table[v] = static_cast<uint8_t>(best);
    }
    return table;
}

// Fine luma of each pixel of one source row. The row holds at least
// out.size() pixels (checked by checkSource).
void decodeLumaRow(std::span<const uint8_t> row, int bitCount, const LumaTable& lumas,
                   std::span<uint16_t> out) {
    const size_t n = out.size();
    switch (bitCount) {
        case 24:
            for (size_t x = 0; x < n; ++x) {
                const Bgr c = bgrInRow(row, x, 24);
                out[x] = fineLuma(c.blue, c.green, c.red);
            }
            break;
        case 32:
            for (size_t x = 0; x < n; ++x) {
                const Bgr c = bgrInRow(row, x, 32);
                out[x] = fineLuma(c.blue, c.green, c.red);
            }
            break;
        default:
            forEachIndex(row, bitCount, n, [&](size_t x, int index) { out[x] = lumas[index]; });
            break;
    }
}

// Box-filter weights along one axis. In units where a source pixel is
// dstCount wide and a destination pixel srcCount wide, both axes span
// srcCount x dstCount units, and each weight is the exact integer overlap of
// a source pixel with a destination pixel. The weights of one destination
// pixel add up to srcCount.
struct Taps {
    std::vector<uint32_t> first;    // first source pixel under each destination pixel
    std::vector<uint32_t> begin;    // where its weights start; one extra entry at the end
    std::vector<uint32_t> weights;  // overlaps, source pixels in order
};

Taps makeTaps(uint32_t srcCount, uint32_t dstCount) {
    Taps taps;
    taps.first.resize(dstCount);
    taps.begin.resize(size_t{dstCount} + 1);
    taps.weights.reserve(size_t{srcCount} + dstCount);
    for (uint32_t d = 0; d < dstCount; ++d) {
        const uint64_t lo = uint64_t{d} * srcCount;
        const uint64_t hi = lo + srcCount;
        uint64_t s = lo / dstCount;
        taps.first[d] = static_cast<uint32_t>(s);
        taps.begin[d] = static_cast<uint32_t>(taps.weights.size());
        for (; s * dstCount < hi; ++s) {
            const uint64_t from = std::max(lo, s * dstCount);
            const uint64_t to = std::min(hi, (s + 1) * dstCount);
            taps.weights.push_back(static_cast<uint32_t>(to - from));
        }
    }
    taps.begin[dstCount] = static_cast<uint32_t>(taps.weights.size());
    return taps;
}

// Source pixel under the centre of destination pixel d.
inline uint32_t centreSample(uint32_t d, uint32_t srcCount, uint32_t dstCount) {
    return static_cast<uint32_t>(((uint64_t{d} * 2 + 1) * srcCount) / (uint64_t{dstCount} * 2));
}

// Reads source rows by their position from the top, decoding each into
// luma once while it is the current row.
class RowReader {
public:
    explicit RowReader(const DibView& source)
        : source_(source), lumas_(indexLumas(source)), luma_(static_cast<size_t>(source.width())) {}

    // Luma of the row `y` rows below the top; the span stays valid until the
    // next call.
    std::span<const uint16_t> lumaRow(uint32_t y) {
        if (y != current_) {
            decodeLumaRow(source_.row(static_cast<int>(y)), source_.bitCount(), lumas_, luma_);
            current_ = y;
        }
        return luma_;
    }

private:
    const DibView& source_;
    LumaTable lumas_;
    std::vector<uint16_t> luma_;
    uint32_t current_ = UINT32_MAX;
};

void sampleNearest(const DibView& source, const MutableDibView& destination,
                   const IndexTable& nearest) {
    const auto srcW = static_cast<uint32_t>(source.width());
    const auto srcH = static_cast<uint32_t>(source.height());
    const auto dstW = static_cast<uint32_t>(destination.width());
    const auto dstH = static_cast<uint32_t>(destination.height());
    std::vector<uint32_t> columns(dstW);
    for (uint32_t dx = 0; dx < dstW; ++dx)
        columns[dx] = centreSample(dx, srcW, dstW);
    std::vector<uint8_t> indices(dstW);
    RowReader reader(source);
    for (uint32_t dy = 0; dy < dstH; ++dy) {
        const auto luma = reader.lumaRow(centreSample(dy, srcH, dstH));
        for (uint32_t dx = 0; dx < dstW; ++dx)
            indices[dx] = nearest[coarseLuma(luma[columns[dx]])];
        packIndices(indices, destination.bitCount(), destination.row(static_cast<int>(dy)));
    }
}

// Weighted sums of one luma row over each destination column.
void filterRow(std::span<const uint16_t> luma, const Taps& taps, std::span<uint64_t> out) {
    const uint32_t* weights = taps.weights.data();
    for (size_t d = 0; d < out.size(); ++d) {
        const uint16_t* src = luma.data() + taps.first[d];
        uint64_t sum = 0;
        for (uint32_t k = taps.begin[d], i = 0; k < taps.begin[d + 1]; ++k, ++i)
            sum += uint64_t{weights[k]} * src[i];
        out[d] = sum;
    }
}

void averageArea(const DibView& source, const MutableDibView& destination,
                 const IndexTable& nearest) {
    const auto srcW = static_cast<uint32_t>(source.width());
    const auto srcH = static_cast<uint32_t>(source.height());
    const auto dstW = static_cast<uint32_t>(destination.width());
    const auto dstH = static_cast<uint32_t>(destination.height());
    const Taps across = makeTaps(srcW, dstW);
    const Taps down = makeTaps(srcH, dstH);
    // Each destination pixel's weights add up to srcW x srcH (at most 2^28
    // by the source limits), and fine luma is below 2^16, so the sums stay
    // below 2^44.
    const uint64_t total = uint64_t{srcW} * srcH;
    const uint64_t divisor = total << kLumaFractionBits;
    const uint64_t half = total << (kLumaFractionBits - 1);

    std::vector<uint64_t> filtered(dstW);
    std::vector<uint64_t> sums(dstW);
    std::vector<uint8_t> indices(dstW);
    RowReader reader(source);
    uint32_t filteredRow = UINT32_MAX;
    for (uint32_t dy = 0; dy < dstH; ++dy) {
        std::fill(sums.begin(), sums.end(), uint64_t{0});
        uint32_t sy = down.first[dy];
        for (uint32_t k = down.begin[dy]; k < down.begin[dy + 1]; ++k, ++sy) {
            if (sy != filteredRow) {
                filterRow(reader.lumaRow(sy), across, filtered);
                filteredRow = sy;
            }
            const uint64_t weight = down.weights[k];
            for (uint32_t dx = 0; dx < dstW; ++dx)
                sums[dx] += weight * filtered[dx];
        }
        for (uint32_t dx = 0; dx < dstW; ++dx)
            indices[dx] = nearest[(sums[dx] + half) / divisor];
        packIndices(indices, destination.bitCount(), destination.row(static_cast<int>(dy)));
    }
}

bool isSupportedSourceDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

}  // namespace

SourceCheck checkSource(const DibView& source) {
    if (!isSupportedSourceDepth(source.bitCount()))
        return SourceCheck::unsupportedDepth;
    const int width = source.width();
    const int height = source.height();
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension ||
        int64_t{width} * height > kMaxPixels)
        return SourceCheck::badSize;
    if (source.stride() < source.rowBytes())
        return SourceCheck::badSize;
    if (!source.holdsRows())
        return SourceCheck::shortBuffer;
    return SourceCheck::ok;
}

ResampleResult resample(const DibView& source, const MutableDibView& destination,
                        Sampling sampling) {
    if (checkSource(source) != SourceCheck::ok)
        return ResampleResult::badSource;
    const int depth = destination.bitCount();
    if (destination.empty() || (depth != 1 && depth != 4 && depth != 8) ||
        destination.width() <= 0 || destination.stride() < destination.rowBytes() ||
        !destination.holdsRows())
        return ResampleResult::badDestination;
    const size_t entries = std::min(size_t{destination.layout().colourCount}, size_t{1} << depth);
    if (entries == 0)
        return ResampleResult::badDestination;

    const IndexTable nearest = nearestEntries(destination, entries);
    // At the same size the average of each area is its one pixel.
    const bool sameSize =
        source.width() == destination.width() && source.height() == destination.height();
    try {
        if (sampling == Sampling::nearestPixel || sameSize)
            sampleNearest(source, destination, nearest);
        else
            averageArea(source, destination, nearest);
    } catch (const std::bad_alloc&) {
        return ResampleResult::outOfMemory;
    }
    return ResampleResult::ok;
}

}  // namespace bitmap
