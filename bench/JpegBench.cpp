// JPEG decoding of a 12-megapixel camera-sized picture: baseline 4:2:0,
// progressive, arithmetic coded, and the whole conversion to 8 bpp grey
// through the bridge.
// The files are made once with ImageMagick and cjpeg in a temporary folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bitmap/ImageProc.h"
#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegDecoder.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

struct BenchFiles {
    std::filesystem::path folder;
    std::string baseline;
    std::string progressive;
    std::string arithmetic;
    bool ready = false;

    BenchFiles() {
        folder = std::filesystem::temp_directory_path() / "glyphon-jpeg-bench";
        std::filesystem::create_directories(folder);
        baseline = (folder / "big.jpg").string();
        progressive = (folder / "big-progressive.jpg").string();
        arithmetic = (folder / "big-arithmetic.jpg").string();
        const std::string size = std::to_string(kWidth) + "x" + std::to_string(kHeight);
        const std::string ppm = (folder / "big.ppm").string();
        ready =
            std::system(
                ("convert -seed 1 -size " + size + " plasma:fractal ppm:'" + ppm + "'").c_str()) ==
                0 &&
            std::system(("cjpeg -quality 85 -sample 2x2 -outfile '" + baseline + "' '" + ppm + "'")
                            .c_str()) == 0 &&
            std::system(("cjpeg -quality 85 -sample 2x2 -progressive -outfile '" + progressive +
                         "' '" + ppm + "'")
                            .c_str()) == 0 &&
            std::system(("cjpeg -quality 85 -sample 2x2 -arithmetic -outfile '" + arithmetic +
                         "' '" + ppm + "'")
                            .c_str()) == 0;
        std::filesystem::remove(ppm);
    }
    ~BenchFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

const BenchFiles& files() {
    static const BenchFiles instance;
    return instance;
}

void setRates(benchmark::State& state) {
    const double pixels = double{kWidth} * kHeight;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pixels));
    state.counters["MP/s"] =
        benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void decodeFile(benchmark::State& state, const std::string& path) {
    if (!files().ready) {
        state.SkipWithError("cannot make the test files (convert, cjpeg)");
        return;
    }
    for (auto _ : state) {
        carvello::RasterImage image;
        carvello::JpegDecoder decoder;
        decoder.readImageFile(path, image);
        benchmark::DoNotOptimize(image.pixels().data());
    }
    setRates(state);
}

void BM_JpegDecodeBaseline420(benchmark::State& state) {
    decodeFile(state, files().baseline);
}
void BM_JpegDecodeProgressive420(benchmark::State& state) {
    decodeFile(state, files().progressive);
}

void BM_JpegDecodeArithmetic420(benchmark::State& state) {
    decodeFile(state, files().arithmetic);
}

// What the program does with a JPEG file: decode, then grey at 8 bpp.
void BM_JpegToGrey8(benchmark::State& state) {
    if (!files().ready) {
        state.SkipWithError("cannot make the test files (convert, cjpeg)");
        return;
    }
    bitmap::ImageProc proc;
    for (auto _ : state) {
        auto dib = proc.readJPEGFile(files().baseline, 8);
        if (!dib)
            state.SkipWithError(proc.lastError().c_str());
        benchmark::DoNotOptimize(dib);
    }
    setRates(state);
}

BENCHMARK(BM_JpegDecodeBaseline420)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecodeProgressive420)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecodeArithmetic420)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegToGrey8)->Unit(benchmark::kMillisecond);

}  // namespace
