#pragma once

#include "batch/core/BatchCommandFlow.h"
#include "batch/core/BatchRun.h"

class QWidget;

namespace app {
class PictureDocument;
class UserInterface;
}  // namespace app

namespace batchui {

// The batch command: shows the batch sheet (again after a cancelled
// confirmation), then converts the list through the document with the
// progress window over `window`, and ends with the summary box. Messages go
// through `ui`. A run with failures leaves its file list for the next
// command's sheet. Gives the run's summary; `ran` is false when no run
// started.
batch::BatchSummary runBatchCommand(app::PictureDocument& document, app::UserInterface& ui,
                                    batch::BatchProgramState& state, QWidget* window);

}  // namespace batchui
