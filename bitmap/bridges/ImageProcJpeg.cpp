// ImageProc's bridge to the codec library's JPEG decoder.
#include <algorithm>

#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "carvello/core/ColourImage.h"
#include "carvello/core/ColourRows.h"
#include "carvello/core/GraphicsException.h"
#include "carvello/core/GreyImage.h"
#include "carvello/core/GreyRows.h"
#include "carvello/core/RasterImage.h"
#include "carvello/core/RasterOrientation.h"
#include "carvello/jpeg/JpegDecoder.h"

namespace bitmap {

namespace {

// The header the decoded picture is described with before it becomes a
// grey picture of the asked depth.
BitmapInfoHeader decodedHeader(uint32_t width, uint32_t height) {
    BitmapInfoHeader header;
    header.biWidth = static_cast<int32_t>(width);
    header.biHeight = static_cast<int32_t>(height);
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = 0;
    header.biSizeImage = static_cast<uint32_t>(uint64_t{width} * 4 * height);
    header.biXPelsPerMeter = 3790;
    header.biYPelsPerMeter = 3780;
    header.biClrUsed = 0;
    header.biClrImportant = 0;
    return header;
}

// The decoder's rows written straight into the picture the program keeps
// (bottom row first), so that the decoded picture is not copied once more:
// 8 bpp with its grey colour table for GreyRows, 24 bpp for ColourRows.
template <size_t bytesPerPixel>
class DibRows final : public carvello::PixelRows<bytesPerPixel> {
public:
    // What a turned picture is turned upright in.
    using Upright = carvello::PackedPicture<bytesPerPixel>;

    explicit DibRows(ImageProc& proc) : proc_(proc) {}

    uint32_t width() const override { return width_; }
    uint32_t height() const override { return height_; }
    void setSize(uint32_t width, uint32_t height) override {
        clear();
        dib_ = create(width, height);
        width_ = width;
        height_ = height;
    }
    void keepTopRows(uint32_t height) override {
        if (height >= height_)
            return;
        if (height == 0) {
            clear();
            return;
        }
        std::optional<Dib> kept = create(width_, height);
        // The top rows are stored last.
        for (uint32_t y = 0; y < height; ++y)
            std::ranges::copy(row(y), kept->storedRow(static_cast<int>(height - 1 - y)).begin());
        dib_ = std::move(kept);
        height_ = height;
    }
    void clear() override {
        dib_.reset();
        width_ = height_ = 0;
    }
    std::span<uint8_t> row(uint32_t y) override {
        return dib_->storedRow(static_cast<int>(height_ - 1 - y))
            .first(size_t{width_} * bytesPerPixel);
    }

    bool outOfMemory() const { return outOfMemory_; }
    std::optional<Dib>& dib() { return dib_; }

private:
    std::optional<Dib> create(uint32_t width, uint32_t height) {
        BitmapInfoHeader header = decodedHeader(width, height);
        header.biBitCount = static_cast<uint16_t>(bytesPerPixel * 8);
        if constexpr (bytesPerPixel == 3)
            header.biSizeImage = static_cast<uint32_t>(rowStride(header) * height);
        std::optional<Dib> dib = Dib::create(header);
        if (!dib || (bytesPerPixel == 1 && !proc_.makeGrayShadesPalette(dib->palette(), 8))) {
            outOfMemory_ = true;
            throw carvello::GraphicsException("Out of memory");
        }
        return dib;
    }

    ImageProc& proc_;
    std::optional<Dib> dib_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    bool outOfMemory_ = false;
};

using DibGreyRows = DibRows<1>;
using DibColourRows = DibRows<3>;

// Copies every row of a picture into another of the same size.
template <typename From, typename To>
void copyRows(From& from, To& to) {
    for (uint32_t y = 0; y < from.height(); ++y)
        std::ranges::copy(from.row(y), to.row(y).begin());
}

// A picture of rows stored the other way round, turned upright as its Exif
// orientation asks (rare: camera pictures taken turned).
bool isTurned(int orientation) {
    return orientation >= 2 && orientation <= 8;
}

// Decodes into rows of the program's own picture (read calls the decoder's
// entry for them) and turns the picture upright; false after a failure,
// which is reported.
template <typename Rows, typename Read>
bool decodeStraight(ImageProc& proc, carvello::JpegDecoder& decoder, Rows& rows, Read read) {
    try {
        read(rows);
        // Camera pictures are stored as the sensor saw them: turned upright
        // here, the program and the command-line tool both show them so.
        if (rows.dib() && isTurned(decoder.orientation())) {
            typename Rows::Upright turned;
            turned.setSize(rows.width(), rows.height());
            copyRows(rows, turned);
            carvello::applyExifOrientation(turned, decoder.orientation());
            rows.setSize(turned.width(), turned.height());
            copyRows(turned, rows);
        }
    } catch (const carvello::GraphicsException& error) {
        if (rows.outOfMemory())
            proc.fail(text::kFrom32, text::kOutOfMemory);
        else
            proc.fail(text::kReadJPEGFile, error.what());
        return false;
    }
    return true;
}

// The reduction the decoder may take: the largest whole factor by which the
// upright picture is still at least the needed size in both directions.
carvello::JpegDecoder::ScaleChooser chooserFor(JpegReduction& reduction) {
    return [&reduction](uint32_t width, uint32_t height) -> unsigned {
        reduction.fullWidth = width;
        reduction.fullHeight = height;
        const JpegNeededSize needed = reduction.neededSize(width, height);
        if (needed.width <= 0 || needed.height <= 0)
            return 1;
        const int64_t across = int64_t{width} / needed.width;
        const int64_t down = int64_t{height} / needed.height;
        return static_cast<unsigned>(std::clamp<int64_t>(std::min(across, down), 1, 8));
    };
}

}  // namespace

std::optional<Dib> ImageProc::readJPEGFile(const std::string& path, int bitsPerPixel,
                                           JpegReduction* reduction) {
    if (path.empty()) {
        fail(text::kReadJPEGFile, text::kCannotOpen);
        return std::nullopt;
    }
    if (reduction != nullptr) {
        reduction->fullWidth = 0;
        reduction->fullHeight = 0;
        reduction->denominator = 1;
    }
    carvello::JpegDecoder decoder;
    decoder.setPixelLimit(static_cast<uint64_t>(pixelLimit_ > 0 ? pixelLimit_ : 1));
    if (reduction != nullptr && reduction->neededSize)
        decoder.setScaleChooser(chooserFor(*reduction));
    // Pictures of 8 and 24 bpp come straight from the decoder: the grey is
    // the luma of the pixels, made without colours for grey and YCbCr
    // frames.
    const auto straight = [&](auto& rows, auto read) -> std::optional<Dib> {
        if (!decodeStraight(*this, decoder, rows, read))
            return std::nullopt;
        if (reduction != nullptr)
            reduction->denominator = decoder.scaleDenominator();
        if (!rows.dib())
            // An empty picture is refused as the depth converter refuses it.
            return changeBitmapFormatFrom32(decodedHeader(rows.width(), rows.height()), {}, 0, 0,
                                            8);
        return std::move(rows.dib());
    };
    if (bitsPerPixel == 8) {
        DibGreyRows rows(*this);
        return straight(rows, [&](DibGreyRows& r) { decoder.readGreyImageFile(path, r); });
    }
    if (bitsPerPixel == 24) {
        DibColourRows rows(*this);
        return straight(rows, [&](DibColourRows& r) { decoder.readColourImageFile(path, r); });
    }

    carvello::RasterImage image;
    try {
        decoder.readImageFile(path, image);
        carvello::applyExifOrientation(image, decoder.orientation());
    } catch (const carvello::GraphicsException& error) {
        fail(text::kReadJPEGFile, error.what());
        return std::nullopt;
    }
    if (reduction != nullptr)
        reduction->denominator = decoder.scaleDenominator();
    const BitmapInfoHeader header = decodedHeader(image.width(), image.height());
    return changeBitmapFormatFrom32(header, image.pixels(), header.biWidth, header.biHeight,
                                    bitsPerPixel);
}

}  // namespace bitmap
