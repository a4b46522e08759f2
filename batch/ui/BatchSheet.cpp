#include "batch/ui/BatchSheet.h"

#include "batch/ui/BatchFilesPage.h"
#include "batch/ui/BatchSettingsPage.h"
#include "batch/ui/BatchWmlPage.h"
#include "batch/ui/Texts.h"
#include "widgets/DitheringPage.h"
#include "widgets/Translate.h"

namespace batchui {

BatchSheet::BatchSheet(batch::BatchProgramState& state, batch::BatchSheetValues& values,
                       const app::AppSettings& program, QWidget* parent)
    : widgets::PropertySheet(translate(batchui::text::kSheetTitle), parent),
      values_(values),
      select_(new BatchFilesPage(values.fileList, state.lastAddFolder, program, this)),
      settings_(new BatchSettingsPage(state.settings, values, this)),
      dithering_(new widgets::DitheringPage(this)),
      wml_(new BatchWmlPage(state.settings, this)) {
    dithering_->setValues(values.ditheringMethod, values.threshold);
    addPage(select_);
    addPage(settings_, [this] { return settings_->leave(); });
    addPage(dithering_,
            [this] { return dithering_->readValues(values_.ditheringMethod, values_.threshold); });
    addPage(wml_, [this] {
        wml_->leave();
        return true;
    });
}

void BatchSheet::confirmed() {
    // The list is taken only when the sheet is confirmed.
    values_.fileList = select_->fileList();
}

}  // namespace batchui
