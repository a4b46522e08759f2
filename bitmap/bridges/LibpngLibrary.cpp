#include "bitmap/bridges/LibpngLibrary.h"

namespace bitmap {

LibpngLibrary::LibpngLibrary(const char* fileName) {
    if (!library_.open(fileName)) {
        error_ = library_.error();
        return;
    }
    const SharedLibrary& l = library_;
    if (l.resolve("png_sig_cmp", sigCmp) && l.resolve("png_create_read_struct", createReadStruct) &&
        l.resolve("png_create_info_struct", createInfoStruct) &&
        l.resolve("png_destroy_read_struct", destroyReadStruct) &&
        l.resolve("png_set_longjmp_fn", setLongjmpFn) && l.resolve("png_longjmp", longJump) &&
        l.resolve("png_get_error_ptr", getErrorPtr) && l.resolve("png_init_io", initIo) &&
        l.resolve("png_set_sig_bytes", setSigBytes) &&
        l.resolve("png_set_user_limits", setUserLimits) && l.resolve("png_read_info", readInfo) &&
        l.resolve("png_get_IHDR", getIhdr) && l.resolve("png_get_valid", getValid) &&
        l.resolve("png_get_gAMA_fixed", getGamaFixed) && l.resolve("png_set_expand", setExpand) &&
        l.resolve("png_set_strip_16", setStrip16) &&
        l.resolve("png_set_gray_to_rgb", setGrayToRgb) && l.resolve("png_set_bgr", setBgr) &&
        l.resolve("png_set_filler", setFiller) &&
        l.resolve("png_set_interlace_handling", setInterlaceHandling) &&
        l.resolve("png_read_update_info", readUpdateInfo) &&
        l.resolve("png_get_rowbytes", getRowbytes) && l.resolve("png_get_channels", getChannels) &&
        l.resolve("png_read_row", readRow) && l.resolve("png_read_end", readEnd))
        return;
    error_ = std::string(fileName) + ": not a usable libpng";
    library_.close();
}

const LibpngLibrary& systemLibpng() {
    // The library of the header this is built with.
    static_assert(PNG_LIBPNG_VER_DLLNUM == 16 && PNG_LIBPNG_VER_SONUM == 16,
                  "the file name below names libpng 1.6");
    static const LibpngLibrary library{"libpng16.so.16"};
    return library;
}

}  // namespace bitmap
