#include "tests/carvello/png/PngFileReader.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

#include "carvello/zlib/Checksums.h"
#include "tests/carvello/png/DeflateReader.h"

namespace pngwrite_test {
namespace {

uint32_t be32(std::span<const uint8_t> b, size_t at) {
    return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) |
           b[at + 3];
}

int paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

}  // namespace

PngFile readChunks(std::span<const uint8_t> file) {
    static const uint8_t kSig[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    PngFile png;
    png.signatureOk = file.size() >= 8 && std::equal(kSig, kSig + 8, file.begin());
    size_t at = 8;
    while (at + 12 <= file.size()) {
        const uint32_t length = be32(file, at);
        if (at + 12 + length > file.size())
            throw std::runtime_error("chunk runs past the end");
        Chunk chunk;
        chunk.type.assign(file.begin() + at + 4, file.begin() + at + 8);
        chunk.data.assign(file.begin() + at + 8, file.begin() + at + 8 + length);
        chunk.crcOk = carvello::updateCrc32(0, file.subspan(at + 4, length + 4)) ==
                      be32(file, at + 8 + length);
        at += 12 + length;
        const bool end = chunk.type == "IEND";
        png.chunks.push_back(std::move(chunk));
        if (end)
            break;
    }
    png.trailingBytes = file.size() - at;
    return png;
}

DecodedPng decodePng(std::span<const uint8_t> file) {
    const PngFile png = readChunks(file);
    if (png.chunks.empty() || png.chunks[0].type != "IHDR" || png.chunks[0].data.size() != 13)
        throw std::runtime_error("no IHDR first");
    const auto& h = png.chunks[0].data;
    DecodedPng out;
    out.width = be32(h, 0);
    out.height = be32(h, 4);
    out.colourType = h[9];
    if (h[8] != 8 || (h[9] != 2 && h[9] != 6) || h[10] || h[11] || h[12])
        throw std::runtime_error("not 8-bit RGB(A), plain");
    std::vector<uint8_t> idat;
    for (const auto& c : png.chunks)
        if (c.type == "IDAT")
            idat.insert(idat.end(), c.data.begin(), c.data.end());
    const auto raw = readZlib(idat).data;
    const size_t bpp = h[9] == 6 ? 4 : 3;
    const size_t rowSize = out.width * bpp;
    if (raw.size() != (rowSize + 1) * out.height)
        throw std::runtime_error("image data has the wrong size");
    out.samples.assign(rowSize * out.height, 0);
    for (size_t y = 0; y < out.height; ++y) {
        const uint8_t type = raw[y * (rowSize + 1)];
        out.filterTypes.push_back(type);
        const uint8_t* in = &raw[y * (rowSize + 1) + 1];
        uint8_t* row = &out.samples[y * rowSize];
        const uint8_t* up = y ? row - rowSize : nullptr;
        for (size_t i = 0; i < rowSize; ++i) {
            const int a = i >= bpp ? row[i - bpp] : 0;
            const int b = up ? up[i] : 0;
            const int c = up && i >= bpp ? up[i - bpp] : 0;
            int predictor = 0;
            switch (type) {
                case 0:
                    predictor = 0;
                    break;
                case 1:
                    predictor = a;
                    break;
                case 2:
                    predictor = b;
                    break;
                case 3:
                    predictor = (a + b) / 2;
                    break;
                case 4:
                    predictor = paeth(a, b, c);
                    break;
                default:
                    throw std::runtime_error("bad filter type");
            }
            row[i] = static_cast<uint8_t>(in[i] + predictor);
        }
    }
    return out;
}

AnyMap readPnm(std::span<const uint8_t> bytes) {
    AnyMap map;
    size_t at = 0;
    auto token = [&]() {
        while (at < bytes.size() && (std::isspace(bytes[at]) || bytes[at] == '#')) {
            if (bytes[at] == '#')
                while (at < bytes.size() && bytes[at] != '\n')
                    ++at;
            else
                ++at;
        }
        std::string t;
        while (at < bytes.size() && !std::isspace(bytes[at]))
            t.push_back(static_cast<char>(bytes[at++]));
        return t;
    };
    const std::string magic = token();
    if (magic != "P6" && magic != "P5")
        throw std::runtime_error("not P5/P6: " + magic);
    map.channels = magic == "P6" ? 3 : 1;
    map.width = std::stoi(token());
    map.height = std::stoi(token());
    if (std::stoi(token()) != 255)
        throw std::runtime_error("maxval is not 255");
    ++at;  // one whitespace byte
    map.samples.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end());
    if (map.samples.size() != size_t(map.width) * map.height * map.channels)
        throw std::runtime_error("sample count");
    return map;
}

}  // namespace pngwrite_test
