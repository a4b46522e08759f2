#include "carvello/jpeg/JpegComponent.h"

#include <algorithm>
#include <new>

#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/jpeg/JpegIdct.h"
#include "carvello/jpeg/JpegReducedIdct.h"

namespace carvello {

namespace {

// Upper bound on one component's sample plane; the frame's pixel limit keeps
// real planes far below it.
constexpr uint64_t kMaxPlaneBytes = uint64_t{1} << 30;

// A level of 128 is what a block of zero coefficients transforms to.
constexpr uint8_t kNeutralSample = 128;

}  // namespace

void JpegComponent::configure(const JpegFrameGeometry& frame) {
    // Upsampling repeats samples a whole number of times, so each frequency
    // must divide the largest one.
    if (frame.maxH % h != 0 || frame.maxV % v != 0)
        throw JpegDecoder::JpegBadStream("Unsupported sampling frequency ratio");
    hRatio_ = frame.maxH / h;
    vRatio_ = frame.maxV / v;
    blockRows_ =
        static_cast<uint32_t>((uint64_t{frame.height} + 8u * vRatio_ - 1) / (8u * vRatio_));
    blockColumns_ =
        static_cast<uint32_t>((uint64_t{frame.width} + 8u * hRatio_ - 1) / (8u * hRatio_));
    allocatedRows_ = frame.mcuRows * static_cast<uint32_t>(v);
    allocatedColumns_ = frame.mcuColumns * static_cast<uint32_t>(h);
    const uint64_t planeBytes = uint64_t{allocatedRows_} * allocatedColumns_ * 64;
    if (planeBytes > kMaxPlaneBytes)
        throw JpegDecoder::JpegBadStream("Image dimensions too large");
    progressive_ = frame.progressive;
    blockSize_ = frame.blockSize;
    dcStarted = false;
    unused = false;
    release();
    // Only the tables of rows are sized here; the rows come with the data.
    const size_t blockElements = static_cast<size_t>(blockSize_) * static_cast<size_t>(blockSize_);
    if (progressive_)
        coefficients_.reset(allocatedRows_, size_t{allocatedColumns_} * 64);
    else
        samples_.reset(allocatedRows_, size_t{allocatedColumns_} * blockElements);
}

void JpegComponent::keepOneMcuRow() {
    const size_t blockElements = static_cast<size_t>(blockSize_) * static_cast<size_t>(blockSize_);
    samples_.resetWindow(allocatedRows_, static_cast<uint32_t>(v),
                         size_t{allocatedColumns_} * blockElements);
}

void JpegComponent::startMcuRow(uint32_t mcuRow) {
    samples_.slideTo(mcuRow * static_cast<uint32_t>(v));
}

void JpegComponent::transformBlock(std::span<const int16_t, 64> coefficients,
                                   std::span<uint8_t> output, size_t stride) {
    if (blockSize_ == 8)
        jpeg_idct::transform(coefficients, std::span<const int32_t, 64>(quantization_->scaled()),
                             std::span<const int16_t, 64>(quantization_->limits()), output, stride);
    else
        jpeg_reduced_idct::transform(coefficients, quantization_->natural(), blockSize_, output,
                                     stride);
}

void JpegComponent::transformScratch(uint32_t row, uint32_t column, bool wide,
                                     std::span<const uint8_t> written) {
    if (unused) {
        // Nothing is kept of the block.
    } else if (blockSize_ == 8) {
        jpeg_idct::transform(scratch_, std::span<const int32_t, 64>(quantization_->scaled()), wide,
                             blockSamples(row, column), planeStride());
    } else {
        jpeg_reduced_idct::transform(scratch_, quantization_->natural(), written, blockSize_,
                                     blockSamples(row, column), planeStride());
    }
    for (const uint8_t position : written)
        scratch_[position] = 0;
}

void JpegComponent::release() {
    scratch_.fill(0);
    reachedBlockRows_ = 0;
    samples_.release();
    coefficients_.release();
    cachedBlockRow_ = -1;
    std::vector<uint8_t>().swap(rowCache_);
    std::vector<uint8_t>().swap(neutralRow_);
}

std::span<int16_t, 64> JpegComponent::coefficientBlock(uint32_t row, uint32_t column) {
    return std::span<int16_t, 64>(coefficients_.row(row).subspan(size_t{column} * 64, 64));
}

std::span<int16_t> JpegComponent::findCoefficientBlock(uint32_t row, uint32_t column) {
    const std::span<int16_t> blocks = coefficients_.find(row);
    return blocks.empty() ? blocks : blocks.subspan(size_t{column} * 64, 64);
}

std::span<const uint8_t> JpegComponent::sampleRow(uint32_t y) {
    const size_t stride = planeStride();
    const auto size = static_cast<uint32_t>(blockSize_);
    const uint32_t blockRow = y / size;
    const size_t line = size_t{y % size} * stride;
    if (!progressive_) {
        const std::span<const uint8_t> samples = samples_.find(blockRow);
        if (!samples.empty())
            return samples.subspan(line, stride);
    } else if (quantization_ != nullptr && !coefficients_.find(blockRow).empty()) {
        if (cachedBlockRow_ != blockRow) {
            rowCache_.resize(size * stride);
            const std::span<const int16_t> blocks = coefficients_.find(blockRow);
            for (uint32_t column = 0; column < allocatedColumns_; ++column)
                transformBlock(
                    std::span<const int16_t, 64>(blocks.subspan(size_t{column} * 64, 64)),
                    std::span(rowCache_).subspan(size_t{column} * size), stride);
            cachedBlockRow_ = blockRow;
        }
        return std::span<const uint8_t>(rowCache_).subspan(line, stride);
    }
    if (neutralRow_.size() != stride)
        neutralRow_.assign(stride, kNeutralSample);
    return neutralRow_;
}

}  // namespace carvello
