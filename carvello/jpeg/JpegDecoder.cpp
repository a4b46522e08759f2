// JpegDecoder: the public entry points, the marker parser and the table and
// frame segments. Scan decoding is in JpegScan.cpp.
#include "carvello/jpeg/JpegDecoder.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>
#include <ostream>
#include <string_view>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/GraphicsAbort.h"
#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegExif.h"
#include "carvello/jpeg/JpegMarkers.h"

namespace carvello {

namespace {

using BadStream = JpegDecoder::JpegBadStream;

// The next byte, or "Premature end of file" when the data end.
uint8_t nextByte(InputByteStream& stream) {
    if (stream.endReached())
        throw BadStream("Premature end of file");
    return stream.getByte();
}

}  // namespace

JpegDecoder::JpegDecoder() : pixelLimit_(RasterImage::kMaxPixels) {
    componentIndex_.fill(kNoComponent);
}

void JpegDecoder::clearComponents() {
    components_.clear();
    componentIndex_.fill(kNoComponent);
}

JpegDecoder::~JpegDecoder() = default;

void JpegDecoder::setPixelLimit(uint64_t pixels) {
    pixelLimit_ = std::min(pixels, RasterImage::kMaxPixels);
}

void JpegDecoder::setTarget(RasterImage* image, GreyRows* grey, ColourRows* colour) {
    image_ = image;
    grey_ = grey;
    colour_ = colour;
}

void JpegDecoder::readImageFile(const std::string& path, RasterImage& image) {
    setTarget(&image, nullptr, nullptr);
    readFileInto(path);
}

void JpegDecoder::readImage(std::span<const uint8_t> memory, RasterImage& image) {
    setTarget(&image, nullptr, nullptr);
    readMemoryInto(memory);
}

void JpegDecoder::readImage(InputByteStream& stream, RasterImage& image) {
    setTarget(&image, nullptr, nullptr);
    run(stream);
}

void JpegDecoder::readGreyImageFile(const std::string& path, GreyRows& image) {
    setTarget(nullptr, &image, nullptr);
    readFileInto(path);
}

void JpegDecoder::readGreyImage(std::span<const uint8_t> memory, GreyRows& image) {
    setTarget(nullptr, &image, nullptr);
    readMemoryInto(memory);
}

void JpegDecoder::readGreyImage(InputByteStream& stream, GreyRows& image) {
    setTarget(nullptr, &image, nullptr);
    run(stream);
}

void JpegDecoder::readColourImageFile(const std::string& path, ColourRows& image) {
    setTarget(nullptr, nullptr, &image);
    readFileInto(path);
}

void JpegDecoder::readColourImage(std::span<const uint8_t> memory, ColourRows& image) {
    setTarget(nullptr, nullptr, &image);
    readMemoryInto(memory);
}

void JpegDecoder::readColourImage(InputByteStream& stream, ColourRows& image) {
    setTarget(nullptr, nullptr, &image);
    run(stream);
}

void JpegDecoder::readFileInto(const std::string& path) {
    BufferedByteStream stream;
    if (!stream.open(path)) {
        setTarget(nullptr, nullptr, nullptr);
        throw JpegError("Can't open input file");
    }
    try {
        run(stream);
    } catch (const InputByteStream::StreamError& error) {
        throw JpegError(error.what());
    }
}

void JpegDecoder::readMemoryInto(std::span<const uint8_t> memory) {
    if (memory.data() == nullptr && !memory.empty()) {
        setTarget(nullptr, nullptr, nullptr);
        throw JpegError("Error while passing image buffer to JPEG decoder");
    }
    BufferedByteStream stream(memory);
    try {
        run(stream);
    } catch (const InputByteStream::StreamError& error) {
        throw JpegError(error.what());
    }
}

void JpegDecoder::clearPicture() {
    if (image_ != nullptr)
        image_->clear();
    if (grey_ != nullptr)
        grey_->clear();
    if (colour_ != nullptr)
        colour_->clear();
}

void JpegDecoder::run(InputByteStream& stream) {
    stream_ = &stream;
    scansDone_ = 0;
    scanCount_ = 0;
    restartInterval_ = 0;
    scale_ = 1;
    decoding_ = true;
    const auto detach = [&] {
        setTarget(nullptr, nullptr, nullptr);
        streaming_ = false;
        stream_ = nullptr;
        decoding_ = false;
    };
    // After an error whatever was decoded is still turned into pixels. The
    // first error is the one reported: one while finishing is dropped.
    const auto abandon = [&] {
        complete_ = false;
        try {
            finishPicture();
        } catch (const std::exception&) {
        }
        releaseStores();
        detach();
    };
    try {
        if (hasProgressFunction())
            scanCount_ = lookAhead(stream).scans;
        decode(stream);
    } catch (const GraphicsAbort&) {
        // A cancel leaves nothing half made.
        releaseStores();
        clearPicture();
        detach();
        throw;
    } catch (const std::bad_alloc&) {
        abandon();
        throw JpegError("Out of memory");
    } catch (const std::exception&) {
        abandon();
        throw;
    }
    detach();
}

void JpegDecoder::decode(InputByteStream& stream) {
    clearPicture();
    endSeen_ = false;
    frameSeen_ = false;
    complete_ = false;
    streaming_ = false;
    frameScans_ = 0;
    adobeTransform_ = -1;
    orientation_ = 0;
    // The default conditioning of arithmetic coding until a DAC segment.
    dcLower_.fill(0);
    dcUpper_.fill(1);
    acSplit_.fill(5);
    frame_ = JpegFrameGeometry{};
    frameComponents_.clear();
    clearComponents();

    readStartOfFile(stream);
    while (!endSeen_) {
        uint8_t byte = nextByte(stream);
        if (byte != 0xFF)
            continue;  // stray bytes between segments
        do {
            byte = nextByte(stream);
        } while (byte == 0xFF);
        readMarker(stream, byte);
    }

    // A frame without a scan holds no picture.
    if (frameSeen_ && frameScans_ == 0)
        throw BadStream("No Scan Before End of Image Marker");
    complete_ = true;
    // Whatever follows the end of the image (downloads and cameras add
    // bytes) is not looked at.
    finishPicture();
    releaseStores();
    decoding_ = false;
    if (!endSeen_)
        throw BadStream("End of Image Marker Not Found");
}

void JpegDecoder::readStartOfFile(InputByteStream& stream) {
    if (stream.endReached() || stream.getByte() != 0xFF || stream.endReached() ||
        stream.getByte() != jpeg::kSOI)
        throw BadStream("Missing SOI Marker");
    if (verbose())
        trace() << "{ Start Of Image }\n";
}

void JpegDecoder::readMarker(InputByteStream& stream, uint8_t code) {
    switch (code) {
        case jpeg::kSOF0:
        case jpeg::kSOF1:
        case jpeg::kSOF2:
            readFrame(stream, code);
            return;
        case jpeg::kSOF3:
            throw BadStream("Lossless Huffman Coding Not Supported");
        case jpeg::kDHT:
            readHuffmanTables(stream);
            return;
        case jpeg::kSOF5:
            throw BadStream("Differential Sequential Huffman Coding Not Supported");
        case jpeg::kSOF6:
            throw BadStream("Differential Progressive Huffman Coding Not Supported");
        case jpeg::kSOF7:
            throw BadStream("Differential Lossless Huffman Coding Not Supported");
        case jpeg::kSOF9:
        case jpeg::kSOF10:
            readFrame(stream, code);
            return;
        case jpeg::kDAC:
            readArithmeticConditioning(stream);
            return;
        case 0xCB:
        case 0xCD:
        case 0xCE:
        case 0xCF:
            throw BadStream("Cannot read image - Arithmetic Coding covered by patents");
        case jpeg::kSOI:
            if (verbose())
                trace() << "{ Start Of Image }\n";
            return;
        case jpeg::kEOI:
            if (verbose())
                trace() << "{ End Of Image }\n";
            endSeen_ = true;
            return;
        case jpeg::kSOS:
            readScan(stream);
            return;
        case jpeg::kDQT:
            readQuantizationTables(stream);
            return;
        case jpeg::kDRI:
            readRestartInterval(stream);
            return;
        case jpeg::kDHP:
            throw BadStream("DHP marker not supported");
        case jpeg::kCOM:
            readApplication(stream, code);
            return;
        default:
            if (code >= jpeg::kAPP0 && code <= jpeg::kAPP15) {
                readApplication(stream, code);
                return;
            }
            stream.getByte();
            throw BadStream("Unknown, unsupported, or reserved marker encountered");
    }
}

void JpegDecoder::readApplication(InputByteStream& stream, uint8_t code) {
    // The whole segment is read (its 16-bit length bounds it to 65533
    // bytes); only a few of them are looked into. A segment cut short is a
    // file cut short.
    const uint16_t length = stream.getBigEndianWord();
    segment_.resize(length > 2 ? length - 2u : 0u);
    if (stream.read(segment_) != segment_.size())
        throw InputByteStream::StreamError("Premature end of stream");
    const std::span<const uint8_t> body(segment_);
    const auto startsWith = [&](std::string_view prefix) {
        return body.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), body.begin(),
                          [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; });
    };

    if (code == jpeg::kAPP0 && startsWith(std::string_view("JFIF\0", 5))) {
        if (verbose())
            traceJfif(body);
        return;
    }
    if (code == jpeg::kAPP14 && startsWith("Adobe") && body.size() >= 12)
        adobeTransform_ = body[11];
    if (code == jpeg::kAPP1 && orientation_ == 0)
        orientation_ = exifOrientation(body);
    if (verbose()) {
        const auto end =
            std::find(body.begin(), body.begin() + std::min<size_t>(body.size(), 511), uint8_t{0});
        const std::string identifier(body.begin(), end);
        if (code == jpeg::kCOM)
            trace() << "( Comment Marker\n";
        else
            trace() << "{ APP" << std::hex << (code - jpeg::kAPP0) << std::dec << " Marker\n";
        trace() << "Length: " << length << '\n' << "ID: " << identifier << '\n' << "}\n";
    }
}

void JpegDecoder::traceJfif(std::span<const uint8_t> body) {
    std::array<uint8_t, 14> field{};  // after the identifier; short segments read as zeros
    std::copy_n(body.begin() + 5, std::min<size_t>(field.size(), body.size() - 5), field.begin());
    const auto word = [&](size_t at) { return (field[at] << 8) | field[at + 1]; };
    static const char* const kUnits[] = {" (aspect ratio)", " (pixels per inch)", " (pixels/cm)"};
    const uint8_t units = field[2];
    trace() << "{ JFIF APP0 Marker\n"
            << "  Length: " << body.size() + 2 << '\n'
            << "  Version: " << int{field[0]} << '.' << int{field[1]} << '\n'
            << "  Density Unit: " << int{units} << (units < 3 ? kUnits[units] : " (??]") << '\n'
            << "  X Density: " << word(3) << '\n'
            << "  Y Density: " << word(5) << '\n'
            << "  Thumbnail Width: " << int{field[7]} << '\n'
            << "  Thumbnail Height: " << int{field[8]} << '\n'
            << "}\n";
}

void JpegDecoder::readQuantizationTables(InputByteStream& stream) {
    const uint16_t length = stream.getBigEndianWord();
    int64_t remaining = int64_t{length} - 2;
    if (verbose())
        trace() << "{ Define Quantization Table\n  Length: " << length << '\n';
    while (remaining > 0) {
        const uint8_t info = stream.getByte();
        const int index = info & 0x0F;
        const int precision = info >> 4;
        if (index > 3)
            throw BadStream("Quantization Table Index Too Large");
        if (precision > 1)
            throw BadStream("Invalid Quantization Table Precision");
        // Precision 1: 16-bit values, as coarse tables need.
        std::array<uint16_t, 64> values{};
        for (auto& value : values) {
            value = precision == 0 ? stream.getByte() : stream.getBigEndianWord();
            if (value == 0)
                throw BadStream("Zero value in quantization table");
        }
        quantizationTables_[static_cast<size_t>(index)].set(values);
        remaining -= 1 + 64 * (precision + 1);
        if (verbose()) {
            trace() << "  Table Index: " << index << "\n  Table Precision: " << precision
                    << "\n  Table Values: \n";
            for (int row = 0; row < 8; ++row) {
                trace() << "        ";
                for (int col = 0; col < 8; ++col)
                    trace() << values[static_cast<size_t>(row * 8 + col)] << ' ';
                trace() << '\n';
            }
        }
    }
    if (verbose())
        trace() << "}\n";
}

void JpegDecoder::readHuffmanTables(InputByteStream& stream) {
    const uint16_t length = stream.getBigEndianWord();
    int64_t remaining = int64_t{length} - 2;
    if (verbose())
        trace() << "{ Define Huffman Table\n";
    while (remaining > 0) {
        const uint8_t info = stream.getByte();
        const int index = info & 0x0F;
        const bool ac = (info >> 4) != 0;
        if (index > 3)
            throw BadStream("Huffman Table Index outside range [0..3]");
        std::array<uint8_t, 16> counts{};
        int total = 0;
        for (auto& count : counts) {
            count = stream.getByte();
            total += count;
        }
        if (total > 256)
            throw BadStream("Huffman count > 256");
        std::array<uint8_t, 256> values{};
        for (int i = 0; i < total; ++i)
            values[static_cast<size_t>(i)] = stream.getByte();
        JpegHuffmanTable& table = (ac ? acTables_ : dcTables_)[static_cast<size_t>(index)];
        table.build(counts, std::span(values).first(static_cast<size_t>(total)));
        remaining -= 17 + total;
        if (verbose()) {
            trace() << "   Table Index " << index << '\n'
                    << (ac ? "   Table Class: AC\n" : "   Table Class: DC\n");
            table.dump(trace());
        }
    }
    if (verbose())
        trace() << "}\n";
}

void JpegDecoder::readRestartInterval(InputByteStream& stream) {
    const uint16_t length = stream.getBigEndianWord();
    restartInterval_ = stream.getBigEndianWord();
    if (verbose())
        trace() << "{ Define Restart Interval\n  Length:  " << length
                << "\n  Interval: " << restartInterval_ << "\n}\n";
}

void JpegDecoder::readArithmeticConditioning(InputByteStream& stream) {
    const uint16_t length = stream.getBigEndianWord();
    int64_t remaining = int64_t{length} - 2;
    if (verbose())
        trace() << "{ Define Arithmetic Conditioning\n  Length: " << length << '\n';
    while (remaining > 0) {
        const uint8_t table = stream.getByte();
        const uint8_t value = stream.getByte();
        remaining -= 2;
        const int tableClass = table >> 4;
        const auto index = static_cast<size_t>(table & 0x0F);
        if (index > 3)
            throw BadStream("Arithmetic Table Index outside range [0..3]");
        if (tableClass == 0) {
            // DC: the bounds L (low nibble) and U of the difference contexts.
            if ((value & 0x0F) > (value >> 4))
                throw BadStream("Invalid DC Conditioning Bounds");
            dcLower_[index] = value & 0x0F;
            dcUpper_[index] = value >> 4;
        } else if (tableClass == 1) {
            if (value < 1 || value > 63)
                throw BadStream("Invalid AC Conditioning Value");
            acSplit_[index] = value;
        } else {
            throw BadStream("Invalid Arithmetic Table Class");
        }
        if (verbose())
            trace() << "   Table Index " << index << '\n'
                    << (tableClass == 0 ? "   Table Class: DC\n" : "   Table Class: AC\n")
                    << "   Value: " << int{value} << '\n';
    }
    if (verbose())
        trace() << "}\n";
}

void JpegDecoder::readFrame(InputByteStream& stream, uint8_t code) {
    const bool progressive = code == jpeg::kSOF2 || code == jpeg::kSOF10;
    const uint16_t length = stream.getBigEndianWord();
    const uint8_t precision = stream.getByte();
    if (precision != 8)
        throw BadStream("Only 8-bit data supported");
    const uint16_t height = stream.getBigEndianWord();
    const uint16_t width = stream.getBigEndianWord();
    const uint8_t count = stream.getByte();
    // Grey, three colour components, or CMYK / YCCK.
    if (count != 1 && count != 3 && count != 4)
        throw BadStream("JFIF only supports 1 and 3 component streams");
    if (length != 3 * count + 8)
        throw BadStream("Invalid Frame Size");
    if (verbose())
        trace() << "{ Start Of Frame \n  Length: " << length << "\n  Precision: " << int{precision}
                << "\n  Height: " << height << "\n  Width: " << width
                << "\n  Component Count: " << int{count} << '\n';

    // A second frame header starts the frame afresh.
    clearComponents();
    frameComponents_.clear();
    frameSeen_ = false;
    frameScans_ = 0;
    // Rows made of an earlier frame are dropped, as its planes are.
    if (streaming_) {
        streaming_ = false;
        clearPicture();
    }

    int maxH = 1;
    int maxV = 1;
    for (int i = 0; i < count; ++i) {
        const uint8_t id = stream.getByte();
        if (strictIds_) {
            if (count == 1 && id != 1)
                throw BadStream("Component ID not 1");
            if (count != 1 && id != i + 1)
                throw BadStream("Invalid Component ID or ID out of order");
        }
        // Identifiers index the 255 component slots 0..254.
        if (id == 255)
            throw BadStream("Component ID 255 not supported");
        if (inFrame(id))
            throw BadStream("Duplicate Component ID in frame");
        const uint8_t sampling = stream.getByte();
        const int h = sampling >> 4;
        const int v = sampling & 0x0F;
        if (h < 1 || h > 4)
            throw JpegError("Sampling Frequency Outside the Range 1-4");
        if (v < 1 || v > 4)
            throw JpegError("Vertical Sampling Frequency Outside the Range 1-4");
        const uint8_t table = stream.getByte();
        if (table > 3)
            throw BadStream("Bad Quantization Table Index");
        componentIndex_[id] = static_cast<uint8_t>(components_.size());
        JpegComponent& component = components_.emplace_back();
        component.inFrame = true;
        component.h = h;
        component.v = v;
        component.quantizationIndex = table;
        frameComponents_.push_back(id);
        maxH = std::max(maxH, h);
        maxV = std::max(maxV, v);
        if (verbose())
            trace() << "   Component " << int{id} << "\n   Horizontal Frequency: " << h
                    << "\n   Vertical Frequency: " << v << "\n   Quantization Table: " << int{table}
                    << '\n';
    }
    if (verbose())
        trace() << "}\n";

    frameCode_ = code;
    arithmetic_ = code == jpeg::kSOF9 || code == jpeg::kSOF10;
    frame_.width = width;
    frame_.height = height;
    frame_.maxH = maxH;
    frame_.maxV = maxV;
    frame_.progressive = progressive;
    frame_.mcuRows = (uint32_t{height} + 8u * maxV - 1) / (8u * maxV);
    frame_.mcuColumns = (uint32_t{width} + 8u * maxH - 1) / (8u * maxH);
    // Refuse oversized frames before anything is allocated.
    if (uint64_t{width} * height > pixelLimit_)
        throw BadStream("Image dimensions too large");
    chooseScale(width, height);
    frame_.blockSize = 8 / static_cast<int>(scale_);
    // Only the tables of block rows are made here: the rows, and the
    // picture itself, come with the data.
    for (const uint8_t id : frameComponents_)
        componentOf(id).configure(frame_);
    markUnusedComponents();
    frameSeen_ = true;
}

void JpegDecoder::chooseScale(uint32_t width, uint32_t height) {
    scale_ = 1;
    if (!scaleChooser_ || width == 0 || height == 0)
        return;
    // The Exif segment comes before the frame, so the upright size is known.
    const bool turned = orientation_ >= 5 && orientation_ <= 8;
    const unsigned allowed = turned ? scaleChooser_(height, width) : scaleChooser_(width, height);
    for (const unsigned candidate : {8u, 4u, 2u}) {
        if (allowed >= candidate) {
            scale_ = candidate;
            return;
        }
    }
}

void JpegDecoder::markUnusedComponents() {
    greyModel_ = jpegColourModel(frameComponents_, adobeTransform_);
    // The grey of a YCbCr pixel is its Y.
    if (grey_ != nullptr && greyModel_ == JpegColourModel::yCbCr) {
        componentOf(frameComponents_[1]).unused = true;
        componentOf(frameComponents_[2]).unused = true;
    }
}

JpegDecoder::Ahead JpegDecoder::lookAhead(InputByteStream& stream, bool pastTheEnd) {
    const uint64_t start = stream.tell();
    Ahead ahead;
    while (!stream.endReached()) {
        // Markers start with 0xFF: the bytes between are passed over whole.
        const std::span<const uint8_t> bytes = stream.buffered();
        const auto* mark =
            static_cast<const uint8_t*>(std::memchr(bytes.data(), 0xFF, bytes.size()));
        if (mark == nullptr) {
            stream.consume(bytes.size());
            continue;
        }
        stream.consume(static_cast<size_t>(mark - bytes.data()) + 1);
        uint8_t code = 0xFF;
        while (code == 0xFF && !stream.endReached())
            code = stream.getByte();
        if (code == jpeg::kSOS)
            ++ahead.scans;
        if (code == jpeg::kAPP14)
            ++ahead.adobeSegments;
        if (code == jpeg::kEOI && !pastTheEnd)
            break;
    }
    ahead.bytes = stream.tell() - start;
    stream.seek(start);
    return ahead;
}

}  // namespace carvello
