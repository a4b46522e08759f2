// Depth and size conversion into grey pictures: ImageProc's side of the
// resampler.
#include <string_view>

#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "bitmap/resample/Resampler.h"

namespace bitmap {

namespace {

bool isGreyDepth(int depth) {
    return depth == 1 || depth == 4 || depth == 8;
}

struct Prefixes {
    std::string_view general;
    std::string_view outOfMemory;
};

// Reports a source the resampler refuses; true when it is readable.
bool acceptSource(ImageProc& proc, const DibView& source, const Prefixes& prefixes) {
    switch (checkSource(source)) {
        case SourceCheck::ok:
            return true;
        case SourceCheck::unsupportedDepth:
            proc.fail(prefixes.general, text::kBadDepth);
            break;
        case SourceCheck::badSize:
            proc.fail(prefixes.general, text::kBadSourceSize);
            break;
        case SourceCheck::shortBuffer:
            proc.fail(prefixes.general, text::kShortPixels);
            break;
    }
    return false;
}

// The result's header: the source's, with the new size and depth and the
// full grey table. Plane count and compression are forced to the only values
// that match the rows written.
BitmapInfoHeader resultHeader(const BitmapInfoHeader& source, int width, int height, int depth) {
    BitmapInfoHeader h = source;
    h.biSize = kInfoHeaderSize;
    if (width > 0)
        h.biWidth = width;
    if (height > 0)
        h.biHeight = height;
    h.biBitCount = static_cast<uint16_t>(depth);
    h.biClrUsed = 0;
    h.biPlanes = 1;
    h.biCompression = 0;
    return h;
}

std::optional<Dib> convert(ImageProc& proc, const DibView& source,
                           const BitmapInfoHeader& sourceHeader, int width, int height, int depth,
                           Sampling sampling, const Prefixes& prefixes) {
    auto result = Dib::create(resultHeader(sourceHeader, width, height, depth));
    if (!result) {
        proc.fail(prefixes.outOfMemory, text::kOutOfMemory);
        return std::nullopt;
    }
    if (!proc.makeGrayShadesPalette(result->palette(), depth))
        return std::nullopt;
    switch (resample(source, result->view(), sampling)) {
        case ResampleResult::ok:
            return result;
        case ResampleResult::outOfMemory:
            proc.fail(prefixes.outOfMemory, text::kOutOfMemory);
            break;
        // The source and the result were both checked above.
        case ResampleResult::badSource:
        case ResampleResult::badDestination:
            proc.fail(prefixes.general, text::kBadDepth);
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Dib> ImageProc::changeBitmapFormatFromSimple(const Dib& source, int width, int height,
                                                           int depth, ResampleMode mode) {
    const Prefixes prefixes{text::kFromSimple, text::kFromSimpleMemory};
    if (!isGreyDepth(depth)) {
        fail(prefixes.general, text::kBadDepth);
        return std::nullopt;
    }
    if (source.empty()) {
        fail(prefixes.general, text::kNoBitmap);
        return std::nullopt;
    }
    const BitmapInfoHeader header = source.header();
    const DibView view = source.view();
    if (!acceptSource(*this, view, prefixes))
        return std::nullopt;

    // Same depth over a grey table: keep one source pixel per destination
    // pixel, so that a grey picture passes through without blurring.
    const bool keepPixels = mode == ResampleMode::automatic && header.biBitCount == depth &&
                            isGreyPalette(source.palette(), depth);
    return convert(*this, view, header, width, height, depth,
                   keepPixels ? Sampling::nearestPixel : Sampling::areaAverage, prefixes);
}

std::optional<Dib> ImageProc::changeBitmapFormatFrom32(const BitmapInfoHeader& header,
                                                       std::span<const uint8_t> pixels, int width,
                                                       int height, int depth) {
    const Prefixes prefixes{text::kFrom32, text::kFrom32};
    if (!isGreyDepth(depth)) {
        fail(prefixes.general, text::kBadDepth);
        return std::nullopt;
    }
    // The buffer comes without a colour table, so only true-colour rows can
    // be read.
    if (header.biBitCount != 24 && header.biBitCount != 32) {
        fail(prefixes.general, text::kBadDepth);
        return std::nullopt;
    }
    // Bare rows, top row first, with no header or colour table before them.
    DibLayout rows;
    rows.width = header.biWidth;
    rows.height = header.biHeight;
    rows.topDown = true;
    rows.bitCount = header.biBitCount;
    rows.stride = rowStride(header);
    const DibView view(pixels, rows);
    if (!acceptSource(*this, view, prefixes))
        return std::nullopt;
    return convert(*this, view, header, width, height, depth, Sampling::areaAverage, prefixes);
}

}  // namespace bitmap
