#include "tests/codec/CorpusFiles.h"

#include <algorithm>
#include <cmath>

#include "bitmap/DibView.h"
#include "support/TestSupport.h"

namespace readers_test {
namespace {

void le16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void le32(std::vector<uint8_t>& out, uint32_t v) {
    le16(out, v & 0xFFFF);
    le16(out, v >> 16);
}

// Packs codes least significant bit first.
class CodePacker {
public:
    void put(int code, int width) {
        for (int i = 0; i < width; ++i, ++bit_) {
            if (bit_ % 8 == 0)
                bytes_.push_back(0);
            bytes_.back() |= static_cast<uint8_t>(((code >> i) & 1) << (bit_ % 8));
        }
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    size_t bit_ = 0;
};

}  // namespace

std::vector<uint8_t> deferredClearGif(int width, int height, std::span<const uint8_t> indices,
                                      std::span<const uint32_t> colours) {
    std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    le16(out, static_cast<uint32_t>(width));
    le16(out, static_cast<uint32_t>(height));
    out.insert(out.end(), {0xF7, 0, 0});  // a global table of 256 entries
    for (size_t i = 0; i < 256; ++i) {
        const uint32_t c = i < colours.size() ? colours[i] : 0;
        out.insert(out.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8),
                               static_cast<uint8_t>(c)});
    }
    out.push_back(0x2C);
    le16(out, 0);
    le16(out, 0);
    le16(out, static_cast<uint32_t>(width));
    le16(out, static_cast<uint32_t>(height));
    out.push_back(0);
    out.push_back(8);  // code size

    // One code per pixel; the decoder adds an entry for each code after the
    // first and widens when the next free code reaches the width's limit.
    CodePacker codes;
    codes.put(256, 9);
    int nextCode = 258;
    int width9 = 9;
    for (size_t j = 0; j < indices.size(); ++j) {
        codes.put(indices[j], width9);
        if (j > 0 && nextCode < 4096)
            ++nextCode;
        if (nextCode >= (1 << width9) && width9 < 12)
            ++width9;
    }
    codes.put(257, width9);

    const auto& data = codes.bytes();
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t n = std::min<size_t>(255, data.size() - at);
        out.push_back(static_cast<uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<ptrdiff_t>(at),
                   data.begin() + static_cast<ptrdiff_t>(at + n));
    }
    out.push_back(0);
    out.push_back(0x3B);
    return out;
}

std::vector<uint8_t> withStrayZeros(std::vector<uint8_t> gif) {
    const size_t tableEnd = 13 + ((gif[10] & 0x80) ? 3 * (size_t{2} << (gif[10] & 7)) : 0);
    gif.insert(gif.end() - 1, {0, 0});
    gif.insert(gif.begin() + static_cast<ptrdiff_t>(tableEnd), 0);
    return gif;
}

std::vector<uint8_t> runLengthBmp(const bitmap::Dib& picture, int bits, bool deltas) {
    const int width = picture.width();
    const int height = picture.height();
    // With deltas, the most common index trades places with index 0, which
    // is what skipped pixels take.
    std::vector<size_t> counts(256);
    for (int r = 0; r < height; ++r)
        for (int x = 0; x < width; ++x)
            ++counts[static_cast<size_t>(bitmap::indexInRow(
                picture.storedRow(r), static_cast<size_t>(x), picture.bitCount()))];
    const auto common = static_cast<uint8_t>(
        deltas ? std::max_element(counts.begin(), counts.end()) - counts.begin() : 0);
    auto swapped = [common](uint8_t v) { return v == common ? uint8_t{0} : v == 0 ? common : v; };
    std::vector<uint8_t> data;
    for (int r = 0; r < height; ++r) {  // stored rows: the bottom one first
        const auto row = picture.storedRow(r);
        auto at = [&](int x) {
            return swapped(static_cast<uint8_t>(
                bitmap::indexInRow(row, static_cast<size_t>(x), picture.bitCount())));
        };
        int x = 0;
        while (x < width) {
            int run = 1;
            while (x + run < width && run < 255 && at(x + run) == at(x))
                ++run;
            if (deltas && at(x) == 0 && x + run == width) {
                break;  // the end of line leaves the rest 0
            }
            if (deltas && at(x) == 0 && run >= 4) {
                data.insert(data.end(), {0, 2, static_cast<uint8_t>(run), 0});
            } else if (run >= 3) {
                const uint8_t v = bits == 8 ? at(x) : static_cast<uint8_t>(at(x) << 4 | at(x));
                data.insert(data.end(), {static_cast<uint8_t>(run), v});
            } else {
                // A literal run up to the next run of three.
                run = 0;
                while (x + run < width && run < 250 &&
                       !(x + run + 2 < width && at(x + run) == at(x + run + 1) &&
                         at(x + run) == at(x + run + 2)))
                    ++run;
                if (run < 3) {
                    for (int i = 0; i < run; ++i) {
                        const uint8_t v =
                            bits == 8 ? at(x + i) : static_cast<uint8_t>(at(x + i) << 4);
                        data.insert(data.end(), {1, v});
                    }
                } else {
                    data.insert(data.end(), {0, static_cast<uint8_t>(run)});
                    std::vector<uint8_t> literal;
                    for (int i = 0; i < run; ++i) {
                        if (bits == 8)
                            literal.push_back(at(x + i));
                        else if (i % 2 == 0)
                            literal.push_back(static_cast<uint8_t>(at(x + i) << 4));
                        else
                            literal.back() |= at(x + i);
                    }
                    if (literal.size() % 2)
                        literal.push_back(0);
                    data.insert(data.end(), literal.begin(), literal.end());
                }
            }
            x += run;
        }
        data.insert(data.end(), {0, 0});
    }
    data.insert(data.end(), {0, 1});

    std::vector<uint8_t> palette(picture.palette().begin(), picture.palette().end());
    const size_t entries = std::min<size_t>(palette.size() / 4, size_t{1} << bits);
    if (common != 0 && size_t{common} < entries)
        std::swap_ranges(palette.begin(), palette.begin() + 4, palette.begin() + common * 4);
    std::vector<uint8_t> file{'B', 'M'};
    const auto offBits = static_cast<uint32_t>(54 + entries * 4);
    le32(file, offBits + static_cast<uint32_t>(data.size()));
    le32(file, 0);
    le32(file, offBits);
    le32(file, 40);
    le32(file, static_cast<uint32_t>(width));
    le32(file, static_cast<uint32_t>(height));
    le16(file, 1);
    le16(file, static_cast<uint32_t>(bits));
    le32(file, bits == 8 ? 1 : 2);
    le32(file, static_cast<uint32_t>(data.size()));
    le32(file, 2835);
    le32(file, 2835);
    le32(file, static_cast<uint32_t>(entries));
    le32(file, 0);
    file.insert(file.end(), palette.begin(), palette.begin() + static_cast<ptrdiff_t>(entries * 4));
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

}  // namespace readers_test
