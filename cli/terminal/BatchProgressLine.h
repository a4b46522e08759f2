#pragma once

#include <iosfwd>

#include "batch/core/BatchRun.h"

namespace cli {

// The batch run's progress on one terminal line, redrawn in place:
// "[processed/total] status: file". Does nothing when the stream is not a
// terminal; the line is cleared when the object goes away.
class BatchProgressLine : public batch::BatchProgress {
public:
    BatchProgressLine(std::ostream& stream, bool isTerminal);
    ~BatchProgressLine() override;
    void update(int processed, int remaining, int errors, const std::string& file,
                const std::string& status) override;
    bool showsSteps() const override { return active_; }

private:
    std::ostream& stream_;
    bool active_;
    bool drawn_ = false;
};

}  // namespace cli
