#include "batch/ui/BatchCommand.h"

#include <QWidget>

#include "app/core/CMFCTest2Doc.h"
#include "batch/ui/BatchSheet.h"
#include "batch/ui/CBatchProgressDlg.h"

batch::BatchSummary runBatchCommand(app::CMFCTest2Doc& document, app::UserInterface& ui,
                                    batch::BatchProgramState& state, QWidget* window) {
    const app::AppSettings& program = document.settings();
    batch::BatchSheetValues values = batch::openingSheetValues(state.settings, program);
    const auto showSheet = [&](batch::BatchSheetValues& shown) {
        BatchSheet sheet(state, shown, program, window);
        return sheet.exec() == QDialog::Accepted;
    };
    if (!batch::chooseBatchRun(state.settings, values, ui, showSheet))
        return {};

    CBatchProgressDlg progress(window);
    batch::BatchRunOptions options;
    options.stopOnError = values.stopOnError;
    batch::BatchRun run(document, ui, progress);
    return run.run(state.settings, values.fileList, options);
}
