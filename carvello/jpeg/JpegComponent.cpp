#include "carvello/jpeg/JpegComponent.h"

#include <algorithm>
#include <new>

#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/jpeg/JpegIdct.h"

namespace Carvello {

namespace {

// Upper bound on one component's sample plane; the frame's pixel limit keeps
// real planes far below it.
constexpr uint64_t kMaxPlaneBytes = uint64_t{1} << 30;

template <typename T>
void allocateZeroed(std::vector<T>& store, uint64_t count) {
    try {
        store.assign(static_cast<size_t>(count), T{0});
    } catch (const std::bad_alloc&) {
        throw JpegDecoder::JpegError("Out of memory");
    }
}

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
    release();
}

void JpegComponent::setUpStores(bool progressive) {
    const uint64_t blocks = uint64_t{allocatedRows_} * allocatedColumns_;
    if (progressive) {
        if (coefficients_.empty() && blocks > 0)
            allocateZeroed(coefficients_, blocks * 64);
    } else if (samples_.empty() && blocks > 0) {
        allocateZeroed(samples_, blocks * 64);
    }
}

void JpegComponent::release() {
    scratch_.fill(0);
    std::vector<uint8_t>().swap(samples_);
    std::vector<int16_t>().swap(coefficients_);
}

std::span<int16_t, 64> JpegComponent::coefficientBlock(uint32_t row, uint32_t column) {
    const size_t index = (static_cast<size_t>(row) * allocatedColumns_ + column) * 64;
    return std::span<int16_t, 64>(coefficients_.data() + index, 64);
}

std::span<uint8_t> JpegComponent::blockSamples(uint32_t row, uint32_t column) {
    const size_t stride = planeStride();
    const size_t offset = static_cast<size_t>(row) * 8 * stride + static_cast<size_t>(column) * 8;
    return std::span(samples_).subspan(offset, 7 * stride + 8);
}

void JpegComponent::transformInto(std::span<const int16_t, 64> block, uint32_t row,
                                  uint32_t column) {
    JpegIdct::transform(block, std::span<const int32_t, 64>(quantization_->scaled()),
                        std::span<const int16_t, 64>(quantization_->limits()),
                        blockSamples(row, column), planeStride());
}

void JpegComponent::transformAll() {
    if (coefficients_.empty())
        return;
    if (samples_.empty())
        allocateZeroed(samples_, uint64_t{allocatedRows_} * allocatedColumns_ * 64);
    for (uint32_t row = 0; row < allocatedRows_; ++row)
        for (uint32_t column = 0; column < allocatedColumns_; ++column)
            transformInto(coefficientBlock(row, column), row, column);
    std::vector<int16_t>().swap(coefficients_);
}

}  // namespace Carvello
