#include "bitmap/PngFallbackReader.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <new>

#include "bitmap/Dib.h"

namespace bitmap {
namespace {

// libpng's error and warning functions. The error function must not return:
// it records the text and jumps back to the setjmp of the step that called
// libpng. Warnings are dropped.
void onLibpngError(png_structp png, png_const_charp message) {
    auto* sink = static_cast<PngFallbackReader::ErrorText*>(png_get_error_ptr(png));
    if (sink != nullptr)
        std::snprintf(sink->text, sizeof sink->text, "%s", message != nullptr ? message : "");
    png_longjmp(png, 1);
}

void onLibpngWarning(png_structp, png_const_charp) {}

// Each step below holds only plain locals, so nothing with a destructor is
// jumped over when libpng fails inside it.

int readInfoStep(png_structp png, png_infop info, std::FILE* file, png_uint_32* width,
                 png_uint_32* height, int* bitDepth, int* colorType) {
    if (setjmp(png_jmpbuf(png)))
        return PngFallbackReader::kHeaderFailed;
    png_init_io(png, file);
    png_set_sig_bytes(png, 8);
    png_set_user_limits(png, PngFallbackReader::kMaxDimension, PngFallbackReader::kMaxDimension);
    png_read_info(png, info);
    png_get_IHDR(png, info, width, height, bitDepth, colorType, nullptr, nullptr, nullptr);
    return PngFallbackReader::kOk;
}

int setUpTransformsStep(png_structp png, png_infop info, int bitDepth, int colorType,
                        png_size_t* rowBytes, int* channels) {
    if (setjmp(png_jmpbuf(png)))
        return PngFallbackReader::kImageFailed;
    const bool grey = colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA;
    if (colorType == PNG_COLOR_TYPE_PALETTE || (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) ||
        png_get_valid(png, info, PNG_INFO_tRNS) != 0)
        png_set_expand(png);
    if (bitDepth == 16)
        png_set_strip_16(png);
    if (grey)
        png_set_gray_to_rgb(png);
    double fileGamma = 0;
    if (png_get_gAMA(png, info, &fileGamma) != 0)
        png_set_gamma(png, 2.2, fileGamma);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    *rowBytes = png_get_rowbytes(png, info);
    *channels = png_get_channels(png, info);
    return PngFallbackReader::kOk;
}

int readRowsStep(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png)))
        return PngFallbackReader::kImageFailed;
    png_read_image(png, rows);
    return PngFallbackReader::kOk;
}

int readEndStep(png_structp png) {
    if (setjmp(png_jmpbuf(png)))
        return PngFallbackReader::kEndFailed;
    png_read_end(png, nullptr);
    return PngFallbackReader::kOk;
}

}  // namespace

PngFallbackReader::PngFallbackReader() = default;

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
        png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
    }
    png_ = nullptr;
    info_ = nullptr;
}

int PngFallbackReader::readHeader() {
    if (file_ == nullptr)
        return kNotOpen;
    destroyLibpng();
    imageRead_ = false;
    png_byte signature[8] = {};
    if (std::fread(signature, 1, sizeof signature, file_) != sizeof signature ||
        png_sig_cmp(signature, 0, sizeof signature) != 0)
        return kNotPng;

    png_ =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &errorText_, onLibpngError, onLibpngWarning);
    if (png_ != nullptr)
        info_ = png_create_info_struct(png_);
    if (png_ == nullptr || info_ == nullptr) {
        destroyLibpng();
        return kNoMemory;
    }
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    const int code = readInfoStep(png_, info_, file_, &width, &height, &bitDepth_, &colorType_);
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
    int code = setUpTransformsStep(png_, info_, bitDepth_, colorType_, &rowBytes, &channels_);
    if (code != kOk) {
        message_ = errorText_.text;
        destroyLibpng();
        return code;
    }
    rowBytes_ = rowBytes;
    if (uint64_t{width_} * height_ > kMaxPixels || rowBytes_ > uint64_t{width_} * 4 + 8) {
        destroyLibpng();
        return kNoMemory;
    }
    std::vector<png_bytep> rows;
    try {
        pixels_.assign(rowBytes_ * height_, 0);
        rows.resize(height_);
    } catch (const std::bad_alloc&) {
        std::vector<uint8_t>().swap(pixels_);
        destroyLibpng();
        return kNoMemory;
    }
    for (uint32_t y = 0; y < height_; ++y)
        rows[y] = pixels_.data() + size_t{y} * rowBytes_;

    code = readRowsStep(png_, rows.data());
    if (code == kOk)
        code = readEndStep(png_);
    if (code != kOk) {
        message_ = errorText_.text;
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
    std::copy(pixels_.begin(), pixels_.end(), block.begin() + kInfoHeaderSize);
    return block;
}

void PngFallbackReader::close() {
    std::vector<uint8_t>().swap(pixels_);
    destroyLibpng();
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
    width_ = height_ = 0;
    bitDepth_ = colorType_ = channels_ = 0;
    rowBytes_ = 0;
    imageRead_ = false;
    errorText_ = {};
}

}  // namespace bitmap
