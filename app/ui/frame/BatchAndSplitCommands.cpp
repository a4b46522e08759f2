#include "app/ui/frame/BatchAndSplitCommands.h"

#include "app/ui/split/SplitCommandUi.h"
#include "batch/ui/BatchCommand.h"

namespace app::ui {

BatchAndSplitCommands::BatchAndSplitCommands(app::PictureDocument& document, app::UserInterface& ui,
                                             PictureView& view, QWidget& window)
    : document_(document), ui_(ui), view_(view), window_(window) {}

void BatchAndSplitCommands::runBatch() {
    // The run loads every entry into the document; afterwards the document
    // holds again what it held before, so that no batch source stays open
    // under its own name, where Save would overwrite it.
    app::PictureDocument::KeptState kept = document_.keepState();
    const batch::BatchSummary summary = batchui::runBatchCommand(document_, ui_, batch_, &window_);
    if (summary.ran)
        document_.restoreState(std::move(kept));
}

void BatchAndSplitCommands::runSplit() {
    // A folder text that names no folder opens the picker where the batch
    // run saves its pictures.
    runSplitCommandUi(document_, ui_, view_, split_, batch_.settings.outputFolder, &window_);
}

bool BatchAndSplitCommands::canRunBatch(bool editing) const {
    return !editing;
}

bool BatchAndSplitCommands::canRunSplit(bool editing) const {
    return !editing && document_.hasPicture();
}

}  // namespace app::ui
