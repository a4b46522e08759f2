#pragma once

#include "app/core/SplitCommand.h"
#include "batch/core/BatchCommandFlow.h"

class QWidget;

namespace app::ui {

class CMFCTest2View;

// The batch conversion (32795) and split (32802) commands of the main
// window, with the options both keep while the program runs.
class BatchAndSplitCommands {
public:
    BatchAndSplitCommands(app::CMFCTest2Doc& document, app::UserInterface& ui, CMFCTest2View& view,
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
    app::CMFCTest2Doc& document_;
    app::UserInterface& ui_;
    CMFCTest2View& view_;
    QWidget& window_;
    batch::BatchProgramState batch_;
    app::SplitSettings split_;
};

}  // namespace app::ui
