// Deflate at each level and whole PNG encoding of camera-sized pictures.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "carvello/core/RasterImage.h"
#include "carvello/png/PngEncoder.h"
#include "carvello/zlib/DeflateEncoder.h"

namespace {

constexpr uint32_t kWidth = 1024;
constexpr uint32_t kHeight = 768;

// What the program saves: a grey photo-like picture (smooth gradient with
// texture) or its black-and-white dithered form.
carvello::RasterImage makePicture(bool blackAndWhite) {
    carvello::RasterImage image;
    image.setSize(kWidth, kHeight);
    for (uint32_t y = 0; y < kHeight; ++y) {
        auto row = image.row(y);
        for (uint32_t x = 0; x < kWidth; ++x) {
            int v = static_cast<int>(x / 4 + y / 3 + (x * 7 + y * 13) % 23);
            v &= 255;
            if (blackAndWhite)  // ordered 4x4 dither
                v = v * 16 / 256 > static_cast<int>(((x & 3) * 4 + (y & 3)) * 5 % 16) ? 255 : 0;
            row[x * 4] = row[x * 4 + 1] = row[x * 4 + 2] = static_cast<uint8_t>(v);
            row[x * 4 + 3] = 255;
        }
    }
    return image;
}

// The bytes deflate sees for that picture: filter byte 0 and RGB per row.
std::vector<uint8_t> pngRows(const carvello::RasterImage& image) {
    std::vector<uint8_t> rows;
    rows.reserve(size_t{kHeight} * (kWidth * 3 + 1));
    for (uint32_t y = 0; y < kHeight; ++y) {
        rows.push_back(0);
        const auto row = image.row(y);
        for (uint32_t x = 0; x < kWidth; ++x)
            rows.insert(rows.end(), {row[x * 4 + 2], row[x * 4 + 1], row[x * 4]});
    }
    return rows;
}

void BM_Deflate(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    const auto data = pngRows(makePicture(state.range(1) != 0));
    size_t compressed = 0;
    for (auto _ : state) {
        const auto stream = carvello::deflateToZlib(data, level);
        compressed = stream.size();
        benchmark::DoNotOptimize(stream.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
    state.counters["out_bytes"] = static_cast<double>(compressed);
}
BENCHMARK(BM_Deflate)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->ArgNames({"level", "bw"})
    ->Unit(benchmark::kMillisecond);

void BM_PngEncode(benchmark::State& state) {
    const auto image = makePicture(state.range(0) != 0);
    size_t fileSize = 0;
    for (auto _ : state) {
        carvello::PngEncoder encoder;
        const auto file = encoder.encode(image);
        fileSize = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kWidth * kHeight * 3));
    state.counters["file_bytes"] = static_cast<double>(fileSize);
}
BENCHMARK(BM_PngEncode)->Arg(0)->Arg(1)->ArgName("bw")->Unit(benchmark::kMillisecond);

}  // namespace
