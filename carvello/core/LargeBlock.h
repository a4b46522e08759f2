#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

namespace carvello {

// Memory for pictures and decoder stores. A fresh page costs a fault on its
// first touch, and a 12-megapixel picture spans thousands of them; blocks of
// 2 MB and more are therefore asked for in huge pages where the system
// grants them to a region that asks (Linux's transparent huge pages), so
// the faults are few. Smaller blocks come from the ordinary heap.
// allocateLargeBlock throws std::bad_alloc; the memory is not cleared.
void* allocateLargeBlock(size_t bytes);
void freeLargeBlock(void* block) noexcept;

// The pixels of a picture: a large block, freed with it. The block comes
// from the C heap, so it may be grown with realloc.
struct LargeBlockDeleter {
    void operator()(uint8_t* block) const noexcept { freeLargeBlock(block); }
};
using PixelBlock = std::unique_ptr<uint8_t[], LargeBlockDeleter>;

// width x height zeroed pixels of bytesPerPixel bytes each (no block for no
// pixels). Throws GraphicsException for more than maxPixels pixels or when
// memory runs out.
PixelBlock allocatePixels(uint32_t width, uint32_t height, size_t bytesPerPixel,
                          uint64_t maxPixels);

// The same as an allocator, for containers of pixels.
template <typename T>
struct LargeBlockAllocator {
    using value_type = T;
    LargeBlockAllocator() = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

    T* allocate(size_t count) {
        if (count > static_cast<size_t>(-1) / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T*>(allocateLargeBlock(count * sizeof(T)));
    }
    void deallocate(T* block, size_t) noexcept { freeLargeBlock(block); }

    template <typename U>
    bool operator==(const LargeBlockAllocator<U>&) const {
        return true;
    }
};

}  // namespace carvello
