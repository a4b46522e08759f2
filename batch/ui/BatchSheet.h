#pragma once

#include "batch/core/BatchCommandFlow.h"
#include "widgets/PropertySheet.h"

namespace app {
class AppSettings;
}

namespace widgets {
class DitheringPage;
}

namespace batchui {

class BatchFilesPage;
class BatchSettingsPage;
class BatchWmlPage;

// "Dávková konverze": the batch sheet with its four pages in order (file
// selection, settings, dithering, WML pages) and OK and Cancel. The
// settings page and the WML page store into the program's batch settings
// when they are left; the command's own values (output folder, flags,
// dithering, file list) go into `values`, the file list when the sheet is
// confirmed.
class BatchSheet : public widgets::PropertySheet {
    Q_OBJECT
public:
    enum Page { kSelectPage = 0, kSettingsPage = 1, kDitheringPage = 2, kWmlPage = 3 };

    BatchSheet(batch::BatchProgramState& state, batch::BatchSheetValues& values,
               const app::AppSettings& program, QWidget* parent = nullptr);

    BatchFilesPage& selection() const { return *select_; }
    BatchSettingsPage& settingsPage() const { return *settings_; }
    widgets::DitheringPage& dithering() const { return *dithering_; }
    BatchWmlPage& wml() const { return *wml_; }

protected:
    void confirmed() override;

private:
    batch::BatchSheetValues& values_;
    BatchFilesPage* select_;
    BatchSettingsPage* settings_;
    widgets::DitheringPage* dithering_;
    BatchWmlPage* wml_;
};

}  // namespace batchui
