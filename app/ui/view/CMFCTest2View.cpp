// The image view: layout, zoom, painting and the information dialog.
#include "app/ui/view/CMFCTest2View.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/ui/dialogs/CPictureInfoDlg.h"
#include "app/ui/view/DibImage.h"

namespace app::ui {
namespace {}  // namespace

void CMFCTest2View::setScrollExtent(QScrollBar& bar, int extent, int visible) {
    bar.setRange(0, std::max(0, extent - visible));
    bar.setPageStep(std::max(1, visible));
    bar.setSingleStep(std::max(1, visible / 10));
}

CMFCTest2View::CMFCTest2View(app::CMFCTest2Doc& document, app::AppSettings& settings,
                             app::UserInterface& ui, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), settings_(settings), ui_(ui) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    // Dropped files go on to the main window, which opens them.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMFCTest2View::commandStateChanged);
}

void CMFCTest2View::ZoomTo(int request) {
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
            codec::CodecOwner& codec = *settings_.codec();
            const bool shown = document_.hasPicture() && codec.BMPExists();
            const int width = shown ? codec.GetBMPWidth() : 0;
            const int height = shown ? codec.GetBMPHeight() : 0;
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

void CMFCTest2View::applyLayout(const app::ViewLayout& layout) {
    displayRect_ = QRect(QPoint(layout.display.left, layout.display.top),
                         QSize(layout.display.width(), layout.display.height()));
    const QSize client = viewport()->size();
    setScrollExtent(*horizontalScrollBar(), layout.scrollWidth, client.width());
    setScrollExtent(*verticalScrollBar(), layout.scrollHeight, client.height());
}

void CMFCTest2View::relayout() {
    forgetShownImage();
    if (editing_)
        LayoutEditor(0);
    else
        ZoomTo(app::kZoomKeep);
    viewport()->update();
}

bool CMFCTest2View::zoomEditor(int request) {
    if (!editing_)
        return false;
    if (const auto zoom = app::zoomForRequest(editor_.GetZoom(), request)) {
        editor_.SetZoom(static_cast<short>(*zoom));
        // The control took its new size; it goes where that size belongs.
        LayoutEditor(0);
    }
    emit commandStateChanged();
    return true;
}

void CMFCTest2View::zoomIn() {
    if (zoomEditor(app::kZoomStepIn))
        return;
    ZoomTo(app::kZoomStepIn);
    viewport()->repaint();
}

void CMFCTest2View::zoomOut() {
    if (zoomEditor(app::kZoomStepOut))
        return;
    ZoomTo(app::kZoomStepOut);
    viewport()->repaint();
}

void CMFCTest2View::zoomToMaximum() {
    if (zoomEditor(app::kMaxZoom))
        return;
    ZoomTo(app::kMaxZoom);
    viewport()->repaint();
}

void CMFCTest2View::cancelZoom() {
    if (zoomEditor(app::kMinZoom))
        return;
    ZoomTo(app::kMinZoom);
    viewport()->update();
}

void CMFCTest2View::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (editing_)
        LayoutEditor(editorZoom_);
    else if (settings_.codec() != nullptr)
        ZoomTo(app::kZoomKeep);
}

void CMFCTest2View::forgetShownImage() {
    shown_ = QImage();
    shownFrom_ = nullptr;
    shownSize_ = 0;
}

const QImage& CMFCTest2View::shownImage() {
    const std::span<const uint8_t> dib = document_.dib().bytes();
    if (dib.data() != shownFrom_ || dib.size() != shownSize_ || shown_.isNull()) {
        // Painting an RGB32 image is the raster engine's fastest path.
        shown_ = imageFromPackedDib(dib).convertToFormat(QImage::Format_RGB32);
        shownFrom_ = dib.data();
        shownSize_ = dib.size();
    }
    return shown_;
}

void CMFCTest2View::drawPicture(QPainter& painter, const QRect& target) {
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

void CMFCTest2View::paintEvent(QPaintEvent* /*event*/) {
    if (isEditing() || !document_.hasPicture())
        return;
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    drawPicture(painter, displayRect_);
}

void CMFCTest2View::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        showPictureInfo();
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void CMFCTest2View::showPictureInfo() {
    CPictureInfoDlg dialog(settings_.codec(), this);
    dialog.exec();
}

bool CMFCTest2View::canCopy() const {
    return !isEditing() && document_.hasPicture();
}

bool CMFCTest2View::canPaste() const {
    if (isEditing())
        return false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && (data->hasImage() || data->hasFormat(QStringLiteral("image/bmp")));
}

bool CMFCTest2View::canUndo() const {
    if (editing_)
        return editor_.UndoCount() != 0;
    return document_.isModified() && !document_.undoUsed();
}

bool CMFCTest2View::canZoomToMaximum() const {
    if (editing_)
        return editor_.GetZoom() != app::kMaxZoom;
    return document_.hasPicture();
}

bool CMFCTest2View::canCancelZoom() const {
    if (editing_)
        return editor_.GetZoom() != app::kMinZoom;
    return zoom_ != 1 && document_.hasPicture();
}

}  // namespace app::ui
