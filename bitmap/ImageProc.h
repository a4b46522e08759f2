#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bitmap/DecodeLimits.h"
#include "bitmap/Dib.h"
#include "bitmap/dither/DitherMethod.h"
#include "bitmap/dither/DitherOptions.h"
#include "bitmap/dither/ToneCurve.h"
#include "bitmap/formats/BmpFile.h"

namespace bitmap {

struct JpegNeededSize {
    int64_t width = 0;
    int64_t height = 0;
};

// A JPEG load that may be reduced. The caller says, for the picture's
// upright size, the smallest size it will keep of it (the size it is going
// to shrink the picture to, averaging); the decoder then reconstructs the
// picture at 1/2, 1/4 or 1/8 of its size when it stays at least that large
// in both directions. The load says what it did.
struct JpegReduction {
    std::function<JpegNeededSize(int64_t width, int64_t height)> neededSize;
    // Set by the load: the picture's full upright size (0 when the file did
    // not get that far) and the reduction taken (1, 2, 4 or 8).
    int64_t fullWidth = 0;
    int64_t fullHeight = 0;
    unsigned denominator = 1;
};

// How the depth converter picks source pixels. `automatic` keeps one source
// pixel per destination pixel when the depth stays the same and the source
// is already grey, and averages the covered source area otherwise;
// `halftone` always averages.
enum class ResampleMode { automatic, halftone };

// The bitmap core's operations on DIBs. Nothing here throws: a failing
// operation returns false or nothing and leaves "prefix + message" in
// lastError(); a successful one leaves lastError() as it was.
class ImageProc {
public:
    // The text of the last failure (at most 1023 bytes).
    const std::string& lastError() const { return lastError_; }

    // Width, height and depth of a picture; fails on a null picture.
    bool getBMPInfo(const Dib* dib, int& width, int& height, int& bitCount);

    // Reads a BMP file (see decodeBmp). The result always has a 40-byte
    // header, positive height (rows bottom-up) and no compression, whatever
    // header version, row order and run-length coding the file used.
    std::optional<Dib> loadBitmap(const std::string& path, const DecodeLimits& limits = {});

    // Writes the picture as a BMP file. Updates biSizeImage and the
    // resolution fields in the picture's own header first.
    bool saveBitmap(const std::string& path, Dib& dib);
    // The bytes saveBitmap writes, without a file.
    std::optional<std::vector<uint8_t>> bitmapFile(Dib& dib);

    // Fills 2^depth entries of a colour table with the grey ramp of that
    // depth (1, 4 or 8).
    bool makeGrayShadesPalette(std::span<uint8_t> table, int depth);

    // A new grey picture of the requested size (0 or less keeps the source's
    // dimension) and depth (1, 4 or 8), resampled from the source.
    std::optional<Dib> changeBitmapFormatFromSimple(const Dib& source, int width, int height,
                                                    int depth,
                                                    ResampleMode mode = ResampleMode::automatic);
    // The same from a header and a separate pixel buffer whose rows run top
    // row first (as the codec library delivers them).
    std::optional<Dib> changeBitmapFormatFrom32(const BitmapInfoHeader& header,
                                                std::span<const uint8_t> pixels, int width,
                                                int height, int depth);

    // Decodes a JPEG file with the codec library into a grey picture of the
    // given depth (1, 4 or 8) or a 24 bpp colour one; library errors become
    // the error text. With a reduction the picture may come smaller (see
    // JpegReduction).
    std::optional<Dib> readJPEGFile(const std::string& path, int bitsPerPixel,
                                    JpegReduction* reduction = nullptr);

    // Decodes a PNG file with the codec library into an 8 bpp grey picture
    // (pixels with alpha put over white first); failures leave the error text.
    std::optional<Dib> readPNGFile(const std::string& path, const DecodeLimits& limits = {});

    // Dithers a grey picture to the indices 0 (black) and 1 (white) in place.
    bool change256GrayToMonochrome(Dib& dib, int method, int threshold);
    bool change16GrayToMonochrome(Dib& dib, int method, int threshold);
    bool toMonochrome(Dib& dib, int method, int threshold);
    // The same with options. The tone curve is the options' own for this
    // picture unless one is given (the preview of a part of a picture
    // passes the curve of the whole picture).
    bool toMonochrome(Dib& dib, int method, int threshold, const DitherOptions& options,
                      const ToneCurve* tone = nullptr);

    // True when the picture is already black and white: two colours, or 256
    // colours of which the used ones are all grey 0 or 255.
    static bool isAlreadyMonochrome(const Dib& dib);

    // Writes an 8 bpp picture as an 8-bit RGB PNG file through the codec
    // library's encoder, each pixel taking its palette entry's colour; the
    // transparent-white form also marks white as transparent. The file
    // appears only when complete. Any failure leaves "ImageProc::savePNG: "
    // + text::kPngSaveError.
    bool savePNG(const std::string& path, const Dib& dib);
    bool savePNGTransparentWhite(const std::string& path, const Dib& dib);

    // The most pixels a picture read through this object may have (at most
    // kMaxPixels, the default). The readers take it as their limit, so a
    // picture above it is refused before its rows are allocated.
    int64_t pixelLimit() const { return pixelLimit_; }
    void setPixelLimit(int64_t pixels) { pixelLimit_ = pixels; }

    // Records a failure; used by this class and by the bridges to other
    // decoders.
    void fail(std::string_view prefix, std::string_view message);

private:
    // Stamps the header as written files have it and makes the 14-byte file
    // header; nothing (the reason kept) when the picture cannot be written.
    std::optional<std::array<uint8_t, kBmpFileHeaderSize>> prepareBitmapFile(Dib& dib);

    // The caller's limits, lowered to this object's pixel limit.
    DecodeLimits within(const DecodeLimits& limits) const {
        DecodeLimits lowered = limits;
        lowered.maxPixels = std::min(lowered.maxPixels, pixelLimit_);
        return lowered;
    }

    std::string lastError_;
    int64_t pixelLimit_ = kMaxPixels;
};

}  // namespace bitmap
