#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>
#include <vector>

#include "bitmap/formats/WBMPCoder.h"
#include "support/TestSupport.h"

// This test executable counts the largest single allocation made while a
// measurement is running, to show that sizes read from a file are checked
// before memory is taken for them.
namespace {
std::atomic<bool> gMeasuring{false};
std::atomic<size_t> gLargest{0};

void* allocate(size_t size) {
    if (gMeasuring.load(std::memory_order_relaxed)) {
        size_t seen = gLargest.load(std::memory_order_relaxed);
        while (size > seen && !gLargest.compare_exchange_weak(seen, size)) {
        }
    }
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(size_t size) {
    return allocate(size);
}
void* operator new[](size_t size) {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t) noexcept {
    std::free(p);
}

namespace {

size_t largestAllocationWhile(const std::function<void()>& work) {
    gLargest = 0;
    gMeasuring = true;
    work();
    gMeasuring = false;
    return gLargest;
}

}  // namespace

TEST(WbmpAllocation, DeclaredSizesAreCheckedBeforeAllocating) {
    using Bytes = std::vector<uint8_t>;
    const std::vector<Bytes> headers = {
        {0x00, 0x00, 0xDD, 0x60, 0xDD, 0x60, 0xFF, 0xFF},  // 12000 x 12000, 18 MB of rows
        {0x00, 0x00, 0xC0, 0x80, 0x00, 0xC0, 0x80, 0x00},  // 2^20 x 2^20
        {0x00, 0x00, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F},
    };
    testing_support::TempDir dir;
    for (const auto& header : headers) {
        testing_support::writeFile(dir.file("big.wbmp"), header);
        bitmap::WBMPCoder coder;
        const size_t largest = largestAllocationWhile([&] {
            EXPECT_FALSE(coder.loadWBMPFromMemory(header));
            EXPECT_FALSE(coder.loadWBMP(dir.file("big.wbmp")));
        });
        EXPECT_LT(largest, size_t{64 * 1024}) << header.size();
    }
}

TEST(WbmpAllocation, MeasurementSeesRealPictures) {
    // The same measurement does see the block of a picture that is present.
    std::vector<uint8_t> file = {0x00, 0x00, 0xDD, 0x60, 0x81, 0x00};
    file.resize(file.size() + 1500 * 128, 0x55);
    bitmap::WBMPCoder coder;
    const size_t largest =
        largestAllocationWhile([&] { EXPECT_TRUE(coder.loadWBMPFromMemory(file)); });
    EXPECT_GE(largest, file.size());
}
