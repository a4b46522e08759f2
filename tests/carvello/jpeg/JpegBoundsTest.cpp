// Files whose headers promise far more than their data: each is decoded in a
// child process whose address space may grow by at most 64 MB and which may
// use at most 1 s of processor time, and must fail with the fault of its
// data, not for want of memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "carvello/core/ColourImage.h"
#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "support/BoundedChild.h"
#include "support/TestSupport.h"
#include "tests/carvello/jpeg/JpegTestSupport.h"

namespace {

// Decodes the bytes in a child under 64 MB of extra address space and 1 s
// of processor time, into a four-byte picture or into colour rows; the
// decoder's message, empty on success.
testing_support::BoundedRun decodeUnderLimits(const std::vector<uint8_t>& bytes,
                                              bool colourRows = false) {
    return testing_support::runUnderLimits([&bytes, colourRows] {
        try {
            carvello::JpegDecoder decoder;
            if (colourRows) {
                carvello::ColourImage image;
                decoder.readColourImage(bytes, image);
            } else {
                carvello::RasterImage image;
                decoder.readImage(bytes, image);
            }
        } catch (const carvello::GraphicsException& error) {
            return std::string(error.what());
        } catch (...) {
            return std::string("unexpected exception");
        }
        return std::string();
    });
}

struct HostileCase {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* message;
};

// A small file of the tool with its frame header claiming 16000 x 16000.
std::vector<uint8_t> claimingHuge(const std::string& options) {
    auto bytes = jpegtest::cjpegFile(options, 8, 8);
    if (!bytes.empty())
        jpegtest::setFrameSize(bytes, 16000, 16000);
    return bytes;
}

std::vector<HostileCase> hostileCases() {
    using jpegtest::StreamBuilder;
    std::vector<HostileCase> cases;
    cases.push_back({"baseline", claimingHuge("-quality 75"), "Invalid Marker in Compressed Data"});
    cases.push_back({"progressive", claimingHuge("-quality 75 -progressive"),
                     "Invalid Marker in Compressed Data"});
    // Arithmetic coding goes on past a marker with zeros, as a flat picture
    // may need; the end of the data stops it.
    auto cut = claimingHuge("-quality 75 -arithmetic");
    cut.resize(cut.size() - 4);
    cases.push_back({"arithmetic cut short", cut, "Premature end of stream"});
    cases.push_back({"frame without scan",
                     StreamBuilder()
                         .soi()
                         .jfif()
                         .dqt(0)
                         .simpleTables()
                         .sof(0xC0, 16000, 16000, {{1, 0x11, 0}})
                         .eoi()
                         .data(),
                     "No Scan Before End of Image Marker"});
    // AC bands ended by runs of 32767 blocks: a few hundred bytes would
    // cover every block of the frame without a DC scan.
    StreamBuilder acOnly;
    acOnly.soi().jfif().dqt(0).dht(1, 0, {1}, {0xE0}).sof(0xC2, 16000, 16000, {{1, 0x11, 0}});
    acOnly.sos({{1, 0x00}}, 1, 63, 0);
    for (int i = 0; i < 130; ++i)
        acOnly.bits("0" + std::string(14, '1'));
    cases.push_back(
        {"AC runs without DC", acOnly.eoi().data(), "AC scan before DC scan of component"});
    return cases;
}

TEST(JpegBounds, HugeFramesOfLittleDataStayWithinMemoryAndTime) {
#ifdef GLYPHON_ADDRESS_SANITIZER
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit an address-space limit";
#endif
    if (!testing_support::hasTool("cjpeg"))
        GTEST_SKIP() << "cjpeg is not installed";
    for (const auto& c : hostileCases()) {
        SCOPED_TRACE(c.name);
        ASSERT_LT(c.bytes.size(), 1000u);
        for (const bool colourRows : {false, true}) {
            const auto result = decodeUnderLimits(c.bytes, colourRows);
            EXPECT_TRUE(result.finished) << result.death;
            EXPECT_EQ(result.report, c.message) << colourRows;
        }
    }
    // The limits bite: a flat 8000 x 8000 picture really needs more.
    const auto flat = jpegtest::StreamBuilder()
                          .soi()
                          .jfif()
                          .dqt(0)
                          .simpleTables()
                          .sof(0xC0, 8000, 8000, {{1, 0x11, 0}})
                          .sos({{1, 0x00}})
                          .raw(std::vector<uint8_t>(250000, 0))
                          .eoi()
                          .data();
    EXPECT_EQ(decodeUnderLimits(flat).report, "Out of memory");
}

}  // namespace
