#include "cli/terminal/ProgressLine.h"

#include <unistd.h>

#include <ostream>
#include <string>

namespace cli {

namespace {
constexpr size_t kBarWidth = 30;
}

bool stderrIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

ProgressLine::ProgressLine(std::ostream& stream, bool isTerminal, size_t total)
    : stream_(stream), active_(isTerminal && total > 1), total_(total) {
    update(0);
}

ProgressLine::~ProgressLine() {
    if (active_)
        stream_ << "\r\033[K" << std::flush;
}

void ProgressLine::update(size_t done) {
    if (!active_)
        return;
    const size_t filled = total_ ? done * kBarWidth / total_ : kBarWidth;
    stream_ << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] "
            << done << '/' << total_ << std::flush;
}

}  // namespace cli
