#include "batch/ui/CDithering.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "batch/ui/IntegerEdit.h"
#include "batch/ui/Texts.h"
#include "batch/ui/Translate.h"

namespace batchui {

CDithering::CDithering(QWidget* parent) : QWidget(parent), methods_(new QButtonGroup(this)) {
    setWindowTitle(translate(batchui::text::kDitheringPageTitle));

    auto* group = new QGroupBox(translate(batchui::text::kDitheringGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    const std::array names{batchui::text::kMethodThresholding, batchui::text::kMethodRandom,
                           batchui::text::kMethodMatrixDisplaying,
                           batchui::text::kMethodMatrixPrinting,
                           batchui::text::kMethodFloydSteinberg};
    for (int id = 0; id < static_cast<int>(names.size()); ++id) {
        auto* button = new QRadioButton(translate(names[static_cast<size_t>(id)]), group);
        methods_->addButton(button, id);
        groupLayout->addWidget(button);
    }

    auto* label = new QLabel(translate(batchui::text::kThresholdLabel), this);
    thresholdEdit_ = new QLineEdit(this);
    thresholdEdit_->setObjectName("thresholdEdit");
    thresholdEdit_->setMaxLength(10);
    thresholdEdit_->setMaximumWidth(thresholdEdit_->fontMetrics().horizontalAdvance("0000000"));
    label->setBuddy(thresholdEdit_);
    auto* thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(label);
    thresholdRow->addWidget(thresholdEdit_);
    thresholdRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(thresholdRow);
    layout->addStretch();
}

void CDithering::setValues(int method, int threshold) {
    if (QAbstractButton* button = methods_->button(method)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = methods_->checkedButton()) {
        // An exclusive group keeps one button checked; let go of it briefly.
        methods_->setExclusive(false);
        checked->setChecked(false);
        methods_->setExclusive(true);
    }
    thresholdEdit_->setText(QString::number(threshold));
}

bool CDithering::readValues(int& method, int& threshold) {
    const auto value = batchui::readIntegerInRange(*thresholdEdit_, 0, 255);
    if (!value)
        return false;
    method = methods_->checkedId();
    threshold = *value;
    return true;
}

}  // namespace batchui
