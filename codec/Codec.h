#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bitmap/Dib.h"
#include "bitmap/ImageProc.h"
#include "bitmap/formats/OneBitFiles.h"
#include "bitmap/formats/WBMPCoder.h"
#include "codec/CodecError.h"
#include "codec/DeclaredSize.h"
#include "codec/ResizeTarget.h"

namespace codec {

class DownloadProgress;

// Ten minutes: a download that takes longer is given up.
inline constexpr long kDefaultDownloadTimeout = 600;

// The one object through which the program loads, converts, resizes and
// saves pictures. It owns the current picture (after every load an 8 bpp
// grey DIB) and the current WBMP. Operations return 1 for success and 0 for
// failure; every failure is reported as a code and a message, kept in
// errorcode()/errordescription() until the next failure, and also thrown as
// a carvello::GraphicsException while the throw switch is on.
class Codec {
public:
    Codec();
    ~Codec();
    Codec(const Codec&) = delete;
    Codec& operator=(const Codec&) = delete;

    // Properties.
    int errorcode() const { return errorCode_; }
    const std::string& errordescription() const { return errorText_; }
    bool throwException() const { return throwOnError_; }
    void setThrowException(bool on) { throwOnError_ = on; }
    const std::string& undoFile() const { return undoFile_; }
    void setUndoFile(std::string path) { undoFile_ = std::move(path); }
    const std::string& fileFormat() const { return fileFormat_; }
    int imageWidth() const { return imageWidth_; }
    int imageHeight() const { return imageHeight_; }
    // The bits per pixel the header read by readImageHeader declares (see
    // DeclaredHeader); 0 when it does not say.
    int declaredBitCount() const { return declaredBits_; }
    bool showDownloadProgress() const { return showDownloadProgress_; }
    void setShowDownloadProgress(bool on) { showDownloadProgress_ = on; }
    // Where downloads report their course while showDownloadProgress is on;
    // null for nowhere. Not owned.
    void setDownloadProgress(DownloadProgress* sink) { downloadProgress_ = sink; }
    // Result code of the last GIF write or tiling.
    int lastWriterResult() const { return lastWriterResult_; }
    // Result code of the last GIF read (0 for success). A GIF that cannot be
    // read is not reported as an error; this tells why it failed.
    int lastGifReadResult() const { return lastGifReadResult_; }
    // Counts reported errors, so a caller can tell whether an operation that
    // failed reported anything.
    unsigned errorSerial() const { return errorSerial_; }
    // When on, resizing always averages the source area covered by each
    // destination pixel, even for grey pictures at their own depth (which
    // otherwise keep one source pixel per destination pixel).
    bool alwaysHalftone() const { return alwaysHalftone_; }
    void setAlwaysHalftone(bool on) { alwaysHalftone_ = on; }
    // The most pixels a loaded picture may have, from 1 to bitmap::kMaxPixels
    // (the default); a larger picture is refused with a message naming the
    // limit, before its decoder allocates anything when the header tells
    // its size. Each codec has its own limit.
    int64_t maxPixels() const { return maxPixels_; }
    void setMaxPixels(int64_t pixels);
    // The longest a download may take in all, in seconds (0 for no limit
    // besides the stall rule).
    long downloadTimeout() const { return downloadTimeout_; }
    void setDownloadTimeout(long seconds) { downloadTimeout_ = seconds < 0 ? 0 : seconds; }
    // How saveCArray packs the pixels and what a set bit means.
    const bitmap::CArrayOptions& cArrayOptions() const { return cArrayOptions_; }
    void setCArrayOptions(const bitmap::CArrayOptions& options) { cArrayOptions_ = options; }

    // Loading and format detection.
    int loadImage(const std::string& name, const std::string& localPath);
    int loadImageFile(const std::string& path);
    int readImageHeader(const std::string& path);
    int loadBmp(const std::string& path);
    int loadWbmp(const std::string& path);
    int loadJpegToBmp(const std::string& path, int bitCount);
    int loadGif(const std::string& path);
    int loadPng(const std::string& path);
    int convertWbmpToBmp();
    int imageInfo();
    // Downloads the URL into localPath (a temporary file when empty) and
    // loads it. On failure errorText says why.
    int loadFromUrl(const std::string& url, const std::string& localPath, std::string& errorText,
                    bool showProgress);

    // Queries on the current picture.
    int bmpInfo(int& width, int& height, int& bitCount);
    int bmpWidth();
    int bmpHeight();
    int bmpBpp();
    int bmpExists() const;
    int wbmpExists();
    int isMonochrome();
    // The current picture itself, or null.
    const bitmap::Dib* picture() const;

    // Saving.
    int saveBmp(const std::string& path);
    // The bytes saveBmp would write, without a file; nothing (with the error
    // saveBmp would report) when there is no picture or it cannot be written.
    std::optional<std::vector<uint8_t>> bmpFileBytes();
    int convertBmpToWbmp(int type);
    int saveWbmp(const std::string& path);
    int saveGif(const std::string& path);
    int savePng(const std::string& path);
    int savePngTransparentWhite(const std::string& path);
    // One-bit files for displays: each pixel black or white by its colour
    // (see bitmap::whitePixels), so the picture is usually converted to
    // black and white first. The array and XBM names come from the path.
    int savePbm(const std::string& path);
    int saveXbm(const std::string& path);
    int saveCArray(const std::string& path);
    int saveAs(const std::string& path, const std::string& format, int refuseIfExists);
    int makeUndoFile();

    // Conversion and resizing.
    int convertBmpToMonochrome(int method, int threshold);
    // The same with options. A black-and-white picture is left as it is
    // unless the options change its tones (invert it, for example).
    int convertBmpToMonochrome(int method, int threshold, const bitmap::DitherOptions& options);
    int transformBmp(int width, int height, int bitCount);
    int resizeTo(int width, int height, int exact);
    int resizePercentual(int percentage);
    // The resize a caller is going to apply right after the coming loads
    // (the batch run resizing before it converts), or nothing. While one is
    // planned and resizing averages (alwaysHalftone), a JPEG may be decoded
    // at 1/2, 1/4 or 1/8 of its size, as long as that still holds at least
    // the pixels the resize keeps: averaging the reduced picture, whose
    // pixels are already the means of the blocks they stand for, gives what
    // averaging the full one gives but at the block edges. resizeTo and
    // resizePercentual size such a picture as they would the full one.
    void setPlannedResize(std::optional<ResizeTarget> target) { plannedResize_ = target; }
    const std::optional<ResizeTarget>& plannedResize() const { return plannedResize_; }
    // The full size of the current picture when it was loaded reduced.
    const std::optional<PictureSize>& reducedFrom() const { return reducedFrom_; }

    // Tiles and counters.
    // Cuts the current picture into tiles of tileWidth (rounded down to a
    // multiple of 4) x tileHeight written as folder/column.row.ext; leaves the
    // grid's columns and rows in imageWidth/imageHeight.
    int split(int tileWidth, int tileHeight, const std::string& folder, const std::string& format);
    // Writes value with digitCount positions (leading zeros) as one WBMP,
    // built from the pictures 0..9 in digitFolder; never replaces a file.
    int wbmpCounter(const std::string& digitFolder, const std::string& outputPath, int value,
                    int digitCount);

    // A 1 bpp DIB (header, two-entry colour table, rows) of the given
    // rectangle of the current picture, (x, y) counted from the top-left
    // corner, dithered as asked. Parts of the rectangle outside the picture
    // are black. Empty on failure.
    std::vector<uint8_t> preview(int x, int y, int width, int height, int method, int threshold);
    // The same with options; tones are adjusted as for the whole picture
    // (the level stretch measures the whole picture, not the rectangle).
    std::vector<uint8_t> preview(int x, int y, int width, int height, int method, int threshold,
                                 const bitmap::DitherOptions& options);

private:
    // Records a failure (and throws when the switch is on); returns 0.
    int report(CodecError code, std::string message);
    int reportCore(CodecError code, const std::string& coreText);
    int reportNoPicture(std::string_view operation);
    // The picture's size and the limit it exceeds, under `code`.
    int reportTooLarge(std::string_view operation, int64_t width, int64_t height,
                       CodecError code = CodecError::pictureTooLarge);
    bool withinLimits(const PictureSize& size) const;
    // readImageHeader on a file that is open to read already (a regular
    // file or a spooled copy).
    int readHeaderOf(const std::string& path);
    // Code 0: the format is known but this program cannot write it.
    int reportSavingNotSupported(std::string_view format);
    void replacePicture(std::optional<bitmap::Dib> dib);
    // The size the current picture stands for: its own, or the full size
    // it was reduced from.
    PictureSize sourceSize() const;
    int resizeBy(const ResizeTarget& target);
    void releasePicture();
    // Writes the bytes as the named operation's file (see savePbm).
    int saveOneBitFile(std::string_view operation, const std::string& path,
                       std::span<const uint8_t> bytes);
    // Loads through the libpng reader; false when it yields no picture.
    bool loadPngWithFallbackReader(const std::string& path);

    std::optional<bitmap::Dib> picture_;
    std::optional<PictureSize> reducedFrom_;
    std::optional<ResizeTarget> plannedResize_;
    bitmap::ImageProc imageProc_;
    bitmap::WBMPCoder wbmp_;
    std::string errorText_;
    std::string undoFile_;
    std::string fileFormat_;
    int errorCode_ = codeOf(CodecError::none);
    bool throwOnError_ = true;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    int declaredBits_ = 0;
    bool showDownloadProgress_ = false;
    DownloadProgress* downloadProgress_ = nullptr;
    int lastWriterResult_ = 0;
    int lastGifReadResult_ = 0;
    unsigned errorSerial_ = 0;
    bool alwaysHalftone_ = false;
    int64_t maxPixels_ = bitmap::kMaxPixels;
    long downloadTimeout_ = kDefaultDownloadTimeout;
    bitmap::CArrayOptions cArrayOptions_;
};

// "Codec::" + operation + ": "
std::string operationPrefix(std::string_view operation);

}  // namespace codec
