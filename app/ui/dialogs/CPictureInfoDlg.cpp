#include "app/ui/dialogs/CPictureInfoDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdint>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "batch/ui/FormatFilters.h"
#include "codec/CodecOwner.h"

namespace app::ui {
namespace {

QLineEdit* readOnlyField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
    return field;
}

}  // namespace

CPictureInfoDlg::CPictureInfoDlg(codec::CodecOwner* codec, QWidget* parent) : QDialog(parent) {
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
    if (codec == nullptr || !codec->BMPExists() || !codec->GetBMPInfo(width, height, bitCount))
        return;
    // In 64 bits: a large picture's byte count does not fit 32.
    const int64_t bytes = int64_t{height} * width * bitCount / 8;
    width_->setText(QString::number(width));
    height_->setText(QString::number(height));
    depth_->setText(QString::number(bitCount));
    size_->setText(QString::number(bytes));
    // The codec holds every picture as a BMP in memory.
    type_->setText(batchui::formatLabel(codec::kFormatBmp));
}

QString CPictureInfoDlg::widthText() const {
    return width_->text();
}
QString CPictureInfoDlg::heightText() const {
    return height_->text();
}
QString CPictureInfoDlg::depthText() const {
    return depth_->text();
}
QString CPictureInfoDlg::sizeText() const {
    return size_->text();
}
QString CPictureInfoDlg::typeText() const {
    return type_->text();
}

}  // namespace app::ui
