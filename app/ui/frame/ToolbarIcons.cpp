// Toolbar pictures drawn with QPainter on a 16 x 16 grid in the style of
// the editor's own, which the drawing commands show.
#include "app/ui/frame/ToolbarIcons.h"

#include <QPainter>

#include <optional>

#include "app/ui/frame/CommandIds.h"
#include "dotwerk/ToolIcons.h"

namespace app::ui {
namespace {

using dotwerk::icons::Drawing;
using dotwerk::icons::Icon;
using dotwerk::icons::kAccent;
using dotwerk::icons::kInk;
using dotwerk::icons::kPaper;
using dotwerk::icons::kWarm;
using dotwerk::icons::page;
using dotwerk::icons::pen;
using dotwerk::icons::render;

// The commands whose pictures are the editor's own.
std::optional<Icon> editorIconFor(int id) {
    switch (id) {
        case ID_FILE_OPEN:
        case ID_FILE_OPEN_PICTURE:
            return Icon::open;
        case ID_FILE_SAVE:
            return Icon::save;
        case ID_EDIT_UNDO:
            return Icon::undo;
        case ID_ZOOM_IN:
            return Icon::zoomIn;
        case ID_ZOOM_OUT:
            return Icon::zoomOut;
        case ID_DRAW_GRID:
            return Icon::grid;
        case ID_DRAW_CLEAR:
            return Icon::clear;
        case ID_DRAW_INVERT:
            return Icon::invert;
        case ID_DRAW_PENCIL:
            return Icon::pencil;
        case ID_DRAW_ERASER:
            return Icon::eraser;
        case ID_DRAW_LINE:
            return Icon::line;
        case ID_DRAW_RECTANGLE:
            return Icon::rectangle;
        case ID_DRAW_ELLIPSE:
            return Icon::ellipse;
        case ID_DRAW_FILL:
            return Icon::fill;
        case ID_DRAW_TEXT:
            return Icon::text;
        case ID_DRAW_SELECT:
            return Icon::select;
        case ID_DRAW_COPY_SELECTION:
            return Icon::copySelection;
        case ID_DRAW_MOVE:
            return Icon::move;
        case ID_DRAW_LINE_WIDTH_1:
            return Icon::lineWidth1;
        case ID_DRAW_LINE_WIDTH_2:
            return Icon::lineWidth2;
        case ID_DRAW_LINE_WIDTH_3:
            return Icon::lineWidth3;
        default:
            return std::nullopt;
    }
}

// The program's own pictures.
Drawing drawingFor(int id) {
    switch (id) {
        case ID_FILE_NEW:
            return [](QPainter& p) { page(p, QRectF(3.5, 1.5, 9, 13)); };
        case ID_EDIT_CUT:
            return [](QPainter& p) {
                p.setPen(pen(kInk, 1.2));
                p.drawLine(QPointF(4, 1.5), QPointF(10.5, 10));
                p.drawLine(QPointF(12, 1.5), QPointF(5.5, 10));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
                p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
            };
        case ID_EDIT_COPY:
            return [](QPainter& p) {
                page(p, QRectF(1.5, 1.5, 8, 10));
                page(p, QRectF(6.5, 4.5, 8, 10));
            };
        case ID_EDIT_PASTE:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(kWarm);
                p.drawRect(QRectF(2.5, 2.5, 10, 12));
                p.setBrush(kInk);
                p.drawRect(QRectF(5, 1, 5, 3));
                page(p, QRectF(7.5, 6.5, 7, 8));
            };
        case ID_CONVERT_BW:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(kPaper);
                p.drawRect(QRectF(1.5, 1.5, 13, 13));
                p.setBrush(kInk);
                QPolygonF dark;
                dark << QPointF(1.5, 1.5) << QPointF(14.5, 1.5) << QPointF(1.5, 14.5);
                p.drawPolygon(dark);
            };
        case ID_DRAW_EDITING:
            return [](QPainter& p) {
                page(p, QRectF(1.5, 1.5, 10, 13));
                p.scale(0.7, 0.7);
                p.translate(7, 7);
                dotwerk::icons::pencil(p);
            };
        case ID_BATCH:
            return [](QPainter& p) {
                page(p, QRectF(1.5, 1.5, 8, 10));
                page(p, QRectF(4, 3, 8, 10));
                page(p, QRectF(6.5, 4.5, 8, 10));
            };
        case ID_DOWNLOAD:
            return [](QPainter& p) {
                p.setPen(pen(kAccent));
                p.setBrush(kPaper);
                p.drawEllipse(QPointF(8, 7), 6.5, 6.5);
                p.drawLine(QPointF(1.5, 7), QPointF(14.5, 7));
                p.drawEllipse(QPointF(8, 7), 3, 6.5);
                p.setPen(Qt::NoPen);
                p.setBrush(kInk);
                QPolygonF arrow;
                arrow << QPointF(6.5, 8) << QPointF(9.5, 8) << QPointF(9.5, 11) << QPointF(12, 11)
                      << QPointF(8, 15.5) << QPointF(4, 11) << QPointF(6.5, 11);
                p.drawPolygon(arrow);
            };
        case ID_SPLIT:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(kPaper);
                p.drawRect(QRectF(1.5, 1.5, 5.5, 5.5));
                p.drawRect(QRectF(9, 1.5, 5.5, 5.5));
                p.drawRect(QRectF(1.5, 9, 5.5, 5.5));
                p.drawRect(QRectF(9, 9, 5.5, 5.5));
            };
        case ID_APP_ABOUT:
            return [](QPainter& p) {
                p.setPen(pen(kAccent));
                p.setBrush(kPaper);
                p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
                QFont font = p.font();
                font.setPixelSize(11);
                font.setBold(true);
                p.setFont(font);
                p.setPen(kAccent);
                p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
            };
        default:
            return {};
    }
}

}  // namespace

QIcon commandIcon(int commandId) {
    // The link toolbar's wide buttons carry a short label.
    if (commandId == ID_LINK_WEB_SITE)
        return dotwerk::icons::labelIcon(QStringLiteral("www"), 52, 21);
    if (commandId == ID_LINK_DOWNLOAD)
        return dotwerk::icons::labelIcon(QStringLiteral("download"), 52, 21);
    if (const auto editorIcon = editorIconFor(commandId))
        return dotwerk::icons::icon(*editorIcon);
    const Drawing drawing = drawingFor(commandId);
    return drawing ? render(drawing) : QIcon();
}

}  // namespace app::ui
