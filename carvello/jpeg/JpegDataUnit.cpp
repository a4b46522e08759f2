// The entropy decoding of one data unit for each kind of scan (T.81 F.2.2
// and G.1.2).
#include <algorithm>

#include "carvello/jpeg/JpegBitReader.h"
#include "carvello/jpeg/JpegComponent.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/jpeg/JpegIdct.h"
#include "carvello/jpeg/JpegReducedIdct.h"

namespace carvello {

namespace {

// DC predictions and coefficients are kept to 16 bits; C++20 conversion
// wraps, so a hostile stream cannot overflow anything.
inline int16_t wrap16(int value) {
    return static_cast<int16_t>(value);
}

}  // namespace

void JpegComponent::decodeSequential(JpegBitReader& bits, uint32_t row, uint32_t column) {
    // A component the picture does not use, or a picture of each block's
    // mean (the DC term alone), needs nothing of the AC coefficients.
    if (skipsAc()) {
        dcPrediction_ = wrap16(dcPrediction_ + bits.dcDifferenceSkippingAc(*dc_, *ac_));
        reached(row);
        if (!unused)
            blockSamples(row, column)[0] = jpeg_reduced_idct::blockMean(
                static_cast<int16_t>(dcPrediction_), quantization_->natural()[0]);
        return;
    }
    // scratch_ is all zero between blocks: the positions written here are
    // remembered and cleared after the transform.
    std::array<uint8_t, 64> written;
    size_t writtenCount = 0;
    const std::array<int16_t, 64>& limits = quantization_->limits();
    int wide = 0;
    const auto place = [&](int natural, int value) {
        scratch_[static_cast<size_t>(natural)] = wrap16(value);
        written[writtenCount++] = static_cast<uint8_t>(natural);
        const int magnitude = value < 0 ? -value : value;
        wide |= magnitude > limits[static_cast<size_t>(natural)];
    };

    dcPrediction_ = wrap16(dcPrediction_ + bits.dcDifference(*dc_));
    place(0, static_cast<int16_t>(dcPrediction_));

    bits.decodeBlockAc(*ac_, [&](int k, int value) {
        place(kJpegNaturalOrder[static_cast<size_t>(k)], wrap16(value));
    });
    reached(row);
    transformScratch(row, column, wide != 0, std::span(written).first(writtenCount));
}

// Progressive units write only the coefficients that become non-zero, so
// a block row is allocated only when the data put something into it.
void JpegComponent::decodeDcFirst(JpegBitReader& bits, uint32_t row, uint32_t column, int al) {
    dcPrediction_ = wrap16(dcPrediction_ + bits.dcDifference(*dc_));
    const int16_t value = wrap16(dcPrediction_ * (1 << al));
    reached(row);
    if (unused)
        return;
    if (value != 0)
        coefficientBlock(row, column)[0] = value;
    else if (const auto block = findCoefficientBlock(row, column); !block.empty())
        block[0] = 0;
}

void JpegComponent::decodeDcRefinement(JpegBitReader& bits, uint32_t row, uint32_t column, int al) {
    reached(row);
    if (bits.getBit() && !unused) {
        int16_t& dc = coefficientBlock(row, column)[0];
        dc = wrap16(dc | (1 << al));
    }
}

void JpegComponent::decodeAcFirst(JpegBitReader& bits, uint32_t row, uint32_t column, int ss,
                                  int se, int al) {
    reached(row);
    if (endOfBandRun_ > 0) {
        --endOfBandRun_;
        return;
    }
    const JpegHuffmanTable& ac = *ac_;
    for (int k = ss; k <= se;) {
        const int rs = bits.decode(ac);
        const int r = rs >> 4;
        const int s = rs & 15;
        if (s != 0) {
            if (k + r > 63)
                throw JpegDecoder::JpegBadStream("Data out of range");
            k += r;
            coefficientBlock(row, column)[kJpegNaturalOrder[static_cast<size_t>(k)]] =
                wrap16(bits.receiveExtend(s) * (1 << al));
            ++k;
        } else if (r == 15) {
            k += 16;
        } else {
            if (r > 0)
                endOfBandRun_ = (1u << r) + static_cast<uint32_t>(bits.getBits(r)) - 1;
            break;
        }
    }
}

void JpegComponent::decodeAcRefinement(JpegBitReader& bits, uint32_t row, uint32_t column, int ss,
                                       int se, int al) {
    // A block never written to reads as zeros; it is allocated when a new
    // coefficient comes (corrections only touch non-zero ones).
    reached(row);
    const std::span<int16_t> found = findCoefficientBlock(row, column);
    int16_t* block = found.empty() ? zeroBlock_.data() : found.data();
    const int plusOne = 1 << al;
    const int minusOne = -plusOne;
    // A correction bit adds one at position al away from zero, once.
    auto refine = [&](int16_t& coefficient) {
        if (bits.getBit() && (coefficient & plusOne) == 0)
            coefficient = wrap16(coefficient + (coefficient >= 0 ? plusOne : minusOne));
    };

    int k = ss;
    if (endOfBandRun_ == 0) {
        const JpegHuffmanTable& ac = *ac_;
        for (; k <= se; ++k) {
            const int rs = bits.decode(ac);
            int r = rs >> 4;
            const int s = rs & 15;
            int value = 0;
            if (s != 0) {
                if (s != 1)
                    throw JpegDecoder::JpegBadStream("Invalid value in input stream");
                value = bits.getBit() ? plusOne : minusOne;
            } else if (r != 15) {
                endOfBandRun_ = 1u << r;
                if (r > 0)
                    endOfBandRun_ += static_cast<uint32_t>(bits.getBits(r));
                break;
            }
            // Pass r zero coefficients, refining the non-zero ones on the
            // way; the new coefficient goes at the next zero one.
            for (; k <= se; ++k) {
                int16_t& coefficient = block[kJpegNaturalOrder[static_cast<size_t>(k)]];
                if (coefficient != 0) {
                    refine(coefficient);
                } else {
                    if (r == 0)
                        break;
                    --r;
                }
            }
            if (s != 0) {
                if (k > se)
                    throw JpegDecoder::JpegBadStream("Error in progressive scan");
                if (block == zeroBlock_.data())
                    block = coefficientBlock(row, column).data();
                block[kJpegNaturalOrder[static_cast<size_t>(k)]] = wrap16(value);
            }
        }
    }
    if (endOfBandRun_ > 0) {
        for (; k <= se; ++k) {
            int16_t& coefficient = block[kJpegNaturalOrder[static_cast<size_t>(k)]];
            if (coefficient != 0)
                refine(coefficient);
        }
        --endOfBandRun_;
    }
}

}  // namespace carvello
