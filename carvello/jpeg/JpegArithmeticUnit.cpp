// The decoding of one arithmetic-coded data unit for each kind of scan
// (T.81 F.2.4 and G.2), with the statistics models of Tables F.4 and F.5.
#include "carvello/jpeg/JpegArithmeticDecoder.h"
#include "carvello/jpeg/JpegComponent.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/jpeg/JpegIdct.h"

namespace carvello {

namespace {

using BadStream = JpegDecoder::JpegBadStream;

// Coefficients are kept to 16 bits; C++20 conversion wraps.
inline int16_t wrap16(int value) {
    return static_cast<int16_t>(value);
}

// DC bins: five conditioning contexts of four bins each (zero, sign,
// positive, negative), then the magnitude categories X1.. and, 14 further
// on, their magnitude bits.
constexpr int kDcFirstCategory = 20;
// AC bins: three per zigzag position (end of band, zero, first magnitude),
// then the categories X2.. of the low band (up to Kx) and of the high one.
constexpr int kAcLowCategories = 189;
constexpr int kAcHighCategories = 217;
constexpr int kMagnitudeBits = 14;
// Magnitudes (less one) stay below 2^15.
constexpr int kMagnitudeLimit = 0x8000;

// Decodes the bits below the leading one of a magnitude from the bins at
// bin and returns magnitude + 1 with the sign.
int finishValue(JpegArithmeticDecoder& coder, uint8_t* bins, int bin, int magnitude,
                bool negative) {
    int value = magnitude;
    for (int bit = magnitude >> 1; bit != 0; bit >>= 1)
        if (coder.decode(bins[bin + kMagnitudeBits]))
            value |= bit;
    value += 1;
    return negative ? -value : value;
}

}  // namespace

int JpegComponent::arithmeticDcDifference(JpegArithmeticDecoder& coder) {
    uint8_t* bins = arithmetic_.dcBins;
    const int context = dcContext_;
    if (!coder.decode(bins[context])) {
        dcContext_ = 0;
        return 0;
    }
    const bool negative = coder.decode(bins[context + 1]) != 0;
    int bin = context + 2 + (negative ? 1 : 0);
    int magnitude = coder.decode(bins[bin]);
    if (magnitude != 0) {
        bin = kDcFirstCategory;
        while (coder.decode(bins[bin])) {
            magnitude <<= 1;
            if (magnitude == kMagnitudeLimit)
                throw BadStream("DC difference size out of range");
            ++bin;
        }
    }
    // The next difference is coded in the context of this one's size.
    if (magnitude < (1 << arithmetic_.dcLower) >> 1)
        dcContext_ = 0;
    else if (magnitude > (1 << arithmetic_.dcUpper) >> 1)
        dcContext_ = negative ? 16 : 12;
    else
        dcContext_ = negative ? 8 : 4;
    return finishValue(coder, bins, bin, magnitude, negative);
}

int JpegComponent::arithmeticAcBand(JpegArithmeticDecoder& coder, int ss, int se,
                                    std::array<uint8_t, 64>& positions,
                                    std::array<int16_t, 64>& values) {
    uint8_t* bins = arithmetic_.acBins;
    int count = 0;
    for (int k = ss; k <= se; ++k) {
        int bin = 3 * (k - 1);
        if (coder.decode(bins[bin]))
            break;  // end of band
        while (!coder.decode(bins[bin + 1])) {
            bin += 3;
            if (++k > se)
                throw BadStream("Coefficient Index out of Range");
        }
        const bool negative = coder.decodeFixed() != 0;
        bin += 2;
        int magnitude = coder.decode(bins[bin]);
        if (magnitude != 0 && coder.decode(bins[bin])) {
            magnitude = 2;
            bin = k <= arithmetic_.acSplit ? kAcLowCategories : kAcHighCategories;
            while (coder.decode(bins[bin])) {
                magnitude <<= 1;
                if (magnitude == kMagnitudeLimit)
                    throw BadStream("Coefficient size out of range");
                ++bin;
            }
        }
        positions[static_cast<size_t>(count)] = static_cast<uint8_t>(k);
        values[static_cast<size_t>(count)] =
            wrap16(finishValue(coder, bins, bin, magnitude, negative));
        ++count;
    }
    return count;
}

void JpegComponent::decodeSequential(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column) {
    // As the Huffman-coded unit: scratch_ is zero between blocks.
    std::array<uint8_t, 64> written;
    const std::array<int16_t, 64>& limits = quantization_->limits();
    bool wide = false;
    const auto place = [&](size_t index, int natural, int16_t value) {
        scratch_[static_cast<size_t>(natural)] = value;
        written[index] = static_cast<uint8_t>(natural);
        wide |= (value < 0 ? -value : value) > limits[static_cast<size_t>(natural)];
    };
    dcPrediction_ = wrap16(dcPrediction_ + arithmeticDcDifference(coder));
    place(0, 0, static_cast<int16_t>(dcPrediction_));
    std::array<uint8_t, 64> positions;
    std::array<int16_t, 64> values;
    const int count = arithmeticAcBand(coder, 1, 63, positions, values);
    for (int i = 0; i < count; ++i)
        place(static_cast<size_t>(i) + 1, kJpegNaturalOrder[positions[static_cast<size_t>(i)]],
              values[static_cast<size_t>(i)]);
    reached(row);
    transformScratch(row, column, wide, std::span(written).first(static_cast<size_t>(count) + 1));
}

void JpegComponent::decodeDcFirst(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column,
                                  int al) {
    dcPrediction_ = wrap16(dcPrediction_ + arithmeticDcDifference(coder));
    const int16_t value = wrap16(dcPrediction_ * (1 << al));
    reached(row);
    if (unused)
        return;
    if (value != 0)
        coefficientBlock(row, column)[0] = value;
    else if (const auto block = findCoefficientBlock(row, column); !block.empty())
        block[0] = 0;
}

void JpegComponent::decodeDcRefinement(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column,
                                       int al) {
    reached(row);
    if (coder.decodeFixed() && !unused) {
        int16_t& dc = coefficientBlock(row, column)[0];
        dc = wrap16(dc | (1 << al));
    }
}

void JpegComponent::decodeAcFirst(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column,
                                  int ss, int se, int al) {
    reached(row);
    std::array<uint8_t, 64> positions;
    std::array<int16_t, 64> values;
    const int count = arithmeticAcBand(coder, ss, se, positions, values);
    for (int i = 0; i < count; ++i)
        coefficientBlock(row, column)[kJpegNaturalOrder[positions[static_cast<size_t>(i)]]] =
            wrap16(values[static_cast<size_t>(i)] * (1 << al));
}

void JpegComponent::decodeAcRefinement(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column,
                                       int ss, int se, int al) {
    // As in the Huffman-coded unit, a block never written to reads as zeros
    // and is allocated when a new coefficient comes.
    reached(row);
    std::span<int16_t> block = findCoefficientBlock(row, column);
    if (block.empty())
        block = zeroBlock_;
    const auto at = [&](int k) -> int16_t& {
        return block[kJpegNaturalOrder[static_cast<size_t>(k)]];
    };
    // The band's end as earlier scans left it: no end-of-band decision is
    // coded up to the last coefficient already non-zero.
    int lastNonZero = 0;
    for (int k = se; k > 0; --k) {
        if (at(k) != 0) {
            lastNonZero = k;
            break;
        }
    }
    const int plusOne = 1 << al;
    const int minusOne = -plusOne;
    uint8_t* bins = arithmetic_.acBins;
    for (int k = ss; k <= se; ++k) {
        int bin = 3 * (k - 1);
        if (k > lastNonZero && coder.decode(bins[bin]))
            break;  // end of band
        for (;;) {
            int16_t& coefficient = at(k);
            if (coefficient != 0) {
                if (coder.decode(bins[bin + 2]))
                    coefficient = wrap16(coefficient + (coefficient < 0 ? minusOne : plusOne));
                break;
            }
            if (coder.decode(bins[bin + 1])) {
                const int value = coder.decodeFixed() ? minusOne : plusOne;
                if (block.data() == zeroBlock_.data())
                    block = coefficientBlock(row, column);
                at(k) = wrap16(value);
                break;
            }
            bin += 3;
            if (++k > se)
                throw BadStream("Error in progressive scan");
        }
    }
}

}  // namespace carvello
