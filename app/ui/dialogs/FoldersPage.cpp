#include "app/ui/dialogs/FoldersPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "widgets/FolderPickerDialog.h"

namespace app::ui {

FoldersPage::FoldersPage(QWidget* parent)
    : QWidget(parent),
      saveFolderEdit_(new QLineEdit(this)),
      workingFolderEdit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("CDirectories"));
    saveFolderEdit_->setObjectName(QStringLiteral("saveFolder"));
    workingFolderEdit_->setObjectName(QStringLiteral("workingFolder"));

    auto* layout = new QVBoxLayout(this);
    const auto addRow = [this, layout](std::string_view label, QLineEdit* edit,
                                       const QString& buttonName) {
        auto* caption = new QLabel(translate(label), this);
        caption->setBuddy(edit);
        auto* browseButton = new QPushButton(translate(text::kBrowse), this);
        browseButton->setObjectName(buttonName);
        connect(browseButton, &QPushButton::clicked, this, [this, edit] { browse(*edit); });
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(browseButton);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        layout->addWidget(caption);
        layout->addLayout(row);
    };
    addRow(text::kSaveFolderLabel, saveFolderEdit_, QStringLiteral("browseSaveFolder"));
    layout->addSpacing(8);
    addRow(text::kWorkingFolderLabel, workingFolderEdit_, QStringLiteral("browseWorkingFolder"));
    layout->addStretch(1);
}

void FoldersPage::setFolders(const std::string& saveFolder, const std::string& workingFolder) {
    saveFolderEdit_->setText(QString::fromStdString(saveFolder));
    workingFolderEdit_->setText(QString::fromStdString(workingFolder));
}

std::string FoldersPage::saveFolder() const {
    return saveFolderEdit_->text().trimmed().toStdString();
}

std::string FoldersPage::workingFolder() const {
    return workingFolderEdit_->text().trimmed().toStdString();
}

void FoldersPage::browse(QLineEdit& edit) {
    widgets::FolderPickerDialog::chooseInto(edit, edit.text().trimmed().toStdString(), this);
}

}  // namespace app::ui
