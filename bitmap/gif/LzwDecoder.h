#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Expands the variable-width LZW code stream of a GIF image (the joined
// data of its sub-blocks) into pixel indices, on demand.
namespace bitmap {

class LzwDecoder {
public:
    // Prepares to decode `data` with minimum code size s. The decoder keeps a
    // view of `data`, which must outlive it. Returns 0; 50 when s is 0 or the
    // tables cannot be allocated; 55 when s is above 8 (indices would not fit
    // a byte). isReady() tells whether decoding may begin.
    int start(int minCodeSize, std::span<const uint8_t> data);
    bool isReady() const { return ready_; }

    // Fills `destination` with the next pixel indices. Returns
    //  0  when all were delivered, or when the end code came first (the rest
    //     of the destination is left as it was);
    //  52 before a successful start;
    //  53 once the stream has ended or failed, and when the input runs out
    //     (a code cut off at the end of the data), or a code names an entry
    //     that does not exist yet.
    // A full table does not stop decoding: the codes go on at 12 bits, adding
    // nothing, until a clear code (GIF89a's "deferred clear").
    int read(std::span<uint8_t> destination);

    // Bits of input consumed so far, and the current code width.
    size_t bitPosition() const { return pos_ * 8 - static_cast<size_t>(bitCount_); }
    int codeWidth() const { return width_; }

private:
    void reset();
    bool readCode(int& code);
    void addEntry(int code);
    void expand(int code, uint8_t* out, int length) const;
    int fail(int code);

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    uint64_t bits_ = 0;
    int bitCount_ = 0;

    // One entry per code: the code of the string without its last byte, the
    // last byte, the first byte and the length of the string.
    std::vector<uint16_t> prefix_;
    std::vector<uint8_t> suffix_;
    std::vector<uint8_t> first_;
    std::vector<uint16_t> length_;
    // The part of the last string that did not fit the caller's destination.
    std::vector<uint8_t> pending_;
    size_t pendingPos_ = 0;
    size_t pendingEnd_ = 0;

    int minCodeSize_ = 0;
    int clearCode_ = 0;
    int endCode_ = 0;
    int nextCode_ = 0;
    int width_ = 0;
    int previous_ = 0;
    bool firstAfterClear_ = true;
    bool ended_ = false;
    bool failed_ = false;
    bool ready_ = false;
};

}  // namespace bitmap
