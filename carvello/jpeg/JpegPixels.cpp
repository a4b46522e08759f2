// JpegDecoder: the picture's size, and its pixels made from the component
// samples, at the end of the data or, for frames decoded in one pass, an
// MCU row at a time.
#include <algorithm>

#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegColour.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/jpeg/JpegUpsample.h"

namespace carvello {

namespace {

// Rows made an MCU row at a time are allocated whole before the data that
// fill them: only when the data that follow are at least 1/64 of their
// size, so that a small file claiming a huge frame allocates little. Photos
// come at 1/10 to 1/40; the flattest pictures (and files cut short) take
// the path whose stores grow with the data.
constexpr uint64_t kRowBytesPerDataByte = 64;

}  // namespace

uint32_t JpegDecoder::outputWidth() const {
    return static_cast<uint32_t>((uint64_t{frame_.width} + scale_ - 1) / scale_);
}

uint32_t JpegDecoder::outputHeight() const {
    return static_cast<uint32_t>((uint64_t{frame_.height} + scale_ - 1) / scale_);
}

uint32_t JpegDecoder::finishedRows() const {
    // A whole decode fills the frame; one that stopped early gives the rows
    // its data reached (components whose samples are dropped do not count).
    uint64_t rows = outputHeight();
    if (!complete_) {
        uint64_t reached = 0;
        for (const uint8_t id : frameComponents_)
            if (!componentOf(id).unused)
                reached = std::max(reached, componentOf(id).reachedPixelRows());
        rows = std::min(rows, reached);
    }
    return outputWidth() == 0 ? 0 : static_cast<uint32_t>(rows);
}

void JpegDecoder::finishPicture() {
    if (grey_ != nullptr)
        finishRows(*grey_, [this](GreyRows& image, uint32_t first, uint32_t end) {
            buildGrey(image, first, end);
        });
    if (colour_ != nullptr)
        finishRows(*colour_, [this](ColourRows& image, uint32_t first, uint32_t end) {
            buildRows<3>(image.width(), first, end, [&image](uint32_t y) { return image.row(y); });
        });
    if (image_ != nullptr)
        finishImage(*image_);
}

void JpegDecoder::finishImage(RasterImage& image) {
    if (image_ == nullptr)
        throw JpegError("Not reading an image");
    if (!frameSeen_)
        return;
    makeWhole(image, finishedRows(),
              [this](RasterImage& picture, uint32_t, uint32_t) { buildPixels(picture); });
}

template <typename Picture, typename Build>
void JpegDecoder::makeWhole(Picture& image, uint32_t rows, Build build) {
    if (rows == 0)
        return;
    try {
        image.setSize(outputWidth(), rows);
    } catch (const GraphicsException& error) {
        throw JpegError(error.what());
    }
    build(image, 0, rows);
}

template <typename Rows, typename Build>
void JpegDecoder::finishRows(Rows& image, Build build) {
    if (!frameSeen_)
        return;
    const uint32_t rows = finishedRows();
    if (streaming_) {
        // The rows before the MCU row the data stopped in are made; those
        // the data reached in it come from the samples kept, and the rows
        // below are dropped.
        streaming_ = false;
        try {
            if (rows == 0) {
                image.clear();
                return;
            }
            if (rows > streamedRows_)
                build(image, streamedRows_, rows);
            if (rows < image.height())
                image.keepTopRows(rows);
        } catch (const GraphicsException& error) {
            // Nothing more is made of the frame.
            image.clear();
            frameSeen_ = false;
            throw JpegError(error.what());
        }
        return;
    }
    makeWhole(image, rows, build);
}

bool JpegDecoder::decodesInOnePass(InputByteStream& stream) {
    if (frame_.progressive || frameComponents_.size() < 2 ||
        scanComponents_.size() != frameComponents_.size())
        return false;
    // Grey pictures of other colour models are made from colour pixels.
    if (grey_ != nullptr && greyModel_ != JpegColourModel::yCbCr)
        return false;
    for (const uint8_t id : frameComponents_)
        if (std::find(scanComponents_.begin(), scanComponents_.end(), id) == scanComponents_.end())
            return false;
    const uint64_t pixels = uint64_t{outputWidth()} * outputHeight();
    if (pixels == 0)
        return false;
    // A later scan would need this one's samples (a sequential frame has
    // none; a malformed file may), and a later Adobe segment would change
    // the colour model the pixels are made in. Every byte pair that may
    // start either is looked for, up to the end of the data: one inside a
    // segment, or after the end of the image, only costs the quicker path.
    const Ahead ahead = lookAhead(stream, true);
    const uint64_t pixelBytes = grey_ != nullptr ? 1 : 3;
    return ahead.scans == 0 && ahead.adobeSegments == 0 &&
           pixels * pixelBytes <= kRowBytesPerDataByte * ahead.bytes;
}

void JpegDecoder::startStreaming() {
    try {
        if (grey_ != nullptr)
            grey_->setSize(outputWidth(), outputHeight());
        else
            colour_->setSize(outputWidth(), outputHeight());
    } catch (const GraphicsException& error) {
        throw JpegError(error.what());
    }
    for (const uint8_t id : frameComponents_)
        componentOf(id).keepOneMcuRow();
    streamedRows_ = 0;
    streaming_ = true;
}

void JpegDecoder::streamMcuRow(uint32_t mcuRow) {
    const auto rowsPerMcu =
        static_cast<uint64_t>(frame_.blockSize) * static_cast<uint64_t>(frame_.maxV);
    const auto end = static_cast<uint32_t>(
        std::min<uint64_t>(outputHeight(), (uint64_t{mcuRow} + 1) * rowsPerMcu));
    if (end > streamedRows_) {
        if (grey_ != nullptr) {
            buildGrey(*grey_, streamedRows_, end);
        } else {
            ColourRows& image = *colour_;
            buildRows<3>(image.width(), streamedRows_, end,
                         [&image](uint32_t y) { return image.row(y); });
        }
        streamedRows_ = end;
    }
    for (const uint8_t id : frameComponents_)
        componentOf(id).startMcuRow(mcuRow + 1);
}

void JpegDecoder::buildGrey(GreyRows& image, uint32_t first, uint32_t end) {
    const uint32_t width = image.width();
    if (greyModel_ == JpegColourModel::grey || greyModel_ == JpegColourModel::yCbCr) {
        JpegComponent& luma = componentOf(frameComponents_.front());
        const auto ratio = static_cast<uint32_t>(luma.verticalRatio());
        std::vector<uint8_t> wide;
        if (luma.horizontalRatio() != 1)
            wide.resize(width);
        for (uint32_t y = first; y < end; ++y) {
            const std::span<const uint8_t> samples = luma.sampleRow(y / ratio);
            const std::span<uint8_t> out = image.row(y);
            if (wide.empty()) {
                std::copy_n(samples.begin(), width, out.begin());
            } else {
                upsampleRow(samples, luma.horizontalRatio(), wide);
                std::copy(wide.begin(), wide.end(), out.begin());
            }
        }
        return;
    }
    // Other models (RGB, CMYK, YCCK; rare in files) are made in colour
    // first and each pixel turned into its luma.
    RasterImage colour;
    colour.setSize(width, end - first);
    buildRows<4>(width, first, end, [&colour, first](uint32_t y) { return colour.row(y - first); });
    for (uint32_t y = first; y < end; ++y)
        lumaRow(colour.row(y - first), image.row(y));
}

void JpegDecoder::buildPixels(RasterImage& image) {
    buildRows<4>(image.width(), 0, image.height(), [&image](uint32_t y) { return image.row(y); });
}

template <size_t PixelBytes, typename RowOut>
void JpegDecoder::buildRows(uint32_t width, uint32_t first, uint32_t end, RowOut out) {
    const JpegColourModel model = jpegColourModel(frameComponents_, adobeTransform_);
    if (model == JpegColourModel::none)
        return;

    // Each component row is upsampled into its own row buffer when its
    // samples are subsampled.
    struct Source {
        JpegComponent* component;
        std::vector<uint8_t> row;
        uint32_t sampleRowOf(uint32_t y) const {
            return y / static_cast<uint32_t>(component->verticalRatio());
        }
    };
    std::vector<Source> sources(frameComponents_.size());
    for (size_t i = 0; i < sources.size(); ++i) {
        sources[i].component = &componentOf(frameComponents_[i]);
        sources[i].row.resize(width);
    }
    const auto rowOf = [&](size_t i, uint32_t y) -> std::span<const uint8_t> {
        Source& s = sources[i];
        JpegComponent& c = *s.component;
        const std::span<const uint8_t> samples = c.sampleRow(s.sampleRowOf(y));
        if (c.horizontalRatio() == 1)
            return samples;
        upsampleRow(samples, c.horizontalRatio(), s.row);
        return s.row;
    };

    if (model == JpegColourModel::grey) {
        for (uint32_t y = first; y < end; ++y)
            greyRowToPixels<PixelBytes>(rowOf(0, y), out(y));
        return;
    }
    if (model == JpegColourModel::rgb || model == JpegColourModel::cmyk) {
        for (uint32_t y = first; y < end; ++y) {
            if (model == JpegColourModel::rgb)
                rgbRowToPixels<PixelBytes>(rowOf(0, y), rowOf(1, y), rowOf(2, y), out(y));
            else
                cmykRowToPixels<PixelBytes>(rowOf(0, y), rowOf(1, y), rowOf(2, y), rowOf(3, y),
                                            out(y));
        }
        return;
    }
    // YCbCr and YCCK: the chroma terms are worked out again only when a
    // chroma row changes.
    std::vector<int16_t> red(width), green(width), blue(width);
    int64_t cbRow = -1;
    int64_t crRow = -1;
    for (uint32_t y = first; y < end; ++y) {
        const uint32_t nextCb = sources[1].sampleRowOf(y);
        const uint32_t nextCr = sources[2].sampleRowOf(y);
        if (nextCb != cbRow || nextCr != crRow) {
            chromaTerms(rowOf(1, y), rowOf(2, y), red, green, blue);
            cbRow = nextCb;
            crRow = nextCr;
        }
        if (model == JpegColourModel::ycck)
            ycckRowToPixels<PixelBytes>(rowOf(0, y), red, green, blue, rowOf(3, y), out(y));
        else
            colourRowToPixels<PixelBytes>(rowOf(0, y), red, green, blue, out(y));
    }
}

}  // namespace carvello
