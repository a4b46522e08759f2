#pragma once

#include <iosfwd>
#include <memory>
#include <vector>

#include "batch/core/BatchRun.h"
#include "cli/CliSession.h"

namespace cli {

// The documents of a parallel conversion, one per thread, each with its own
// codec, settings and private folder, so that the threads share nothing
// they change. What a document would print is kept and passed on to the
// real streams when its picture's turn comes, so the output reads as that
// of a run on one document.
class WorkerSessions {
public:
    // With the run's session every worker works in its folder with its
    // settings (see CliSession), otherwise each makes its own folder and
    // reads the settings.
    WorkerSessions(size_t count, std::ostream& out, std::ostream& err, const GlobalOptions& global,
                   CliSession* run = nullptr);
    ~WorkerSessions();
    WorkerSessions(const WorkerSessions&) = delete;
    WorkerSessions& operator=(const WorkerSessions&) = delete;

    // False when a private folder could not be made.
    bool ready() const;
    // The workers for the batch run; valid as long as this object.
    std::vector<batch::BatchWorker> workers();
    void setCArrayOptions(const bitmap::CArrayOptions& options);

private:
    struct Worker;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace cli
