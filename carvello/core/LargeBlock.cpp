#include "carvello/core/LargeBlock.h"

#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "carvello/core/GraphicsException.h"

namespace carvello {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;

}  // namespace

void* allocateLargeBlock(size_t bytes) {
    if (bytes < kHugePage) {
        void* block = std::malloc(bytes == 0 ? 1 : bytes);
        if (block == nullptr)
            throw std::bad_alloc();
        return block;
    }
    if (bytes > static_cast<size_t>(-1) - kHugePage)
        throw std::bad_alloc();
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (block == nullptr)
        throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only advice: without huge pages the block works the same.
    ::madvise(block, rounded, MADV_HUGEPAGE);
#endif
    return block;
}

void freeLargeBlock(void* block) noexcept {
    std::free(block);
}

PixelBlock allocatePixels(uint32_t width, uint32_t height, size_t bytesPerPixel,
                          uint64_t maxPixels) {
    const uint64_t count = uint64_t{width} * height;
    if (count > maxPixels)
        throw GraphicsException("Image dimensions too large");
    if (count == 0)
        return nullptr;
    const auto bytes = static_cast<size_t>(count) * bytesPerPixel;
    PixelBlock block;
    try {
        block.reset(static_cast<uint8_t*>(allocateLargeBlock(bytes)));
    } catch (const std::bad_alloc&) {
        throw GraphicsException("Out of memory");
    }
    std::memset(block.get(), 0, bytes);
    return block;
}

}  // namespace carvello
