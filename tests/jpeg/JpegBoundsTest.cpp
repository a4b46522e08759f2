// Files whose headers promise far more than their data: each is decoded in a
// child process whose address space may grow by at most 64 MB and which may
// use at most 1 s of processor time, and must fail with the fault of its
// data, not for want of memory.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "jpeg/JpegTestSupport.h"
#include "support/TestSupport.h"

#if defined(__SANITIZE_ADDRESS__)
#define GLYPHON_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLYPHON_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

constexpr rlim_t kMemoryAllowance = rlim_t{64} << 20;
constexpr rlim_t kSeconds = 1;

rlim_t addressSpaceNow() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

struct Bounded {
    bool withinLimits = false;  // the child finished by itself
    std::string message;        // the decoder's error, empty on success
};

// Decodes the bytes in a forked child under the limits; the child reports
// the decoder's message through a pipe.
Bounded decodeUnderLimits(const std::vector<uint8_t>& bytes) {
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const rlimit memory{addressSpaceNow() + kMemoryAllowance,
                            addressSpaceNow() + kMemoryAllowance};
        const rlimit time{kSeconds, kSeconds + 1};
        ::setrlimit(RLIMIT_AS, &memory);
        ::setrlimit(RLIMIT_CPU, &time);
        std::string message;
        try {
            Carvello::RasterImage image;
            Carvello::JpegDecoder decoder;
            decoder.readImage(bytes, image);
        } catch (const Carvello::GraphicsException& error) {
            message = error.what();
        } catch (...) {
            message = "unexpected exception";
        }
        const ssize_t written = ::write(channel[1], message.data(), message.size());
        ::_exit(written == static_cast<ssize_t>(message.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    Bounded result;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0)
        result.message.append(buffer, static_cast<size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.withinLimits = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
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
        const Bounded result = decodeUnderLimits(c.bytes);
        EXPECT_TRUE(result.withinLimits);
        EXPECT_EQ(result.message, c.message);
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
    EXPECT_EQ(decodeUnderLimits(flat).message, "Out of memory");
}

}  // namespace
