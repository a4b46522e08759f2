#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <vector>

#include "carvello/core/LargeBlock.h"

namespace Carvello {

// A component's store of block rows (samples or coefficients), each row
// zeroed and allocated the first time the decoder writes to it. A frame
// header only sizes the table of rows, so a file that ends early costs no
// more than the rows its data reached. Rows are allocated a slab of up to
// 4 MB at a time (a large picture's store then lies in huge pages; see
// LargeBlock.h), so at most one slab lies ahead of the data. Row numbers
// must be below rowCount(): the decoder's loops stay within the frame's
// block rows.
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
    }
    void release() { reset(0, 0); }

    uint32_t rowCount() const { return static_cast<uint32_t>(written_.size()); }
    size_t elementsPerRow() const { return elementsPerRow_; }

    // Row r for writing, allocated on first use. Throws std::bad_alloc.
    std::span<T> row(uint32_t r) {
        Slab& slab = slabs_[r / rowsPerSlab_];
        if (slab.empty())
            slab.resize(rowsPerSlab_ * elementsPerRow_);
        written_[r] = 1;
        return at(slab, r);
    }
    // Row r when it has been written to, else an empty span.
    std::span<const T> find(uint32_t r) const {
        if (!written_[r])
            return {};
        const Slab& slab = slabs_[r / rowsPerSlab_];
        return {slab.data() + (r % rowsPerSlab_) * elementsPerRow_, elementsPerRow_};
    }
    std::span<T> find(uint32_t r) {
        return written_[r] ? at(slabs_[r / rowsPerSlab_], r) : std::span<T>();
    }

private:
    static constexpr size_t kSlabBytes = size_t{4} << 20;
    using Slab = std::vector<T, LargeBlockAllocator<T>>;

    std::span<T> at(Slab& slab, uint32_t r) {
        return {slab.data() + (r % rowsPerSlab_) * elementsPerRow_, elementsPerRow_};
    }

    std::vector<Slab> slabs_;
    std::vector<uint8_t> written_;
    size_t elementsPerRow_ = 0;
    size_t rowsPerSlab_ = 1;
};

}  // namespace Carvello
