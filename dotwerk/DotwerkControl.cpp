// The control's properties, methods, events and mouse input.
#include "dotwerk/DotwerkControl.h"

#include <QMouseEvent>

#include <cmath>

#include "dotwerk/DotwerkCursors.h"
#include "dotwerk/DotwerkInterface.h"
#include "dotwerk/HostDib.h"
#include "dotwerk/LibraryLifetime.h"
#include "dotwerk/TextDialog.h"
#include "dotwerk/TextPiece.h"

namespace dotwerk {
namespace {

constexpr short kMinZoom = 1;
constexpr short kMaxZoom = 10;
constexpr int kZoomBufferWidth = 1600;
constexpr int kZoomBufferHeight = 1200;

}  // namespace

DotwerkControl::DotwerkControl(QWidget* parent) : QWidget(parent), editor_(*this) {
    library::objectCreated();
    setObjectName(QStringLiteral("CDotwerkCtrl"));
    // The floating pieces follow the mouse without a button held.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DotwerkControl::~DotwerkControl() {
    library::objectDestroyed();
}

void DotwerkControl::setZoom(short zoom) {
    if (zoom < kMinZoom || zoom > kMaxZoom || zoom == zoom_)
        return;
    zoom_ = zoom;
    if (zoom_ < 3)
        showGrid_ = false;
    fitToPicture();
    update();
}

short DotwerkControl::lineWidth() const {
    switch (editor_.penWidth()) {
        case 1:
            return 1;
        case 2:
            return 2;
        case 4:
            return 3;
        default:
            return -1;
    }
}

void DotwerkControl::setLineWidth(short code) {
    switch (code) {
        case 1:
            editor_.setPenWidth(1);
            break;
        case 2:
            editor_.setPenWidth(2);
            break;
        case 3:
            editor_.setPenWidth(4);
            break;
        default:
            break;
    }
}

void DotwerkControl::setShowGrid(bool show) {
    if (show == showGrid_ || zoom_ <= 2)
        return;
    showGrid_ = show;
    update();
}

short DotwerkControl::InvertColor() {
    editor_.invertColours();
    return 0;
}

short DotwerkControl::Clear() {
    editor_.clearToWhite();
    return 0;
}

short DotwerkControl::Undo() {
    editor_.undo();
    return 0;
}

short DotwerkControl::Redo() {
    return 0;
}

short DotwerkControl::InitFromDimensions(short cx, short cy) {
    DotwerkPicture picture(cx, cy, Ink::White);
    if (picture.isNull())
        return -1;
    installPicture(std::move(picture));
    return 0;
}

short DotwerkControl::InitFromHDIB(qlonglong hDIB) {
    const auto block = hostBlockOf(hDIB);
    const auto layout = parseHostDib(block);
    if (!layout)
        return -1;
    DotwerkPicture picture = readHostDib(block, *layout);
    if (picture.isNull())
        return -1;
    hostHandle_ = hDIB;
    installPicture(std::move(picture));
    return 0;
}

short DotwerkControl::LoadDIB() {
    const auto block = hostBlockOf(hostHandle_);
    const auto layout = parseHostDib(block);
    const DotwerkPicture& picture = editor_.currentPicture();
    // The host's bitmap is checked again, as the host may have changed it;
    // one of another size cannot take the picture.
    if (!layout || layout->width != picture.width() || layout->height != picture.height())
        return -1;
    writeHostDib(block, *layout, picture);
    editor_.clearModified();
    return 0;
}

short DotwerkControl::UndoCount() {
    return editor_.undoCount();
}

bool DotwerkControl::IsModified() {
    return editor_.isModified();
}

void DotwerkControl::GetImageSize(qlonglong* cx, qlonglong* cy) {
    const DotwerkPicture& picture = editor_.currentPicture();
    if (cx != nullptr)
        *cx = picture.width();
    if (cy != nullptr)
        *cy = picture.height();
}

bool DotwerkControl::IsSelected() {
    return editor_.isSelected();
}

qlonglong DotwerkControl::SetLanguage(qlonglong language) {
    if (language != kLanguageCzech && language != kLanguageEnglish)
        return -1;
    language_ = language;
    return 0;
}

void DotwerkControl::installPicture(DotwerkPicture picture) {
    editor_.replacePicture(std::move(picture));
    if (zoomBuffer_.isNull())
        zoomBuffer_ = QImage(kZoomBufferWidth, kZoomBufferHeight, QImage::Format_RGB32);
    fitToPicture();
    update();
}

void DotwerkControl::fitToPicture() {
    const DotwerkPicture& picture = editor_.currentPicture();
    if (picture.isNull())
        return;
    resize(zoom_ * picture.width() + 2, zoom_ * picture.height() + 2);
}

QPoint DotwerkControl::picturePointAt(QPointF position) const {
    // The first screen pixel is the frame. Division truncates as the host
    // platform's integer division does.
    const int x = static_cast<int>(std::floor(position.x())) - 1;
    const int y = static_cast<int>(std::floor(position.y())) - 1;
    return {x / zoom_, y / zoom_};
}

void DotwerkControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        editor_.leftButtonDown(picturePointAt(event->position()));
}

void DotwerkControl::mouseMoveEvent(QMouseEvent* event) {
    editor_.mouseMove(picturePointAt(event->position()), (event->buttons() & Qt::LeftButton) != 0);
}

void DotwerkControl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = picturePointAt(event->position());
    if (event->button() == Qt::LeftButton)
        editor_.leftButtonUp(p);
    else if (event->button() == Qt::RightButton)
        editor_.rightButtonUp(p);
}

void DotwerkControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit OnSize(width(), height());
}

void DotwerkControl::modificationBegun() {
    emit OnModified();
}

void DotwerkControl::modeChanged(short mode) {
    setCursor(cursorForMode(mode));
}

std::optional<DotwerkPicture> DotwerkControl::askForTextPiece() {
    TextDialog dialog(textFont_, language_, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    textFont_ = dialog.chosenFont();
    return renderTextPiece(dialog.text(), toQFont(textFont_));
}

}  // namespace dotwerk
