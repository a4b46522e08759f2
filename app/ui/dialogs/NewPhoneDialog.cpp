#include "app/ui/dialogs/NewPhoneDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/dialogs/NumberDialog.h"

namespace app::ui {

NewPhoneDialog::NewPhoneDialog(app::UserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setWindowTitle(translate(text::kNewPhoneTitle));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setMaxLength(kMaximumNameLength);
    widthEdit_ = new QLineEdit(QStringLiteral("0"), this);
    heightEdit_ = new QLineEdit(QStringLiteral("0"), this);
    fields->addRow(translate(text::kPhoneName), nameEdit_);
    fields->addRow(translate(text::kDisplayWidth), widthEdit_);
    fields->addRow(translate(text::kDisplayHeight), heightEdit_);
    layout->addLayout(fields);
    layout->addWidget(widgets::makeOkCancelButtons(*this));
}

void NewPhoneDialog::accept() {
    const auto size = readWholeSize(*widthEdit_, *heightEdit_, kMinimumSide, kMaximumSide, ui_);
    if (!size)
        return;
    // The edit holds at most 25 characters; a pasted longer text is cut the
    // same way.
    name_ = nameEdit_->text().left(kMaximumNameLength).toStdString();
    width_ = size->width;
    height_ = size->height;
    QDialog::accept();
}

}  // namespace app::ui
