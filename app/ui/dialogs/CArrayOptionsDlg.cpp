#include "app/ui/dialogs/CArrayOptionsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/dialogs/CNumberDlg.h"
#include "app/ui/view/CMFCTest2ViewTexts.h"

namespace app::ui {

CArrayOptionsDlg::CArrayOptionsDlg(const bitmap::CArrayOptions& options, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(text::kCArrayTitle));
    auto* group = new QGroupBox(QString::fromUtf8(text::kByteOrderGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    layouts_ = new QButtonGroup(this);
    const std::pair<bitmap::CArrayLayout, const char*> choices[] = {
        {bitmap::CArrayLayout::horizontal, text::kLayoutHorizontal},
        {bitmap::CArrayLayout::vertical, text::kLayoutVertical},
        {bitmap::CArrayLayout::xbm, text::kLayoutXbm},
    };
    for (const auto& [layout, label] : choices) {
        auto* button = new QRadioButton(QString::fromUtf8(label), group);
        layouts_->addButton(button, static_cast<int>(layout));
        groupLayout->addWidget(button);
    }
    layouts_->button(static_cast<int>(options.layout))->setChecked(true);
    invert_ = new QCheckBox(QString::fromUtf8(text::kInvertBits), this);
    invert_->setChecked(options.invert);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(invert_);
    layout->addWidget(makeOkCancelButtons(*this));
}

bitmap::CArrayOptions CArrayOptionsDlg::options() const {
    return {static_cast<bitmap::CArrayLayout>(layouts_->checkedId()), invert_->isChecked()};
}

}  // namespace app::ui
