#include "cli/terminal/DownloadProgressLine.h"

#include <ostream>

#include "app/core/TextFormat.h"
#include "cli/Texts.h"

namespace cli {
namespace {
constexpr uint64_t kBarWidth = 30;
constexpr const char* kClearLine = "\r\033[K";
}  // namespace

DownloadProgressLine::DownloadProgressLine(std::ostream& stream, bool isTerminal)
    : stream_(stream), active_(isTerminal) {}

void DownloadProgressLine::connecting(const std::string& url) {
    if (active_)
        stream_ << kClearLine << app::formatText(text::kConnecting, {url}) << std::flush;
}

void DownloadProgressLine::received(uint64_t soFar, uint64_t total) {
    if (!active_)
        return;
    stream_ << kClearLine;
    if (total > 0) {
        const uint64_t filled = soFar >= total ? kBarWidth : soFar * kBarWidth / total;
        stream_ << '[' << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] "
                << app::formatText(text::kBytesOfTotal,
                                   {static_cast<long long>(soFar), static_cast<long long>(total)})
                << std::flush;
    } else {
        stream_ << app::formatText(text::kBytes, {static_cast<long long>(soFar)}) << std::flush;
    }
}

void DownloadProgressLine::finished() {
    if (active_)
        stream_ << kClearLine << std::flush;
}

}  // namespace cli
