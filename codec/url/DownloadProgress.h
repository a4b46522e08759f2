#pragma once

#include <cstdint>
#include <string>

namespace codec {

// Receives the course of a download. The program shows it in a window, the
// command-line tool as a progress line on a terminal.
class DownloadProgress {
public:
    virtual ~DownloadProgress() = default;
    // The download begins; the URL is not looked at yet.
    virtual void started() = 0;
    // Connecting to the URL.
    virtual void connecting(const std::string& url) = 0;
    // After each block: the bytes received so far (that block included) and
    // the resource's full length, 0 when the server does not tell it.
    virtual void received(uint64_t soFar, uint64_t total) = 0;
    // The download is over, whether it succeeded or not.
    virtual void finished() = 0;
};

}  // namespace codec
