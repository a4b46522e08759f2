#include "batch/ui/BatchCommand.h"

#include <QEvent>
#include <QWidget>

#include "app/core/document/PictureDocument.h"
#include "batch/ui/BatchProgressDialog.h"
#include "batch/ui/BatchSheet.h"

namespace batchui {

namespace {

// The run lets the windows repaint between its steps; a request to close
// the main window that arrives meanwhile is refused, so the document stays
// with the run until it is over.
class CloseRefusal : public QObject {
public:
    explicit CloseRefusal(QWidget* window) : window_(window) {
        if (window_)
            window_->installEventFilter(this);
    }
    ~CloseRefusal() override {
        if (window_)
            window_->removeEventFilter(this);
    }
    CloseRefusal(const CloseRefusal&) = delete;
    CloseRefusal& operator=(const CloseRefusal&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

batch::BatchSummary runBatchCommand(app::PictureDocument& document, app::UserInterface& ui,
                                    batch::BatchProgramState& state, QWidget* window) {
    const app::AppSettings& program = document.settings();
    batch::BatchSheetValues values = batch::openingSheetValues(state.settings, program);
    values.fileList = state.keptFileList;
    const auto showSheet = [&](batch::BatchSheetValues& shown) {
        BatchSheet sheet(state, shown, program, window);
        return sheet.exec() == QDialog::Accepted;
    };
    if (!batch::chooseBatchRun(state.settings, values, ui, showSheet))
        return {};

    const CloseRefusal refusal(window);
    BatchProgressDialog progress(window);
    batch::BatchRunOptions options;
    options.stopOnError = values.stopOnError;
    options.askToStop = true;
    batch::BatchRun run(document, ui, progress);
    const batch::BatchSummary summary = run.run(state.settings, values.fileList, options);
    state.keptFileList = summary.errors > 0 ? values.fileList : std::string();
    return summary;
}

}  // namespace batchui
