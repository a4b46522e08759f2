#include "app/ui/dialogs/CSourceOptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/dialogs/NumberDialog.h"

namespace app::ui {

CSourceOptionsDialog::CSourceOptionsDialog(const bitmap::CArrayOptions& options, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(translate(text::kCArrayTitle));
    auto* group = new QGroupBox(translate(text::kByteOrderGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    layouts_ = new QButtonGroup(this);
    const std::pair<bitmap::CArrayLayout, std::string_view> choices[] = {
        {bitmap::CArrayLayout::horizontal, text::kLayoutHorizontal},
        {bitmap::CArrayLayout::vertical, text::kLayoutVertical},
        {bitmap::CArrayLayout::xbm, text::kLayoutXbm},
    };
    for (const auto& [layout, label] : choices) {
        auto* button = new QRadioButton(translate(label), group);
        layouts_->addButton(button, static_cast<int>(layout));
        groupLayout->addWidget(button);
    }
    layouts_->button(static_cast<int>(options.layout))->setChecked(true);
    invert_ = new QCheckBox(translate(text::kInvertBits), this);
    invert_->setChecked(options.invert);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(invert_);
    layout->addWidget(widgets::makeOkCancelButtons(*this));
}

bitmap::CArrayOptions CSourceOptionsDialog::options() const {
    return {static_cast<bitmap::CArrayLayout>(layouts_->checkedId()), invert_->isChecked()};
}

}  // namespace app::ui
