#include "app/ui/dialogs/FitToPhoneDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/core/settings/DisplayPresets.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/dialogs/NumberDialog.h"

namespace app::ui {

void fillPhoneList(QListWidget& list, const app::PhoneTable& phones) {
    list.clear();
    list.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const app::PhoneListing listing = phones.readPhones();
    const std::vector<std::string> entries = phones.listEntries();
    for (const std::string& entry : entries)
        list.addItem(QString::fromStdString(entry));
    // A phone that cannot be read ends the list with a line saying so,
    // which cannot be chosen.
    if (listing.unreadable && list.count() > 0)
        list.item(list.count() - 1)->setFlags(Qt::NoItemFlags);
    if (!listing.phones.empty())
        list.setCurrentRow(0);
}

FitToPhoneDialog::FitToPhoneDialog(app::UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setWindowTitle(translate(text::kFitToPhoneTitle));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    auto* label = new QLabel(translate(text::kChoosePhoneLabel), this);
    label->setBuddy(list_);
    layout->addWidget(label);
    layout->addWidget(list_);
    displays_ = new QListWidget(this);
    displays_->setObjectName("displayList");
    auto* displayLabel = new QLabel(translate(text::kChooseDisplayLabel), this);
    displayLabel->setBuddy(displays_);
    layout->addWidget(displayLabel);
    layout->addWidget(displays_);
    layout->addWidget(widgets::makeOkCancelButtons(*this));

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

void FitToPhoneDialog::accept() {
    if (list_->currentRow() < 0 && chosenDisplay_ < 0) {
        ui_.inform(std::string(text::kChoosePhone), "", app::MessageIcon::warning);
        return;
    }
    QDialog::accept();
}

}  // namespace app::ui
