#include "app/ui/dialogs/SettingsSheet.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/core/TextFormat.h"
#include "app/core/settings/Preferences.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/dialogs/FoldersPage.h"
#include "app/ui/dialogs/NumberDialog.h"
#include "widgets/DitheringPage.h"

namespace app::ui {

SettingsSheet::SettingsSheet(app::AppSettings& settings, app::UserInterface& ui, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      ui_(ui),
      tabs_(new QTabWidget(this)),
      dithering_(new widgets::DitheringPage(tabs_)),
      directories_(new FoldersPage(tabs_)) {
    setObjectName(QStringLiteral("SettingsSheet"));
    setWindowTitle(translate(text::kSettingsSheetTitle));
    tabs_->addTab(dithering_, translate(batchui::text::kDitheringPageTitle));
    tabs_->addTab(directories_, translate(text::kDirectoriesPage));

    const app::Preferences current = app::currentPreferences(settings_);
    dithering_->setValues(current.ditheringMethod, current.threshold);
    directories_->setFolders(current.saveFolder, current.workingFolder);

    auto* buttons = widgets::makeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void SettingsSheet::accept() {
    app::Preferences chosen;
    if (!dithering_->readValues(chosen.ditheringMethod, chosen.threshold)) {
        tabs_->setCurrentWidget(dithering_);
        return;
    }
    // A page left without a method keeps the one in use.
    if (chosen.ditheringMethod < 0)
        chosen.ditheringMethod = settings_.ditheringMethod;
    chosen.saveFolder = directories_->saveFolder();
    chosen.workingFolder = directories_->workingFolder();
    // A folder the program cannot write into would make every later command
    // fail; the user corrects it here instead.
    for (QLineEdit* edit : {&directories_->saveFolderEdit(), &directories_->workingFolderEdit()}) {
        const std::string folder = edit->text().trimmed().toStdString();
        if (const auto problem = app::folderProblem(folder)) {
            tabs_->setCurrentWidget(directories_);
            ui_.error(app::formatText(text::kFolderUnusable, {folder, *problem}));
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    app::applyPreferences(settings_, chosen);
    QDialog::accept();
}

}  // namespace app::ui
