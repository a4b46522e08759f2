#include "tests/carvello/png/DecodeHelpers.h"

#include "carvello/core/BufferedByteStream.h"
#include "carvello/png/PngDecoder.h"

namespace pngtest {

std::string decodeOutcome(const Bytes& file, carvello::RasterImage& image) {
    using carvello::PngDecoder;
    try {
        carvello::BufferedByteStream stream(file);
        PngDecoder decoder;
        decoder.readImage(stream, image);
        return "ok";
    } catch (const PngDecoder::BadPngStream& e) {
        return std::string("bad: ") + e.what();
    } catch (const PngDecoder::PngError& e) {
        return std::string("png: ") + e.what();
    } catch (const carvello::InputByteStream::StreamError& e) {
        return std::string("stream: ") + e.what();
    } catch (const carvello::PNGInflateDecoder::StreamError& e) {
        return std::string("inflate: ") + e.what();
    } catch (const carvello::GraphicsException& e) {
        return std::string("graphics: ") + e.what();
    }
}

std::string decodeOutcome(const Bytes& file) {
    carvello::RasterImage image;
    return decodeOutcome(file, image);
}

}  // namespace pngtest
