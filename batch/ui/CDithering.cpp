#include "batch/ui/CDithering.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "batch/ui/DitherMethodButtons.h"
#include "batch/ui/IntegerEdit.h"
#include "batch/ui/Texts.h"
#include "batch/ui/Translate.h"

namespace batchui {

CDithering::CDithering(QWidget* parent)
    : QWidget(parent),
      methods_(new DitherMethodButtons(
          {batchui::text::kMethodThresholding, batchui::text::kMethodRandom,
           batchui::text::kMethodMatrixDisplaying, batchui::text::kMethodMatrixPrinting,
           batchui::text::kMethodFloydSteinberg},
          this)) {
    setWindowTitle(translate(batchui::text::kDitheringPageTitle));

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
    layout->addWidget(methods_);
    layout->addLayout(thresholdRow);
    layout->addStretch();
}

void CDithering::setValues(int method, int threshold) {
    methods_->setMethod(method);
    thresholdEdit_->setText(QString::number(threshold));
}

bool CDithering::readValues(int& method, int& threshold) {
    const auto value = batchui::readIntegerInRange(*thresholdEdit_, 0, 255);
    if (!value)
        return false;
    method = methods_->method();
    threshold = *value;
    return true;
}

}  // namespace batchui
