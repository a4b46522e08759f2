#include "tests/carvello/png/LibpngReference.h"

#include <png.h>

#include <cstdio>

namespace pngtest {
namespace {

void quietError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void quietWarning(png_structp, png_const_charp) {}

// Only plain locals here: libpng leaves with longjmp.
bool readRows(png_structp png, png_infop info, std::FILE* file, ReferencePicture* out,
              std::vector<png_bytep>* rows) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, file);
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (depth == 16)
        png_set_strip_16(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS) != 0)
        png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    out->width = png_get_image_width(png, info);
    out->height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != size_t{out->width} * 4)
        return false;
    out->bgra.assign(size_t{out->width} * out->height * 4, 0);
    rows->resize(out->height);
    for (uint32_t y = 0; y < out->height; ++y)
        (*rows)[y] = out->bgra.data() + size_t{y} * out->width * 4;
    png_read_image(png, rows->data());
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

std::optional<ReferencePicture> readWithLibpng(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return std::nullopt;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, quietWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    ReferencePicture picture;
    std::vector<png_bytep> rows;
    const bool ok = info != nullptr && readRows(png, info, file, &picture, &rows);
    png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
    std::fclose(file);
    if (!ok)
        return std::nullopt;
    return picture;
}

}  // namespace pngtest
