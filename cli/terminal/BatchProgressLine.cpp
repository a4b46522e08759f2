#include "cli/terminal/BatchProgressLine.h"

#include <ostream>

namespace cli {
namespace {

// Keeps the line within a usual terminal width: long names lose their
// beginning, which is the least telling part of a path.
std::string fitted(const std::string& text, size_t width) {
    if (text.size() <= width)
        return text;
    size_t cut = text.size() - (width - 3);
    // Never start inside a UTF-8 sequence.
    while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        ++cut;
    return "..." + text.substr(cut);
}

}  // namespace

BatchProgressLine::BatchProgressLine(std::ostream& stream, bool isTerminal)
    : stream_(stream), active_(isTerminal) {}

BatchProgressLine::~BatchProgressLine() {
    if (active_ && drawn_)
        stream_ << "\r\x1b[K" << std::flush;
}

void BatchProgressLine::update(int processed, int remaining, int errors, const std::string& file,
                               const std::string& status) {
    if (!active_)
        return;
    std::string line;
    if (remaining >= 0)
        line = "[" + std::to_string(processed) + "/" + std::to_string(processed + remaining) + "]";
    else
        line = "[-/-]";
    if (errors > 0)
        line += " (" + std::to_string(errors) + " !)";
    line += " " + status + ": " + fitted(file, 50);
    stream_ << "\r\x1b[K" << line << std::flush;
    drawn_ = true;
}

}  // namespace cli
