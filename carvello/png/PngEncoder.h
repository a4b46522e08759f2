#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "carvello/core/GraphicsException.h"
#include "carvello/core/ImageCoder.h"

namespace carvello {

class PngChunkWriter;
class RasterImage;

// Writes a RasterImage as a PNG file: 8-bit RGB (or RGB with alpha), not
// interlaced, compressed by PNGDeflateEncoder, with a fixed set of tEXt
// chunks. Files are built in memory and appear on disk only when complete.
class PngEncoder : public ImageEncoder {
public:
    class PngError : public GraphicsException {
    public:
        using GraphicsException::GraphicsException;
    };

    struct TextEntry {
        std::string keyword;
        std::string value;  // entries with an empty value are not written
    };

    // Bits of the filter mask; None is always on.
    enum FilterBit : unsigned {
        kFilterNone = 1,
        kFilterSub = 2,
        kFilterUp = 4,
        kFilterAverage = 8,
        kFilterPaeth = 16,
    };

    // Texts: Title, Author, Description, Copyright, Software, Disclaimer,
    // Warning, Source, Comment, with the program's values for Author,
    // Copyright, Software and Source. Only None filtering, no alpha, no
    // transparent white, compression level 2.
    PngEncoder();

    // Throws PngError "Can't open output file" when the file cannot be
    // created, the other PngErrors of encode(), and "Can't write output file"
    // when writing fails. A failed write leaves no file behind and an
    // existing file as it was.
    void writeImageFile(const std::string& path, const RasterImage& image) override;
    // The whole PNG file of the image.
    std::vector<uint8_t> encode(const RasterImage& image);

    // The setters throw PngError "Attempt to change parameters during
    // compression" while an image is being encoded.
    void setTransparentWhite(bool on);
    bool transparentWhite() const { return transparentWhite_; }
    void setAlpha(bool on);
    bool alpha() const { return alpha_; }
    void setFilterMask(unsigned mask);
    unsigned filterMask() const { return filterMask_; }
    void setCompressionLevel(int level);
    int compressionLevel() const { return compressionLevel_; }
    void setTexts(std::vector<TextEntry> texts);
    const std::vector<TextEntry>& texts() const { return texts_; }

protected:
    void finishImage(RasterImage&) override {}

private:
    void refuseWhileCompressing() const;
    void writeImage(PngChunkWriter& writer, const RasterImage& image);
    void writeTexts(PngChunkWriter& writer) const;
    void writeImageData(PngChunkWriter& writer, const RasterImage& image);

    std::vector<TextEntry> texts_;
    unsigned filterMask_ = kFilterNone;
    bool alpha_ = false;
    bool transparentWhite_ = false;
    int compressionLevel_ = 2;
    bool compressing_ = false;
};

}  // namespace carvello
