// Every dithering method on a 12-megapixel grey picture, and the tone each
// reproduces on uniform greys.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "bitmap/Dib.h"
#include "bitmap/ImageProc.h"
#include "bitmap/dither/DitherMethod.h"
#include "bitmap/dither/Dithering.h"

namespace {

using bitmap::Dib;

Dib greyPicture(int width, int height) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = 8;
    auto dib = Dib::create(h);
    if (!dib)
        throw std::runtime_error("cannot create picture");
    bitmap::ImageProc().makeGrayShadesPalette(dib->palette(), 8);
    return std::move(*dib);
}

// 4000 x 3000: a gradient with texture, so no method meets a uniform area.
const Dib& twelveMegapixels() {
    static const Dib picture = [] {
        Dib dib = greyPicture(4000, 3000);
        for (int y = 0; y < dib.height(); ++y) {
            auto row = dib.storedRow(y);
            for (int x = 0; x < dib.width(); ++x)
                row[x] = static_cast<uint8_t>(x / 16 + y / 12 + ((x * 7 + y * 13) % 23));
        }
        return dib;
    }();
    return picture;
}

bitmap::DitherOptions optionsOf(const benchmark::State& state) {
    bitmap::DitherOptions options;
    options.serpentine = state.range(1) != 0;
    return options;
}

void BM_Dither12MP(benchmark::State& state) {
    const Dib& source = twelveMegapixels();
    const int method = static_cast<int>(state.range(0));
    const bitmap::DitherOptions options = optionsOf(state);
    bitmap::ImageProc proc;
    for (auto _ : state) {
        state.PauseTiming();
        Dib picture = source;
        state.ResumeTiming();
        if (!proc.toMonochrome(picture, method, 128, options))
            state.SkipWithError("dithering failed");
        benchmark::DoNotOptimize(picture.pixels().data());
    }
    state.SetLabel(std::string(bitmap::kDitherMethodKeys[method]) +
                   (options.serpentine ? " serpentine" : ""));
    state.SetItemsProcessed(state.iterations() * source.width() * source.height());
}

// The largest difference between the white share of a uniform 256 x 256
// field and the light of its grey, over greys 0..255, in percent.
void BM_DitherToneWorstError(benchmark::State& state) {
    const int method = static_cast<int>(state.range(0));
    bitmap::DitherOptions options;
    options.linearLight = state.range(1) != 0;
    Dib field = greyPicture(256, 256);
    double worst = 0;
    int worstGrey = 0;
    for (auto _ : state) {
        for (int g = 0; g < 256; ++g) {
            std::fill(field.pixels().begin(), field.pixels().end(), static_cast<uint8_t>(g));
            Dib dib = field;
            bitmap::ditherRows(dib.view(), bitmap::greyLevels(dib.palette()), method, 128, options,
                               bitmap::toneCurveFor(dib.view(), options));
            uint64_t white = 0;
            for (const uint8_t index : dib.pixels())
                white += index;
            const double light =
                options.linearLight ? bitmap::srgbToLinear(static_cast<float>(g)) / 255 : g / 255.0;
            const double error = std::abs(static_cast<double>(white) / 65536 - light);
            if (error > worst) {
                worst = error;
                worstGrey = g;
            }
        }
    }
    state.counters["worst_pct"] = 100 * worst;
    state.counters["at_grey"] = worstGrey;
    state.SetLabel(std::string(bitmap::kDitherMethodKeys[method]) +
                   (options.linearLight ? " linear" : ""));
}

}  // namespace

BENCHMARK(BM_Dither12MP)
    ->ArgsProduct({benchmark::CreateDenseRange(0, bitmap::kDitherMethodCount - 1, 1), {0}})
    ->Args({bitmap::kFloydSteinberg, 1})
    ->Args({bitmap::kJarvisJudiceNinke, 1})
    ->Args({bitmap::kStucki, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DitherToneWorstError)
    ->ArgsProduct({benchmark::CreateDenseRange(0, bitmap::kDitherMethodCount - 1, 1), {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
