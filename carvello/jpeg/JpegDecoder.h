#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "carvello/core/ColourRows.h"
#include "carvello/core/GraphicsException.h"
#include "carvello/core/GreyImage.h"
#include "carvello/core/ImageCoder.h"
#include "carvello/jpeg/JpegColour.h"
#include "carvello/jpeg/JpegComponent.h"
#include "carvello/jpeg/JpegHuffman.h"
#include "carvello/jpeg/JpegQuantization.h"

namespace carvello {

class JpegBitReader;

// Reads JPEG files (baseline, extended sequential and progressive, Huffman
// or arithmetic coded, 8-bit samples; grey, YCbCr, RGB, CMYK or YCCK) into
// a RasterImage.
// Every failure is thrown: JpegError for usage and file errors, JpegBadStream
// for malformed or unsupported data.
class JpegDecoder : public ImageDecoder {
public:
    class JpegError : public GraphicsException {
    public:
        using GraphicsException::GraphicsException;
    };
    class JpegBadStream : public JpegError {
    public:
        using JpegError::JpegError;
    };

    JpegDecoder();
    ~JpegDecoder() override;
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // Decodes a file; stream errors arrive as JpegError with their text.
    void readImageFile(const std::string& path, RasterImage& image) override;
    // Decodes a block of memory, with stream errors turned into JpegError too.
    void readImage(std::span<const uint8_t> memory, RasterImage& image);
    // Decodes from the stream's position. Errors of the bit reader and of the
    // stream itself pass as InputByteStream::StreamError.
    void readImage(InputByteStream& stream, RasterImage& image) override;

    // The same into a grey picture, each pixel's grey being its luma. For
    // grey and YCbCr frames that is the Y component itself: the chroma
    // components are entropy-decoded (the stream needs it) but never
    // transformed, upsampled or converted. Other colour models are decoded
    // in colour and each pixel turned into its luma (0.299 R + 0.587 G +
    // 0.114 B). A YCbCr frame is made an MCU row at a time as below.
    void readGreyImageFile(const std::string& path, GreyRows& image);
    void readGreyImage(std::span<const uint8_t> memory, GreyRows& image);
    void readGreyImage(InputByteStream& stream, GreyRows& image);

    // The same in colour into rows of three bytes a pixel: each pixel as
    // readImage gives it, without its alpha. A sequential frame whose one
    // scan carries every component is made into pixels an MCU row at a time,
    // straight into the rows, when the rows are no more than a fixed
    // multiple of the data that follow; other frames are kept whole until
    // the end, as for readImage.
    void readColourImageFile(const std::string& path, ColourRows& image);
    void readColourImage(std::span<const uint8_t> memory, ColourRows& image);
    void readColourImage(InputByteStream& stream, ColourRows& image);

    // Reduced decoding. Before the data are decoded the chooser is given the
    // picture's upright size (as its Exif orientation turns it) and returns
    // by how much the picture may be made smaller in both directions; the
    // largest of 8, 4 and 2 not above it is taken, and the picture is then
    // reconstructed from its coefficients at 1/8, 1/4 or 1/2 of its size
    // (each side rounded up), each pixel the mean of the pixels it stands
    // for. Without a chooser, or for 1, the picture comes at full size.
    using ScaleChooser = std::function<unsigned(uint32_t width, uint32_t height)>;
    void setScaleChooser(ScaleChooser chooser) { scaleChooser_ = std::move(chooser); }
    // The reduction of the file last read: 1, 2, 4 or 8.
    unsigned scaleDenominator() const { return scale_; }

    // Frames of more pixels than this are refused before anything is
    // allocated (at most RasterImage::kMaxPixels).
    void setPixelLimit(uint64_t pixels);
    // The Exif orientation (1 to 8) of the file last read, 1 when it has
    // none. The decoder gives the pixels as stored; turning them upright is
    // the caller's choice (applyExifOrientation).
    int orientation() const { return orientation_ != 0 ? orientation_ : 1; }
    // With the strict check, frame component identifiers must be 1, 2, 3.
    void setStrictComponentIds(bool on) { strictIds_ = on; }

protected:
    void finishImage(RasterImage& image) override;

private:
    void setTarget(RasterImage* image, GreyRows* grey, ColourRows* colour);
    // Reads a file or a block of memory into the current target.
    void readFileInto(const std::string& path);
    void readMemoryInto(std::span<const uint8_t> memory);
    void run(InputByteStream& stream);
    void clearPicture();
    void finishPicture();
    // The rows the picture gets: all of the (reduced) frame after a whole
    // decode, else those the data reached.
    uint32_t finishedRows() const;
    uint32_t outputWidth() const;
    uint32_t outputHeight() const;
    void chooseScale(uint32_t width, uint32_t height);
    void markUnusedComponents();
    void decode(InputByteStream& stream);
    void readStartOfFile(InputByteStream& stream);
    void readMarker(InputByteStream& stream, uint8_t code);
    void readApplication(InputByteStream& stream, uint8_t code);
    void traceJfif(std::span<const uint8_t> body);
    void readQuantizationTables(InputByteStream& stream);
    void readHuffmanTables(InputByteStream& stream);
    void readRestartInterval(InputByteStream& stream);
    void readFrame(InputByteStream& stream, uint8_t code);
    void readScan(InputByteStream& stream);
    // Passes over a scan's entropy-coded data up to the marker after them.
    void skipEntropyData(InputByteStream& stream);
    // The scans (SOS markers) and Adobe segments (APP14 markers) from the
    // stream's position up to the end of the image or, with pastTheEnd, of
    // the data, and the bytes up to there; the position is kept. Bytes that
    // only look like a marker (inside a segment) count too.
    struct Ahead {
        unsigned scans = 0;
        unsigned adobeSegments = 0;
        uint64_t bytes = 0;
    };
    Ahead lookAhead(InputByteStream& stream, bool pastTheEnd = false);

    // Scan decoding (JpegScan.cpp).
    // Entropy is JpegBitReader (Huffman coding) or JpegArithmeticDecoder.
    template <typename Entropy>
    void decodeScan(Entropy& coder, int ss, int se, int ah, int al);
    template <typename Entropy>
    void processRestart(Entropy& coder);
    void readArithmeticConditioning(InputByteStream& stream);
    void resetArithmeticStatistics();
    void reportRow(uint32_t row, uint32_t rows);
    void releaseStores();

    // Pixels (JpegPixels.cpp).
    // Rows [first, end) of the picture, PixelBytes bytes a pixel, made from
    // the component samples into out(y).
    template <size_t PixelBytes, typename RowOut>
    void buildRows(uint32_t width, uint32_t first, uint32_t end, RowOut out);
    void buildPixels(RasterImage& image);
    // Rows first .. end - 1 of a grey picture.
    void buildGrey(GreyRows& image, uint32_t first, uint32_t end);
    // The rows a grey or colour target gets at the end of the data; build
    // makes a range of them.
    template <typename Rows, typename Build>
    void finishRows(Rows& image, Build build);
    // Sizes the picture to `rows` rows and has build(image, 0, rows) make
    // them; nothing for no rows.
    template <typename Picture, typename Build>
    void makeWhole(Picture& image, uint32_t rows, Build build);
    // Whether the scan about to be decoded may be made into pixels an MCU
    // row at a time (see readColourImage and readGreyImage).
    bool decodesInOnePass(InputByteStream& stream);
    void startStreaming();
    // Makes the pixels of a finished MCU row; the next one starts.
    void streamMcuRow(uint32_t mcuRow);

    std::array<JpegHuffmanTable, 4> dcTables_;
    std::array<JpegHuffmanTable, 4> acTables_;
    std::array<JpegQuantizationTable, 4> quantizationTables_;
    // Arithmetic coding: each table's statistics bins and conditioning (DAC).
    std::array<std::array<uint8_t, 64>, 4> dcBins_{};
    std::array<std::array<uint8_t, 256>, 4> acBins_{};
    std::array<int, 4> dcLower_{};
    std::array<int, 4> dcUpper_{};
    std::array<int, 4> acSplit_{};
    // The frame's components in frame order, and for each identifier its
    // place among them (kNoComponent when the frame has none of that
    // identifier; 255 is never one).
    static constexpr uint8_t kNoComponent = 0xFF;
    std::vector<JpegComponent> components_;
    std::array<uint8_t, 256> componentIndex_;
    bool inFrame(uint8_t id) const { return componentIndex_[id] != kNoComponent; }
    // The component of an identifier in the frame.
    JpegComponent& componentOf(uint8_t id) { return components_[componentIndex_[id]]; }
    const JpegComponent& componentOf(uint8_t id) const { return components_[componentIndex_[id]]; }
    void clearComponents();
    std::vector<uint8_t> frameComponents_;
    std::vector<uint8_t> scanComponents_;

    JpegFrameGeometry frame_;
    uint8_t frameCode_ = 0;
    bool arithmetic_ = false;  // SOF9 and SOF10 frames
    uint16_t restartInterval_ = 0;
    int nextRestart_ = 0;
    unsigned scansDone_ = 0;
    unsigned scanCount_ = 0;
    unsigned frameScans_ = 0;
    // The colour transform of the last Adobe APP14 segment, -1 without one.
    int adobeTransform_ = -1;
    // From the first Exif segment that has one; 0 until then.
    int orientation_ = 0;
    // The body of the application segment being read.
    std::vector<uint8_t> segment_;
    bool frameSeen_ = false;
    // Set when the decode reached the end of the image: the picture then
    // has the frame's size, otherwise the rows the data reached.
    bool complete_ = false;
    bool endSeen_ = false;
    bool decoding_ = false;
    bool strictIds_ = false;
    uint64_t pixelLimit_;
    // The picture being decoded into: one of the three.
    RasterImage* image_ = nullptr;
    GreyRows* grey_ = nullptr;
    ColourRows* colour_ = nullptr;
    // Set while the frame is made into the grey or colour rows an MCU row
    // at a time; the rows made so far.
    bool streaming_ = false;
    uint32_t streamedRows_ = 0;
    // Grey targets: the frame's colour model, fixed with the frame header.
    JpegColourModel greyModel_ = JpegColourModel::none;
    ScaleChooser scaleChooser_;
    unsigned scale_ = 1;
    InputByteStream* stream_ = nullptr;
};

}  // namespace carvello
