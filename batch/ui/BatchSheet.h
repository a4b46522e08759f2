#pragma once

#include "batch/core/BatchCommandFlow.h"
#include "batch/ui/PropertySheet.h"

namespace app {
class AppSettings;
}

namespace batchui {

class CBatchSelectDlg;
class CBatchSettings;
class CBatchWML;
class CDithering;

// "Dávková konverze": the batch sheet with its four pages in order (file
// selection, settings, dithering, WML pages) and OK and Cancel. The
// settings page and the WML page store into the program's batch settings
// when they are left; the command's own values (output folder, flags,
// dithering, file list) go into `values`, the file list when the sheet is
// confirmed.
class BatchSheet : public PropertySheet {
    Q_OBJECT
public:
    enum Page { kSelectPage = 0, kSettingsPage = 1, kDitheringPage = 2, kWmlPage = 3 };

    BatchSheet(batch::BatchProgramState& state, batch::BatchSheetValues& values,
               const app::AppSettings& program, QWidget* parent = nullptr);

    CBatchSelectDlg& selection() const { return *select_; }
    CBatchSettings& settingsPage() const { return *settings_; }
    CDithering& dithering() const { return *dithering_; }
    CBatchWML& wml() const { return *wml_; }

protected:
    void confirmed() override;

private:
    batch::BatchSheetValues& values_;
    CBatchSelectDlg* select_;
    CBatchSettings* settings_;
    CDithering* dithering_;
    CBatchWML* wml_;
};

}  // namespace batchui
