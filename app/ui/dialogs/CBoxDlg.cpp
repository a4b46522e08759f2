#include "app/ui/dialogs/CBoxDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/ui/dialogs/CNumberDlg.h"
#include "app/ui/view/CMFCTest2ViewTexts.h"

namespace app::ui {

CBoxDlg::CBoxDlg(int width, int height, app::UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), width_(width), height_(height) {
    setWindowTitle(QString::fromUtf8(text::kBoxTitle));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    widthEdit_ = new QLineEdit(QString::number(width), this);
    heightEdit_ = new QLineEdit(QString::number(height), this);
    fields->addRow(QString::fromUtf8(text::kNewWidth), widthEdit_);
    fields->addRow(QString::fromUtf8(text::kNewHeight), heightEdit_);
    layout->addLayout(fields);
    ignoreBox_ = new QCheckBox(QString::fromUtf8(text::kIgnoreAspectRatio), this);
    layout->addWidget(ignoreBox_);
    layout->addWidget(makeOkCancelButtons(*this));
}

void CBoxDlg::accept() {
    const auto size = readWholeSize(*widthEdit_, *heightEdit_, kMinimumSide, kMaximumSide, ui_);
    if (!size)
        return;
    width_ = size->width;
    height_ = size->height;
    ignoreAspectRatio_ = ignoreBox_->isChecked();
    QDialog::accept();
}

}  // namespace app::ui
