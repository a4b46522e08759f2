#include "app/ui/dialogs/CFitToPhoneDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/core/DisplayPresets.h"
#include "app/ui/dialogs/CNumberDlg.h"
#include "app/ui/view/CMFCTest2ViewTexts.h"

namespace app::ui {

void fillPhoneList(QListWidget& list, const app::PhoneTable& phones) {
    list.clear();
    list.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (int number = 1; number <= phones.PhoneCount(); ++number)
        list.addItem(QString::fromStdString(phones.ListEntry(number)));
    if (list.count() > 0)
        list.setCurrentRow(0);
}

CFitToPhoneDlg::CFitToPhoneDlg(app::UserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setWindowTitle(QString::fromUtf8(text::kFitToPhoneTitle));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    auto* label = new QLabel(QString::fromUtf8(text::kChoosePhoneLabel), this);
    label->setBuddy(list_);
    layout->addWidget(label);
    layout->addWidget(list_);
    displays_ = new QListWidget(this);
    displays_->setObjectName("displayList");
    auto* displayLabel = new QLabel(QString::fromUtf8(text::kChooseDisplayLabel), this);
    displayLabel->setBuddy(displays_);
    layout->addWidget(displayLabel);
    layout->addWidget(displays_);
    layout->addWidget(makeOkCancelButtons(*this));

    const app::PhoneTable phones;
    fillPhoneList(*list_, phones);
    chosenPosition_ = 0;
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        chosenPosition_ = row;
        chosenDisplay_ = -1;
        displays_->setCurrentRow(-1);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);

    displays_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const app::DisplayPreset& preset : app::displayPresets())
        displays_->addItem(QString::fromStdString(app::displayListEntry(preset)));
    displays_->setMaximumHeight(displays_->sizeHintForRow(0) * 5 + 2 * displays_->frameWidth());
    connect(displays_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        chosenDisplay_ = row;
        list_->setCurrentRow(-1);
    });
    connect(displays_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

void CFitToPhoneDlg::accept() {
    if (list_->currentRow() < 0 && chosenDisplay_ < 0) {
        ui_.inform(text::kChoosePhone, "", app::MessageIcon::warning);
        return;
    }
    QDialog::accept();
}

}  // namespace app::ui
