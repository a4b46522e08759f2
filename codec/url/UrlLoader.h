#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "codec/CodecError.h"
#include "codec/url/DownloadProgress.h"

// Fetches a resource named by a URL (http, https, ftp, file) into an open
// file, in blocks of at most 1024 bytes.
namespace codec {

enum class DownloadStatus {
    ok,
    htmlRefused,     // the server answered with an HTML page
    cannotConnect,   // no such host, refused connection, unknown scheme, HTTP error status
    transferFailed,  // the transfer broke off or the file could not be written
    tooLarge,        // the resource is larger than the limit
    noDownloader,    // the system's libcurl is not installed
};

class CurlLibrary;

struct DownloadLimits {
    uint64_t maxBytes = uint64_t{64} << 20;
    long connectTimeoutSeconds = 15;
    // A transfer slower than one byte per second for this long is aborted.
    long stallSeconds = 60;
    // The whole download must be over within this many seconds (0: no such
    // limit), however steadily the data trickles in.
    long overallSeconds = 600;
};

// Writes the resource to `out`. Reports to `progress` when it is not null.
// On failure the file may hold part of the resource.
DownloadStatus downloadUrl(const std::string& url, std::FILE* out, DownloadProgress* progress,
                           const DownloadLimits& limits = {});
// The same through a given libcurl.
DownloadStatus downloadUrlWith(const CurlLibrary& curl, const std::string& url, std::FILE* out,
                               DownloadProgress* progress, const DownloadLimits& limits = {});

// The codec error of a failed download (htmlRefused, cannotConnect or
// downloadFailed) and its text.
CodecError downloadErrorCode(DownloadStatus status);
std::string downloadErrorText(DownloadStatus status, const std::string& url);

// True when the first block of an answer is an HTML page: up to its first
// zero byte it holds "<html" followed by ">" or white space, in any case.
bool looksLikeHtml(const char* block, size_t length);

}  // namespace codec
