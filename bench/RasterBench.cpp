// Resampling and dithering of camera-sized pictures.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <stdexcept>

#include "bitmap/Dib.h"
#include "bitmap/ImageProc.h"
#include "bitmap/dither/DitherMethod.h"

namespace {

using bitmap::Dib;
using bitmap::ImageProc;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

Dib makePicture(int bits) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = kWidth;
    h.biHeight = kHeight;
    h.biBitCount = static_cast<uint16_t>(bits);
    auto dib = Dib::create(h);
    if (!dib)
        throw std::runtime_error("cannot create picture");
    if (bits == 8) {
        ImageProc proc;
        proc.makeGrayShadesPalette(dib->palette(), 8);
    }
    // A smooth gradient with some texture, so no method meets a uniform area.
    const int bytesPerPixel = bits / 8;
    for (int y = 0; y < kHeight; ++y) {
        auto row = dib->storedRow(y);
        for (int x = 0; x < kWidth * bytesPerPixel; ++x)
            row[x] =
                static_cast<uint8_t>((x / bytesPerPixel) / 4 + y / 3 + ((x * 7 + y * 13) % 23));
    }
    return std::move(*dib);
}

void resampleTo(benchmark::State& state, int bits, int width, int height,
                bitmap::ResampleMode mode) {
    const Dib source = makePicture(bits);
    ImageProc proc;
    for (auto _ : state) {
        auto result = proc.changeBitmapFormatFromSimple(source, width, height, 8, mode);
        if (!result)
            state.SkipWithError("conversion failed");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_ResampleGreyHalftone(benchmark::State& state) {
    resampleTo(state, 8, 96, 60, bitmap::ResampleMode::halftone);
}
void BM_ResampleColourHalftone(benchmark::State& state) {
    resampleTo(state, 24, 96, 60, bitmap::ResampleMode::halftone);
}
void BM_ResampleColourToGreySameSize(benchmark::State& state) {
    resampleTo(state, 24, 0, 0, bitmap::ResampleMode::automatic);
}
void BM_CopyGreyColourOnColour(benchmark::State& state) {
    resampleTo(state, 8, 0, 0, bitmap::ResampleMode::automatic);
}

void BM_Dither(benchmark::State& state) {
    const Dib source = makePicture(8);
    ImageProc proc;
    const int method = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Dib picture = source;
        state.ResumeTiming();
        if (!proc.change256GrayToMonochrome(picture, method, 128))
            state.SkipWithError("dithering failed");
        benchmark::DoNotOptimize(picture.pixels().data());
    }
    state.SetLabel(std::string(bitmap::kDitherMethodLabels[method]));
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

}  // namespace

BENCHMARK(BM_ResampleGreyHalftone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResampleColourHalftone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResampleColourToGreySameSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyGreyColourOnColour)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Dither)->DenseRange(0, bitmap::kDitherMethodCount - 1)->Unit(benchmark::kMicrosecond);
