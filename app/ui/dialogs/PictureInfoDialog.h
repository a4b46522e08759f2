#pragma once

#include <QDialog>

#include "codec/PictureFormats.h"

namespace codec {
class Codec;
}

class QLineEdit;

namespace app::ui {

// "Informace o obrázku": width, height and bit depth of the codec's picture,
// its size in bytes (height x width x bits / 8, rows not padded) and the
// format of the file it came from ("JPEG"). All fields stay empty when the
// codec holds no picture.
class PictureInfoDialog : public QDialog {
    Q_OBJECT

public:
    // `codec` may be null (no codec yet): the fields stay empty.
    explicit PictureInfoDialog(codec::Codec* codec, QWidget* parent = nullptr,
                               codec::FormatCode fileFormat = codec::kFormatBmp);

    QString widthText() const;
    QString heightText() const;
    QString depthText() const;
    QString sizeText() const;
    QString typeText() const;

private:
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* depth_ = nullptr;
    QLineEdit* size_ = nullptr;
    QLineEdit* type_ = nullptr;
};

}  // namespace app::ui
