// The image view: layout, zoom, painting and the information dialog.
#include "app/ui/view/PictureView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "app/ui/dialogs/PictureInfoDialog.h"
#include "app/ui/view/DibImage.h"

namespace app::ui {
namespace {

// One notch of a mouse wheel, in its angle units.
constexpr int kWheelStep = 120;

}  // namespace

void PictureView::setScrollExtent(QScrollBar& bar, int extent, int visible) {
    bar.setRange(0, std::max(0, extent - visible));
    bar.setPageStep(std::max(1, visible));
    bar.setSingleStep(std::max(1, visible / 10));
}

PictureView::PictureView(app::PictureDocument& document, app::AppSettings& settings,
                         app::UserInterface& ui, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), settings_(settings), ui_(ui) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // A neutral grey around the picture: a white picture stands out from
    // it as much as a black one.
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    // Dropped files go on to the main window, which opens them.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &PictureView::commandStateChanged);
}

void PictureView::zoomTo(int request) {
    const auto zoom = app::zoomForRequest(zoom_, request);
    if (!zoom)
        return;
    if (editing_) {
        // The control covers the picture and keeps its own layout; the zoom
        // is the one editing goes back to.
        zoom_ = *zoom;
        return;
    }
    if (layingOut_) {
        // A layout under way narrowed or widened the window: it runs again
        // at the zoom it sets once it is done.
        layoutPending_ = true;
        return;
    }
    layingOut_ = true;
    int nextZoom = *zoom;
    for (int round = 0; round < kMaxLayoutRounds; ++round) {
        layoutPending_ = false;
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
        if (settings_.codec() == nullptr) {
            zoom_ = 1;
            applyLayout({1, {}, 0, 0});
        } else {
            // The codec's picture decides the size; an empty document lays
            // out nothing, so no scroll bars stand around an empty window.
            codec::Codec& codec = *settings_.codec();
            const bool shown = document_.hasPicture() && codec.bmpExists();
            const int width = shown ? codec.bmpWidth() : 0;
            const int height = shown ? codec.bmpHeight() : 0;
            const QSize client = viewport()->size();
            zoom_ = nextZoom;
            applyLayout(app::layoutPicture(width, height, zoom_, client.width(), client.height()));
        }
        if (!layoutPending_)
            break;
        nextZoom = zoom_;
    }
    layingOut_ = false;
    emit commandStateChanged();
}

void PictureView::applyLayout(const app::ViewLayout& layout) {
    displayRect_ = QRect(QPoint(layout.display.left, layout.display.top),
                         QSize(layout.display.width(), layout.display.height()));
    const QSize client = viewport()->size();
    setScrollExtent(*horizontalScrollBar(), layout.scrollWidth, client.width());
    setScrollExtent(*verticalScrollBar(), layout.scrollHeight, client.height());
}

void PictureView::relayout() {
    forgetShownImage();
    if (editing_)
        LayoutEditor(0);
    else
        zoomTo(app::kZoomKeep);
    viewport()->update();
}

bool PictureView::zoomEditor(int request) {
    if (!editing_)
        return false;
    if (const auto zoom = app::zoomForRequest(editor_.zoom(), request)) {
        editor_.setZoom(static_cast<short>(*zoom));
        // The control took its new size; it goes where that size belongs.
        LayoutEditor(0);
    }
    emit commandStateChanged();
    return true;
}

void PictureView::zoomAround(int request, QPoint anchor) {
    if (zoomEditor(request))
        return;
    // The picture's point under the anchor, in picture pixels (within the
    // picture), before the zoom changes.
    const QPointF scrolled(anchor.x() + horizontalScrollBar()->value(),
                           anchor.y() + verticalScrollBar()->value());
    const QRectF before = displayRect_;
    const double oldZoom = zoom_;
    const auto onPicture = [oldZoom](double offset, double extent) {
        return std::clamp(offset, 0.0, extent) / oldZoom;
    };
    const double pictureX = onPicture(scrolled.x() - before.left(), before.width());
    const double pictureY = onPicture(scrolled.y() - before.top(), before.height());
    zoomTo(request);
    // zoomTo starts at the top left corner; scroll so the point is back
    // under the anchor (the scroll bars keep it within their range).
    const auto scrollTo = [](QScrollBar& bar, double value) {
        bar.setValue(static_cast<int>(std::lround(value)));
    };
    scrollTo(*horizontalScrollBar(), displayRect_.left() + pictureX * zoom_ - anchor.x());
    scrollTo(*verticalScrollBar(), displayRect_.top() + pictureY * zoom_ - anchor.y());
    viewport()->repaint();
}

void PictureView::zoomIn() {
    zoomAround(app::kZoomStepIn, viewport()->rect().center());
}

void PictureView::zoomOut() {
    zoomAround(app::kZoomStepOut, viewport()->rect().center());
}

void PictureView::zoomToMaximum() {
    zoomAround(app::kMaxZoom, viewport()->rect().center());
}

void PictureView::cancelZoom() {
    zoomAround(app::kMinZoom, viewport()->rect().center());
}

void PictureView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || !document_.hasPicture()) {
        wheelRemainder_ = 0;
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    // Touchpads send small turns: they add up to whole steps.
    wheelRemainder_ += event->angleDelta().y();
    const QPoint anchor = event->position().toPoint();
    while (std::abs(wheelRemainder_) >= kWheelStep) {
        const bool in = wheelRemainder_ > 0;
        wheelRemainder_ += in ? -kWheelStep : kWheelStep;
        zoomAround(in ? app::kZoomStepIn : app::kZoomStepOut, anchor);
    }
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (editing_)
        LayoutEditor(editorZoom_);
    else if (settings_.codec() != nullptr)
        zoomTo(app::kZoomKeep);
}

void PictureView::forgetShownImage() {
    shown_ = QImage();
    shownFrom_ = nullptr;
    shownSize_ = 0;
}

const QImage& PictureView::shownImage() {
    const std::span<const uint8_t> dib = document_.dib().bytes();
    if (dib.data() != shownFrom_ || dib.size() != shownSize_ || shown_.isNull()) {
        // Painting an RGB32 image is the raster engine's fastest path.
        shown_ = imageFromPackedDib(dib).convertToFormat(QImage::Format_RGB32);
        shownFrom_ = dib.data();
        shownSize_ = dib.size();
    }
    return shown_;
}

void PictureView::drawPicture(QPainter& painter, const QRect& target) {
    const QImage& image = shownImage();
    if (image.isNull() || target.isEmpty())
        return;
    // Nearest source pixel, never smoothed: every pixel stays a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (target.size() == image.size())
        painter.drawImage(target.topLeft(), image);
    else
        painter.drawImage(target, image);
}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
    if (isEditing() || !document_.hasPicture() || displayRect_.isEmpty())
        return;
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    // A thin frame just outside the picture shows where it ends.
    painter.setPen(palette().color(QPalette::Shadow));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(displayRect_.adjusted(-1, -1, 0, 0));
    drawPicture(painter, displayRect_);
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        showPictureInfo();
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void PictureView::showPictureInfo() {
    PictureInfoDialog dialog(settings_.codec(), this, pictureFileFormat());
    dialog.exec();
}

codec::FormatCode PictureView::pictureFileFormat() const {
    // The file's content tells its format, whatever its name says. A
    // picture with no file of a known format behind it is held as a BMP.
    const auto found = codec::sniffFile(document_.pathName());
    return found && found->format != codec::kFormatUnknown ? found->format : codec::kFormatBmp;
}

bool PictureView::canCopy() const {
    return !isEditing() && document_.hasPicture();
}

bool PictureView::canPaste() const {
    if (isEditing())
        return false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && (data->hasImage() || data->hasFormat(QStringLiteral("image/bmp")));
}

bool PictureView::canUndo() const {
    if (editing_)
        return editor_.undoCount() != 0;
    return document_.isModified() && !document_.undoUsed();
}

bool PictureView::canZoomToMaximum() const {
    if (editing_)
        return editor_.zoom() != app::kMaxZoom;
    return document_.hasPicture();
}

bool PictureView::canCancelZoom() const {
    if (editing_)
        return editor_.zoom() != app::kMinZoom;
    return zoom_ != 1 && document_.hasPicture();
}

}  // namespace app::ui
