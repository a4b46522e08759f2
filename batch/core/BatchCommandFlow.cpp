#include "batch/core/BatchCommandFlow.h"

#include "batch/core/BatchRun.h"
#include "batch/core/Texts.h"

namespace batch {

BatchSheetValues openingSheetValues(BatchSettings& settings, const app::AppSettings& program) {
    if (settings.outputFolder.empty())
        settings.outputFolder = program.saveFolder;
    if (settings.wml.folder.empty())
        settings.wml.folder = settings.outputFolder;
    BatchSheetValues values;
    values.outputFolder = settings.outputFolder;
    values.ditheringMethod =
        settings.ditheringMethod == -1 ? program.ditheringMethod : settings.ditheringMethod;
    values.threshold = settings.threshold == -1 ? program.threshold : settings.threshold;
    return values;
}

void storeSheetValues(BatchSettings& settings, const BatchSheetValues& values) {
    settings.outputFolder = values.outputFolder;
    settings.ditheringMethod = values.ditheringMethod;
    settings.threshold = values.threshold;
}

bool chooseBatchRun(BatchSettings& settings, BatchSheetValues& values, app::UserInterface& ui,
                    const std::function<bool(BatchSheetValues&)>& showSheet) {
    for (;;) {
        if (!showSheet(values))
            return false;
        storeSheetValues(settings, values);
        if (values.fileList.empty()) {
            ui.error(std::string(text::kNoFilesChosen));
            return false;
        }
        if (!values.waitForConfirmation)
            return true;
        if (ui.askOkCancel(confirmationText(values.fileList, values.stopOnError),
                           std::string(text::kConfirmationCaption), app::MessageIcon::information))
            return true;
    }
}

}  // namespace batch
