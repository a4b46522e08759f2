#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "carvello/core/GraphicsException.h"
#include "carvello/core/ImageCoder.h"
#include "carvello/png/PngPixelRows.h"
#include "carvello/zlib/InflateDecoder.h"

namespace carvello {

class PngChunkStream;
class RasterImage;

// Reads PNG files of every colour type and bit depth, interlaced or not,
// into a RasterImage (blue, green, red, alpha; alpha 255 unless the file has
// an alpha channel or a tRNS chunk, which is applied as libpng applies it;
// gAMA, sRGB and iCCP are recorded but not applied). The picture's rows are
// allocated as the image data reaches them, so a file that declares a large
// picture and ends early costs only what its data filled.
//
// Errors: PngError when the file cannot be opened, BadPngStream for a file
// that breaks the format's rules. Short files, bad chunk CRCs and broken
// runs of IDAT chunks come as InputByteStream::StreamError, bad compressed
// data as PNGInflateDecoder::StreamError; neither is a GraphicsException.
class PngDecoder : public ImageDecoder {
public:
    class PngError : public GraphicsException {
    public:
        using GraphicsException::GraphicsException;
    };
    class BadPngStream : public PngError {
    public:
        using PngError::PngError;
    };

    // Widest and tallest picture accepted; the picture as a whole must also
    // stay within RasterImage::kMaxPixels.
    static constexpr uint32_t kMaxDimension = uint32_t{1} << 20;

    PngDecoder();
    ~PngDecoder() override;

    // Pictures wider or taller than maxDimension, or of more pixels than
    // maxPixels, are refused when their header is read ("Image Dimensions
    // Too Large"). The defaults, kMaxDimension and RasterImage::kMaxPixels,
    // are also the highest limits.
    void setLimits(uint32_t maxDimension, uint64_t maxPixels);

    void readImageFile(const std::string& path, RasterImage& image) override;
    // `stream` holds the whole file from its signature on.
    void readImage(InputByteStream& stream, RasterImage& image) override;

    // The header of the last picture read.
    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    unsigned bitDepth() const { return bitDepth_; }
    unsigned colorType() const { return colorType_; }
    unsigned interlaceMethod() const { return interlace_; }
    // True for the colour types with an alpha channel (4 and 6).
    bool hasAlphaChannel() const { return colorType_ == 4 || colorType_ == 6; }
    // The file's gAMA value (0 without one); kept, not applied.
    double gamma() const { return gamma_; }
    // The same as stored: the gamma times 100000.
    uint32_t gammaValue() const { return gammaValue_; }
    // Whether an sRGB or an iCCP chunk came before the image data: the
    // samples are then coded as that chunk says, whatever gAMA says.
    bool hasSrgbChunk() const { return srgbSeen_; }
    bool hasIccProfile() const { return iccProfileSeen_; }

protected:
    // Rows go into the picture as they are read; this checks that there were
    // any and reports completion.
    void finishImage(RasterImage& image) override;

private:
    void decode(PngChunkStream& chunks, RasterImage& image);
    void processChunk(PngChunkStream& chunks, RasterImage& image);

    void readHeader(std::span<const uint8_t> data, RasterImage& image);
    void readPalette(std::span<const uint8_t> data);
    void readBackground(std::span<const uint8_t> data);
    void readGamma(std::span<const uint8_t> data);
    void checkChromaticities(std::span<const uint8_t> data);
    void checkHistogram(std::span<const uint8_t> data);
    void checkPhysicalSize(std::span<const uint8_t> data);
    void checkSignificantBits(std::span<const uint8_t> data);
    void checkText(std::string_view type, std::span<const uint8_t> data);
    void checkTime(std::span<const uint8_t> data);
    void readTransparency(std::span<const uint8_t> data);
    void traceTransparency(std::span<const uint8_t> data);

    void readImageData(PngChunkStream& chunks, RasterImage& image);
    struct Pass {
        uint32_t firstRow, firstColumn, rowStep, columnStep;
    };
    void readPass(PngChunkStream& chunks, RasterImage& image, const Pass& pass, unsigned passIndex,
                  unsigned passCount, std::span<uint8_t> rowA, std::span<uint8_t> rowB);
    std::span<uint8_t> pictureRow(RasterImage& image, uint32_t y);

    uint32_t width_ = 0;
    uint32_t height_ = 0;
    unsigned bitDepth_ = 0;
    unsigned colorType_ = 0;
    unsigned compression_ = 0;
    unsigned filter_ = 0;
    unsigned interlace_ = 0;

    bool headerSeen_ = false;
    bool paletteSeen_ = false;
    bool dataSeen_ = false;
    bool endSeen_ = false;
    // The chunk before the current one was an IDAT chunk: a further IDAT
    // then continues the same compressed stream.
    bool previousWasData_ = false;

    PngColourTable colours_{};
    unsigned paletteEntries_ = 0;
    bool transparencySeen_ = false;
    PngTransparentColour transparent_{};
    uint32_t dimensionLimit_ = kMaxDimension;
    uint64_t pixelLimit_ = 0;
    std::array<uint8_t, 3> background_{};
    double gamma_ = 0;
    uint32_t gammaValue_ = 0;
    bool srgbSeen_ = false;
    bool iccProfileSeen_ = false;

    PNGInflateDecoder inflate_;
};

}  // namespace carvello
