// LZW coding of camera-sized pictures, as the GIF writer and reader do it:
// a smooth 8-bit gradient with noise, and a two-colour dithered picture.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bitmap/gif/LzwDecoder.h"
#include "bitmap/gif/LzwEncoder.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

std::vector<uint8_t> gradientWithNoise() {
    std::vector<uint8_t> pixels(size_t{kWidth} * kHeight);
    uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = static_cast<int>(seed >> 29) - 4;  // -4 .. 3
            const int value = (x / 4 + y / 3) / 2 + noise;
            pixels[static_cast<size_t>(y) * kWidth + x] =
                static_cast<uint8_t>(value < 0     ? 0
                                     : value > 255 ? 255
                                                   : value);
        }
    }
    return pixels;
}

// The same gradient through a 4 x 4 ordered dither: indices 0 and 1.
std::vector<uint8_t> dithered() {
    static const int kMatrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const auto grey = gradientWithNoise();
    std::vector<uint8_t> pixels(grey.size());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const size_t i = static_cast<size_t>(y) * kWidth + x;
            pixels[i] = grey[i] > kMatrix[y % 4][x % 4] * 16 + 8 ? 1 : 0;
        }
    return pixels;
}

std::vector<uint8_t> encode(const std::vector<uint8_t>& pixels, int codeSize) {
    bitmap::LzwEncoder encoder;
    encoder.start(codeSize);
    for (const uint8_t p : pixels)
        encoder.put(p);
    encoder.finish();
    const auto out = encoder.output();
    return {out.begin(), out.end()};
}

void encodeBench(benchmark::State& state, const std::vector<uint8_t>& pixels, int codeSize) {
    for (auto _ : state) {
        bitmap::LzwEncoder encoder;
        if (encoder.start(codeSize) != 0)
            state.SkipWithError("start failed");
        for (const uint8_t p : pixels)
            encoder.put(p);
        encoder.finish();
        benchmark::DoNotOptimize(encoder.output().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(pixels.size()));
    state.counters["ratio"] =
        static_cast<double>(encode(pixels, codeSize).size()) / static_cast<double>(pixels.size());
}

void decodeBench(benchmark::State& state, const std::vector<uint8_t>& pixels, int codeSize) {
    const auto data = encode(pixels, codeSize);
    std::vector<uint8_t> row(kWidth);
    for (auto _ : state) {
        bitmap::LzwDecoder decoder;
        if (decoder.start(codeSize, data) != 0)
            state.SkipWithError("start failed");
        for (int y = 0; y < kHeight; ++y)
            if (decoder.read(row) != 0)
                state.SkipWithError("decoding failed");
        benchmark::DoNotOptimize(row.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(pixels.size()));
}

void BM_LzwEncodeGradient(benchmark::State& state) {
    static const auto pixels = gradientWithNoise();
    encodeBench(state, pixels, 8);
}
void BM_LzwDecodeGradient(benchmark::State& state) {
    static const auto pixels = gradientWithNoise();
    decodeBench(state, pixels, 8);
}
void BM_LzwEncodeDithered(benchmark::State& state) {
    static const auto pixels = dithered();
    encodeBench(state, pixels, 2);
}
void BM_LzwDecodeDithered(benchmark::State& state) {
    static const auto pixels = dithered();
    decodeBench(state, pixels, 2);
}

BENCHMARK(BM_LzwEncodeGradient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LzwDecodeGradient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LzwEncodeDithered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LzwDecodeDithered)->Unit(benchmark::kMillisecond);

}  // namespace
