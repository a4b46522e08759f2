#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "carvello/jpeg/JpegBlockRows.h"
#include "carvello/jpeg/JpegHuffman.h"
#include "carvello/jpeg/JpegIdct.h"
#include "carvello/jpeg/JpegQuantization.h"

namespace carvello {

class JpegArithmeticDecoder;
class JpegBitReader;

// The frame's geometry as the components need it.
struct JpegFrameGeometry {
    uint32_t width = 0;
    uint32_t height = 0;
    int maxH = 1;
    int maxV = 1;
    uint32_t mcuRows = 0;
    uint32_t mcuColumns = 0;
    bool progressive = false;
    // Samples a block gives a side: 8 at full size, 4, 2 or 1 when the
    // picture is reconstructed at 1/2, 1/4 or 1/8 of its size.
    int blockSize = 8;
};

// What an arithmetic-coded scan gives a component: its statistics bins
// (owned by the decoder) and the conditioning of its tables.
struct JpegArithmeticState {
    uint8_t* dcBins = nullptr;  // 64 bins
    uint8_t* acBins = nullptr;  // 256 bins
    int dcLower = 0;            // L: differences up to 2^(L-1) count as zero
    int dcUpper = 1;            // U: differences above 2^U count as large
    int acSplit = 5;            // Kx: positions up to it share low-band bins
};

// One image component: sampling, tables, DC prediction, and its stores,
// which grow a block row at a time as the data reach them: 8-bit samples for
// sequential frames, 16-bit coefficients for progressive ones. The samples
// of a progressive frame are made a block row at a time when the pixels are
// built.
class JpegComponent {
public:
    // Set by the frame header.
    bool inFrame = false;
    int h = 1;
    int v = 1;
    int quantizationIndex = 0;
    // Set by each scan header.
    int dcTableIndex = 0;
    int acTableIndex = 0;
    // Progressive frames: set once a DC scan has started on the component.
    bool dcStarted = false;
    // Set when the picture needs nothing of the component (the chroma of a
    // grey picture): its data are entropy-decoded, as the stream requires,
    // and dropped.
    bool unused = false;

    // Ratios, block counts and the (still empty) stores for the frame.
    // Throws JpegBadStream when the stores would be out of bounds.
    void configure(const JpegFrameGeometry& frame);
    int horizontalRatio() const { return hRatio_; }
    int verticalRatio() const { return vRatio_; }
    // Blocks a one-component scan visits.
    uint32_t blockRows() const { return blockRows_; }
    uint32_t blockColumns() const { return blockColumns_; }
    // Blocks the MCUs cover.
    uint32_t allocatedRows() const { return allocatedRows_; }
    uint32_t allocatedColumns() const { return allocatedColumns_; }

    // Sequential frames whose one scan carries every component: the
    // samples keep one MCU row (v block rows) at a time, from the first on,
    // the pixels being made of each MCU row as it is finished. Called after
    // configure, before any data.
    void keepOneMcuRow();
    // Moves the samples kept to MCU row mcuRow, zeroed as new ones are.
    void startMcuRow(uint32_t mcuRow);

    // Frees the stores; configure() makes new ones.
    void release();
    // Pixel rows of the (reduced) picture that the decoded data have
    // reached.
    uint64_t reachedPixelRows() const {
        return uint64_t{reachedBlockRows_} * static_cast<uint64_t>(blockSize_) *
               static_cast<uint64_t>(vRatio_);
    }

    // Whether the AC coefficients are read and dropped: the component is
    // not used, or only each block's mean (the DC term) is kept.
    bool skipsAc() const { return unused || blockSize_ == 1; }

    // Tables for the coming scan (they must outlive it).
    void setTables(const JpegQuantizationTable* quantization, const JpegHuffmanTable* dc,
                   const JpegHuffmanTable* ac) {
        quantization_ = quantization;
        dc_ = dc;
        ac_ = ac;
    }
    void setArithmetic(const JpegArithmeticState& state) { arithmetic_ = state; }
    void resetPrediction() {
        dcPrediction_ = 0;
        endOfBandRun_ = 0;
        dcContext_ = 0;
    }

    // The five kinds of data unit at block (row, column), Huffman coded
    // (JpegDataUnit.cpp) ...
    void decodeSequential(JpegBitReader& bits, uint32_t row, uint32_t column);
    void decodeDcFirst(JpegBitReader& bits, uint32_t row, uint32_t column, int al);
    void decodeDcRefinement(JpegBitReader& bits, uint32_t row, uint32_t column, int al);
    void decodeAcFirst(JpegBitReader& bits, uint32_t row, uint32_t column, int ss, int se, int al);
    void decodeAcRefinement(JpegBitReader& bits, uint32_t row, uint32_t column, int ss, int se,
                            int al);
    // ... and arithmetic coded (JpegArithmeticUnit.cpp).
    void decodeSequential(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column);
    void decodeDcFirst(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column, int al);
    void decodeDcRefinement(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column, int al);
    void decodeAcFirst(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column, int ss, int se,
                       int al);
    void decodeAcRefinement(JpegArithmeticDecoder& coder, uint32_t row, uint32_t column, int ss,
                            int se, int al);

    // Sample row y (0 .. allocatedRows x blockSize - 1) of the component, at
    // least blockColumns x blockSize samples. Rows the data never reached
    // read as 128.
    // For progressive frames the rows must be asked for in increasing order
    // for speed: each block row is transformed once into a small cache.
    std::span<const uint8_t> sampleRow(uint32_t y);

private:
    // The coefficients of block (row, column) for writing, allocating its
    // block row on first use; find gives an empty span for a row never
    // written to.
    std::span<int16_t, 64> coefficientBlock(uint32_t row, uint32_t column);
    std::span<int16_t> findCoefficientBlock(uint32_t row, uint32_t column);
    // The sample-store bytes a block at (row, column) covers, rows apart by
    // planeStride().
    std::span<uint8_t> blockSamples(uint32_t row, uint32_t column) {
        const auto size = static_cast<size_t>(blockSize_);
        return samples_.row(row).subspan(size_t{column} * size, (size - 1) * planeStride() + size);
    }
    size_t planeStride() const {
        return static_cast<size_t>(allocatedColumns_) * static_cast<size_t>(blockSize_);
    }
    // Transforms a block of coefficients into samples at the block size.
    void transformBlock(std::span<const int16_t, 64> coefficients, std::span<uint8_t> output,
                        size_t stride);
    void reached(uint32_t row) {
        if (row >= reachedBlockRows_)
            reachedBlockRows_ = row + 1;
    }
    // Sequential units: the coefficients decoded into scratch_ go through
    // the inverse transform into the samples; then scratch_ is cleared at
    // the positions written.
    void transformScratch(uint32_t row, uint32_t column, bool wide,
                          std::span<const uint8_t> written);
    // Arithmetic coding: the next DC difference (F.2.4.1), and a band of
    // AC coefficients (F.2.4.2): their zigzag positions and values, the
    // number of them returned.
    int arithmeticDcDifference(JpegArithmeticDecoder& coder);
    int arithmeticAcBand(JpegArithmeticDecoder& coder, int ss, int se,
                         std::array<uint8_t, 64>& positions, std::array<int16_t, 64>& values);

    int hRatio_ = 1;
    int vRatio_ = 1;
    uint32_t blockRows_ = 0;
    uint32_t blockColumns_ = 0;
    uint32_t allocatedRows_ = 0;
    uint32_t allocatedColumns_ = 0;
    uint32_t reachedBlockRows_ = 0;
    bool progressive_ = false;
    int blockSize_ = 8;
    const JpegQuantizationTable* quantization_ = nullptr;
    const JpegHuffmanTable* dc_ = nullptr;
    const JpegHuffmanTable* ac_ = nullptr;
    int dcPrediction_ = 0;
    uint32_t endOfBandRun_ = 0;
    JpegArithmeticState arithmetic_;
    int dcContext_ = 0;  // the DC statistics the next difference starts from
    JpegBlockRows<uint8_t> samples_;
    JpegBlockRows<int16_t> coefficients_;
    // Progressive frames: the last block row transformed, and rows of 128.
    std::vector<uint8_t> rowCache_;
    int64_t cachedBlockRow_ = -1;
    std::vector<uint8_t> neutralRow_;
    std::array<int16_t, 64> scratch_{};
    // Stands in, read only, for the coefficients of a block never written.
    std::array<int16_t, 64> zeroBlock_{};
};

}  // namespace carvello
