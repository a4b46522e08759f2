#pragma once

#include <array>
#include <cstdint>

#include "carvello/core/InputByteStream.h"

namespace carvello {

// The adaptive binary arithmetic decoder of ITU T.81 Annex D over the
// entropy-coded data of a scan. A statistics bin is one byte: its low seven
// bits index the probability estimation table (Table D.2), its top bit is
// the more probable symbol; a bin of 0 is the initial state.
//
// At a marker the decoder goes on with zero bytes, as the standard has the
// encoder leave trailing zeros out; the marker stays in the stream. The end
// of the data inside a scan is an InputByteStream::StreamError.
// One row of T.81 Table D.2: the estimate Qe, the next index after a less
// and after a more probable symbol, and whether a less probable symbol
// swaps the sense of the more probable one.
struct JpegQeEstimate {
    uint16_t qe;
    uint8_t nextLps;
    uint8_t nextMps;
    bool switchMps;
};
extern const std::array<JpegQeEstimate, 113> kJpegQeEstimates;

class JpegArithmeticDecoder {
public:
    explicit JpegArithmeticDecoder(InputByteStream& stream) : stream_(stream) {}

    // Starts the code at the stream's position (start of a scan, after a
    // restart marker): the first two bytes fill the code register.
    void enter();
    // Moves the stream to the next marker, past the bytes of the code not
    // needed by the last decision.
    void leave();

    // One decision with an adaptive bin, whose state it updates: Decode
    // (D.2.4) with the conditional exchanges and the estimation (D.2.5).
    int decode(uint8_t& bin) {
        const JpegQeEstimate& estimate = kJpegQeEstimates[bin & 0x7F];
        const int mps = bin >> 7;
        a_ -= estimate.qe;
        bool lps = false;
        if ((c_ >> 16) < a_) {
            if (a_ >= kHalf)
                return mps;
            lps = a_ < estimate.qe;
        } else {
            c_ -= a_ << 16;
            lps = a_ >= estimate.qe;
            a_ = estimate.qe;
        }
        const uint8_t sense = bin & kMpsBit;
        if (lps)
            bin = static_cast<uint8_t>((estimate.switchMps ? sense ^ kMpsBit : sense) |
                                       estimate.nextLps);
        else
            bin = static_cast<uint8_t>(sense | estimate.nextMps);
        renormalize();
        return lps ? 1 - mps : mps;
    }
    // One decision at the fixed estimate Qe = 0x5A1D (even odds) with 0 as
    // the more probable symbol, not adapted: signs and correction bits.
    int decodeFixed() {
        uint8_t bin = 0;
        return decode(bin);
    }

private:
    static constexpr uint8_t kMpsBit = 0x80;
    static constexpr uint32_t kHalf = 0x8000;

    // Renorm_D (D.2.6). The compared part of the code stays below the
    // interval, which is below 0x8000 here, so no bit is shifted out.
    void renormalize() {
        do {
            if (ct_ == 0) {
                byteIn();
                ct_ = 8;
            }
            a_ <<= 1;
            c_ <<= 1;
            --ct_;
        } while (a_ < kHalf);
    }
    void byteIn();

    InputByteStream& stream_;
    uint32_t c_ = 0;  // code register: the compared part in bits 16..31
    uint32_t a_ = 0;  // interval size, 0x10000 standing for 1.0
    int ct_ = 0;      // bits left before the next byte is taken in
    bool atMarker_ = false;
};

}  // namespace carvello
