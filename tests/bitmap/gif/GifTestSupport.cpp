#include "tests/bitmap/gif/GifTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

#include "bitmap/gif/LzwEncoder.h"
#include "support/TestSupport.h"

namespace gif_test {

int CodeReader::read(int width) {
    if (bit_ + static_cast<size_t>(width) > bytes_.size() * 8)
        return -1;
    int code = 0;
    for (int i = 0; i < width; ++i, ++bit_)
        code |= ((bytes_[bit_ / 8] >> (bit_ % 8)) & 1) << i;
    return code;
}

void CodeWriter::write(int code, int width) {
    for (int i = 0; i < width; ++i, ++bit_) {
        if (bit_ % 8 == 0)
            bytes_.push_back(0);
        if ((code >> i) & 1)
            bytes_.back() = static_cast<uint8_t>(bytes_.back() | (1 << (bit_ % 8)));
    }
}

std::vector<uint8_t> deBruijnPairs(int k) {
    // The classic construction from Lyndon words, for words of length 2.
    std::vector<int> a(3, 0);
    std::vector<uint8_t> out;
    std::function<void(int, int)> step = [&](int t, int p) {
        if (t > 2) {
            if (2 % p == 0)
                for (int i = 1; i <= p; ++i)
                    out.push_back(static_cast<uint8_t>(a[i]));
            return;
        }
        a[t] = a[t - p];
        step(t + 1, p);
        for (int j = a[t - p] + 1; j < k; ++j) {
            a[t] = j;
            step(t + 1, t);
        }
    };
    step(1, 1);
    return out;
}

std::vector<uint8_t> lzwEncode(int codeSize, std::span<const uint8_t> indices) {
    bitmap::LzwEncoder encoder;
    EXPECT_EQ(encoder.start(codeSize), 0);
    for (const uint8_t v : indices)
        EXPECT_EQ(encoder.put(v), 0);
    EXPECT_EQ(encoder.finish(), 0);
    const auto out = encoder.output();
    return {out.begin(), out.end()};
}

uint32_t GifBuilder::colour(int i) {
    return static_cast<uint32_t>((i * 37 + 11) % 256) << 16 |
           static_cast<uint32_t>((i * 91 + 5) % 256) << 8 | static_cast<uint32_t>((i * 13) % 256);
}

uint32_t GifBuilder::localColour(int i) {
    return 0xFFFFFF - colour(i);
}

void GifBuilder::le16(int v) {
    bytes_.push_back(static_cast<uint8_t>(v & 0xFF));
    bytes_.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

namespace {
int tableBits(int entries) {
    int bits = 1;
    while ((1 << bits) < entries)
        ++bits;
    return bits;
}
void appendTable(std::vector<uint8_t>& out, int entries, uint32_t (*colour)(int)) {
    for (int i = 0; i < entries; ++i) {
        const uint32_t c = colour(i);
        out.push_back(static_cast<uint8_t>(c >> 16));
        out.push_back(static_cast<uint8_t>(c >> 8));
        out.push_back(static_cast<uint8_t>(c));
    }
}
}  // namespace

GifBuilder& GifBuilder::screen(int width, int height, int globalEntries, const char* signature) {
    for (const char* c = signature; *c; ++c)
        bytes_.push_back(static_cast<uint8_t>(*c));
    le16(width);
    le16(height);
    const int bits = tableBits(globalEntries);
    bytes_.push_back(globalEntries ? static_cast<uint8_t>(0x80 | 0x70 | (bits - 1)) : 0x70);
    bytes_.push_back(0);
    bytes_.push_back(0);
    if (globalEntries)
        appendTable(bytes_, globalEntries, colour);
    return *this;
}

GifBuilder& GifBuilder::extension(uint8_t label, const std::vector<std::string>& blocks) {
    bytes_.push_back(0x21);
    bytes_.push_back(label);
    for (const auto& block : blocks) {
        bytes_.push_back(static_cast<uint8_t>(block.size()));
        bytes_.insert(bytes_.end(), block.begin(), block.end());
    }
    bytes_.push_back(0);
    return *this;
}

GifBuilder& GifBuilder::image(int left, int top, int width, int height, bool interlaced,
                              int localEntries, int codeSize, std::span<const uint8_t> lzwData) {
    bytes_.push_back(0x2C);
    le16(left);
    le16(top);
    le16(width);
    le16(height);
    uint8_t packed = interlaced ? 0x40 : 0;
    if (localEntries)
        packed = static_cast<uint8_t>(packed | 0x80 | (tableBits(localEntries) - 1));
    bytes_.push_back(packed);
    if (localEntries)
        appendTable(bytes_, localEntries, localColour);
    bytes_.push_back(static_cast<uint8_t>(codeSize));
    // Uneven sub-block sizes, to join more than one.
    size_t at = 0;
    size_t size = 7;
    while (at < lzwData.size()) {
        const size_t n = std::min(size, lzwData.size() - at);
        bytes_.push_back(static_cast<uint8_t>(n));
        bytes_.insert(bytes_.end(), lzwData.begin() + static_cast<ptrdiff_t>(at),
                      lzwData.begin() + static_cast<ptrdiff_t>(at + n));
        at += n;
        size = size == 7 ? 255 : 7;
    }
    bytes_.push_back(0);
    return *this;
}

GifBuilder& GifBuilder::simpleImage(int width, int height, std::span<const uint8_t> rowsInOrder,
                                    int codeSize, int localEntries) {
    const auto data = lzwEncode(codeSize, rowsInOrder);
    return image(0, 0, width, height, false, localEntries, codeSize, data);
}

GifBuilder& GifBuilder::raw(std::vector<uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

GifBuilder& GifBuilder::trailer() {
    bytes_.push_back(0x3B);
    return *this;
}

bitmap::Dib makeIndexedDib(int width, int height, uint32_t entries, int (*pixel)(int x, int y)) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = 8;
    h.biClrUsed = entries;
    auto dib = bitmap::Dib::create(h);
    EXPECT_TRUE(dib.has_value());
    auto palette = dib->palette();
    for (uint32_t i = 0; i < entries; ++i) {
        const uint32_t c = GifBuilder::colour(static_cast<int>(i));
        palette[i * 4] = static_cast<uint8_t>(c);
        palette[i * 4 + 1] = static_cast<uint8_t>(c >> 8);
        palette[i * 4 + 2] = static_cast<uint8_t>(c >> 16);
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            testing_support::setPixel(*dib, x, y, pixel(x, y));
    return std::move(*dib);
}

uint32_t paletteColour(const bitmap::Dib& dib, int index) {
    const auto p = dib.palette().subspan(static_cast<size_t>(index) * 4, 4);
    return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

namespace {
// Next number of a netpbm header, skipping white space and comments.
int headerNumber(std::span<const uint8_t> b, size_t& at) {
    while (at < b.size() && (std::isspace(b[at]) || b[at] == '#')) {
        if (b[at] == '#')
            while (at < b.size() && b[at] != '\n')
                ++at;
        else
            ++at;
    }
    int v = 0;
    bool any = false;
    while (at < b.size() && std::isdigit(b[at])) {
        v = v * 10 + (b[at++] - '0');
        any = true;
    }
    return any ? v : -1;
}
}  // namespace

Ppm parsePpm(std::span<const uint8_t> b) {
    Ppm p;
    if (b.size() < 2 || b[0] != 'P' || b[1] != '6')
        return p;
    size_t at = 2;
    const int w = headerNumber(b, at);
    const int h = headerNumber(b, at);
    const int maxValue = headerNumber(b, at);
    if (w <= 0 || h <= 0 || maxValue != 255)
        return p;
    ++at;  // the single white-space byte before the samples
    const size_t need = static_cast<size_t>(w) * static_cast<size_t>(h) * 3;
    if (b.size() - at < need)
        return p;
    p.width = w;
    p.height = h;
    for (size_t i = 0; i < need; i += 3)
        p.pixels.push_back(uint32_t{b[at + i]} << 16 | uint32_t{b[at + i + 1]} << 8 |
                           b[at + i + 2]);
    return p;
}

void writePpm(const std::string& path, const Ppm& picture) {
    std::string text =
        "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
    std::vector<uint8_t> bytes(text.begin(), text.end());
    for (const uint32_t c : picture.pixels) {
        bytes.push_back(static_cast<uint8_t>(c >> 16));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
        bytes.push_back(static_cast<uint8_t>(c));
    }
    testing_support::writeFile(path, bytes);
}

}  // namespace gif_test
