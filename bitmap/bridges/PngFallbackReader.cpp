#include "bitmap/bridges/PngFallbackReader.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "bitmap/Dib.h"
#include "bitmap/bridges/LibpngLibrary.h"

namespace bitmap {
namespace {

const LibpngLibrary& libpng() {
    return systemLibpng();
}

// libpng's error and warning functions. The error function must not return:
// it records the text and jumps back to the setjmp of the step that called
// libpng. Warnings are dropped.
void onLibpngError(png_structp png, png_const_charp message) {
    auto* sink = static_cast<PngFallbackReader::ErrorText*>(libpng().getErrorPtr(png));
    if (sink != nullptr)
        std::snprintf(sink->text, sizeof sink->text, "%s", message != nullptr ? message : "");
    libpng().longJump(png, 1);
}

void onLibpngWarning(png_structp, png_const_charp) {}

// Each step below holds only plain locals, so nothing with a destructor is
// jumped over when libpng fails inside it.

int readInfoStep(png_structp png, png_infop info, std::FILE* file, uint32_t maxDimension,
                 png_uint_32* width, png_uint_32* height, int* bitDepth, int* colorType) {
    if (setjmp(libpng().jumpBuffer(png)))
        return PngFallbackReader::kHeaderFailed;
    libpng().initIo(png, file);
    libpng().setSigBytes(png, 8);
    libpng().setUserLimits(png, maxDimension, maxDimension);
    libpng().readInfo(png, info);
    libpng().getIhdr(png, info, width, height, bitDepth, colorType, nullptr, nullptr, nullptr);
    return PngFallbackReader::kOk;
}

int setUpTransformsStep(png_structp png, png_infop info, int bitDepth, int colorType,
                        png_size_t* rowBytes, int* channels, int* passes,
                        PngColourSpace* colourSpace) {
    if (setjmp(libpng().jumpBuffer(png)))
        return PngFallbackReader::kImageFailed;
    const bool grey = colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA;
    if (colorType == PNG_COLOR_TYPE_PALETTE || (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) ||
        libpng().getValid(png, info, PNG_INFO_tRNS) != 0)
        libpng().setExpand(png);
    if (bitDepth == 16)
        libpng().setStrip16(png);
    if (grey)
        libpng().setGrayToRgb(png);
    // The gamma is applied to the rows afterwards, as for the library's
    // decoder (PngGamma.h).
    png_fixed_point gamma = 0;
    if (libpng().getGamaFixed(png, info, &gamma) != 0 && gamma > 0)
        colourSpace->gamma = static_cast<uint32_t>(gamma);
    colourSpace->srgb = libpng().getValid(png, info, PNG_INFO_sRGB) != 0;
    colourSpace->iccProfile = libpng().getValid(png, info, PNG_INFO_iCCP) != 0;
    libpng().setBgr(png);
    libpng().setFiller(png, 0xFF, PNG_FILLER_AFTER);
    *passes = libpng().setInterlaceHandling(png);
    libpng().readUpdateInfo(png, info);
    *rowBytes = libpng().getRowbytes(png, info);
    *channels = libpng().getChannels(png, info);
    return PngFallbackReader::kOk;
}

// Reads the rows pass by pass as png_read_image does, each row going where
// rows->row() puts it; rows outside the current pass are not written by
// libpng and are given `idle` so that nothing is allocated for them.
int readRowsStep(png_structp png, int passes, uint32_t height, PngFallbackReader::Rows* rows,
                 png_bytep idle) {
    if (setjmp(libpng().jumpBuffer(png)))
        return PngFallbackReader::kImageFailed;
    for (int pass = 0; pass < passes; ++pass) {
        for (uint32_t y = 0; y < height; ++y) {
            png_bytep row = idle;
            if (passes == 1 || PNG_ROW_IN_INTERLACE_PASS(y, pass)) {
                row = rows->row(y);
                if (row == nullptr)
                    return PngFallbackReader::kNoMemory;
            }
            libpng().readRow(png, row, nullptr);
        }
    }
    return PngFallbackReader::kOk;
}

int readEndStep(png_structp png) {
    if (setjmp(libpng().jumpBuffer(png)))
        return PngFallbackReader::kEndFailed;
    libpng().readEnd(png, nullptr);
    return PngFallbackReader::kOk;
}

}  // namespace

PngFallbackReader::Rows::~Rows() {
    std::free(block_);
}

void PngFallbackReader::Rows::reset(size_t rowBytes, uint32_t height) {
    std::free(block_);
    block_ = nullptr;
    rowBytes_ = rowBytes;
    height_ = height;
    rowsHeld_ = 0;
}

uint8_t* PngFallbackReader::Rows::row(uint32_t y) {
    if (y >= height_)
        return nullptr;
    if (y >= rowsHeld_) {
        const uint32_t rows = static_cast<uint32_t>(std::min<uint64_t>(
            height_, std::max<uint64_t>(uint64_t{y} + 1, uint64_t{rowsHeld_} * 2)));
        // realloc moves large blocks by remapping their pages, without copying.
        auto* grown = static_cast<uint8_t*>(std::realloc(block_, size_t{rows} * rowBytes_));
        if (grown == nullptr)
            return nullptr;
        std::memset(grown + size(), 0, (rows - rowsHeld_) * rowBytes_);
        block_ = grown;
        rowsHeld_ = rows;
    }
    return block_ + size_t{y} * rowBytes_;
}

PngFallbackReader::PngFallbackReader() = default;

void PngFallbackReader::setLimits(uint32_t maxDimension, uint64_t maxPixels) {
    maxDimension_ = std::min(maxDimension, kMaxDimension);
    maxPixels_ = std::min(maxPixels, kMaxPixels);
}

PngFallbackReader::~PngFallbackReader() {
    close();
}

int PngFallbackReader::open(const std::string& path) {
    close();
    if (path.empty())
        return kCannotOpen;
    file_ = std::fopen(path.c_str(), "rb");
    return file_ != nullptr ? kOk : kCannotOpen;
}

void PngFallbackReader::destroyLibpng() {
    if (png_ != nullptr) {
        png_structp png = png_;
        png_infop info = info_;
        libpng().destroyReadStruct(&png, info != nullptr ? &info : nullptr, nullptr);
    }
    png_ = nullptr;
    info_ = nullptr;
}

int PngFallbackReader::readHeader() {
    if (file_ == nullptr)
        return kNotOpen;
    destroyLibpng();
    imageRead_ = false;
    if (!libpng().ok()) {
        message_ = libpng().error();
        return kNoLibpng;
    }
    png_byte signature[8] = {};
    if (std::fread(signature, 1, sizeof signature, file_) != sizeof signature ||
        libpng().sigCmp(signature, 0, sizeof signature) != 0)
        return kNotPng;

    png_ = libpng().createReadStruct(PNG_LIBPNG_VER_STRING, &errorText_, onLibpngError,
                                     onLibpngWarning);
    if (png_ != nullptr)
        info_ = libpng().createInfoStruct(png_);
    if (png_ == nullptr || info_ == nullptr) {
        destroyLibpng();
        return kNoMemory;
    }
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    const int code =
        readInfoStep(png_, info_, file_, maxDimension_, &width, &height, &bitDepth_, &colorType_);
    if (code != kOk) {
        message_ = errorText_.text;
        destroyLibpng();
        return code;
    }
    width_ = width;
    height_ = height;
    return kOk;
}

int PngFallbackReader::readImage() {
    if (file_ == nullptr || png_ == nullptr)
        return kNotOpen;
    png_size_t rowBytes = 0;
    int passes = 1;
    colourSpace_ = {};
    int code = setUpTransformsStep(png_, info_, bitDepth_, colorType_, &rowBytes, &channels_,
                                   &passes, &colourSpace_);
    if (code != kOk) {
        message_ = errorText_.text;
        destroyLibpng();
        return code;
    }
    rowBytes_ = rowBytes;
    if (uint64_t{width_} * height_ > maxPixels_ || rowBytes_ > uint64_t{width_} * 4 + 8) {
        destroyLibpng();
        return kNoMemory;
    }
    std::vector<png_byte> idle;
    try {
        idle.resize(rowBytes_);
    } catch (const std::bad_alloc&) {
        destroyLibpng();
        return kNoMemory;
    }
    pixels_.reset(rowBytes_, height_);
    code = readRowsStep(png_, passes, height_, &pixels_, idle.data());
    if (code == kOk)
        code = readEndStep(png_);
    if (code != kOk) {
        message_ = errorText_.text;
        pixels_.reset(0, 0);
        destroyLibpng();
        return code;
    }
    imageRead_ = true;
    return kOk;
}

std::optional<std::vector<uint8_t>> PngFallbackReader::makeBitmap() const {
    const size_t pixelBytes = size_t{width_} * height_ * 4;
    if (!imageRead_ || channels_ != 4 || rowBytes_ != size_t{width_} * 4 ||
        pixels_.size() != pixelBytes)
        return std::nullopt;
    std::vector<uint8_t> block;
    try {
        block.resize(kInfoHeaderSize + pixelBytes);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    BitmapInfoHeader header;
    header.biWidth = static_cast<int32_t>(width_);
    header.biHeight = static_cast<int32_t>(height_);
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biSizeImage = static_cast<uint32_t>(pixelBytes);
    header.store(block);
    std::copy_n(pixels_.data(), pixels_.size(), block.begin() + kInfoHeaderSize);
    applyPngGamma(colourSpace_, std::span(block).subspan(kInfoHeaderSize));
    return block;
}

void PngFallbackReader::close() {
    pixels_.reset(0, 0);
    destroyLibpng();
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
    width_ = height_ = 0;
    bitDepth_ = colorType_ = channels_ = 0;
    rowBytes_ = 0;
    imageRead_ = false;
    colourSpace_ = {};
    errorText_ = {};
}

}  // namespace bitmap
