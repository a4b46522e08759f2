#include "batch/core/BatchRun.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>

#include "app/core/PathText.h"
#include "app/core/TextFormat.h"
#include "app/core/settings/PhoneTable.h"
#include "batch/core/BatchFileSelection.h"
#include "batch/core/Texts.h"
#include "batch/core/ThreadTeam.h"
#include "batch/core/UniqueFileName.h"
#include "codec/FailureText.h"

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
    // A downloaded picture's local copy, removed once the entry is done.
    std::string temporaryDownload;
    // Why the entry failed before it was saved; with wrongDepth, the depth
    // that could not be converted.
    std::optional<std::string> failure;
    std::optional<int> wrongDepth;
    void removeDownload() {
        if (!temporaryDownload.empty())
            std::remove(temporaryDownload.c_str());
        temporaryDownload.clear();
    }
    ~Entry() { removeDownload(); }
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

BatchRun::BatchRun(app::PictureDocument& document, app::UserInterface& ui, BatchProgress& progress)
    : document_(document), ui_(ui), progress_(progress) {}

void BatchRun::show(bitmap::CatalogueText status, const std::string& file) {
    if (progress_.showsSteps())
        progress_.update(done_ + errors_, total_ - done_ - errors_, errors_, file,
                         std::string(status));
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

BatchSummary BatchRun::run(BatchSettings& settings, const std::string& fileList,
                           const BatchRunOptions& options) {
    settings_ = &settings;
    options_ = &options;
    total_ = done_ = errors_ = 0;
    stopped_ = false;
    errorList_.clear();

    BatchSummary summary;
    if (progress_.showsSteps())
        progress_.update(0, -1, 0, std::string(text::kNoFile),
                         std::string(text::kCountingPictures));
    total_ = countEntries(fileList);
    if (progress_.showsSteps())
        progress_.update(0, total_, 0, std::string(text::kNoFile), std::string(text::kStarting));
    const codec::PictureFormat* format = codec::formatByCode(settings.outputFormat);
    if (!format || !format->writable()) {
        ui_.error(std::string(text::kUnknownFormat));
        return summary;
    }
    format_ = format;
    // Worked out once: the workers only read it.
    plannedResize_ = resizeAfterLoad();
    summary.ran = true;

    std::vector<std::string> names;
    for (size_t start = 0, end; (end = fileList.find('\n', start)) != std::string::npos;
         start = end + 1)
        names.push_back(fileList.substr(start, end - start));
    if (options.workers.size() >= 2 && names.size() >= 2) {
        convertInParallel(names);
    } else {
        for (size_t i = 0; i < names.size() && !stopped_; ++i) {
            Entry entry;
            entry.name = names[i];
            if (convertEntry(entry)) {
                ++done_;
                show(text::kFinished, entry.name);
            }
        }
    }

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
        return codec::ResizeTarget{Kind::fit, phones.phoneWidth(settings_->phoneIndex + 1),
                                   phones.phoneHeight(settings_->phoneIndex + 1), 100};
    }
    return codec::ResizeTarget{Kind::fit, settings_->boxWidth, settings_->boxHeight, 100};
}

bool BatchRun::convertEntry(Entry& entry) {
    if (fetch(document_, entry)) {
        nameOutput(entry);
        if (prepare(document_, entry, true))
            return save(document_, entry);
    }
    countFailure(entry);
    return false;
}

void BatchRun::convertInParallel(const std::vector<std::string>& names) {
    const size_t count = names.size();
    const size_t documents = options_->workers.size();
    const size_t threads =
        std::min(options_->threads > 0 ? options_->threads : documents, documents);
    std::vector<Entry> entries(count);
    std::vector<std::exception_ptr> thrown(count);
    // Everything below is guarded by mutex. Entries are prepared in list
    // order by whichever thread is free (next), and saved in list order
    // (saved: the entries before it are done) by one thread at a time
    // (committing): the thread that prepared the entry whose turn came.
    std::mutex mutex;
    std::condition_variable savedOne;
    std::vector<bool> prepared(count, false);
    size_t next = 0;
    size_t saved = 0;
    bool committing = false;
    bool ending = false;
    std::exception_ptr failure;

    // Names, saves and reports entry i, prepared on document i % documents.
    const auto finish = [&](size_t i) {
        if (thrown[i])
            std::rethrow_exception(thrown[i]);
        const BatchWorker& worker = options_->workers[i % documents];
        if (worker.passOnMessages)
            worker.passOnMessages();
        Entry& entry = entries[i];
        bool converted = false;
        if (entry.failure) {
            countFailure(entry);
        } else {
            nameOutput(entry);
            converted = save(*worker.document, entry);
        }
        if (converted) {
            ++done_;
            show(text::kFinished, entry.name);
        }
        entry.removeDownload();
    };
    // Saves every prepared entry whose turn has come, unless another thread
    // is doing so already: that thread sees the entry when it looks for the
    // next one, since both look under the lock.
    const auto commitReady = [&](std::unique_lock<std::mutex>& lock) {
        if (committing)
            return;
        committing = true;
        while (!ending && saved < count && prepared[saved]) {
            const size_t i = saved;
            lock.unlock();
            std::exception_ptr error;
            try {
                finish(i);
            } catch (...) {
                error = std::current_exception();
            }
            lock.lock();
            saved = i + 1;
            if (error) {
                failure = error;
                ending = true;
            }
            ending = ending || stopped_;
            savedOne.notify_all();
        }
        committing = false;
    };
    // Entry i uses document i % documents, which entry i - documents used
    // before; it is free again once that entry is saved.
    const auto work = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            savedOne.wait(lock,
                          [&] { return ending || next >= count || saved + documents > next; });
            if (ending || next >= count)
                return;
            const size_t i = next++;
            lock.unlock();
            app::PictureDocument& document = *options_->workers[i % documents].document;
            entries[i].name = names[i];
            try {
                if (fetch(document, entries[i]))
                    prepare(document, entries[i], false);
            } catch (...) {
                thrown[i] = std::current_exception();
            }
            lock.lock();
            prepared[i] = true;
            commitReady(lock);
        }
    };

    // The run's own thread is one of the workers: it is warm already. The
    // team is the caller's when it started one ahead of the run.
    std::optional<ThreadTeam> ownTeam;
    ThreadTeam* team = options_->team;
    if (team == nullptr)
        team = &ownTeam.emplace(threads - 1, ThreadTeam::Jobs::one);
    // A thread that fails tells the others to stop before the entries they
    // use go away.
    team->runOnAll([&] {
        try {
            work();
        } catch (...) {
            {
                const std::lock_guard lock(mutex);
                ending = true;
            }
            savedOne.notify_all();
            throw;
        }
    });
    if (failure)
        std::rethrow_exception(failure);
}

bool BatchRun::fetch(app::PictureDocument& document, Entry& entry) {
    if (!isDownloadEntry(entry.name))
        return true;
    std::string localPath;
    std::string errorText;
    if (document.fetchUrl(entry.name, localPath, errorText) != app::result::kOk) {
        entry.failure = errorText;
        return false;
    }
    entry.name = localPath;
    entry.temporaryDownload = localPath;
    return true;
}

void BatchRun::nameOutput(Entry& entry) {
    show(text::kCreatingOutput, entry.name);
    if (options_->singleOutputPath) {
        entry.outputPath = *options_->singleOutputPath;
    } else {
        entry.outputPath =
            outputPathFor(settings_->outputFolder, entry.name, "." + std::string(format_->name));
        MakeUniqueFileName(entry.outputPath);
    }
}

bool BatchRun::prepare(app::PictureDocument& document, Entry& entry, bool showSteps) {
    auto step = [&](bitmap::CatalogueText status) {
        if (showSteps)
            show(status, entry.name);
    };
    auto& codec = document.codec();
    const app::AppSettings& app = document.settings();

    step(text::kLoading);
    codec.setPlannedResize(plannedResize_);
    const int opened = document.openPicture(entry.name, false);
    codec.setPlannedResize(std::nullopt);
    if (opened != app::result::kOk) {
        entry.failure = formatText(text::kLoadFailed, {entry.name, document.loadErrorText()});
        return false;
    }

    const int depth = codec.bmpBpp();
    if (depth != 4 && depth != 8) {
        entry.failure = formatText(text::kDepthShown, {entry.name});
        entry.wrongDepth = depth;
        return false;
    }

    const int method =
        settings_->ditheringMethod >= 0 ? settings_->ditheringMethod : app.ditheringMethod;
    const int threshold = settings_->threshold >= 0 ? settings_->threshold : app.threshold;
    const bitmap::DitherOptions ditherOptions =
        settings_->ditherOptions.value_or(app.ditherOptions);
    auto convert = [&] {
        step(text::kConverting);
        if (!codec.convertBmpToMonochrome(method, threshold, ditherOptions)) {
            entry.failure = formatText(text::kConversionFailed, {entry.name});
            return false;
        }
        return true;
    };
    auto resize = [&] {
        const bool extra = options_->extraResize != ExtraResize::none;
        if (!settings_->resizeEnabled && !extra)
            return true;
        step(text::kResizing);
        int outcome = app::result::kOk;
        if (extra) {
            const int resized = options_->extraResize == ExtraResize::exactSize
                                    ? codec.resizeTo(options_->extraWidth, options_->extraHeight, 1)
                                    : codec.resizePercentual(options_->percentage);
            outcome = resized ? document.reloadFromCodec() : app::result::kResizeFailed;
        } else if (settings_->resizeMode == ResizeMode::phone) {
            outcome = document.fitToPhone(settings_->phoneIndex);
        } else {
            outcome = document.resizeToBox(settings_->boxWidth, settings_->boxHeight);
        }
        if (outcome != app::result::kOk) {
            entry.failure = formatText(text::kResizeFailed, {entry.name});
            return false;
        }
        return true;
    };
    return options_->convertAfterResize ? resize() && convert() : convert() && resize();
}

void BatchRun::countFailure(const Entry& entry) {
    if (!entry.wrongDepth) {
        fail(entry.failure.value_or(std::string()));
        return;
    }
    ++errors_;
    report(*entry.failure);
    errorList_ +=
        formatText(text::kDepthListed, {static_cast<long long>(*entry.wrongDepth), entry.name});
}

bool BatchRun::save(app::PictureDocument& document, Entry& entry) {
    auto& codec = document.codec();
    const int width = codec.bmpWidth();
    const int height = codec.bmpHeight();

    show(text::kSaving, entry.name);
    const unsigned serial = codec.errorSerial();
    const bool saved = codec.saveAs(entry.outputPath, std::string(format_->key()), 0) != 0;
    if (!saved) {
        // The codec's own message says why.
        fail(formatText(text::kSaveFailed, {entry.name, entry.outputPath}) +
             codec::failureText(codec, serial) + "\n");
        return false;
    }

    if (options_->pictureSaved)
        options_->pictureSaved(entry.name, entry.outputPath);

    if (settings_->createWmlPages) {
        show(text::kWritingPage, entry.name);
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
