#include "batch/ui/CNewFolderDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "batch/ui/OkCancelButtons.h"
#include "batch/ui/Texts.h"
#include "batch/ui/Translate.h"

namespace batchui {

CNewFolderDlg::CNewFolderDlg(QWidget* parent) : QDialog(parent), nameEdit_(new QLineEdit(this)) {
    namespace text = batchui::text;
    setWindowTitle(translate(text::kNewFolderTitle));
    nameEdit_->setObjectName("nameEdit");
    nameEdit_->setMinimumWidth(nameEdit_->fontMetrics().averageCharWidth() * 32);
    auto* prompt = new QLabel(translate(text::kNewFolderPrompt), this);
    prompt->setBuddy(nameEdit_);

    auto* buttons = batchui::makeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(nameEdit_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CNewFolderDlg::name() const {
    // Blanks around a typed name are slips of the keyboard, not part of it.
    return nameEdit_->text().trimmed();
}

}  // namespace batchui
