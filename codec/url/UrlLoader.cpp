#include "codec/url/UrlLoader.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <string_view>

#include "base/TextFormat.h"
#include "codec/IgnoringCase.h"
#include "codec/Texts.h"
#include "codec/url/CurlLibrary.h"

namespace codec {
namespace {

constexpr size_t kBlockBytes = 1024;

struct EasyDeleter {
    const CurlLibrary* curl;
    void operator()(CURL* handle) const { curl->easyCleanup(handle); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;

// The state of one transfer, shared with curl's write callback.
class Transfer {
public:
    Transfer(const CurlLibrary& curl, CURL* handle, std::FILE* out, DownloadProgress* progress,
             const DownloadLimits& limits)
        : curl_(curl), handle_(handle), out_(out), progress_(progress), limits_(limits) {}

    // Takes what curl delivers; false stops the transfer.
    bool take(const char* data, size_t length) {
        if (!headChecked_) {
            const size_t part = std::min(kBlockBytes - head_.size(), length);
            head_.append(data, part);
            data += part;
            length -= part;
            if (head_.size() < kBlockBytes)
                return true;
            if (!checkHead())
                return false;
        }
        return deliver(data, length);
    }

    // Called once curl has delivered everything.
    bool finish() { return headChecked_ || checkHead(); }

    bool anythingReceived() const { return received_ > 0 || !head_.empty(); }
    DownloadStatus failure() const { return failure_; }

private:
    // The first block decides whether the answer is a page instead of a
    // picture, and the announced length whether it is too large.
    bool checkHead() {
        headChecked_ = true;
        curl_off_t length = -1;
        if (curl_.easyGetinfo(handle_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK &&
            length > 0)
            total_ = static_cast<uint64_t>(length);
        if (total_ > limits_.maxBytes)
            return fail(DownloadStatus::tooLarge);
        const char* type = nullptr;
        curl_.easyGetinfo(handle_, CURLINFO_CONTENT_TYPE, &type);
        if ((type && startsWithIgnoringCase(type, "text/html")) ||
            looksLikeHtml(head_.data(), head_.size()))
            return fail(DownloadStatus::htmlRefused);
        const std::string head = std::move(head_);
        head_.clear();
        return deliver(head.data(), head.size());
    }

    bool deliver(const char* data, size_t length) {
        while (length > 0) {
            const size_t block = std::min(kBlockBytes, length);
            received_ += block;
            if (received_ > limits_.maxBytes)
                return fail(DownloadStatus::tooLarge);
            if (std::fwrite(data, 1, block, out_) != block)
                return fail(DownloadStatus::transferFailed);
            if (progress_)
                progress_->received(received_, std::max(total_, received_));
            data += block;
            length -= block;
        }
        return true;
    }

    bool fail(DownloadStatus why) {
        failure_ = why;
        return false;
    }

    const CurlLibrary& curl_;
    CURL* handle_;
    std::FILE* out_;
    DownloadProgress* progress_;
    const DownloadLimits& limits_;
    std::string head_;
    bool headChecked_ = false;
    uint64_t received_ = 0;
    uint64_t total_ = 0;
    DownloadStatus failure_ = DownloadStatus::transferFailed;
};

size_t writeCallback(char* data, size_t size, size_t count, void* user) {
    const size_t length = size * count;
    return static_cast<Transfer*>(user)->take(data, length) ? length : 0;
}

// Failures that mean the URL could not be reached or names nothing.
bool isConnectionFailure(CURLcode code) {
    switch (code) {
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_REMOTE_ACCESS_DENIED:
        case CURLE_HTTP_RETURNED_ERROR:
        case CURLE_FILE_COULDNT_READ_FILE:
        case CURLE_LOGIN_DENIED:
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_TOO_MANY_REDIRECTS:
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_FTP_ACCEPT_FAILED:
        case CURLE_FTP_CANT_GET_HOST:
        case CURLE_WEIRD_SERVER_REPLY:
            return true;
        default:
            return false;
    }
}

void configure(const CurlLibrary& curl, CURL* handle, const std::string& url, Transfer& transfer,
               const DownloadLimits& limits) {
    curl.easySetopt(handle, CURLOPT_URL, url.c_str());
    curl.easySetopt(handle, CURLOPT_USERAGENT, "WAP Glyphon");
    curl.easySetopt(handle, CURLOPT_PROTOCOLS_STR, "http,https,ftp,file");
    // A server must not send us to a local file.
    curl.easySetopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https,ftp");
    curl.easySetopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl.easySetopt(handle, CURLOPT_MAXREDIRS, 10L);
    curl.easySetopt(handle, CURLOPT_FAILONERROR, 1L);
    curl.easySetopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl.easySetopt(handle, CURLOPT_CONNECTTIMEOUT, limits.connectTimeoutSeconds);
    curl.easySetopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl.easySetopt(handle, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
    curl.easySetopt(handle, CURLOPT_TIMEOUT, limits.overallSeconds);
    curl.easySetopt(handle, CURLOPT_BUFFERSIZE, static_cast<long>(kBlockBytes));
    curl.easySetopt(handle, CURLOPT_WRITEFUNCTION, writeCallback);
    curl.easySetopt(handle, CURLOPT_WRITEDATA, &transfer);
}

}  // namespace

bool looksLikeHtml(const char* block, size_t length) {
    const std::string_view text(block, strnlen(block, length));
    for (size_t at = 0; (at = text.find('<', at)) != std::string_view::npos; ++at) {
        const std::string_view rest = text.substr(at);
        if (rest.size() > 5 && startsWithIgnoringCase(rest, "<html") &&
            (rest[5] == '>' || std::isspace(static_cast<unsigned char>(rest[5]))))
            return true;
    }
    return false;
}

CodecError downloadErrorCode(DownloadStatus status) {
    switch (status) {
        case DownloadStatus::ok:
            return CodecError::none;
        case DownloadStatus::htmlRefused:
            return CodecError::htmlRefused;
        case DownloadStatus::cannotConnect:
            return CodecError::cannotConnect;
        case DownloadStatus::transferFailed:
        case DownloadStatus::tooLarge:
        case DownloadStatus::noDownloader:
            break;
    }
    return CodecError::downloadFailed;
}

std::string downloadErrorText(DownloadStatus status, const std::string& url) {
    switch (status) {
        case DownloadStatus::ok:
            return {};
        case DownloadStatus::htmlRefused:
            return bitmap::formatText(text::kHttpRefused, {url});
        case DownloadStatus::cannotConnect:
            return bitmap::formatText(text::kCannotConnect, {url});
        case DownloadStatus::noDownloader:
            return bitmap::formatText(text::kNoDownloader, {url});
        case DownloadStatus::transferFailed:
        case DownloadStatus::tooLarge:
            break;
    }
    return bitmap::formatText(text::kDownloadFailed, {url});
}

DownloadStatus downloadUrl(const std::string& url, std::FILE* out, DownloadProgress* progress,
                           const DownloadLimits& limits) {
    return downloadUrlWith(systemCurl(), url, out, progress, limits);
}

DownloadStatus downloadUrlWith(const CurlLibrary& curl, const std::string& url, std::FILE* out,
                               DownloadProgress* progress, const DownloadLimits& limits) {
    if (!curl.ok())
        return DownloadStatus::noDownloader;
    const EasyHandle handle(curl.easyInit(), EasyDeleter{&curl});
    if (!handle)
        return DownloadStatus::transferFailed;
    Transfer transfer(curl, handle.get(), out, progress, limits);
    configure(curl, handle.get(), url, transfer, limits);
    const CURLcode code = curl.easyPerform(handle.get());
    if (code == CURLE_WRITE_ERROR)
        return transfer.failure();
    if (code == CURLE_OPERATION_TIMEDOUT)
        return transfer.anythingReceived() ? DownloadStatus::transferFailed
                                           : DownloadStatus::cannotConnect;
    if (code != CURLE_OK)
        return isConnectionFailure(code) ? DownloadStatus::cannotConnect
                                         : DownloadStatus::transferFailed;
    if (!transfer.finish())
        return transfer.failure();
    return std::fflush(out) == 0 ? DownloadStatus::ok : DownloadStatus::transferFailed;
}

}  // namespace codec
