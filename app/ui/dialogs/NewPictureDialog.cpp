#include "app/ui/dialogs/NewPictureDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/core/settings/PhoneTable.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/dialogs/FitToPhoneDialog.h"
#include "app/ui/dialogs/NewPhoneDialog.h"
#include "app/ui/dialogs/NumberDialog.h"

namespace app::ui {

NewPictureDialog::NewPictureDialog(app::UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setWindowTitle(translate(text::kNewPictureTitle));
    auto* layout = new QVBoxLayout(this);

    byPhone_ = new QRadioButton(translate(text::kByPhone), this);
    layout->addWidget(byPhone_);
    list_ = new QListWidget(this);
    layout->addWidget(list_);
    auto* phoneButtons = new QHBoxLayout;
    removeButton_ = new QPushButton(translate(text::kRemovePhone), this);
    addButton_ = new QPushButton(translate(text::kAddPhone), this);
    removeButton_->setAutoDefault(false);
    addButton_->setAutoDefault(false);
    phoneButtons->addStretch();
    phoneButtons->addWidget(removeButton_);
    phoneButtons->addWidget(addButton_);
    layout->addLayout(phoneButtons);

    inPixels_ = new QRadioButton(translate(text::kInPixels), this);
    layout->addWidget(inPixels_);
    auto* fields = new QFormLayout;
    widthEdit_ = new QLineEdit(this);
    heightEdit_ = new QLineEdit(this);
    fields->addRow(translate(text::kWidth), widthEdit_);
    fields->addRow(translate(text::kHeight), heightEdit_);
    layout->addLayout(fields);
    layout->addWidget(widgets::makeOkCancelButtons(*this));

    auto* choice = new QButtonGroup(this);
    choice->addButton(byPhone_);
    choice->addButton(inPixels_);
    connect(byPhone_, &QRadioButton::toggled, this, &NewPictureDialog::applyChoice);
    connect(removeButton_, &QPushButton::clicked, this, &NewPictureDialog::removeSelectedPhone);
    connect(addButton_, &QPushButton::clicked, this, &NewPictureDialog::addPhone);

    showOpeningState();
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);
}

void NewPictureDialog::showOpeningState() {
    byPhone_->setChecked(true);
    const app::PhoneTable phones;
    fillPhoneList(*list_, phones);
    widthEdit_->setText(QStringLiteral("0"));
    heightEdit_->setText(QStringLiteral("0"));
    applyChoice();
}

void NewPictureDialog::applyChoice() {
    const bool byPhone = byPhone_->isChecked();
    list_->setEnabled(byPhone);
    removeButton_->setEnabled(byPhone);
    addButton_->setEnabled(byPhone);
    widthEdit_->setEnabled(!byPhone);
    heightEdit_->setEnabled(!byPhone);
}

void NewPictureDialog::addPhone() {
    NewPhoneDialog dialog(ui_, this);
    if (dialog.exec() == QDialog::Accepted) {
        app::PhoneTable phones;
        phones.addPhone(dialog.phoneName(), dialog.displayWidth(), dialog.displayHeight());
    }
    showOpeningState();
}

void NewPictureDialog::removeSelectedPhone() {
    const int row = list_->currentRow();
    if (row >= 0 &&
        ui_.askYesNo(std::string(text::kRemovePhoneQuestion), "", app::MessageIcon::question)) {
        app::PhoneTable phones;
        phones.removePhone(row + 1);
    }
    showOpeningState();
}

void NewPictureDialog::accept() {
    if (inPixels_->isChecked()) {
        const auto size = readWholeSize(*widthEdit_, *heightEdit_, kMinimumSide, kMaximumSide, ui_);
        if (!size)
            return;
        width_ = size->width;
        height_ = size->height;
    } else if (byPhone_->isChecked()) {
        const int row = list_->currentRow();
        if (row < 0) {
            ui_.inform(std::string(text::kChoosePhone), "", app::MessageIcon::warning);
            return;
        }
        const app::PhoneTable phones;
        const int width = phones.phoneWidth(row + 1);
        const int height = phones.phoneHeight(row + 1);
        if (width < 0 || height < 0) {
            ui_.inform(std::string(text::kPhoneUnreadable), "", app::MessageIcon::warning);
            return;
        }
        width_ = width;
        height_ = height;
    } else {
        width_ = kFallbackWidth;
        height_ = kFallbackHeight;
    }
    QDialog::accept();
}

}  // namespace app::ui
