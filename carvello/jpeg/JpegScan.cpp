// JpegDecoder: scan headers, the order in which a scan's data units are
// decoded, restart markers, and the final pixels.
#include <algorithm>
#include <ostream>

#include "carvello/core/GraphicsAbort.h"
#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegBitReader.h"
#include "carvello/jpeg/JpegColour.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/jpeg/JpegMarkers.h"
#include "carvello/jpeg/JpegUpsample.h"

namespace Carvello {

namespace {

using BadStream = JpegDecoder::JpegBadStream;

enum class UnitKind { sequential, dcFirst, dcRefinement, acFirst, acRefinement };

}  // namespace

void JpegDecoder::readScan(InputByteStream& stream) {
    if (!frameSeen_)
        throw BadStream("Scan found before frame defined");
    const uint16_t length = stream.getBigEndianWord();
    const uint8_t count = stream.getByte();
    if (count < 1 || count > 3)
        throw BadStream("Invalid component count in scan");
    if (verbose())
        trace() << "{ Start Of Scan \n  Length:  " << length << '\n';

    scanComponents_.clear();
    for (int i = 0; i < count; ++i) {
        const uint8_t id = stream.getByte();
        if (id == 255 || !components_[id].inFrame)
            throw BadStream("Component Not Defined");
        const uint8_t tables = stream.getByte();
        const int dc = tables >> 4;
        const int ac = tables & 0x0F;
        if (dc > 3 || ac > 3)
            throw BadStream("Huffman Table Index outside range [0..3]");
        components_[id].dcTableIndex = dc;
        components_[id].acTableIndex = ac;
        scanComponents_.push_back(id);
        if (verbose())
            trace() << "  Component ID: " << int{id} << "\n  DC Entropy Table: " << dc
                    << "\n  AC Entropy Table: " << ac << '\n';
    }
    const int ss = stream.getByte();
    const int se = stream.getByte();
    const uint8_t approximation = stream.getByte();
    const int ah = approximation >> 4;
    const int al = approximation & 0x0F;
    if (verbose())
        trace() << " Spectral Selection Start: " << ss << "\n Spectral Selection End: " << se
                << "\n Successive Approximation High: " << ah
                << "\n Successive Approximation Low: " << al << "\n}\n";

    const bool progressive = frame_.progressive;
    if (progressive) {
        if (ss == 0 && se != 0)
            throw BadStream("Progressive scan contains DC and AC data");
        // The band indexes the 64 coefficients of a block.
        if (se > 63)
            throw BadStream("Spectral selection outside range [0..63]");
    }
    for (const uint8_t id : scanComponents_) {
        JpegComponent& component = components_[id];
        const JpegQuantizationTable& quantization =
            quantizationTables_[static_cast<size_t>(component.quantizationIndex)];
        const JpegHuffmanTable& dc = dcTables_[static_cast<size_t>(component.dcTableIndex)];
        const JpegHuffmanTable& ac = acTables_[static_cast<size_t>(component.acTableIndex)];
        if (!quantization.defined())
            throw BadStream("Quantization Table Not Defined");
        const bool needDc = !progressive || ss == 0;
        const bool needAc = !progressive || ss != 0;
        if (needDc && !dc.defined())
            throw JpegError("DC Table Not Defined");
        if (needAc && !ac.defined())
            throw BadStream("AC Table Not Defined");
        component.setTables(&quantization, &dc, &ac);
    }
    for (const uint8_t id : scanComponents_)
        components_[id].setUpStores(progressive);
    ++scansDone_;

    JpegBitReader bits(stream);
    bits.enter();
    decodeScan(bits, ss, se, ah, al);
    bits.leave();
    if (reportProgress(scansDone_, scanCount_, 100))
        throw GraphicsAbort();
}

void JpegDecoder::reportRow(uint32_t row, uint32_t rows) {
    if (!hasProgressFunction() || rows == 0)
        return;
    const auto percent = static_cast<unsigned>(uint64_t{row} * 100 / rows);
    if (reportProgress(scansDone_, scanCount_, percent))
        throw GraphicsAbort();
}

void JpegDecoder::processRestart(JpegBitReader& bits) {
    bits.leave();
    InputByteStream& stream = *stream_;
    uint8_t byte = stream.getByte();
    if (byte != 0xFF)
        throw BadStream("Missing Restart Marker");
    while (byte == 0xFF)
        byte = stream.getByte();
    if (byte < jpeg::kRST0 || byte > jpeg::kRST7)
        throw BadStream("Missing Restart Marker");
    if ((byte & 7) != nextRestart_)
        throw BadStream("Incorrect Restart Marker");
    nextRestart_ = (nextRestart_ + 1) & 7;
    for (const uint8_t id : scanComponents_)
        components_[id].resetPrediction();
    bits.enter();
}

void JpegDecoder::decodeScan(JpegBitReader& bits, int ss, int se, int ah, int al) {
    for (const uint8_t id : scanComponents_)
        components_[id].resetPrediction();
    nextRestart_ = 0;

    UnitKind kind = UnitKind::sequential;
    if (frame_.progressive) {
        if (ss == 0)
            kind = ah == 0 ? UnitKind::dcFirst : UnitKind::dcRefinement;
        else
            kind = ah == 0 ? UnitKind::acFirst : UnitKind::acRefinement;
    }
    const auto decodeUnit = [&](JpegComponent& c, uint32_t row, uint32_t column) {
        switch (kind) {
            case UnitKind::sequential:
                c.decodeSequential(bits, row, column);
                break;
            case UnitKind::dcFirst:
                c.decodeDcFirst(bits, row, column, al);
                break;
            case UnitKind::dcRefinement:
                c.decodeDcRefinement(bits, row, column, al);
                break;
            case UnitKind::acFirst:
                c.decodeAcFirst(bits, row, column, ss, se, al);
                break;
            case UnitKind::acRefinement:
                c.decodeAcRefinement(bits, row, column, ss, se, al);
                break;
        }
    };

    uint32_t units = 0;
    const auto restartDue = [&] {
        if (restartInterval_ != 0 && units == restartInterval_) {
            processRestart(bits);
            units = 0;
        }
    };

    // AC scans take only their first component.
    const bool acScan = kind == UnitKind::acFirst || kind == UnitKind::acRefinement;
    if (scanComponents_.size() == 1 || acScan) {
        JpegComponent& c = components_[scanComponents_.front()];
        const uint32_t rows = c.blockRows();
        const uint32_t columns = c.blockColumns();
        for (uint32_t row = 0; row < rows; ++row) {
            reportRow(row, rows);
            for (uint32_t column = 0; column < columns; ++column) {
                restartDue();
                decodeUnit(c, row, column);
                ++units;
            }
        }
        return;
    }

    for (uint32_t mcuRow = 0; mcuRow < frame_.mcuRows; ++mcuRow) {
        reportRow(mcuRow, frame_.mcuRows);
        for (uint32_t mcuColumn = 0; mcuColumn < frame_.mcuColumns; ++mcuColumn) {
            restartDue();
            for (const uint8_t id : scanComponents_) {
                JpegComponent& c = components_[id];
                const auto v = static_cast<uint32_t>(c.v);
                const auto h = static_cast<uint32_t>(c.h);
                for (uint32_t y = 0; y < v; ++y)
                    for (uint32_t x = 0; x < h; ++x)
                        decodeUnit(c, mcuRow * v + y, mcuColumn * h + x);
            }
            ++units;
        }
    }
}

void JpegDecoder::finishImage(RasterImage& image) {
    if (image_ == nullptr)
        throw JpegError("Not reading an image");
    if (frame_.progressive)
        for (const uint8_t id : frameComponents_)
            components_[id].transformAll();
    buildPixels(image);
}

void JpegDecoder::buildPixels(RasterImage& image) {
    const uint32_t width = std::min(frame_.width, image.width());
    const uint32_t height = std::min(frame_.height, image.height());
    if (width == 0 || height == 0)
        return;
    const bool anyPlane = std::any_of(frameComponents_.begin(), frameComponents_.end(),
                                      [&](uint8_t id) { return components_[id].hasSamples(); });
    if (!anyPlane)
        return;

    if (frameComponents_.size() == 1) {
        const JpegComponent& c = components_[frameComponents_[0]];
        for (uint32_t y = 0; y < height; ++y)
            greyRowToPixels(c.planeRow(y), image.row(y).first(size_t{width} * 4));
        return;
    }
    if (frameComponents_.size() != 3)
        return;

    // Each component row is upsampled once into its own row buffer; a
    // component that never appeared in a scan reads as the neutral 128. The
    // chroma terms are worked out again only when a chroma row changes.
    struct Source {
        const JpegComponent* component;
        std::vector<uint8_t> row;
    };
    std::array<Source, 3> sources;
    for (size_t i = 0; i < 3; ++i) {
        sources[i].component = &components_[frameComponents_[i]];
        sources[i].row.assign(width, 128);
    }
    const auto sampleRow = [&](Source& s, uint32_t y) -> std::span<const uint8_t> {
        const JpegComponent& c = *s.component;
        if (!c.hasSamples())
            return s.row;
        const uint32_t sourceRow = y / static_cast<uint32_t>(c.verticalRatio());
        if (c.horizontalRatio() == 1)
            return c.planeRow(sourceRow);
        upsampleRow(c.planeRow(sourceRow), c.horizontalRatio(), s.row);
        return s.row;
    };
    const auto chromaRowOf = [&](const Source& s, uint32_t y) -> int64_t {
        const JpegComponent& c = *s.component;
        return c.hasSamples() ? int64_t{y / static_cast<uint32_t>(c.verticalRatio())} : -1;
    };
    std::vector<int16_t> red(width), green(width), blue(width);
    int64_t cbRow = -2;
    int64_t crRow = -2;
    for (uint32_t y = 0; y < height; ++y) {
        const int64_t nextCb = chromaRowOf(sources[1], y);
        const int64_t nextCr = chromaRowOf(sources[2], y);
        if (nextCb != cbRow || nextCr != crRow) {
            chromaTerms(sampleRow(sources[1], y), sampleRow(sources[2], y), red, green, blue);
            cbRow = nextCb;
            crRow = nextCr;
        }
        colourRowToPixels(sampleRow(sources[0], y), red, green, blue,
                          image.row(y).first(size_t{width} * 4));
    }
}

void JpegDecoder::releaseStores() {
    for (const uint8_t id : frameComponents_)
        components_[id].release();
}

}  // namespace Carvello
