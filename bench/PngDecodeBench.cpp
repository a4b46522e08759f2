// PNG reading speed: the inflate decoder alone, and whole decodes of a large
// RGB picture made by ImageMagick at start-up (compare with
// `pngtopnm big.png > /dev/null`).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/RasterImage.h"
#include "carvello/png/PngDecoder.h"
#include "carvello/zlib/InflateDecoder.h"

namespace {

struct BigPicture {
    std::string folder;
    std::string path;
    std::vector<uint8_t> file;
    std::vector<uint8_t> zlibData;  // the IDAT chunks' data, joined
    size_t rawBytes = 0;            // filter bytes and rows

    BigPicture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "glyphon-pngbench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            return;
        folder = pattern;
        path = folder + "/big.png";
        const std::string command =
            "convert -size 3000x2000 -seed 7 plasma:fractal -depth 8 PNG24:'" + path + "'";
        if (std::system(command.c_str()) != 0)
            return;
        std::ifstream in(path, std::ios::binary);
        file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        for (size_t at = 8; at + 12 <= file.size();) {
            const size_t length = (size_t{file[at]} << 24) | (size_t{file[at + 1]} << 16) |
                                  (size_t{file[at + 2]} << 8) | file[at + 3];
            if (std::string(file.begin() + at + 4, file.begin() + at + 8) == "IDAT")
                zlibData.insert(zlibData.end(), file.begin() + at + 8,
                                file.begin() + at + 8 + length);
            at += 12 + length;
        }
        rawBytes = size_t{2000} * (3000 * 3 + 1);
    }
    ~BigPicture() {
        if (!folder.empty()) {
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        }
    }
};

const BigPicture& big() {
    static const BigPicture picture;
    return picture;
}

void BM_InflateRows(benchmark::State& state) {
    const auto& picture = big();
    if (picture.zlibData.empty()) {
        state.SkipWithError("could not make the picture with ImageMagick");
        return;
    }
    std::vector<uint8_t> row(3000 * 3);
    for (auto _ : state) {
        carvello::BufferedByteStream stream(picture.zlibData);
        carvello::PNGInflateDecoder inflate;
        inflate.openStream(stream);
        uint8_t filter = 0;
        for (int y = 0; y < 2000; ++y) {
            inflate.decompress(stream, std::span(&filter, 1));
            inflate.decompress(stream, row);
        }
        benchmark::DoNotOptimize(row.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * picture.rawBytes));
}
BENCHMARK(BM_InflateRows)->Unit(benchmark::kMillisecond);

void BM_PngDecodeLargeRgbMemory(benchmark::State& state) {
    const auto& picture = big();
    if (picture.file.empty()) {
        state.SkipWithError("could not make the picture with ImageMagick");
        return;
    }
    for (auto _ : state) {
        carvello::BufferedByteStream stream(picture.file);
        carvello::RasterImage image;
        carvello::PngDecoder decoder;
        decoder.readImage(stream, image);
        benchmark::DoNotOptimize(image.pixels().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * picture.rawBytes));
}
BENCHMARK(BM_PngDecodeLargeRgbMemory)->Unit(benchmark::kMillisecond);

void BM_PngDecodeLargeRgbFile(benchmark::State& state) {
    const auto& picture = big();
    if (picture.file.empty()) {
        state.SkipWithError("could not make the picture with ImageMagick");
        return;
    }
    for (auto _ : state) {
        carvello::RasterImage image;
        carvello::PngDecoder decoder;
        decoder.readImageFile(picture.path, image);
        benchmark::DoNotOptimize(image.pixels().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * picture.rawBytes));
}
BENCHMARK(BM_PngDecodeLargeRgbFile)->Unit(benchmark::kMillisecond);

}  // namespace
