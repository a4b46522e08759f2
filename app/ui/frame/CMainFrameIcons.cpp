// Toolbar pictures drawn with QPainter on a 16 x 16 grid and rendered at
// 16 and 32 pixels, so they stay sharp on high-density screens.
#include "app/ui/frame/CMainFrameIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

#include "app/ui/frame/CommandIds.h"

namespace app::ui {
namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 255);
const QColor kAccent(40, 96, 176);
const QColor kWarm(208, 148, 40);

QIcon render(const Drawing& draw, int gridWidth = 16, int gridHeight = 16) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(gridWidth * scale, gridHeight * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen pen(const QColor& colour, qreal width = 1.0) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(pen(kInk));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(pen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(pen(kInk, 2.5));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
    p.setPen(pen(kAccent, 1.5));
    p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
    if (plus)
        p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
}

void pencil(QPainter& p) {
    p.setPen(pen(kInk));
    p.setBrush(kWarm);
    QPolygonF body;
    body << QPointF(11, 1.5) << QPointF(14.5, 5) << QPointF(5, 14.5) << QPointF(1.5, 14.5)
         << QPointF(1.5, 11);
    p.drawPolygon(body);
    p.drawLine(QPointF(1.5, 11), QPointF(5, 14.5));
}

void lineOfWidth(QPainter& p, qreal width) {
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(2, 8), QPointF(14, 8));
}

void selection(QPainter& p) {
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 10, 10));
}

Drawing drawingFor(int id) {
    switch (id) {
        case ID_FILE_NEW:
            return [](QPainter& p) { page(p, QRectF(3.5, 1.5, 9, 13)); };
        case ID_FILE_OPEN:
        case ID_FILE_OPEN_PICTURE:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(kWarm);
                QPolygonF folder;
                folder << QPointF(1.5, 3.5) << QPointF(6, 3.5) << QPointF(7.5, 5)
                       << QPointF(13.5, 5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
                p.drawPolygon(folder);
                p.setBrush(kWarm.lighter(130));
                QPolygonF flap;
                flap << QPointF(3.5, 7.5) << QPointF(15, 7.5) << QPointF(13.5, 13.5)
                     << QPointF(1.5, 13.5);
                p.drawPolygon(flap);
            };
        case ID_FILE_SAVE:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(kAccent);
                p.drawRect(QRectF(1.5, 1.5, 13, 13));
                p.setBrush(kPaper);
                p.drawRect(QRectF(4, 1.5, 8, 5));
                p.drawRect(QRectF(3.5, 9, 9, 5.5));
            };
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
        case ID_EDIT_UNDO:
            return [](QPainter& p) {
                p.setPen(pen(kAccent, 2));
                p.setBrush(Qt::NoBrush);
                QPainterPath arc;
                arc.moveTo(4, 7);
                arc.cubicTo(QPointF(8, 2), QPointF(15, 5), QPointF(12, 13));
                p.drawPath(arc);
                p.setBrush(kAccent);
                p.setPen(Qt::NoPen);
                QPolygonF head;
                head << QPointF(1, 8) << QPointF(6.5, 3.5) << QPointF(7, 9.5);
                p.drawPolygon(head);
            };
        case ID_ZOOM_IN:
            return [](QPainter& p) { magnifier(p, true); };
        case ID_ZOOM_OUT:
            return [](QPainter& p) { magnifier(p, false); };
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
                pencil(p);
            };
        case ID_DRAW_GRID:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                for (int i = 0; i <= 4; ++i) {
                    const qreal at = 1.5 + i * 3.25;
                    p.drawLine(QPointF(at, 1.5), QPointF(at, 14.5));
                    p.drawLine(QPointF(1.5, at), QPointF(14.5, at));
                }
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
        case ID_DRAW_CLEAR:
            return [](QPainter& p) {
                page(p, QRectF(2.5, 1.5, 10, 13));
                p.setPen(pen(Qt::red, 1.5));
                p.drawLine(QPointF(4, 12), QPointF(11, 5));
            };
        case ID_DRAW_INVERT:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(kInk);
                p.drawRect(QRectF(1.5, 1.5, 6.5, 13));
                p.setBrush(kPaper);
                p.drawRect(QRectF(8, 1.5, 6.5, 13));
                p.setBrush(kPaper);
                p.drawEllipse(QPointF(4.75, 8), 2, 2);
                p.setBrush(kInk);
                p.drawEllipse(QPointF(11.25, 8), 2, 2);
            };
        case ID_DRAW_PENCIL:
            return pencil;
        case ID_DRAW_ERASER:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(QColor(236, 160, 170));
                QPolygonF block;
                block << QPointF(9, 2) << QPointF(14.5, 7.5) << QPointF(7.5, 14.5) << QPointF(2, 9);
                p.drawPolygon(block);
                p.drawLine(QPointF(5.5, 5.5), QPointF(11, 11));
            };
        case ID_DRAW_LINE:
            return [](QPainter& p) {
                p.setPen(pen(kInk, 1.5));
                p.drawLine(QPointF(2, 14), QPointF(14, 2));
            };
        case ID_DRAW_RECTANGLE:
            return [](QPainter& p) {
                p.setPen(pen(kInk, 1.2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(1.5, 3.5, 13, 9));
            };
        case ID_DRAW_ELLIPSE:
            return [](QPainter& p) {
                p.setPen(pen(kInk, 1.2));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
            };
        case ID_DRAW_FILL:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(kPaper);
                QPolygonF bucket;
                bucket << QPointF(2, 7) << QPointF(7, 2) << QPointF(13, 8) << QPointF(8, 13);
                p.drawPolygon(bucket);
                p.setPen(Qt::NoPen);
                p.setBrush(kInk);
                p.drawEllipse(QPointF(13.5, 12.5), 1.5, 2.5);
            };
        case ID_DRAW_TEXT:
            return [](QPainter& p) {
                QFont font = p.font();
                font.setPixelSize(14);
                font.setBold(true);
                p.setFont(font);
                p.setPen(kInk);
                p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
            };
        case ID_DRAW_SELECT:
            return selection;
        case ID_DRAW_COPY_SELECTION:
            return [](QPainter& p) {
                selection(p);
                p.setPen(pen(kInk));
                p.setBrush(kPaper);
                p.drawRect(QRectF(7.5, 7.5, 7, 7));
            };
        case ID_DRAW_MOVE:
            return [](QPainter& p) {
                p.setPen(pen(kInk, 1.2));
                p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
                p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
                for (const QPointF& tip : {QPointF(8, 1.5), QPointF(8, 14.5)}) {
                    const qreal d = tip.y() < 8 ? 2 : -2;
                    p.drawLine(tip, tip + QPointF(-2, d));
                    p.drawLine(tip, tip + QPointF(2, d));
                }
                for (const QPointF& tip : {QPointF(1.5, 8), QPointF(14.5, 8)}) {
                    const qreal d = tip.x() < 8 ? 2 : -2;
                    p.drawLine(tip, tip + QPointF(d, -2));
                    p.drawLine(tip, tip + QPointF(d, 2));
                }
            };
        case ID_DRAW_LINE_WIDTH_1:
            return [](QPainter& p) { lineOfWidth(p, 1); };
        case ID_DRAW_LINE_WIDTH_2:
            return [](QPainter& p) { lineOfWidth(p, 2.5); };
        case ID_DRAW_LINE_WIDTH_3:
            return [](QPainter& p) { lineOfWidth(p, 4); };
        default:
            return {};
    }
}

// The link toolbar's wide buttons carry a short label.
QIcon linkIcon(const QString& label) {
    return render(
        [label](QPainter& p) {
            p.setPen(pen(kAccent));
            p.setBrush(kPaper);
            p.drawRoundedRect(QRectF(0.5, 0.5, 51, 20), 3, 3);
            QFont font = p.font();
            font.setPixelSize(10);
            font.setBold(true);
            p.setFont(font);
            p.drawText(QRectF(0, 0, 52, 21), Qt::AlignCenter, label);
        },
        52, 21);
}

}  // namespace

QIcon programIcon() {
    return render([](QPainter& p) {
        p.setPen(pen(kInk));
        p.setBrush(QColor(96, 96, 96));
        p.drawRoundedRect(QRectF(3.5, 0.5, 9, 15), 2, 2);
        p.setBrush(QColor(200, 220, 170));
        p.drawRect(QRectF(5, 2.5, 6, 6));
        p.setPen(pen(kInk, 1));
        p.drawLine(QPointF(6, 4), QPointF(7, 7));
        p.drawLine(QPointF(7, 7), QPointF(8, 5));
        p.drawLine(QPointF(8, 5), QPointF(9, 7));
        p.drawLine(QPointF(9, 7), QPointF(10, 4));
    });
}

QIcon commandIcon(int commandId) {
    if (commandId == ID_LINK_WEB_SITE)
        return linkIcon(QStringLiteral("www"));
    if (commandId == ID_LINK_DOWNLOAD)
        return linkIcon(QStringLiteral("download"));
    const Drawing drawing = drawingFor(commandId);
    return drawing ? render(drawing) : QIcon();
}

}  // namespace app::ui
