#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <vector>

#include "carvello/core/LargeBlock.h"

namespace carvello {

// A component's store of block rows (samples or coefficients), each row
// zeroed and allocated the first time the decoder writes to it. A frame
// header only sizes the table of rows, so a file that ends early costs no
// more than the rows its data reached. Rows are allocated a slab of up to
// 4 MB at a time (a large picture's store then lies in huge pages; see
// LargeBlock.h), so at most one slab lies ahead of the data. Row numbers
// must be below rowCount(): the decoder's loops stay within the frame's
// block rows. A store may also keep a window of a few rows only, which
// slides down the rows (see resetWindow).
template <typename T>
class JpegBlockRows {
public:
    // rows of elementsPerRow elements each; frees what was there.
    void reset(uint32_t rows, size_t elementsPerRow) {
        slabs_.clear();
        slabs_.shrink_to_fit();
        written_.assign(rows, 0);
        written_.shrink_to_fit();
        elementsPerRow_ = elementsPerRow;
        const size_t rowBytes = std::max<size_t>(1, elementsPerRow * sizeof(T));
        rowsPerSlab_ = std::clamp<size_t>(kSlabBytes / rowBytes, 1, std::max<size_t>(rows, 1));
        slabs_.resize((rows + rowsPerSlab_ - 1) / rowsPerSlab_);
        windowFirst_ = 0;
        windowRows_ = rows;
    }
    // rows of elementsPerRow elements of which only `window` consecutive
    // ones are kept, in one slab, from row 0 on. Rows outside the window
    // must not be written and read as never written.
    void resetWindow(uint32_t rows, uint32_t window, size_t elementsPerRow) {
        reset(rows, elementsPerRow);
        rowsPerSlab_ = std::max<size_t>(window, 1);
        slabs_.resize(1);
        windowRows_ = window;
    }
    // Moves the window to start at row first, its rows zeroed as new rows
    // are.
    void slideTo(uint32_t first) {
        windowFirst_ = first;
        std::fill(slabs_.front().begin(), slabs_.front().end(), T{});
    }
    void release() { reset(0, 0); }

    uint32_t rowCount() const { return static_cast<uint32_t>(written_.size()); }
    size_t elementsPerRow() const { return elementsPerRow_; }

    // Row r for writing, allocated on first use. Throws std::bad_alloc.
    std::span<T> row(uint32_t r) {
        const uint32_t local = r - windowFirst_;
        Slab& slab = slabs_[local / rowsPerSlab_];
        if (slab.empty())
            slab.resize(rowsPerSlab_ * elementsPerRow_);
        written_[r] = 1;
        return at(slab, local);
    }
    // Row r when it has been written to, else an empty span.
    std::span<const T> find(uint32_t r) const {
        const uint32_t local = r - windowFirst_;
        if (!written_[r] || local >= windowRows_)
            return {};
        const Slab& slab = slabs_[local / rowsPerSlab_];
        return {slab.data() + (local % rowsPerSlab_) * elementsPerRow_, elementsPerRow_};
    }
    std::span<T> find(uint32_t r) {
        const uint32_t local = r - windowFirst_;
        if (!written_[r] || local >= windowRows_)
            return {};
        return at(slabs_[local / rowsPerSlab_], local);
    }

private:
    static constexpr size_t kSlabBytes = size_t{4} << 20;
    using Slab = std::vector<T, LargeBlockAllocator<T>>;

    // Row `local` of the kept rows.
    std::span<T> at(Slab& slab, uint32_t local) {
        return {slab.data() + (local % rowsPerSlab_) * elementsPerRow_, elementsPerRow_};
    }

    std::vector<Slab> slabs_;
    std::vector<uint8_t> written_;
    size_t elementsPerRow_ = 0;
    size_t rowsPerSlab_ = 1;
    // The rows kept: all of them unless a window was asked for.
    uint32_t windowFirst_ = 0;
    uint32_t windowRows_ = 0;
};

}  // namespace carvello
