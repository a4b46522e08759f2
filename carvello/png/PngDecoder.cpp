#include "carvello/png/PngDecoder.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <vector>

#include "carvello/core/RasterImage.h"
#include "carvello/png/PngChunkStream.h"
#include "carvello/png/PngRowFilters.h"

namespace carvello {
namespace {

uint32_t bigEndian32(std::span<const uint8_t> b, size_t at) {
    return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) |
           b[at + 3];
}

uint16_t bigEndian16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>((b[at] << 8) | b[at + 1]);
}

const char* colorTypeName(unsigned type) {
    switch (type) {
        case 0:
            return "grayscale";
        case 2:
            return "RGB";
        case 3:
            return "palette";
        case 4:
            return "grayscale/alpha";
        case 6:
            return "RGB/alpha";
        default:
            return "invalid";
    }
}

[[noreturn]] void refuse(const char* message) {
    throw PngDecoder::BadPngStream(message);
}

// Adam7: (first row, first column, row step, column step) of each pass.
struct Adam7Pass {
    uint32_t firstRow, firstColumn, rowStep, columnStep;
};
constexpr std::array<Adam7Pass, 7> kAdam7 = {{{0, 0, 8, 8},
                                              {0, 4, 8, 8},
                                              {4, 0, 8, 4},
                                              {0, 2, 4, 4},
                                              {2, 0, 4, 2},
                                              {0, 1, 2, 2},
                                              {1, 0, 2, 1}}};

}  // namespace

PngDecoder::PngDecoder() : pixelLimit_(RasterImage::kMaxPixels) {}
PngDecoder::~PngDecoder() = default;

void PngDecoder::setLimits(uint32_t maxDimension, uint64_t maxPixels) {
    dimensionLimit_ = std::min(maxDimension, kMaxDimension);
    pixelLimit_ = std::min(maxPixels, RasterImage::kMaxPixels);
}

void PngDecoder::readImageFile(const std::string& path, RasterImage& image) {
    PngChunkStream chunks;
    if (!chunks.open(path))
        throw PngError("Can't open input file.");
    decode(chunks, image);
}

void PngDecoder::readImage(InputByteStream& stream, RasterImage& image) {
    PngChunkStream chunks(stream);
    decode(chunks, image);
}

void PngDecoder::decode(PngChunkStream& chunks, RasterImage& image) {
    image.clear();
    width_ = height_ = 0;
    bitDepth_ = colorType_ = compression_ = filter_ = interlace_ = 0;
    headerSeen_ = paletteSeen_ = dataSeen_ = endSeen_ = previousWasData_ = false;
    // Indices past the palette are opaque black.
    colours_.fill({0, 0, 0, 255});
    paletteEntries_ = 0;
    transparencySeen_ = false;
    transparent_ = {};
    background_ = {};
    gamma_ = 0;
    gammaValue_ = 0;
    srgbSeen_ = iccProfileSeen_ = false;
    inflate_.setVerbose(traceSink());

    if (!chunks.readSignature())
        refuse("Not a PNG file");
    if (!chunks.readChunk() || chunks.chunkType() != "IHDR")
        refuse("Missing IHDR Chunk");
    processChunk(chunks, image);
    while (!endSeen_ && chunks.readChunk())
        processChunk(chunks, image);
    finishImage(image);
}

void PngDecoder::finishImage(RasterImage& image) {
    if (!dataSeen_)
        refuse("Image Contains no Pixel Data");
    // Every row has been reached by now; this only makes sure of it.
    if (image.height() < height_)
        image.setHeight(height_);
    reportProgress(interlace_ == 1 ? 6 : 0, interlace_ == 1 ? 7 : 1, 100);
}

void PngDecoder::processChunk(PngChunkStream& chunks, RasterImage& image) {
    const std::string_view type = chunks.chunkType();
    const auto data = chunks.chunkData();
    if (verbose()) {
        trace() << "{\n"
                << " Block Type: " << type << '\n'
                << " Length: " << uint64_t{chunks.chunkLength()} + 4 << '\n';
    }
    const bool isData = type == "IDAT";
    if (type == "IHDR") {
        readHeader(data, image);
    } else if (type == "PLTE") {
        readPalette(data);
    } else if (isData) {
        if (!dataSeen_) {
            if (colorType_ == 3 && !paletteSeen_)
                refuse("PLTE block must occur before IDAT");
            dataSeen_ = true;
            readImageData(chunks, image);
        } else if (!previousWasData_) {
            refuse("Image Contains Multiple Data Segments");
        }
        // Otherwise the rest of the compressed stream (its end-of-block code
        // and checksum) after the last row: not needed.
    } else if (type == "IEND") {
        endSeen_ = true;
    } else if (type == "bKGD") {
        readBackground(data);
    } else if (type == "gAMA") {
        readGamma(data);
    } else if (type == "sRGB" || type == "iCCP") {
        // Only noted, and only where they may stand (before the image data).
        (type == "sRGB" ? srgbSeen_ : iccProfileSeen_) |= !dataSeen_;
    } else if (type == "cHRM") {
        checkChromaticities(data);
    } else if (type == "hIST") {
        checkHistogram(data);
    } else if (type == "pHYs") {
        checkPhysicalSize(data);
    } else if (type == "sBIT") {
        checkSignificantBits(data);
    } else if (type == "tEXt" || type == "zTXt") {
        checkText(type, data);
    } else if (type == "tIME") {
        checkTime(data);
    } else if (type == "tRNS") {
        readTransparency(data);
    } else if ((static_cast<uint8_t>(type[0]) & 0x20) == 0) {
        refuse("Unknown critical chunk");
    }
    previousWasData_ = isData;
    if (verbose())
        trace() << "}\n";
}

void PngDecoder::readHeader(std::span<const uint8_t> data, RasterImage& image) {
    if (headerSeen_)
        refuse("Duplicate IHDR Block");
    if (data.size() != 13)
        refuse("Invalid Header Length");
    width_ = bigEndian32(data, 0);
    height_ = bigEndian32(data, 4);
    bitDepth_ = data[8];
    colorType_ = data[9];
    compression_ = data[10];
    filter_ = data[11];
    interlace_ = data[12];
    if (verbose()) {
        trace() << " Image Dimensions: " << width_ << " x " << height_ << '\n'
                << " Bit Depth: " << bitDepth_ << '\n'
                << " Color Type: (" << colorType_ << ") " << colorTypeName(colorType_) << '\n'
                << " Compression Method: " << compression_ << '\n'
                << " Filter Method: " << filter_ << '\n'
                << " Interlace Method: (" << interlace_ << ") "
                << (interlace_ == 0   ? "none"
                    : interlace_ == 1 ? "Adam7"
                                      : "unknown")
                << '\n';
    }
    if (compression_ != 0)
        refuse("Invalid Compression Method");
    if (filter_ != 0)
        refuse("Invalid Filter Method");
    if (interlace_ > 1)
        refuse("Invalid Interlace Method");
    if (bitDepth_ != 1 && bitDepth_ != 2 && bitDepth_ != 4 && bitDepth_ != 8 && bitDepth_ != 16)
        refuse("Invalid Bit Depth");
    const bool wholeBytes = colorType_ == 2 || colorType_ == 4 || colorType_ == 6;
    if ((wholeBytes && bitDepth_ < 8) || (colorType_ == 3 && bitDepth_ == 16))
        refuse("Invalid Bit Depth for Color Type");
    if (pngChannels(colorType_) == 0)
        refuse("Invalid Color Type");
    // PNG allows 1 to 2^31 - 1 in each direction; a picture needs at least
    // one pixel, and the limits keep the buffers within reason.
    if (width_ == 0 || height_ == 0 || width_ > 0x7FFFFFFFu || height_ > 0x7FFFFFFFu)
        refuse("Invalid Image Dimensions");
    if (width_ > dimensionLimit_ || height_ > dimensionLimit_ ||
        uint64_t{width_} * height_ > pixelLimit_)
        refuse("Image Dimensions Too Large");
    headerSeen_ = true;
    if (colorType_ == 0 || colorType_ == 4)
        colours_ = pngGreyRamp(bitDepth_);
    // No rows yet: they come as the image data reaches them.
    image.setSize(width_, 0);
}

void PngDecoder::readPalette(std::span<const uint8_t> data) {
    if (paletteSeen_)
        refuse("Duplicate PLTE block");
    if (colorType_ == 0 || colorType_ == 4)
        refuse("Grayscale image contains a PLTE block");
    if (data.size() % 3 != 0)
        refuse("PLTE chunk length not divisible by 3");
    if (data.size() > 768)
        refuse("PLTE chunk length too large");
    paletteSeen_ = true;
    paletteEntries_ = static_cast<unsigned>(data.size() / 3);
    if (colorType_ != 3)
        return;  // a suggested palette for a true-colour picture
    for (unsigned i = 0; i < paletteEntries_; ++i)
        colours_[i] = {data[3 * i + 2], data[3 * i + 1], data[3 * i], 255};
}

void PngDecoder::readBackground(std::span<const uint8_t> data) {
    switch (colorType_) {
        case 0:
        case 3:
        case 4:
            if (data.empty())
                refuse("bKGD Chunk too small");
            if (data[0] >= (1u << bitDepth_))
                refuse("bKGD palette index too large");
            background_ = {data[0], data[0], data[0]};
            if (verbose())
                trace() << "Background Grayscale: " << unsigned{data[0]} << '\n';
            break;
        case 2:
        case 6:
            if (data.size() < 6)
                refuse("bKGD Chunk too small");
            background_ = {data[0], data[2], data[4]};
            if (verbose()) {
                trace() << "Background RGB: " << bigEndian16(data, 0) << " " << bigEndian16(data, 2)
                        << " " << bigEndian16(data, 4) << '\n';
            }
            break;
        default:
            refuse("Invalid Color Type");
    }
}

void PngDecoder::readGamma(std::span<const uint8_t> data) {
    if (paletteSeen_)
        refuse("gAMA chunk may not occur after PLTE");
    if (dataSeen_)
        refuse("gAMA chunk may not occur after IDAT");
    if (data.size() < 4)
        refuse("gAMA chunk too small");
    gammaValue_ = bigEndian32(data, 0);
    gamma_ = gammaValue_ * 0.00001;
    if (verbose())
        trace() << " Gamma: " << gamma_ << '\n';
}

void PngDecoder::checkChromaticities(std::span<const uint8_t> data) {
    if (paletteSeen_)
        refuse("cHRM chunk may not occur after PLTE");
    if (dataSeen_)
        refuse("cHRM chunk may not occur after IDAT");
    if (data.size() != 32)
        refuse("Invalid cHRM chunk length");
    if (verbose()) {
        static constexpr std::array<const char*, 8> kNames = {
            "  White Point X: ", "  White Point y: ", "  Red X:         ", "  Red Y:         ",
            "  Green X:       ", "  Green Y:       ", "  Blue X:        ", "  Blue Y:        "};
        for (size_t i = 0; i < kNames.size(); ++i)
            trace() << kNames[i] << bigEndian32(data, i * 4) * 0.00001 << '\n';
    }
}

void PngDecoder::checkHistogram(std::span<const uint8_t> data) {
    if (!paletteSeen_)
        refuse("hIST chunk may not appear before PLTE");
    if (dataSeen_)
        refuse("hIST chunk must appear before IDAT");
    if (data.size() != size_t{2} * paletteEntries_)
        refuse("Bad size for hIST chunk");
    if (verbose()) {
        for (unsigned i = 0; i < paletteEntries_; ++i)
            trace() << "  " << i << ") " << bigEndian16(data, 2 * i) << '\n';
    }
}

void PngDecoder::checkPhysicalSize(std::span<const uint8_t> data) {
    if (dataSeen_)
        refuse("pHYS chunk must come before IDAT chunks");
    if (data.size() != 9)
        refuse("pHYs chunk size invalid");
    if (data[8] > 1)
        refuse("pHYs contains an invalid unit");
    if (verbose()) {
        const char* unit = data[8] == 0 ? "unknown unit" : "meter";
        trace() << "  " << bigEndian32(data, 0) << " per " << unit << '\n'
                << "  " << bigEndian32(data, 4) << " per " << unit << '\n'
                << "  Unit: " << unit << '\n';
    }
}

void PngDecoder::checkSignificantBits(std::span<const uint8_t> data) {
    if (dataSeen_)
        refuse("sBIT chunk must occur before IDAT chunks");
    if (paletteSeen_)
        refuse("sBIT chunk must occur before PTLE chunk");
    const size_t needed = colorType_ == 3 ? 3 : pngChannels(colorType_);
    if (needed == 0)
        refuse("Invalid Color Type");
    if (data.size() < needed)
        refuse("sBIT chunk length invalid");
    if (verbose()) {
        switch (colorType_) {
            case 0:
                trace() << "  Significant Bits: " << unsigned{data[0]} << '\n';
                break;
            case 4:
                trace() << " Significant Bits: " << unsigned{data[0]} << '\n'
                        << " Significant Alpha Bits: " << unsigned{data[1]} << '\n';
                break;
            default:
                trace() << " Significant Red Bits: " << unsigned{data[0]} << '\n'
                        << " Significant Green Bits: " << unsigned{data[1]} << '\n'
                        << " Significant Blue Bits: " << unsigned{data[2]} << '\n';
                if (colorType_ == 6)
                    trace() << " Significant Alpha Bits: " << unsigned{data[3]} << '\n';
                break;
        }
    }
}

void PngDecoder::checkText(std::string_view type, std::span<const uint8_t> data) {
    // Keywords are 1 to 79 bytes, so the terminating NUL is within the
    // first 80 bytes.
    const auto head = data.first(std::min<size_t>(data.size(), 80));
    const auto nul = std::find(head.begin(), head.end(), uint8_t{0});
    const bool compressed = type == "zTXt";
    if (nul == head.end())
        refuse(compressed ? "zTXt keyword not found" : "tEXt keyword not found");
    if (!verbose())
        return;
    const auto keywordLength = static_cast<size_t>(nul - head.begin());
    const std::string keyword(reinterpret_cast<const char*>(data.data()), keywordLength);
    const auto rest = data.subspan(keywordLength + 1);
    if (compressed) {
        trace() << "Keyword: '" << keyword << "'\n"
                << "Compression Method: " << (rest.empty() ? 0u : unsigned{rest[0]}) << '\n';
    } else {
        trace() << " Keyword: '" << keyword << "'\n"
                << " Value: '"
                << std::string(reinterpret_cast<const char*>(rest.data()), rest.size()) << "'\n";
    }
}

void PngDecoder::checkTime(std::span<const uint8_t> data) {
    if (data.size() != 7)
        refuse("tIME chunk size invalid");
    if (verbose()) {
        trace() << "  Year: " << bigEndian16(data, 0) << '\n'
                << "  Month: " << unsigned{data[2]} << '\n'
                << "  Day: " << unsigned{data[3]} << '\n'
                << "  Hour: " << unsigned{data[4]} << '\n'
                << "  Minute: " << unsigned{data[5]} << '\n'
                << "  Second: " << unsigned{data[6]} << '\n';
    }
}

void PngDecoder::readTransparency(std::span<const uint8_t> data) {
    if (dataSeen_)
        refuse("tRNS chunk must occur before IDAT");
    if (verbose())
        traceTransparency(data);
    // Applied as libpng applies it: only the first tRNS chunk, a palette's
    // only after PLTE and for at most its entries, a grey or RGB picture's
    // only with exactly one sample per channel; other chunks are passed over.
    if (transparencySeen_)
        return;
    transparencySeen_ = true;
    switch (colorType_) {
        case 3:
            if (paletteSeen_ && !data.empty() && data.size() <= paletteEntries_) {
                for (size_t i = 0; i < data.size(); ++i)
                    colours_[i][3] = data[i];
            }
            break;
        case 0:
            if (data.size() == 2)
                transparent_ = {true, bigEndian16(data, 0), 0, 0};
            break;
        case 2:
            if (data.size() == 6)
                transparent_ = {true, bigEndian16(data, 0), bigEndian16(data, 2),
                                bigEndian16(data, 4)};
            break;
        default:
            break;  // the colour types with an alpha channel have no use for it
    }
}

// The verbose trace also checks the chunk's rules, refusing what breaks them.
void PngDecoder::traceTransparency(std::span<const uint8_t> data) {
    switch (colorType_) {
        case 3:
            if (!paletteSeen_)
                refuse("tRNS chunk must occur after PLTE chunk");
            if (data.size() != paletteEntries_)
                refuse("tRNS block length invalid");
            for (uint8_t alpha : data)
                trace() << "  Transparency: " << unsigned{alpha} << '\n';
            break;
        case 0:
            if (data.size() < 2)
                refuse("tRNS chunk length invalid");
            trace() << "  Transparency: " << bigEndian16(data, 0) << '\n';
            break;
        case 2:
            if (data.size() < 6)
                refuse("tRNS chunk length invalid");
            trace() << "  Red Transparency: " << bigEndian16(data, 0) << '\n'
                    << "  Green Transparency: " << bigEndian16(data, 2) << '\n'
                    << "  Blue Transparency: " << bigEndian16(data, 4) << '\n';
            break;
        default:
            refuse("Invalid Color Type of tRNS chunk");
    }
}

void PngDecoder::readImageData(PngChunkStream& chunks, RasterImage& image) {
    // Width is at most kMaxDimension, so a row is at most 8 MiB.
    const auto rowBytes = static_cast<size_t>(pngRowBytes(colorType_, bitDepth_, width_));
    if (rowBytes == 0)
        refuse("Invalid Color Type");
    // Released on every way out of here.
    std::vector<uint8_t> rowA(rowBytes);
    std::vector<uint8_t> rowB(rowBytes);

    inflate_.openStream(chunks);
    if (interlace_ == 0) {
        readPass(chunks, image, {0, 0, 1, 1}, 0, 1, rowA, rowB);
        return;
    }
    for (unsigned p = 0; p < kAdam7.size(); ++p) {
        const Adam7Pass& a = kAdam7[p];
        if (a.firstRow >= height_ || a.firstColumn >= width_)
            continue;
        readPass(chunks, image, {a.firstRow, a.firstColumn, a.rowStep, a.columnStep}, p, 7, rowA,
                 rowB);
    }
}

void PngDecoder::readPass(PngChunkStream& chunks, RasterImage& image, const Pass& pass,
                          unsigned passIndex, unsigned passCount, std::span<uint8_t> rowA,
                          std::span<uint8_t> rowB) {
    const size_t passWidth = (width_ - pass.firstColumn + pass.columnStep - 1) / pass.columnStep;
    const auto rowBytes = static_cast<size_t>(pngRowBytes(colorType_, bitDepth_, passWidth));
    const size_t bytesPerPixel = std::max<size_t>(1, pngChannels(colorType_) * bitDepth_ / 8);
    auto current = rowA.first(rowBytes);
    auto previous = rowB.first(rowBytes);
    std::fill(current.begin(), current.end(), 0);
    std::fill(previous.begin(), previous.end(), 0);
    const PngRowPlacement placement{pass.firstColumn, pass.columnStep, passWidth};

    for (uint32_t y = pass.firstRow; y < height_; y += pass.rowStep) {
        uint8_t filterType = 0;
        inflate_.decompress(chunks, std::span(&filterType, 1));
        inflate_.decompress(chunks, current);
        if (!unfilterPngRow(filterType, current, previous, bytesPerPixel))
            refuse("Invalid Filter Method");
        convertPngRow(current, colorType_, bitDepth_, colours_, transparent_, pictureRow(image, y),
                      placement);
        std::swap(current, previous);
        reportProgress(passIndex, passCount, static_cast<unsigned>(uint64_t{y} * 100 / height_));
    }
}

// Row y of the picture, which grows to reach it: at most twice the rows the
// data has reached are allocated, whatever the header says.
std::span<uint8_t> PngDecoder::pictureRow(RasterImage& image, uint32_t y) {
    if (y >= image.height()) {
        const uint64_t wanted = std::max(uint64_t{y} + 1, uint64_t{image.height()} * 2);
        image.setHeight(static_cast<uint32_t>(std::min<uint64_t>(wanted, height_)));
    }
    return image.row(y);
}

}  // namespace carvello
