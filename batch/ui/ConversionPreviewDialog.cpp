#include "batch/ui/ConversionPreviewDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstring>

#include "app/core/settings/AppSettings.h"
#include "batch/ui/Texts.h"
#include "codec/Codec.h"
#include "widgets/DitherMethodButtons.h"
#include "widgets/DitherOptionsBox.h"
#include "widgets/IntegerEdit.h"
#include "widgets/OkCancelButtons.h"
#include "widgets/StepButtons.h"
#include "widgets/Translate.h"

namespace batchui {

namespace {

namespace text = batchui::text;

// The wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QImage screenImage(const batch::MonoRows& rows) {
    QImage image(rows.width, rows.height, QImage::Format_Mono);
    if (image.isNull())
        return image;
    image.setColorTable({0xff000000u | rows.colours[0], 0xff000000u | rows.colours[1]});
    for (int y = 0; y < rows.height; ++y)
        std::memcpy(image.scanLine(y), rows.row(y).data(), static_cast<size_t>(rows.rowBytes));
    return image;
}

}  // namespace

ConversionPreviewDialog::ConversionPreviewDialog(app::AppSettings& settings, codec::Codec& codec,
                                                 QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      codec_(codec),
      method_(std::clamp(settings.ditheringMethod, 0, bitmap::kDitherMethodCount - 1)),
      threshold_(settings.threshold) {
    setWindowTitle(translate(text::kConversionTitle));

    // Methods, and below them the options.
    methods_ = new widgets::DitherMethodButtons(
        {text::kMethodThresholding, text::kMethodRandom, text::kMethodMatrixForDisplaying,
         text::kMethodMatrixForPrinting, text::kMethodFloydSteinberg},
        this);
    methods_->setMethod(method_);
    options_ = new widgets::DitherOptionsBox(this);
    options_->setOptions(settings.ditherOptions);
    options_->setErrorDiffusion(bitmap::isErrorDiffusion(method_));
    connect(&methods_->buttons(), &QButtonGroup::idClicked, this, [this](int id) {
        method_ = id;
        options_->setErrorDiffusion(bitmap::isErrorDiffusion(id));
        redrawPreview();
    });
    connect(options_, &widgets::DitherOptionsBox::changed, this,
            &ConversionPreviewDialog::redrawPreview);

    // Threshold: an edit with arrows that step it.
    auto* thresholdLabel = new QLabel(translate(text::kThresholdLabel), this);
    thresholdEdit_ = new QLineEdit(QString::number(threshold_), this);
    thresholdEdit_->setObjectName("thresholdEdit");
    thresholdEdit_->setMaxLength(10);
    thresholdEdit_->setMaximumWidth(thresholdEdit_->fontMetrics().horizontalAdvance("0000000"));
    thresholdEdit_->installEventFilter(this);
    thresholdLabel->setBuddy(thresholdEdit_);
    auto* steps = new widgets::StepButtons(this);
    steps->setObjectName("thresholdSteps");
    steps->setFixedHeight(thresholdEdit_->sizeHint().height());
    connect(steps, &widgets::StepButtons::stepped, this, &ConversionPreviewDialog::stepThreshold);
    connect(thresholdEdit_, &QLineEdit::editingFinished, this,
            &ConversionPreviewDialog::takeTypedThreshold);
    // The preview follows the threshold as it is typed.
    connect(thresholdEdit_, &QLineEdit::textEdited, this,
            &ConversionPreviewDialog::takeTypedThreshold);
    auto* thresholdRow = new QHBoxLayout;
    thresholdRow->setSpacing(0);
    thresholdRow->addWidget(thresholdEdit_);
    thresholdRow->addWidget(steps);
    thresholdRow->addStretch();

    // Position of the window on the picture.
    auto* positionCaption = new QLabel(translate(text::kCurrentPosition), this);
    positionLabel_ = new QLabel(this);
    positionLabel_->setObjectName("positionLabel");
    // Fixed-pitch digits keep the numbers right-aligned in their places.
    positionLabel_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* left = new QVBoxLayout;
    left->addWidget(methods_);
    left->addWidget(options_);
    left->addWidget(thresholdLabel);
    left->addLayout(thresholdRow);
    left->addStretch();
    left->addWidget(positionCaption);
    left->addWidget(positionLabel_);

    // The preview with a slider above it and one to its left.
    pictureWidth_ = codec_.bmpExists() ? codec_.bmpWidth() : 0;
    pictureHeight_ = codec_.bmpExists() ? codec_.bmpHeight() : 0;
    horizontal_ = batch::panAxis(pictureWidth_, kPreviewWidth);
    vertical_ = batch::panAxis(pictureHeight_, kPreviewHeight);
    horizontalSlider_ = makeSlider(Qt::Horizontal, horizontal_);
    horizontalSlider_->setObjectName("horizontalSlider");
    verticalSlider_ = makeSlider(Qt::Vertical, vertical_);
    verticalSlider_->setObjectName("verticalSlider");
    // The top of the picture is at the top of the slider.
    verticalSlider_->setInvertedAppearance(true);
    verticalSlider_->setInvertedControls(true);

    previewLabel_ = new QLabel(this);
    previewLabel_->setObjectName("previewLabel");
    previewLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    previewLabel_->setWordWrap(true);
    const int frame = previewLabel_->frameWidth();
    previewLabel_->setFixedSize(kPreviewWidth + 2 * frame, kPreviewHeight + 2 * frame);

    // Each slider as long as the side of the preview it moves along.
    horizontalSlider_->setFixedWidth(previewLabel_->width());
    verticalSlider_->setFixedHeight(previewLabel_->height());
    auto* previewGrid = new QGridLayout;
    previewGrid->addWidget(horizontalSlider_, 0, 1);
    previewGrid->addWidget(verticalSlider_, 1, 0);
    previewGrid->addWidget(previewLabel_, 1, 1);
    // Room to spare goes below the preview, so the vertical slider stays as
    // tall as the preview beside it.
    previewGrid->setRowStretch(2, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(12);
    columns->addLayout(previewGrid);

    auto* buttons = widgets::makeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showPosition();
    redrawPreview();
}

QSlider* ConversionPreviewDialog::makeSlider(Qt::Orientation orientation,
                                             const batch::PanAxis& axis) {
    auto* slider = new QSlider(orientation, this);
    slider->setRange(0, batch::kSliderMaximum);
    slider->setValue(0);
    slider->setPageStep(10);
    slider->setEnabled(axis.enabled);
    connect(slider, &QSlider::valueChanged, this, [this] {
        showPosition();
        redrawPreview();
    });
    return slider;
}

bitmap::DitherOptions ConversionPreviewDialog::ditherOptions() const {
    return options_->options();
}

int ConversionPreviewDialog::windowX() const {
    return batch::panOffset(horizontalSlider_->value(), horizontal_);
}

int ConversionPreviewDialog::windowY() const {
    return batch::panOffset(verticalSlider_->value(), vertical_);
}

void ConversionPreviewDialog::showPosition() {
    positionLabel_->setText(QString::fromStdString(batch::positionText(windowX(), windowY())));
}

void ConversionPreviewDialog::stepThreshold(int step) {
    threshold_ = batch::steppedThreshold(widgets::integerIn(*thresholdEdit_), threshold_, step);
    thresholdEdit_->setText(QString::number(threshold_));
    redrawPreview();
}

void ConversionPreviewDialog::takeTypedThreshold() {
    // Only a threshold that could be stored reaches the preview; anything
    // else waits for OK, which names the range.
    const auto typed = widgets::integerIn(*thresholdEdit_);
    if (!typed || *typed < 0 || *typed > 255 || *typed == threshold_)
        return;
    threshold_ = *typed;
    redrawPreview();
}

bool ConversionPreviewDialog::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys in the threshold edit step it like the arrow buttons.
    if (watched == thresholdEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepThreshold(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ConversionPreviewDialog::redrawPreview() {
    const WaitCursor wait;
    const std::vector<uint8_t> dib = codec_.preview(
        windowX(), windowY(), kPreviewWidth, kPreviewHeight, method_, threshold_, ditherOptions());
    const auto rows = batch::monoRowsFromDib(dib);
    preview_ = rows ? screenImage(*rows) : QImage();
    if (preview_.isNull()) {
        previewLabel_->setAlignment(Qt::AlignCenter);
        previewLabel_->setPixmap(QPixmap());
        previewLabel_->setText(translate(text::kNoPreview));
        return;
    }
    // Only the part of the window that lies on the picture is shown; the
    // codec fills the rest with black, which the picture may not have. A
    // part smaller than the preview is magnified by the largest whole
    // factor that fits, so every pixel stays an even block.
    const int shownWidth = std::clamp(pictureWidth_ - windowX(), 0, kPreviewWidth);
    const int shownHeight = std::clamp(pictureHeight_ - windowY(), 0, kPreviewHeight);
    const int factor = std::max(1, std::min(kPreviewWidth / std::max(1, shownWidth),
                                            kPreviewHeight / std::max(1, shownHeight)));
    const QImage part = preview_.copy(0, 0, shownWidth, shownHeight);
    previewLabel_->setAlignment(factor > 1 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    previewLabel_->setPixmap(QPixmap::fromImage(
        factor > 1
            ? part.scaled(part.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            : part));
}

void ConversionPreviewDialog::accept() {
    const auto threshold = widgets::readIntegerInRange(*thresholdEdit_, 0, 255);
    if (!threshold)
        return;
    settings_.threshold = *threshold;
    settings_.ditheringMethod = methods_->method();
    settings_.ditherOptions = options_->options();
    QDialog::accept();
}

}  // namespace batchui
