#include "batch/ui/BatchSettingsPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "app/core/settings/PhoneTable.h"
#include "batch/core/BatchSheetRules.h"
#include "batch/ui/Texts.h"
#include "widgets/FolderPickerDialog.h"
#include "widgets/FormatFilters.h"
#include "widgets/IntegerEdit.h"
#include "widgets/Translate.h"

namespace batchui {

namespace {

namespace text = batchui::text;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

QLineEdit* numberEdit(int value, const char* name, QWidget* parent) {
    auto* edit = named(new QLineEdit(QString::number(value), parent), name);
    edit->setMaxLength(10);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    return edit;
}

}  // namespace

BatchSettingsPage::BatchSettingsPage(batch::BatchSettings& settings,
                                     batch::BatchSheetValues& values, QWidget* parent)
    : QWidget(parent), settings_(settings), values_(values), formats_(new QButtonGroup(this)) {
    setWindowTitle(translate(text::kSettingsPageTitle));

    auto* folderLabel = new QLabel(translate(text::kSaveIntoFolder), this);
    folderEdit_ =
        named(new QLineEdit(QString::fromStdString(values.outputFolder), this), "outputFolderEdit");
    folderLabel->setBuddy(folderEdit_);
    auto* browse = named(new QPushButton(translate(text::kBrowseAmp), this), "browseButton");
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &BatchSettingsPage::browse);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderEdit_, 1);
    folderRow->addWidget(browse);

    auto* formatGroup = new QGroupBox(translate(text::kOutputFormat), this);
    auto* bmp =
        named(new QRadioButton(widgets::formatLabel(codec::kFormatBmp), formatGroup), "bmpButton");
    auto* wbmp = named(new QRadioButton(widgets::formatLabel(codec::kFormatWbmp), formatGroup),
                       "wbmpButton");
    formats_->addButton(bmp, codec::kFormatBmp);
    formats_->addButton(wbmp, codec::kFormatWbmp);
    (settings.outputFormat == codec::kFormatWbmp ? wbmp : bmp)->setChecked(true);
    auto* formatLayout = new QVBoxLayout(formatGroup);
    formatLayout->addWidget(bmp);
    formatLayout->addWidget(wbmp);

    stopOnError_ = named(new QCheckBox(translate(text::kStopOnError), this), "stopOnErrorCheck");
    stopOnError_->setChecked(values.stopOnError);
    waitForConfirmation_ =
        named(new QCheckBox(translate(text::kWaitForConfirmation), this), "confirmationCheck");
    waitForConfirmation_->setChecked(values.waitForConfirmation);
    auto* flags = new QVBoxLayout;
    flags->addWidget(stopOnError_);
    flags->addWidget(waitForConfirmation_);
    flags->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(formatGroup);
    middle->addLayout(flags, 1);

    resize_ = named(new QCheckBox(translate(text::kResize), this), "resizeCheck");
    resize_->setChecked(settings.resizeEnabled);
    boxMode_ = named(new QRadioButton(translate(text::kFitToBox), this), "boxModeButton");
    phoneMode_ = named(new QRadioButton(translate(text::kFitToPhone), this), "phoneModeButton");
    (settings.resizeMode == batch::ResizeMode::box ? boxMode_ : phoneMode_)->setChecked(true);
    boxWidth_ = numberEdit(settings.boxWidth, "boxWidthEdit", this);
    boxHeight_ = numberEdit(settings.boxHeight, "boxHeightEdit", this);
    phones_ = named(new QComboBox(this), "phoneList");
    // The list texts are padded to line up in columns.
    phones_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const app::PhoneTable table;
    for (const std::string& entry : table.listEntries())
        phones_->addItem(QString::fromStdString(entry));
    // A phone that cannot be read ends the list with a line saying so,
    // which cannot be chosen.
    if (table.readPhones().unreadable) {
        if (auto* model = qobject_cast<QStandardItemModel*>(phones_->model()))
            model->item(phones_->count() - 1)->setEnabled(false);
    }
    phones_->setCurrentIndex(batch::openingPhoneIndex(settings.phoneIndex, phones_->count()));

    auto* resizeGrid = new QGridLayout;
    resizeGrid->addWidget(resize_, 0, 0, 1, 2);
    resizeGrid->addWidget(boxMode_, 1, 0);
    auto* boxRow = new QHBoxLayout;
    boxRow->addWidget(boxWidth_);
    boxRow->addWidget(new QLabel(translate(text::kBoxTimes), this));
    boxRow->addWidget(boxHeight_);
    boxRow->addStretch();
    resizeGrid->addLayout(boxRow, 1, 1);
    resizeGrid->addWidget(phoneMode_, 2, 0);
    resizeGrid->addWidget(phones_, 2, 1);
    resizeGrid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderLabel);
    layout->addLayout(folderRow);
    layout->addLayout(middle);
    layout->addLayout(resizeGrid);
    layout->addStretch();

    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(resize_), static_cast<QAbstractButton*>(boxMode_),
          static_cast<QAbstractButton*>(phoneMode_)})
        connect(button, &QAbstractButton::clicked, this, &BatchSettingsPage::applyEnablingRule);
    applyEnablingRule();
}

void BatchSettingsPage::applyEnablingRule() {
    const batch::ResizeControls controls = batch::resizeControls(
        resize_->isChecked(),
        boxMode_->isChecked() ? batch::ResizeMode::box : batch::ResizeMode::phone);
    boxMode_->setEnabled(controls.modeButtons);
    phoneMode_->setEnabled(controls.modeButtons);
    boxWidth_->setEnabled(controls.boxEdits);
    boxHeight_->setEnabled(controls.boxEdits);
    phones_->setEnabled(controls.phoneList);
}

void BatchSettingsPage::browse() {
    widgets::FolderPickerDialog::chooseInto(*folderEdit_, folderEdit_->text().toStdString(), this,
                                            settings_.outputFolder);
}

bool BatchSettingsPage::leave() {
    const auto width = widgets::readIntegerInRange(*boxWidth_, 1, batch::kMaxBoxWidth);
    if (!width)
        return false;
    const auto height = widgets::readIntegerInRange(*boxHeight_, 1, batch::kMaxBoxHeight);
    if (!height)
        return false;
    settings_.boxWidth = *width;
    settings_.boxHeight = *height;
    settings_.resizeEnabled = resize_->isChecked();
    settings_.resizeMode =
        boxMode_->isChecked() ? batch::ResizeMode::box : batch::ResizeMode::phone;
    if (phones_->currentIndex() >= 0)
        settings_.phoneIndex = phones_->currentIndex();
    settings_.outputFormat = formats_->checkedId();
    values_.outputFolder = folderEdit_->text().toStdString();
    values_.stopOnError = stopOnError_->isChecked();
    values_.waitForConfirmation = waitForConfirmation_->isChecked();
    return true;
}

}  // namespace batchui
