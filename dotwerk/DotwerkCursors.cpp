#include "dotwerk/DotwerkCursors.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <functional>

#include "dotwerk/DotwerkInterface.h"

namespace dotwerk {
namespace {

constexpr int kCursorSide = 32;

// Draws `shape` in black with a one-pixel white rim around it, so the cursor
// shows on black and on white pixels alike.
QCursor makeCursor(const std::function<void(QPainter&)>& shape, int hotX, int hotY) {
    QBitmap image(kCursorSide, kCursorSide);
    image.clear();
    {
        QPainter painter(&image);
        painter.setPen(Qt::color1);
        painter.setBrush(Qt::NoBrush);
        shape(painter);
    }
    QBitmap mask(kCursorSide, kCursorSide);
    mask.clear();
    {
        QPainter painter(&mask);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                painter.drawPixmap(dx, dy, image);
    }
    return QCursor(image, mask, hotX, hotY);
}

void drawPencil(QPainter& painter) {
    // Tip at (5, 15), body running up to the right.
    painter.drawLine(5, 15, 9, 9);
    painter.drawLine(5, 15, 11, 13);
    painter.drawLine(9, 9, 22, 0);
    painter.drawLine(11, 13, 26, 3);
    painter.drawLine(22, 0, 26, 3);
    painter.drawLine(9, 9, 11, 13);
    painter.drawPoint(6, 14);
}

void drawEraser(QPainter& painter) {
    // Working edge on the left, its middle at (1, 12).
    painter.drawRect(1, 6, 20, 12);
    painter.drawLine(6, 6, 6, 18);
    painter.drawLine(2, 7, 2, 17);
}

void drawCross(QPainter& painter) {
    // Hot spot (8, 8) left open so the pixel under it stays visible.
    painter.drawLine(0, 8, 6, 8);
    painter.drawLine(10, 8, 16, 8);
    painter.drawLine(8, 0, 8, 6);
    painter.drawLine(8, 10, 8, 16);
}

void drawFillCan(QPainter& painter) {
    // A tipped can pouring; the drop ends at (3, 14).
    const QPolygon can({QPoint(8, 6), QPoint(16, 0), QPoint(25, 9), QPoint(17, 16)});
    painter.drawPolygon(can);
    painter.drawLine(8, 6, 17, 16);
    painter.drawLine(8, 6, 4, 8);
    painter.drawLine(4, 8, 3, 14);
    painter.drawLine(4, 8, 4, 13);
    painter.drawArc(14, 2, 10, 6, 0, 180 * 16);
}

}  // namespace

QCursor cursorForMode(short mode) {
    switch (mode) {
        case kModePencil:
            return makeCursor(drawPencil, 5, 15);
        case kModeEraser:
            return makeCursor(drawEraser, 1, 12);
        case kModeFill:
            return makeCursor(drawFillCan, 3, 14);
        case kModeRectangle:
        case kModeEllipse:
        case kModeSelect:
        case kModeCopy:
        case kModeMove:
        case kModeText:
        case kModeLine:
            return makeCursor(drawCross, 8, 8);
        default:
            return QCursor(Qt::ArrowCursor);
    }
}

}  // namespace dotwerk
