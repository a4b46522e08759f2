#pragma once

#include <QDialog>

#include "app/core/UserInterface.h"
#include "app/core/settings/AppSettings.h"

namespace widgets {
class DitheringPage;
}
class QTabWidget;

// The settings sheet "Settings": the dithering page and the folders page,
// filled from the program's settings; OK takes the values (see
// app::applyPreferences), Cancel leaves everything as it was.
namespace app::ui {

class FoldersPage;

class SettingsSheet final : public QDialog {
    Q_OBJECT
public:
    SettingsSheet(app::AppSettings& settings, app::UserInterface& ui, QWidget* parent = nullptr);

    widgets::DitheringPage& ditheringPage() { return *dithering_; }
    FoldersPage& directoriesPage() { return *directories_; }
    QTabWidget& tabs() { return *tabs_; }

    // Checks the pages; on a wrong value the sheet stays open on its page.
    void accept() override;

private:
    app::AppSettings& settings_;
    app::UserInterface& ui_;
    QTabWidget* tabs_;
    widgets::DitheringPage* dithering_;
    FoldersPage* directories_;
};

}  // namespace app::ui
