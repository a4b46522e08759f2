#include "bitmap/gif/GifWriter.h"

#include <algorithm>
#include <array>
#include <exception>
#include <new>

#include "base/FileIO.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/gif/GifErrors.h"
#include "bitmap/gif/LzwEncoder.h"

namespace bitmap {
namespace {

constexpr int kMaxGifDimension = 65535;
constexpr size_t kMaxSubBlock = 255;

void appendLe16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// Top-row-first order of the rows as the file stores them.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    constexpr std::array<std::array<int, 2>, 4> kPasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    for (const auto& [first, step] : kPasses)
        for (int y = first; y < height; y += step)
            order.push_back(y);
    return order;
}

void appendSubBlocks(std::vector<uint8_t>& out, std::span<const uint8_t> data) {
    while (!data.empty()) {
        const size_t n = std::min(data.size(), kMaxSubBlock);
        out.push_back(static_cast<uint8_t>(n));
        out.insert(out.end(), data.begin(), data.begin() + static_cast<ptrdiff_t>(n));
        data = data.subspan(n);
    }
    out.push_back(0);
}

}  // namespace

int gifCodeSizeForColours(uint32_t colours) {
    int f = 1;
    while (f < 8 && (uint32_t{1} << f) < colours)
        ++f;
    return f;
}

GifWriter::GifWriter(const Dib& picture) {
    if (picture.empty()) {
        refusal_ = gifcode::kNoImageToSave;
        return;
    }
    if (picture.bitCount() != 8) {
        refusal_ = gifcode::kUnsupportedBitCount;
        return;
    }
    width_ = picture.width();
    height_ = picture.height();
    if (width_ > kMaxGifDimension || height_ > kMaxGifDimension) {
        refusal_ = gifcode::kUnsupportedFormat;
        return;
    }
    try {
        // The rows without their padding, top row first; note the largest index.
        rows_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
        uint8_t largest = 0;
        for (int y = 0; y < height_; ++y) {
            const auto row = picture.storedRow(height_ - 1 - y).first(static_cast<size_t>(width_));
            std::copy(row.begin(), row.end(), rows_.begin() + static_cast<ptrdiff_t>(y) * width_);
            largest = std::max(largest, *std::max_element(row.begin(), row.end()));
        }
        // A GIF table holds at most 256 colours. The table also covers the
        // largest index in use, so that no pixel loses bits.
        const uint32_t colours = std::min<uint32_t>(colourCount(picture.header()), 256);
        tableBits_ =
            std::max(gifCodeSizeForColours(colours), gifCodeSizeForColours(uint32_t{largest} + 1));
        // Entries beyond the picture's colours are black, so the table has the
        // 2^tableBits entries that the screen descriptor announces.
        colourTable_.assign((size_t{1} << tableBits_) * 3, 0);
        const auto palette = picture.palette();
        const size_t stored = std::min<size_t>(colours, palette.size() / 4);
        for (size_t i = 0; i < stored; ++i) {
            colourTable_[i * 3] = palette[i * 4 + 2];
            colourTable_[i * 3 + 1] = palette[i * 4 + 1];
            colourTable_[i * 3 + 2] = palette[i * 4];
        }
    } catch (const std::bad_alloc&) {
        rows_.clear();
        refusal_ = gifcode::kUnsupportedFormat;
    }
}

int GifWriter::lzwCodeSize() const {
    // A code size of 1 is valid LZW, but common decoders refuse it for
    // two-colour images: they expect 2 there.
    return std::max(tableBits_, 2);
}

int GifWriter::encode(bool interlaced, std::vector<uint8_t>& out) const {
    out.clear();
    if (refusal_ != gifcode::kOk)
        return refusal_;
    try {
        LzwEncoder encoder;
        if (const int code = encoder.start(lzwCodeSize()))
            return code;
        for (const int y : rowOrder(height_, interlaced)) {
            const auto row = std::span(rows_).subspan(static_cast<size_t>(y) * width_,
                                                      static_cast<size_t>(width_));
            for (const uint8_t pixel : row)
                if (const int code = encoder.put(pixel))
                    return code;
        }
        if (const int code = encoder.finish())
            return code;
        const auto data = encoder.output();

        const auto f = static_cast<uint8_t>(tableBits_ - 1);
        out.reserve(6 + 7 + colourTable_.size() + 10 + 1 + data.size() + data.size() / 255 + 3);
        for (const char c : std::string_view("GIF87a"))
            out.push_back(static_cast<uint8_t>(c));
        appendLe16(out, width_);
        appendLe16(out, height_);
        out.push_back(static_cast<uint8_t>(0x80 | (f << 4) | f));
        out.push_back(0);  // background index
        out.push_back(0);  // aspect ratio
        out.insert(out.end(), colourTable_.begin(), colourTable_.end());
        out.push_back(0x2C);
        appendLe16(out, 0);
        appendLe16(out, 0);
        appendLe16(out, width_);
        appendLe16(out, height_);
        out.push_back(static_cast<uint8_t>((interlaced ? 0x40 : 0) | f));
        out.push_back(static_cast<uint8_t>(lzwCodeSize()));
        appendSubBlocks(out, data);
        out.push_back(0x3B);
    } catch (const std::bad_alloc&) {
        out.clear();
        return gifcode::kUnsupportedFormat;
    }
    return gifcode::kOk;
}

int GifWriter::save(const std::string& path, bool interlaced) const {
    try {
        std::vector<uint8_t> bytes;
        if (const int code = encode(interlaced, bytes))
            return code;
        const std::array<std::span<const uint8_t>, 1> pieces{bytes};
        switch (writeFileAtomically(path, pieces)) {
            case WriteStatus::ok:
                return gifcode::kOk;
            case WriteStatus::cannotOpen:
                return gifcode::kCannotCreateFile;
            case WriteStatus::writeError:
                return gifcode::kWriteFailed;
        }
    } catch (const std::exception&) {
        return gifcode::kUnhandledException;
    }
    return gifcode::kWriteFailed;
}

}  // namespace bitmap
