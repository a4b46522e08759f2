#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <vector>

namespace Carvello {

// A component's store of block rows (samples or coefficients), each row
// allocated, zeroed, the first time the decoder writes to it. A frame header
// only sizes the table of rows, so a file that ends early costs no more than
// the rows its data reached. Row numbers must be below rowCount(): the
// decoder's loops stay within the frame's block rows.
template <typename T>
class JpegBlockRows {
public:
    // rows of elementsPerRow elements each; frees what was there.
    void reset(uint32_t rows, size_t elementsPerRow) {
        rows_.clear();
        rows_.shrink_to_fit();
        rows_.resize(rows);
        elementsPerRow_ = elementsPerRow;
    }
    void release() { reset(0, 0); }

    uint32_t rowCount() const { return static_cast<uint32_t>(rows_.size()); }
    size_t elementsPerRow() const { return elementsPerRow_; }

    // Row r for writing, allocated on first use. Throws std::bad_alloc.
    std::span<T> row(uint32_t r) {
        std::unique_ptr<T[]>& slot = rows_[r];
        if (!slot)
            slot = std::make_unique<T[]>(elementsPerRow_);
        return {slot.get(), elementsPerRow_};
    }
    // Row r when it has been written to, else an empty span.
    std::span<const T> find(uint32_t r) const {
        const std::unique_ptr<T[]>& slot = rows_[r];
        return slot ? std::span<const T>(slot.get(), elementsPerRow_) : std::span<const T>();
    }
    std::span<T> find(uint32_t r) {
        std::unique_ptr<T[]>& slot = rows_[r];
        return slot ? std::span<T>(slot.get(), elementsPerRow_) : std::span<T>();
    }

private:
    std::vector<std::unique_ptr<T[]>> rows_;
    size_t elementsPerRow_ = 0;
};

}  // namespace Carvello
