#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "carvello/jpeg/JpegHuffman.h"
#include "carvello/jpeg/JpegQuantization.h"

namespace Carvello {

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
};

// One image component: sampling, tables, DC prediction, and its stores --
// a plane of 8-bit samples covering all the blocks its MCUs reach, and for
// progressive frames the 16-bit coefficients of those blocks.
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

    // Ratios, block counts and store sizes for the frame. Throws
    // JpegBadStream when the stores would be out of bounds.
    void configure(const JpegFrameGeometry& frame);
    int horizontalRatio() const { return hRatio_; }
    int verticalRatio() const { return vRatio_; }
    // Blocks a one-component scan visits.
    uint32_t blockRows() const { return blockRows_; }
    uint32_t blockColumns() const { return blockColumns_; }
    // Blocks the MCUs cover.
    uint32_t allocatedRows() const { return allocatedRows_; }
    uint32_t allocatedColumns() const { return allocatedColumns_; }

    // Allocates the stores on first use in a decode.
    void setUpStores(bool progressive);
    bool hasSamples() const { return !samples_.empty(); }
    void release();

    // Tables for the coming scan (they must outlive it).
    void setTables(const JpegQuantizationTable* quantization, const JpegHuffmanTable* dc,
                   const JpegHuffmanTable* ac) {
        quantization_ = quantization;
        dc_ = dc;
        ac_ = ac;
    }
    void resetPrediction() {
        dcPrediction_ = 0;
        endOfBandRun_ = 0;
    }

    // The five kinds of data unit at block (row, column).
    void decodeSequential(JpegBitReader& bits, uint32_t row, uint32_t column);
    void decodeDcFirst(JpegBitReader& bits, uint32_t row, uint32_t column, int al);
    void decodeDcRefinement(JpegBitReader& bits, uint32_t row, uint32_t column, int al);
    void decodeAcFirst(JpegBitReader& bits, uint32_t row, uint32_t column, int ss, int se, int al);
    void decodeAcRefinement(JpegBitReader& bits, uint32_t row, uint32_t column, int ss, int se,
                            int al);

    // Progressive frames: every block's coefficients through the inverse
    // transform into the sample plane; the coefficients are freed after.
    void transformAll();

    // The sample plane: (allocated columns x 8) x (allocated rows x 8).
    size_t planeStride() const { return static_cast<size_t>(allocatedColumns_) * 8; }
    std::span<const uint8_t> planeRow(uint32_t y) const {
        return std::span(samples_).subspan(y * planeStride(), planeStride());
    }
    uint32_t planeRows() const { return allocatedRows_ * 8; }

private:
    std::span<int16_t, 64> coefficientBlock(uint32_t row, uint32_t column);
    void transformInto(std::span<const int16_t, 64> block, uint32_t row, uint32_t column);
    // The plane bytes an 8 x 8 block at (row, column) covers, rows apart by
    // planeStride().
    std::span<uint8_t> blockSamples(uint32_t row, uint32_t column);

    int hRatio_ = 1;
    int vRatio_ = 1;
    uint32_t blockRows_ = 0;
    uint32_t blockColumns_ = 0;
    uint32_t allocatedRows_ = 0;
    uint32_t allocatedColumns_ = 0;
    const JpegQuantizationTable* quantization_ = nullptr;
    const JpegHuffmanTable* dc_ = nullptr;
    const JpegHuffmanTable* ac_ = nullptr;
    int dcPrediction_ = 0;
    uint32_t endOfBandRun_ = 0;
    std::vector<uint8_t> samples_;
    std::vector<int16_t> coefficients_;
    std::array<int16_t, 64> scratch_{};
};

}  // namespace Carvello
