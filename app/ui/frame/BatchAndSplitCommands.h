#pragma once

#include "app/core/split/SplitCommand.h"
#include "batch/core/BatchCommandFlow.h"

class QWidget;

namespace app::ui {

class PictureView;

// The batch conversion (32795) and split (32802) commands of the main
// window, with the options both keep while the program runs.
class BatchAndSplitCommands {
public:
    BatchAndSplitCommands(app::PictureDocument& document, app::UserInterface& ui, PictureView& view,
                          QWidget& window);

    // The caller has offered the document's changes for saving; the
    // document is given back as it was when the run is over.
    void runBatch();
    void runSplit();

    // Update rules: the batch needs no picture; the split needs one. Neither
    // runs while the picture is being edited.
    bool canRunBatch(bool editing) const;
    bool canRunSplit(bool editing) const;

    batch::BatchProgramState& batchState() { return batch_; }
    app::SplitSettings& splitSettings() { return split_; }

private:
    app::PictureDocument& document_;
    app::UserInterface& ui_;
    PictureView& view_;
    QWidget& window_;
    batch::BatchProgramState batch_;
    app::SplitSettings split_;
};

}  // namespace app::ui
