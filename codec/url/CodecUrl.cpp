// Loading a picture named by a URL.
#include <unistd.h>

#include "base/TextFormat.h"
#include "codec/Codec.h"
#include "codec/ScopeExit.h"
#include "codec/Texts.h"
#include "codec/url/DownloadFile.h"
#include "codec/url/DownloadProgress.h"
#include "codec/url/UrlLoader.h"

namespace codec {
namespace {

// Tells the progress sink that the download is over on every way out.
class ProgressSession {
public:
    ProgressSession(DownloadProgress* sink, const std::string& url) : sink_(sink) {
        if (sink_) {
            sink_->started();
            sink_->connecting(url);
        }
    }
    ~ProgressSession() {
        if (sink_)
            sink_->finished();
    }
    ProgressSession(const ProgressSession&) = delete;
    ProgressSession& operator=(const ProgressSession&) = delete;
    DownloadProgress* sink() const { return sink_; }

private:
    DownloadProgress* sink_;
};

}  // namespace

int Codec::loadFromUrl(const std::string& url, const std::string& localPath, std::string& errorText,
                       bool showProgress) {
    auto fail = [&](CodecError code, std::string text) {
        errorText = text;
        return report(code, operationPrefix("LoadFromURL") + text);
    };
    // Like every loader, this one lets the old picture go first.
    releasePicture();
    // The download goes to a file of its own; a caller's file is only
    // replaced once the picture in it has loaded.
    std::optional<DownloadFile> file = localPath.empty()
                                           ? DownloadFile::inTemporaryFolder(urlExtension(url))
                                           : DownloadFile::beside(localPath);
    if (!file) {
        return fail(CodecError::cannotCreateFile,
                    bitmap::formatText(text::kCannotCreateLocalFile,
                                       {localPath.empty() ? std::string_view("tmp") : localPath}));
    }
    {
        ProgressSession session(showProgress ? downloadProgress_ : nullptr, url);
        DownloadLimits limits;
        limits.overallSeconds = downloadTimeout_;
        DownloadStatus status = downloadUrl(url, file->stream(), session.sink(), limits);
        if (!file->close() && status == DownloadStatus::ok)
            status = DownloadStatus::transferFailed;
        // Only the download's own file goes: a file the user already had at
        // the local path stays as it was, whatever the server answered.
        if (status != DownloadStatus::ok)
            return fail(downloadErrorCode(status), downloadErrorText(status, url));
    }
    // The loader's own failure is replaced by the download's, so it must
    // not throw on its own.
    const bool throwing = throwOnError_;
    throwOnError_ = false;
    const int loaded = [&] {
        const ScopeExit back([&] { throwOnError_ = throwing; });
        return loadImageFile(file->path());
    }();
    if (!loaded) {
        releasePicture();
        return fail(CodecError::pictureNotFound,
                    bitmap::formatText(text::kUrlPictureNotLoaded, {url}));
    }
    if (!localPath.empty() && !file->moveTo(localPath)) {
        releasePicture();
        return fail(CodecError::cannotCreateFile,
                    bitmap::formatText(text::kCannotCreateLocalFile, {localPath}));
    }
    return 1;
}

}  // namespace codec
