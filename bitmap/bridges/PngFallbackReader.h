#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bitmap/bridges/PngGamma.h"

struct png_struct_def;
struct png_info_def;

namespace bitmap {

// The second PNG reader, on libpng, for files the codec library's decoder
// refuses. Use, in this order:
//
//   PngFallbackReader reader;
//   int code = reader.open(path);           // 0 or kCannotOpen
//   if (code == 0) code = reader.readHeader();
//   if (code == 0) code = reader.readImage();
//   if (code == 0) bitmap = reader.makeBitmap();
//   reader.close();                          // also done by the destructor
//
// makeBitmap() gives one block: a 40-byte bitmap info header (32 bits per
// pixel, positive height) followed by width x height pixels of blue, green,
// red, alpha, top row first -- what ImageProc::changeBitmapFormatFrom32
// takes as header and pixels. Alpha is the file's alpha (from an alpha
// channel or tRNS) or 255; colour and grey pictures of every depth come out
// 8 bits per sample, turned into sRGB samples where the file's gAMA chunk
// says they are coded otherwise (PngGamma.h).
//
// Any libpng failure destroys the libpng structures and yields the code of
// the step that failed. Rows are allocated as libpng delivers them, so a
// file that declares a large picture and ends early costs only the rows its
// data filled.
class PngFallbackReader {
public:
    static constexpr int kOk = 0;
    static constexpr int kNoMemory = 23;    // libpng structures or buffers
    static constexpr int kCannotOpen = 25;  // the file cannot be opened
    static constexpr int kNotOpen = 60;     // no file is open (or no header read)
    static constexpr int kNotPng = 61;      // the first 8 bytes are no PNG signature
    static constexpr int kHeaderFailed = 62;
    static constexpr int kImageFailed = 63;
    static constexpr int kEndFailed = 64;
    static constexpr int kNoLibpng = 65;  // libpng could not be loaded

    // Pictures above these sizes are refused while the header is read (and
    // are the highest limits setLimits takes).
    static constexpr uint32_t kMaxDimension = uint32_t{1} << 20;
    static constexpr uint64_t kMaxPixels = uint64_t{1} << 28;

    PngFallbackReader();
    ~PngFallbackReader();
    PngFallbackReader(const PngFallbackReader&) = delete;
    PngFallbackReader& operator=(const PngFallbackReader&) = delete;

    // Lower limits for the pictures the next readHeader accepts.
    void setLimits(uint32_t maxDimension, uint64_t maxPixels);

    int open(const std::string& path);
    int readHeader();
    int readImage();
    // Nothing before a successful readImage().
    std::optional<std::vector<uint8_t>> makeBitmap() const;
    void close();

    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    int bitDepth() const { return bitDepth_; }
    int colorType() const { return colorType_; }
    // What the file says about its samples' coding (after readImage).
    const PngColourSpace& colourSpace() const { return colourSpace_; }
    // libpng's text for the last failure, for diagnostics.
    const std::string& libpngMessage() const { return message_; }

    // What libpng's error function writes to; plain data because libpng
    // leaves its frames with longjmp.
    struct ErrorText {
        char text[200];
    };

    // The decoded rows, one block grown as rows arrive.
    class Rows {
    public:
        Rows() = default;
        ~Rows();
        Rows(const Rows&) = delete;
        Rows& operator=(const Rows&) = delete;
        // Prepares for `height` rows of `rowBytes` bytes; nothing is allocated.
        void reset(size_t rowBytes, uint32_t height);
        // Row y, growing the block to reach it (at most twice the rows
        // reached); null when memory runs out.
        uint8_t* row(uint32_t y);
        const uint8_t* data() const { return block_; }
        size_t size() const { return rowsHeld_ * rowBytes_; }

    private:
        uint8_t* block_ = nullptr;
        size_t rowBytes_ = 0;
        uint32_t height_ = 0;
        uint32_t rowsHeld_ = 0;
    };

private:
    void destroyLibpng();

    std::FILE* file_ = nullptr;
    png_struct_def* png_ = nullptr;
    png_info_def* info_ = nullptr;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    int bitDepth_ = 0;
    int colorType_ = 0;
    size_t rowBytes_ = 0;
    int channels_ = 0;
    bool imageRead_ = false;
    PngColourSpace colourSpace_;
    Rows pixels_;
    uint32_t maxDimension_ = kMaxDimension;
    uint64_t maxPixels_ = kMaxPixels;
    ErrorText errorText_{};
    std::string message_;
};

}  // namespace bitmap
