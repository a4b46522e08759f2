#include "batch/core/BatchRun.h"
#include "app/core/PathText.h"

#include <cstdio>

#include "app/core/PhoneTable.h"
#include "app/core/TextFormat.h"
#include "batch/core/Texts.h"
#include "batch/core/UniqueFileName.h"

namespace batch {
namespace {

using app::formatText;

// The output file of an entry: its file name in the output folder with the
// new extension (a dot in a folder name is not an extension).
std::string outputPathFor(const std::string& outputFolder, const std::string& entry,
                          const std::string& extension) {
    const std::string name = app::withoutExtension(app::fileNameOf(entry));
    return (outputFolder.empty() ? outputFolder : app::withTrailingSlash(outputFolder)) + name +
           extension;
}

}  // namespace

struct BatchRun::Entry {
    std::string name;
    std::string outputPath;
};

int countEntries(const std::string& fileList) {
    int count = 0;
    for (char c : fileList)
        count += c == '\n' ? 1 : 0;
    return count;
}

std::string confirmationText(const std::string& fileList, bool stopOnError) {
    return formatText(text::kConfirmation, {fileList, stopOnError ? text::kYes : text::kNo});
}

BatchRun::BatchRun(app::CMFCTest2Doc& document, app::UserInterface& ui, BatchProgress& progress)
    : document_(document), ui_(ui), progress_(progress) {}

void BatchRun::show(const std::string& status, const std::string& file) {
    progress_.update(done_ + errors_, total_ - done_ - errors_, errors_, file, status);
}

void BatchRun::fail(const std::string& message) {
    ++errors_;
    errorList_ += message;
    // Each failure on a line of its own, also those whose text has no line
    // end, so the summary stays readable.
    if (!message.empty() && message.back() != '\n')
        errorList_ += '\n';
    report(message);
}

void BatchRun::report(const std::string& shown) {
    if (!options_->stopOnError)
        return;
    if (!options_->askToStop) {
        ui_.error(shown);
        return;
    }
    std::string question = shown;
    while (!question.empty() && question.back() == '\n')
        question.pop_back();
    question += "\n\n";
    question += text::kAskStopRun;
    stopped_ =
        ui_.askYesNo(question, std::string(app::text::kCaptionError), app::MessageIcon::error);
}

void BatchRun::removeTemporaryDownload() {
    if (!temporaryDownload_.empty())
        std::remove(temporaryDownload_.c_str());
    temporaryDownload_.clear();
}

BatchSummary BatchRun::run(BatchSettings& settings, const std::string& fileList,
                           const BatchRunOptions& options) {
    settings_ = &settings;
    options_ = &options;
    total_ = done_ = errors_ = 0;
    stopped_ = false;
    errorList_.clear();
    temporaryDownload_.clear();

    BatchSummary summary;
    progress_.update(0, -1, 0, std::string(text::kNoFile), std::string(text::kCountingPictures));
    total_ = countEntries(fileList);
    progress_.update(0, total_, 0, std::string(text::kNoFile), std::string(text::kStarting));
    const codec::PictureFormat* format = codec::formatByCode(settings.outputFormat);
    if (!format || !format->writable()) {
        ui_.error(std::string(text::kUnknownFormat));
        return summary;
    }
    format_ = format;
    summary.ran = true;

    size_t start = 0;
    while (start < fileList.size() && !stopped_) {
        const size_t end = fileList.find('\n', start);
        if (end == std::string::npos)
            break;
        removeTemporaryDownload();
        Entry entry{fileList.substr(start, end - start), {}};
        start = end + 1;
        if (convertEntry(entry)) {
            ++done_;
            show(std::string(text::kFinished), entry.name);
        }
    }
    removeTemporaryDownload();

    summary.total = total_;
    summary.done = done_;
    summary.errors = errors_;
    summary.errorList = errorList_;
    summary.stopped = stopped_;
    summary.text = errorList_.empty()
                       ? formatText(text::kAllConverted, {static_cast<long long>(done_)})
                       : formatText(text::kSomeFailed,
                                    {static_cast<long long>(done_), static_cast<long long>(total_),
                                     static_cast<long long>(errors_), errorList_});
    // A run with failures ends under a warning, so it does not look like
    // one that went well.
    if (options.showSummary)
        ui_.inform(summary.text, std::string(text::kSummaryCaption),
                   errors_ > 0 ? app::MessageIcon::warning : app::MessageIcon::information);
    return summary;
}

std::optional<codec::ResizeTarget> BatchRun::resizeAfterLoad() const {
    // Converted first, the picture is dithered at the size it was loaded.
    if (!options_->convertAfterResize)
        return std::nullopt;
    using Kind = codec::ResizeTarget::Kind;
    switch (options_->extraResize) {
        case ExtraResize::exactSize:
            return codec::ResizeTarget{Kind::exact, options_->extraWidth, options_->extraHeight,
                                       100};
        case ExtraResize::percentage:
            return codec::ResizeTarget{Kind::percent, 0, 0, options_->percentage};
        case ExtraResize::none:
            break;
    }
    if (!settings_->resizeEnabled)
        return std::nullopt;
    if (settings_->resizeMode == ResizeMode::phone) {
        const app::PhoneTable phones;
        return codec::ResizeTarget{Kind::fit, phones.PhoneWidth(settings_->phoneIndex + 1),
                                   phones.PhoneHeight(settings_->phoneIndex + 1), 100};
    }
    return codec::ResizeTarget{Kind::fit, settings_->boxWidth, settings_->boxHeight, 100};
}

bool BatchRun::convertEntry(Entry& entry) {
    auto& codec = document_.codec();
    const app::AppSettings& app = document_.settings();

    if (entry.name.find("://") != std::string::npos) {
        std::string localPath;
        std::string errorText;
        if (document_.FetchUrl(entry.name, localPath, errorText) != app::result::kOk) {
            fail(errorText);
            return false;
        }
        entry.name = localPath;
        temporaryDownload_ = localPath;
    }

    show(std::string(text::kCreatingOutput), entry.name);
    if (options_->singleOutputPath) {
        entry.outputPath = *options_->singleOutputPath;
    } else {
        entry.outputPath =
            outputPathFor(settings_->outputFolder, entry.name, "." + std::string(format_->name));
        MakeUniqueFileName(entry.outputPath);
    }

    show(std::string(text::kLoading), entry.name);
    codec.setPlannedResize(resizeAfterLoad());
    const int opened = document_.OpenPicture(entry.name, false);
    codec.setPlannedResize(std::nullopt);
    if (opened != app::result::kOk) {
        fail(formatText(text::kLoadFailed, {entry.name, document_.loadErrorText()}));
        return false;
    }

    const int depth = codec.GetBMPBpp();
    if (depth != 4 && depth != 8) {
        ++errors_;
        report(formatText(text::kDepthShown, {entry.name}));
        errorList_ += formatText(text::kDepthListed, {static_cast<long long>(depth), entry.name});
        return false;
    }

    const int method =
        settings_->ditheringMethod >= 0 ? settings_->ditheringMethod : app.ditheringMethod;
    const int threshold = settings_->threshold >= 0 ? settings_->threshold : app.threshold;
    const bitmap::DitherOptions ditherOptions =
        settings_->ditherOptions.value_or(app.ditherOptions);
    auto convert = [&] {
        show(std::string(text::kConverting), entry.name);
        if (!codec.ConvertBMPToMonochrome(method, threshold, ditherOptions)) {
            fail(formatText(text::kConversionFailed, {entry.name}));
            return false;
        }
        return true;
    };
    auto resize = [&] {
        const bool extra = options_->extraResize != ExtraResize::none;
        if (!settings_->resizeEnabled && !extra)
            return true;
        show(std::string(text::kResizing), entry.name);
        int outcome = app::result::kOk;
        if (extra) {
            const int resized = options_->extraResize == ExtraResize::exactSize
                                    ? codec.ResizeTo(options_->extraWidth, options_->extraHeight, 1)
                                    : codec.ResizePercentual(options_->percentage);
            outcome = resized ? document_.ReloadFromCodec() : app::result::kResizeFailed;
        } else if (settings_->resizeMode == ResizeMode::phone) {
            outcome = document_.FitToPhone(settings_->phoneIndex);
        } else {
            outcome = document_.ResizeToBox(settings_->boxWidth, settings_->boxHeight);
        }
        if (outcome != app::result::kOk) {
            fail(formatText(text::kResizeFailed, {entry.name}));
            return false;
        }
        return true;
    };
    const bool prepared =
        options_->convertAfterResize ? resize() && convert() : convert() && resize();
    if (!prepared)
        return false;

    const int width = codec.GetBMPWidth();
    const int height = codec.GetBMPHeight();

    show(std::string(text::kSaving), entry.name);
    const unsigned serial = codec.errorSerial();
    const bool saved = codec.SaveAs(entry.outputPath, std::string(format_->key()), 0) != 0;
    if (!saved) {
        // The codec's own message says why.
        fail(formatText(text::kSaveFailed, {entry.name, entry.outputPath}) +
             codec.failureText(serial) + "\n");
        return false;
    }

    if (options_->pictureSaved)
        options_->pictureSaved(entry.name, entry.outputPath);

    if (settings_->createWmlPages) {
        show(std::string(text::kWritingPage), entry.name);
        const PicturePageResult page =
            writePicturePage(entry.outputPath, settings_->wml, width, height);
        if (!page.written) {
            fail(formatText(text::kPageFailed, {page.pagePath}));
            return false;
        }
    }
    return true;
}

}  // namespace batch
