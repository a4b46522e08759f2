#pragma once

#include <cstddef>
#include <iosfwd>

namespace cli {

// A one-line progress bar, redrawn in place, for terminals. Does nothing
// when the stream is not a terminal.
class ProgressLine {
public:
    ProgressLine(std::ostream& stream, bool isTerminal, size_t total);
    ~ProgressLine();
    void update(size_t done);

private:
    std::ostream& stream_;
    bool active_;
    size_t total_;
};

// True when standard error is a terminal.
bool stderrIsTerminal();

}  // namespace cli
