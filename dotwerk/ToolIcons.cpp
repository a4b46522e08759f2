#include "dotwerk/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace dotwerk::icons {
namespace {

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

void floppy(QPainter& p) {
    p.setPen(pen(kInk));
    p.setBrush(kAccent);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.drawRect(QRectF(3.5, 9, 9, 5.5));
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

void letter(QPainter& p, const QString& text, int pixelSize, const QColor& colour) {
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

Drawing drawingFor(Icon which) {
    switch (which) {
        case Icon::open:
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
        case Icon::save:
            return floppy;
        case Icon::saveAs:
            return [](QPainter& p) {
                floppy(p);
                p.scale(0.55, 0.55);
                p.translate(13, 13);
                pencil(p);
            };
        case Icon::undo:
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
        case Icon::zoomIn:
            return [](QPainter& p) { magnifier(p, true); };
        case Icon::zoomOut:
            return [](QPainter& p) { magnifier(p, false); };
        case Icon::grid:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                for (int i = 0; i <= 4; ++i) {
                    const qreal at = 1.5 + i * 3.25;
                    p.drawLine(QPointF(at, 1.5), QPointF(at, 14.5));
                    p.drawLine(QPointF(1.5, at), QPointF(14.5, at));
                }
            };
        case Icon::clear:
            return [](QPainter& p) {
                page(p, QRectF(2.5, 1.5, 10, 13));
                p.setPen(pen(Qt::red, 1.5));
                p.drawLine(QPointF(4, 12), QPointF(11, 5));
            };
        case Icon::invert:
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
        case Icon::arrow:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(kPaper);
                QPolygonF cursor;
                cursor << QPointF(4, 1.5) << QPointF(4, 13) << QPointF(6.8, 10.4)
                       << QPointF(8.8, 14.5) << QPointF(10.6, 13.6) << QPointF(8.6, 9.6)
                       << QPointF(12.3, 9.6);
                p.drawPolygon(cursor);
            };
        case Icon::pencil:
            return pencil;
        case Icon::eraser:
            return [](QPainter& p) {
                p.setPen(pen(kInk));
                p.setBrush(QColor(236, 160, 170));
                QPolygonF block;
                block << QPointF(9, 2) << QPointF(14.5, 7.5) << QPointF(7.5, 14.5) << QPointF(2, 9);
                p.drawPolygon(block);
                p.drawLine(QPointF(5.5, 5.5), QPointF(11, 11));
            };
        case Icon::line:
            return [](QPainter& p) {
                p.setPen(pen(kInk, 1.5));
                p.drawLine(QPointF(2, 14), QPointF(14, 2));
            };
        case Icon::rectangle:
            return [](QPainter& p) {
                p.setPen(pen(kInk, 1.2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(1.5, 3.5, 13, 9));
            };
        case Icon::ellipse:
            return [](QPainter& p) {
                p.setPen(pen(kInk, 1.2));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
            };
        case Icon::fill:
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
        case Icon::text:
            return [](QPainter& p) { letter(p, QStringLiteral("A"), 14, kInk); };
        case Icon::select:
            return selection;
        case Icon::copySelection:
            return [](QPainter& p) {
                selection(p);
                p.setPen(pen(kInk));
                p.setBrush(kPaper);
                p.drawRect(QRectF(7.5, 7.5, 7, 7));
            };
        case Icon::move:
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
        case Icon::lineWidth1:
            return [](QPainter& p) { lineOfWidth(p, 1); };
        case Icon::lineWidth2:
            return [](QPainter& p) { lineOfWidth(p, 2.5); };
        case Icon::lineWidth3:
            return [](QPainter& p) { lineOfWidth(p, 4); };
    }
    return {};
}

}  // namespace

QIcon render(const Drawing& draw, int gridWidth, int gridHeight) {
    QIcon result;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(gridWidth * scale, gridHeight * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        result.addPixmap(pixmap);
    }
    return result;
}

QPen pen(const QColor& colour, qreal width) {
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

void pencil(QPainter& p) {
    p.setPen(pen(kInk));
    p.setBrush(kWarm);
    QPolygonF body;
    body << QPointF(11, 1.5) << QPointF(14.5, 5) << QPointF(5, 14.5) << QPointF(1.5, 14.5)
         << QPointF(1.5, 11);
    p.drawPolygon(body);
    p.drawLine(QPointF(1.5, 11), QPointF(5, 14.5));
}

QIcon icon(Icon which) {
    return render(drawingFor(which));
}

QIcon labelIcon(const QString& label, int gridWidth, int gridHeight) {
    return render(
        [label, gridWidth, gridHeight](QPainter& p) {
            p.setPen(pen(kAccent));
            p.setBrush(kPaper);
            p.drawRoundedRect(QRectF(0.5, 0.5, gridWidth - 1, gridHeight - 1), 3, 3);
            QFont font = p.font();
            font.setPixelSize(std::min(10, gridHeight - 6));
            font.setBold(true);
            p.setFont(font);
            p.drawText(QRectF(0, 0, gridWidth, gridHeight), Qt::AlignCenter, label);
        },
        gridWidth, gridHeight);
}

}  // namespace dotwerk::icons
