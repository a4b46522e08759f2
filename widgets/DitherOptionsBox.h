#pragma once

#include <QGroupBox>

#include "bitmap/dither/DitherOptions.h"

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

namespace widgets {

// The group of dithering options and tone adjustments below the methods:
// serpentine scanning and error strength (for error diffusion only), linear
// light, level stretch, brightness, contrast, gamma and invert. Every
// change is announced at once, for a live preview.
class DitherOptionsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit DitherOptionsBox(QWidget* parent);

    bitmap::DitherOptions options() const;
    void setOptions(const bitmap::DitherOptions& options);
    // Serpentine and strength mean something for error diffusion only.
    void setErrorDiffusion(bool on);

signals:
    void changed();

private:
    QCheckBox* serpentine_;
    QSpinBox* strength_;
    QCheckBox* linearLight_;
    QCheckBox* autoLevels_;
    QSpinBox* brightness_;
    QSpinBox* contrast_;
    QDoubleSpinBox* gamma_;
    QCheckBox* invert_;
};

}  // namespace widgets
