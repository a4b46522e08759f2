#include "batch/ui/BatchWmlPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "batch/core/BatchSheetRules.h"
#include "batch/ui/Texts.h"
#include "widgets/FolderPickerDialog.h"
#include "widgets/Translate.h"

namespace batchui {

namespace {

namespace text = batchui::text;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

}  // namespace

BatchWmlPage::BatchWmlPage(batch::BatchSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    setWindowTitle(translate(text::kWmlPageTitle));
    const batch::WmlPageOptions& wml = settings.wml;

    createPages_ = named(new QCheckBox(translate(text::kCreatePages), this), "createPagesCheck");
    createPages_->setChecked(settings.createWmlPages);
    prefixCheck_ = named(new QCheckBox(translate(text::kPrefix), this), "prefixCheck");
    prefixCheck_->setChecked(wml.prefixEnabled);
    prefixEdit_ = named(new QLineEdit(QString::fromStdString(wml.prefix), this), "prefixEdit");
    folderCheck_ =
        named(new QCheckBox(translate(text::kSeparateFolder), this), "separateFolderCheck");
    folderCheck_->setChecked(wml.separateFolder);
    folderEdit_ = named(new QLineEdit(QString::fromStdString(wml.folder), this), "wmlFolderEdit");
    browse_ = named(new QPushButton(translate(text::kBrowse), this), "browseButton");
    browse_->setAutoDefault(false);
    connect(browse_, &QPushButton::clicked, this, &BatchWmlPage::browse);

    auto* altGroup = new QGroupBox(translate(text::kAltText), this);
    altName_ = named(new QRadioButton(translate(text::kAltPictureName), altGroup), "altNameButton");
    altCustom_ = named(new QRadioButton(translate(text::kAltCustom), altGroup), "altCustomButton");
    (wml.altTextMode == 1 ? altCustom_ : altName_)->setChecked(true);
    altEdit_ =
        named(new QLineEdit(QString::fromStdString(wml.customAltText), altGroup), "altTextEdit");
    auto* altLayout = new QGridLayout(altGroup);
    altLayout->addWidget(altName_, 0, 0);
    altLayout->addWidget(altCustom_, 1, 0);
    altLayout->addWidget(altEdit_, 1, 1);
    altLayout->setColumnStretch(1, 1);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderEdit_, 1);
    folderRow->addWidget(browse_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createPages_);
    layout->addSpacing(6);
    layout->addWidget(prefixCheck_);
    layout->addWidget(prefixEdit_);
    layout->addWidget(folderCheck_);
    layout->addLayout(folderRow);
    layout->addWidget(altGroup);
    layout->addStretch();

    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(createPages_), static_cast<QAbstractButton*>(prefixCheck_),
          static_cast<QAbstractButton*>(folderCheck_), static_cast<QAbstractButton*>(altName_),
          static_cast<QAbstractButton*>(altCustom_)})
        connect(button, &QAbstractButton::clicked, this, &BatchWmlPage::applyEnablingRule);
    applyEnablingRule();
}

void BatchWmlPage::applyEnablingRule() {
    batch::WmlPageOptions shown;
    shown.prefixEnabled = prefixCheck_->isChecked();
    shown.separateFolder = folderCheck_->isChecked();
    shown.altTextMode = altCustom_->isChecked() ? 1 : 0;
    const batch::WmlControls controls = batch::wmlControls(createPages_->isChecked(), shown);
    prefixCheck_->setEnabled(controls.prefixCheck);
    prefixEdit_->setEnabled(controls.prefixEdit);
    folderCheck_->setEnabled(controls.separateFolderCheck);
    folderEdit_->setEnabled(controls.folderEditAndBrowse);
    browse_->setEnabled(controls.folderEditAndBrowse);
    altName_->setEnabled(controls.altTextButtons);
    altCustom_->setEnabled(controls.altTextButtons);
    altEdit_->setEnabled(controls.customAltTextEdit);
}

void BatchWmlPage::browse() {
    widgets::FolderPickerDialog::chooseInto(*folderEdit_, folderEdit_->text().toStdString(), this,
                                            settings_.outputFolder);
}

void BatchWmlPage::leave() {
    settings_.createWmlPages = createPages_->isChecked();
    batch::WmlPageOptions& wml = settings_.wml;
    wml.prefixEnabled = prefixCheck_->isChecked();
    wml.prefix = prefixEdit_->text().toStdString();
    wml.separateFolder = folderCheck_->isChecked();
    wml.folder = folderEdit_->text().toStdString();
    wml.altTextMode = altCustom_->isChecked() ? 1 : 0;
    wml.customAltText = altEdit_->text().toStdString();
}

}  // namespace batchui
