#include "app/ui/dialogs/PictureInfoDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdint>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "codec/Codec.h"
#include "widgets/FormatFilters.h"

namespace app::ui {
namespace {

QLineEdit* readOnlyField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
    return field;
}

}  // namespace

PictureInfoDialog::PictureInfoDialog(codec::Codec* codec, QWidget* parent,
                                     codec::FormatCode fileFormat)
    : QDialog(parent) {
    setWindowTitle(translate(text::kCaptionPictureInfo));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    width_ = readOnlyField(this);
    height_ = readOnlyField(this);
    depth_ = readOnlyField(this);
    size_ = readOnlyField(this);
    type_ = readOnlyField(this);
    fields->addRow(translate(text::kWidth), width_);
    fields->addRow(translate(text::kHeight), height_);
    fields->addRow(translate(text::kInfoDepth), depth_);
    fields->addRow(translate(text::kInfoSize), size_);
    fields->addRow(translate(text::kInfoType), type_);
    layout->addLayout(fields);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(translate(text::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    int width = 0;
    int height = 0;
    int bitCount = 0;
    if (codec == nullptr || !codec->bmpExists() || !codec->bmpInfo(width, height, bitCount))
        return;
    // In 64 bits: a large picture's byte count does not fit 32.
    const int64_t bytes = int64_t{height} * width * bitCount / 8;
    width_->setText(QString::number(width));
    height_->setText(QString::number(height));
    depth_->setText(QString::number(bitCount));
    size_->setText(QString::number(bytes));
    type_->setText(widgets::formatLabel(fileFormat));
}

QString PictureInfoDialog::widthText() const {
    return width_->text();
}
QString PictureInfoDialog::heightText() const {
    return height_->text();
}
QString PictureInfoDialog::depthText() const {
    return depth_->text();
}
QString PictureInfoDialog::sizeText() const {
    return size_->text();
}
QString PictureInfoDialog::typeText() const {
    return type_->text();
}

}  // namespace app::ui
