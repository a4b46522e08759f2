#include "app/ui/dialogs/BoxDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/dialogs/NumberDialog.h"

namespace app::ui {

BoxDialog::BoxDialog(int width, int height, app::UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), width_(width), height_(height) {
    setWindowTitle(translate(text::kBoxTitle));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    widthEdit_ = new QLineEdit(QString::number(width), this);
    heightEdit_ = new QLineEdit(QString::number(height), this);
    fields->addRow(translate(text::kNewWidth), widthEdit_);
    fields->addRow(translate(text::kNewHeight), heightEdit_);
    layout->addLayout(fields);
    ignoreBox_ = new QCheckBox(translate(text::kIgnoreAspectRatio), this);
    layout->addWidget(ignoreBox_);
    layout->addWidget(widgets::makeOkCancelButtons(*this));
}

void BoxDialog::accept() {
    const auto size = readWholeSize(*widthEdit_, *heightEdit_, kMinimumSide, kMaximumSide, ui_);
    if (!size)
        return;
    width_ = size->width;
    height_ = size->height;
    ignoreAspectRatio_ = ignoreBox_->isChecked();
    QDialog::accept();
}

}  // namespace app::ui
