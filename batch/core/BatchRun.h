#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/core/UserInterface.h"
#include "app/core/document/PictureDocument.h"
#include "base/CatalogueText.h"
#include "batch/core/BatchSettings.h"

// The batch run: converts every entry of a file list (paths and URLs, each
// followed by "\n") through the program's document and codec -- fetch, load,
// check the depth, convert to black and white, resize, save under a unique
// name, and optionally write a WML page -- reporting its course to a
// progress sink and its failures to the user.
namespace batch {

class ThreadTeam;

// Where the run shows how far it got. Before the total is known, remaining
// is negative.
class BatchProgress {
public:
    virtual ~BatchProgress() = default;
    virtual void update(int processed, int remaining, int errors, const std::string& file,
                        const std::string& status) = 0;
    // Whether update shows anything; when not, the run does not make the
    // texts (translating them may need the catalogue, which a run of
    // glyphon-cli loads beside its work).
    virtual bool showsSteps() const { return true; }
};

// A further document that prepares pictures on a thread of its own.
struct BatchWorker {
    app::PictureDocument* document = nullptr;
    // Passes on what the document told its user while preparing the picture
    // whose turn it now is; called in list order, one call at a time.
    std::function<void()> passOnMessages;
};

// Extra resizing for the command-line tool, beyond the box and the phone.
enum class ExtraResize { none, exactSize, percentage };

struct BatchRunOptions {
    bool stopOnError = false;
    // With stopOnError: each failure asks whether to stop the run there
    // (Yes stops, No goes on) instead of only showing it.
    bool askToStop = false;
    // On: the grey picture is resized first and converted afterwards, so
    // that resizing averages grey levels instead of shrinking a dithered
    // pattern into a black rectangle. Off: black and white first.
    bool convertAfterResize = true;
    // With one entry: the output file itself instead of a unique name in
    // the output folder; an existing file is replaced once the new one is
    // complete.
    std::optional<std::string> singleOutputPath;
    ExtraResize extraResize = ExtraResize::none;
    int extraWidth = 0;   // exact size
    int extraHeight = 0;  // exact size
    int percentage = 100;
    // Off: the caller shows the summary itself.
    bool showSummary = true;
    // Told of every picture saved, with the file it went to.
    std::function<void(const std::string& entry, const std::string& output)> pictureSaved;
    // With two or more, worker threads fetch, load, convert and resize the
    // pictures on these documents, and name, save and report them in list
    // order, one thread at a time: the names, pages, messages and summary
    // are those of a run on the one document. A free thread takes the next
    // entry; entry i is prepared and saved on document i % workers.size(),
    // which is used by one thread at a time, since entry i waits until
    // entry i - workers.size() is saved.
    std::vector<BatchWorker> workers;
    // The threads that work, the run's own among them; 0 for one per
    // document. With two documents per thread a thread prepares its next
    // picture while the last one waits for its turn to be saved.
    size_t threads = 0;
    // Threads the caller started ahead of the run: they work instead of
    // `threads` (see ThreadTeam). The run gives them one job.
    ThreadTeam* team = nullptr;
};

struct BatchSummary {
    bool ran = false;      // false when the run ended before the first entry
    bool stopped = false;  // the user stopped the run after a failure
    int total = 0;
    int done = 0;
    int errors = 0;
    std::string errorList;
    // The summary box's text (empty when the run did not get that far).
    std::string text;
};

class BatchRun {
public:
    BatchRun(app::PictureDocument& document, app::UserInterface& ui, BatchProgress& progress);

    // Runs the whole list. The settings keep the separators the WML pages
    // added. Shows the summary box at the end.
    BatchSummary run(BatchSettings& settings, const std::string& fileList,
                     const BatchRunOptions& options);

private:
    struct Entry;
    // One entry's steps on the run's document; false when it failed (the
    // error is already counted).
    bool convertEntry(Entry& entry);
    // The run over the workers' documents, in list order.
    void convertInParallel(const std::vector<std::string>& names);
    // The steps of an entry that need no one else: false when one failed,
    // with the failure kept in the entry. Progress is shown with showSteps.
    bool fetch(app::PictureDocument& document, Entry& entry);
    bool prepare(app::PictureDocument& document, Entry& entry, bool showSteps);
    // The steps that depend on the entries before: the output's name, the
    // file, the page; failures are counted here.
    void nameOutput(Entry& entry);
    bool save(app::PictureDocument& document, Entry& entry);
    // Counts the failure kept in the entry.
    void countFailure(const Entry& entry);
    // The resize that follows each load when it comes before the black and
    // white conversion, for the codec to load pictures reduced; nothing
    // otherwise.
    std::optional<codec::ResizeTarget> resizeAfterLoad() const;
    void fail(const std::string& message);
    // Shows a failure when the run stops on errors; may stop the run.
    void report(const std::string& shown);
    void show(bitmap::CatalogueText status, const std::string& file);

    app::PictureDocument& document_;
    app::UserInterface& ui_;
    BatchProgress& progress_;

    BatchSettings* settings_ = nullptr;
    const BatchRunOptions* options_ = nullptr;
    const codec::PictureFormat* format_ = nullptr;
    std::optional<codec::ResizeTarget> plannedResize_;
    int total_ = 0;
    int done_ = 0;
    int errors_ = 0;
    bool stopped_ = false;
    std::string errorList_;
};

// The confirmation text shown before a run when the user asked for one.
std::string confirmationText(const std::string& fileList, bool stopOnError);

// The number of "\n"-ended entries of a file list.
int countEntries(const std::string& fileList);

}  // namespace batch
