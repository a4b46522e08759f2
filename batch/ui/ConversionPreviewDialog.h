#pragma once

#include <QDialog>
#include <QImage>

#include "batch/core/PreviewWindow.h"
#include "bitmap/dither/DitherOptions.h"

class QLabel;
class QLineEdit;
class QSlider;

namespace app {
class AppSettings;
}
namespace codec {
class Codec;
}

namespace widgets {
class DitherMethodButtons;
class DitherOptionsBox;
}  // namespace widgets

namespace batchui {

// "Nastavení konverze": the program's dithering method, threshold and
// options, chosen while watching a black-and-white preview of a window of
// the codec's picture. Two sliders move the window over the picture. OK
// stores the values in the settings; Cancel stores nothing.
class ConversionPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // The preview window's size on the picture.
    static constexpr int kPreviewWidth = 200;
    static constexpr int kPreviewHeight = 160;

    ConversionPreviewDialog(app::AppSettings& settings, codec::Codec& codec,
                            QWidget* parent = nullptr);

    // The window's left and top pixel on the picture.
    int windowX() const;
    // The options as the dialog shows them.
    bitmap::DitherOptions ditherOptions() const;
    int windowY() const;
    // The codec's preview of the whole window, top row first; null when none
    // could be made. Only its part on the picture is shown.
    const QImage& previewImage() const { return preview_; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSlider* makeSlider(Qt::Orientation orientation, const batch::PanAxis& axis);
    void stepThreshold(int step);
    void takeTypedThreshold();
    void showPosition();
    void redrawPreview();

    app::AppSettings& settings_;
    codec::Codec& codec_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int method_ = 0;
    int threshold_ = 128;
    batch::PanAxis horizontal_;
    batch::PanAxis vertical_;

    widgets::DitherMethodButtons* methods_ = nullptr;
    widgets::DitherOptionsBox* options_ = nullptr;
    QLineEdit* thresholdEdit_ = nullptr;
    QSlider* horizontalSlider_ = nullptr;
    QSlider* verticalSlider_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    QLabel* previewLabel_ = nullptr;
    QImage preview_;
};

}  // namespace batchui
