#include "widgets/DitheringPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "widgets/DitherMethodButtons.h"
#include "widgets/IntegerEdit.h"
#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {

DitheringPage::DitheringPage(QWidget* parent)
    : QWidget(parent),
      methods_(new DitherMethodButtons(
          {widgets::text::kMethodThresholding, widgets::text::kMethodRandom,
           widgets::text::kMethodMatrixDisplaying, widgets::text::kMethodMatrixPrinting,
           widgets::text::kMethodFloydSteinberg},
          this)) {
    setWindowTitle(translate(widgets::text::kDitheringPageTitle));

    auto* label = new QLabel(translate(widgets::text::kThresholdLabel), this);
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
    layout->addWidget(methods_);
    layout->addLayout(thresholdRow);
    layout->addStretch();
}

void DitheringPage::setValues(int method, int threshold) {
    methods_->setMethod(method);
    thresholdEdit_->setText(QString::number(threshold));
}

bool DitheringPage::readValues(int& method, int& threshold) {
    const auto value = widgets::readIntegerInRange(*thresholdEdit_, 0, 255);
    if (!value)
        return false;
    method = methods_->method();
    threshold = *value;
    return true;
}

}  // namespace widgets
