// JpegDecoder: scan headers, the order in which a scan's data units are
// decoded, and restart markers. The pixels are made in JpegPixels.cpp.
#include <algorithm>
#include <ostream>
#include <type_traits>

#include "carvello/core/GraphicsAbort.h"
#include "carvello/jpeg/JpegArithmeticDecoder.h"
#include "carvello/jpeg/JpegBitReader.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "carvello/jpeg/JpegMarkers.h"

namespace carvello {

namespace {

using BadStream = JpegDecoder::JpegBadStream;

enum class UnitKind { sequential, dcFirst, dcRefinement, acFirst, acRefinement };

}  // namespace

void JpegDecoder::readScan(InputByteStream& stream) {
    if (!frameSeen_)
        throw BadStream("Scan found before frame defined");
    const uint16_t length = stream.getBigEndianWord();
    const uint8_t count = stream.getByte();
    if (count < 1 || count > 4)
        throw BadStream("Invalid component count in scan");
    if (verbose())
        trace() << "{ Start Of Scan \n  Length:  " << length << '\n';

    scanComponents_.clear();
    for (int i = 0; i < count; ++i) {
        const uint8_t id = stream.getByte();
        if (!inFrame(id))
            throw BadStream("Component Not Defined");
        const uint8_t tables = stream.getByte();
        const int dc = tables >> 4;
        const int ac = tables & 0x0F;
        if (dc > 3 || ac > 3)
            throw BadStream("Huffman Table Index outside range [0..3]");
        componentOf(id).dcTableIndex = dc;
        componentOf(id).acTableIndex = ac;
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
        JpegComponent& component = componentOf(id);
        const JpegQuantizationTable& quantization =
            quantizationTables_[static_cast<size_t>(component.quantizationIndex)];
        const JpegHuffmanTable& dc = dcTables_[static_cast<size_t>(component.dcTableIndex)];
        const JpegHuffmanTable& ac = acTables_[static_cast<size_t>(component.acTableIndex)];
        if (!quantization.defined())
            throw BadStream("Quantization Table Not Defined");
        // Arithmetic coding needs no code tables: its statistics adapt.
        const bool needDc = !arithmetic_ && (!progressive || ss == 0);
        const bool needAc = !arithmetic_ && (!progressive || ss != 0);
        if (needDc && !dc.defined())
            throw JpegError("DC Table Not Defined");
        if (needAc && !ac.defined())
            throw BadStream("AC Table Not Defined");
        component.setTables(&quantization, &dc, &ac);
        const auto dcIndex = static_cast<size_t>(component.dcTableIndex);
        const auto acIndex = static_cast<size_t>(component.acTableIndex);
        component.setArithmetic({dcBins_[dcIndex].data(), acBins_[acIndex].data(),
                                 dcLower_[dcIndex], dcUpper_[dcIndex], acSplit_[acIndex]});
    }
    if (progressive) {
        // Coefficients start from the DC scan; AC data for a component
        // without one would describe blocks no data has reached.
        for (const uint8_t id : scanComponents_) {
            JpegComponent& component = componentOf(id);
            if (ss == 0)
                component.dcStarted = true;
            else if (!component.dcStarted)
                throw BadStream("AC scan before DC scan of component");
        }
    }
    ++scansDone_;
    ++frameScans_;
    if ((colour_ != nullptr || grey_ != nullptr) && frameScans_ == 1 && decodesInOnePass(stream))
        startStreaming();

    // A scan of components the picture does not use (the chroma of a grey
    // picture, scanned alone) feeds nothing that is kept: its data are
    // passed over.
    const bool needed = std::any_of(scanComponents_.begin(), scanComponents_.end(),
                                    [&](uint8_t id) { return !componentOf(id).unused; });
    if (!needed) {
        skipEntropyData(stream);
    } else if (arithmetic_) {
        JpegArithmeticDecoder coder(stream);
        resetArithmeticStatistics();
        coder.enter();
        decodeScan(coder, ss, se, ah, al);
        coder.leave();
    } else {
        // A sequential component whose AC coefficients are not kept passes
        // over them several symbols at a time.
        for (const uint8_t id : scanComponents_)
            if (!progressive && componentOf(id).skipsAc())
                acTables_[static_cast<size_t>(componentOf(id).acTableIndex)].prepareGroups();
        JpegBitReader bits(stream);
        bits.enter();
        decodeScan(bits, ss, se, ah, al);
        bits.leave();
    }
    if (reportProgress(scansDone_, scanCount_, 100))
        throw GraphicsAbort();
}

void JpegDecoder::skipEntropyData(InputByteStream& stream) {
    // Inside the data a 0xFF byte is followed by a stuffed 0 or is a restart
    // marker; any other marker ends them.
    const auto next = [&] {
        if (stream.endReached())
            throw BadStream("Premature end of file");
        return stream.getByte();
    };
    for (;;) {
        if (next() != 0xFF)
            continue;
        uint8_t code = next();
        while (code == 0xFF)
            code = next();
        if (code == 0x00 || (code >= jpeg::kRST0 && code <= jpeg::kRST7))
            continue;
        // The marker is read again by the segment loop.
        stream.seek(stream.tell() - 2);
        return;
    }
}

void JpegDecoder::reportRow(uint32_t row, uint32_t rows) {
    if (!hasProgressFunction() || rows == 0)
        return;
    const auto percent = static_cast<unsigned>(uint64_t{row} * 100 / rows);
    if (reportProgress(scansDone_, scanCount_, percent))
        throw GraphicsAbort();
}

void JpegDecoder::resetArithmeticStatistics() {
    for (auto& bins : dcBins_)
        bins.fill(0);
    for (auto& bins : acBins_)
        bins.fill(0);
}

template <typename Entropy>
void JpegDecoder::processRestart(Entropy& coder) {
    coder.leave();
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
        componentOf(id).resetPrediction();
    if constexpr (std::is_same_v<Entropy, JpegArithmeticDecoder>)
        resetArithmeticStatistics();
    coder.enter();
}

template <typename Entropy>
void JpegDecoder::decodeScan(Entropy& coder, int ss, int se, int ah, int al) {
    for (const uint8_t id : scanComponents_)
        componentOf(id).resetPrediction();
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
                c.decodeSequential(coder, row, column);
                break;
            case UnitKind::dcFirst:
                c.decodeDcFirst(coder, row, column, al);
                break;
            case UnitKind::dcRefinement:
                c.decodeDcRefinement(coder, row, column, al);
                break;
            case UnitKind::acFirst:
                c.decodeAcFirst(coder, row, column, ss, se, al);
                break;
            case UnitKind::acRefinement:
                c.decodeAcRefinement(coder, row, column, ss, se, al);
                break;
        }
    };

    uint32_t units = 0;
    const auto restartDue = [&] {
        if (restartInterval_ != 0 && units == restartInterval_) {
            processRestart(coder);
            units = 0;
        }
    };

    // AC scans take only their first component.
    const bool acScan = kind == UnitKind::acFirst || kind == UnitKind::acRefinement;
    if (scanComponents_.size() == 1 || acScan) {
        JpegComponent& c = componentOf(scanComponents_.front());
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
                JpegComponent& c = componentOf(id);
                const auto v = static_cast<uint32_t>(c.v);
                const auto h = static_cast<uint32_t>(c.h);
                for (uint32_t y = 0; y < v; ++y)
                    for (uint32_t x = 0; x < h; ++x)
                        decodeUnit(c, mcuRow * v + y, mcuColumn * h + x);
            }
            ++units;
        }
        if (streaming_)
            streamMcuRow(mcuRow);
    }
}

void JpegDecoder::releaseStores() {
    for (const uint8_t id : frameComponents_)
        componentOf(id).release();
}

}  // namespace carvello
