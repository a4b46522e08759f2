#include "batch/ui/BatchSheet.h"

#include "batch/ui/CBatchSelectDlg.h"
#include "batch/ui/CBatchSettings.h"
#include "batch/ui/CBatchWML.h"
#include "batch/ui/CDithering.h"
#include "batch/ui/Texts.h"
#include "batch/ui/Translate.h"

namespace batchui {

BatchSheet::BatchSheet(batch::BatchProgramState& state, batch::BatchSheetValues& values,
                       const app::AppSettings& program, QWidget* parent)
    : PropertySheet(translate(batchui::text::kSheetTitle), parent),
      values_(values),
      select_(new CBatchSelectDlg(values.fileList, state.lastAddFolder, program, this)),
      settings_(new CBatchSettings(state.settings, values, this)),
      dithering_(new CDithering(this)),
      wml_(new CBatchWML(state.settings, this)) {
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
