#include "widgets/NewFolderDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/OkCancelButtons.h"
#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {

NewFolderDialog::NewFolderDialog(QWidget* parent)
    : QDialog(parent), nameEdit_(new QLineEdit(this)) {
    namespace text = widgets::text;
    setWindowTitle(translate(text::kNewFolderTitle));
    nameEdit_->setObjectName("nameEdit");
    nameEdit_->setMinimumWidth(nameEdit_->fontMetrics().averageCharWidth() * 32);
    auto* prompt = new QLabel(translate(text::kNewFolderPrompt), this);
    prompt->setBuddy(nameEdit_);

    auto* buttons = widgets::makeOkZrusitButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(nameEdit_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString NewFolderDialog::name() const {
    // Blanks around a typed name are slips of the keyboard, not part of it.
    return nameEdit_->text().trimmed();
}

}  // namespace widgets
