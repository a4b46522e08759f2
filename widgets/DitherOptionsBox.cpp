#include "widgets/DitherOptionsBox.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cmath>

#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {
namespace {

using bitmap::ToneAdjustments;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QSpinBox* spinBox(QWidget* parent, const char* name, int low, int high) {
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(low, high);
    return box;
}

}  // namespace

DitherOptionsBox::DitherOptionsBox(QWidget* parent)
    : QGroupBox(translate(text::kDitherOptionsGroup), parent),
      serpentine_(named(new QCheckBox(translate(text::kSerpentine), this), "serpentine")),
      strength_(spinBox(this, "strength", 0, bitmap::DitherOptions::kMaxStrength)),
      linearLight_(named(new QCheckBox(translate(text::kLinearLight), this), "linearLight")),
      autoLevels_(named(new QCheckBox(translate(text::kAutoLevels), this), "autoLevels")),
      brightness_(spinBox(this, "brightness", ToneAdjustments::kMinBrightness,
                          ToneAdjustments::kMaxBrightness)),
      contrast_(
          spinBox(this, "contrast", ToneAdjustments::kMinContrast, ToneAdjustments::kMaxContrast)),
      gamma_(named(new QDoubleSpinBox(this), "gamma")),
      invert_(named(new QCheckBox(translate(text::kInvert), this), "invert")) {
    gamma_->setDecimals(2);
    gamma_->setRange(ToneAdjustments::kMinGamma / 100.0, ToneAdjustments::kMaxGamma / 100.0);
    gamma_->setSingleStep(0.05);

    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(serpentine_);
    form->addRow(translate(text::kStrength), strength_);
    form->addRow(linearLight_);
    form->addRow(autoLevels_);
    form->addRow(translate(text::kBrightness), brightness_);
    form->addRow(translate(text::kContrast), contrast_);
    form->addRow(translate(text::kGamma), gamma_);
    form->addRow(invert_);

    setOptions({});
    for (QCheckBox* box : {serpentine_, linearLight_, autoLevels_, invert_})
        connect(box, &QCheckBox::toggled, this, &DitherOptionsBox::changed);
    for (QSpinBox* box : {strength_, brightness_, contrast_})
        connect(box, &QSpinBox::valueChanged, this, &DitherOptionsBox::changed);
    connect(gamma_, &QDoubleSpinBox::valueChanged, this, &DitherOptionsBox::changed);
}

bitmap::DitherOptions DitherOptionsBox::options() const {
    bitmap::DitherOptions options;
    options.serpentine = serpentine_->isChecked();
    options.strength = strength_->value();
    options.linearLight = linearLight_->isChecked();
    options.tone.autoLevels = autoLevels_->isChecked();
    options.tone.brightness = brightness_->value();
    options.tone.contrast = contrast_->value();
    options.tone.gamma = static_cast<int>(std::lround(gamma_->value() * 100));
    options.tone.invert = invert_->isChecked();
    return options;
}

void DitherOptionsBox::setOptions(const bitmap::DitherOptions& options) {
    // One announcement for the whole change.
    {
        const QSignalBlocker blocker(this);
        serpentine_->setChecked(options.serpentine);
        strength_->setValue(options.strength);
        linearLight_->setChecked(options.linearLight);
        autoLevels_->setChecked(options.tone.autoLevels);
        brightness_->setValue(options.tone.brightness);
        contrast_->setValue(options.tone.contrast);
        gamma_->setValue(options.tone.gamma / 100.0);
        invert_->setChecked(options.tone.invert);
    }
    emit changed();
}

void DitherOptionsBox::setErrorDiffusion(bool on) {
    serpentine_->setEnabled(on);
    strength_->setEnabled(on);
}

}  // namespace widgets
