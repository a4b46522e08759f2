#include "cli/WorkerSessions.h"

#include <ostream>
#include <sstream>
#include <string>

namespace cli {

struct WorkerSessions::Worker {
    std::ostringstream out;
    std::ostringstream err;
    CliSession session;
    explicit Worker(const GlobalOptions& global) : session(out, err, global) {}
    Worker(const GlobalOptions& global, CliSession& run, const std::string& tag)
        : session(out, err, global, run, tag) {}

    void passOn(std::ostream& realOut, std::ostream& realErr) {
        for (auto [kept, real] : {std::pair{&out, &realOut}, std::pair{&err, &realErr}}) {
            *real << kept->str();
            kept->str({});
        }
    }
};

WorkerSessions::WorkerSessions(size_t count, std::ostream& out, std::ostream& err,
                               const GlobalOptions& global, CliSession* run)
    : out_(out), err_(err) {
    for (size_t i = 0; i < count; ++i) {
        if (run)
            workers_.push_back(std::make_unique<Worker>(global, *run, "-" + std::to_string(i + 1)));
        else
            workers_.push_back(std::make_unique<Worker>(global));
    }
}

WorkerSessions::~WorkerSessions() = default;

bool WorkerSessions::ready() const {
    for (const auto& worker : workers_)
        if (!worker->session.ready())
            return false;
    return true;
}

std::vector<batch::BatchWorker> WorkerSessions::workers() {
    std::vector<batch::BatchWorker> list;
    for (auto& worker : workers_)
        list.push_back(
            {&worker->session.document(), [this, w = worker.get()] { w->passOn(out_, err_); }});
    return list;
}

void WorkerSessions::setCArrayOptions(const bitmap::CArrayOptions& options) {
    for (auto& worker : workers_)
        worker->session.codec().setCArrayOptions(options);
}

}  // namespace cli
