#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "codec/url/DownloadProgress.h"

namespace cli {

// Shows a download on one terminal line, redrawn in place: the URL while
// connecting, then the bytes received and, when the length is known, a bar.
// Does nothing when the stream is not a terminal.
class DownloadProgressLine : public codec::DownloadProgress {
public:
    DownloadProgressLine(std::ostream& stream, bool isTerminal);
    void started() override {}
    void connecting(const std::string& url) override;
    void received(uint64_t soFar, uint64_t total) override;
    void finished() override;

private:
    std::ostream& stream_;
    bool active_;
};

}  // namespace cli
