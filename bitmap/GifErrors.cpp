#include "bitmap/GifErrors.h"

#include <array>

namespace bitmap {
namespace {

constexpr std::array<std::string_view, kGifErrorCount> kMessages = {
    "No error",
    "Error loading BMP file",
    "Error loading BMP to window",
    "Error loading WBMP file",
    "Error loading JPEG file",
    "Error loading GIF file",
    "Error saving BMP",
    "Error saving WBMP",
    "Error saving temporary BMP",
    "No BMP loaded/created so far",
    "No WBMP loaded/created so far",  // 10
    "ERR_NOFILE",
    "Cannot create file",
    "Unknown file type",
    "Unsupported BitsPerPixel value",
    "Unsupported compression type",
    "Conversion from WBMP to BMP failed",
    "Conversion to monochrome failed",
    "Error while resizing",
    "HTTP request refused",
    "HTTP connection failed",  // 20
    "User Abort",
    "Out of memory",
    "Unsupported format",
    "Cannot open file for reading",
    "Cannot load image from codec",
    "",
    "",
    "",
    "GIF Out of synchronization",
    "GIF Loader: Error reading signature",  // 30
    "GIF Loader: Error reading screen descriptor",
    "GIF Loader: Error reading global palette",
    "GIF Loader: Error reading image descriptor",
    "GIF Loader: Error reading initial code size",
    "GIF Loader: Error reading data block size",
    "GIF Loader: Error reading raster data",
    "GIF Loader: Error reading local palette",
    "GIF Loader: Failed to skip image block",
    "GIF Loader: Error reading extension block code",
    "GIF Loader: Error reading extension block size",  // 40
    "GIF Loader: Error reading extension block data",
    "GIF Loader: Unknown block separator",
    "GIF Saver: Out of synchronization",
    "GIF Saver: Write failed",
    "GIF Saver: No image to save",
    "GIF Engine: Unhandled exception",
    "",
    "",
    "",
    "LZW: Initialization failed",  // 50
    "LZW: Internal error",
    "LZW: Engine not ready",
    "LZW: Read error",
    "LZW: Table full",
    "LZW: Initial width too big",
    "",
    "",
    "",
    "",
    "PNG: No file ready for reading",  // 60
    "",
    "",
    "",
    "",
};

}  // namespace

std::string_view gifErrorMessage(int code) {
    if (code < 0 || code >= kGifErrorCount)
        return {};
    return kMessages[static_cast<size_t>(code)];
}

}  // namespace bitmap
