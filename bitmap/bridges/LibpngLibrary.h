#pragma once

#include <png.h>

#include <csetjmp>
#include <string>

#include "base/SharedLibrary.h"

// The system's libpng, opened when the fallback reader first needs it
// rather than linked: a run that reads no PNG the codec library refuses
// (nearly every run) does not pay for loading it and zlib behind it.
namespace bitmap {

class LibpngLibrary {
public:
    // Opens `fileName` when it loads and has every function used here.
    explicit LibpngLibrary(const char* fileName);

    bool ok() const { return library_.isOpen(); }
    // Why it could not be opened (the loader's message).
    const std::string& error() const { return error_; }

    // png_jmpbuf: the buffer libpng's errors jump back to.
    std::jmp_buf& jumpBuffer(png_structp png) const {
        return *setLongjmpFn(png, std::longjmp, sizeof(std::jmp_buf));
    }

    decltype(&::png_sig_cmp) sigCmp = nullptr;
    decltype(&::png_create_read_struct) createReadStruct = nullptr;
    decltype(&::png_create_info_struct) createInfoStruct = nullptr;
    decltype(&::png_destroy_read_struct) destroyReadStruct = nullptr;
    decltype(&::png_set_longjmp_fn) setLongjmpFn = nullptr;
    decltype(&::png_longjmp) longJump = nullptr;
    decltype(&::png_get_error_ptr) getErrorPtr = nullptr;
    decltype(&::png_init_io) initIo = nullptr;
    decltype(&::png_set_sig_bytes) setSigBytes = nullptr;
    decltype(&::png_set_user_limits) setUserLimits = nullptr;
    decltype(&::png_read_info) readInfo = nullptr;
    decltype(&::png_get_IHDR) getIhdr = nullptr;
    decltype(&::png_get_valid) getValid = nullptr;
    decltype(&::png_get_gAMA_fixed) getGamaFixed = nullptr;
    decltype(&::png_set_expand) setExpand = nullptr;
    decltype(&::png_set_strip_16) setStrip16 = nullptr;
    decltype(&::png_set_gray_to_rgb) setGrayToRgb = nullptr;
    decltype(&::png_set_bgr) setBgr = nullptr;
    decltype(&::png_set_filler) setFiller = nullptr;
    decltype(&::png_set_interlace_handling) setInterlaceHandling = nullptr;
    decltype(&::png_read_update_info) readUpdateInfo = nullptr;
    decltype(&::png_get_rowbytes) getRowbytes = nullptr;
    decltype(&::png_get_channels) getChannels = nullptr;
    decltype(&::png_read_row) readRow = nullptr;
    decltype(&::png_read_end) readEnd = nullptr;

private:
    SharedLibrary library_;
    std::string error_;
};

// The system's libpng (libpng16.so.16), opened once, on first use, from
// any thread, and kept for the life of the program.
const LibpngLibrary& systemLibpng();

}  // namespace bitmap
