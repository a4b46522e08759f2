// The program's icon: a phone with a one-bit picture on its display, drawn
// in code in the style of the toolbar pictures.
#include "widgets/ProgramIcon.h"

#include <QPainter>

#include "dotwerk/ToolIcons.h"

namespace widgets {

QIcon programIcon() {
    return dotwerk::icons::render([](QPainter& p) {
        p.setPen(dotwerk::icons::pen(dotwerk::icons::kInk));
        p.setBrush(QColor(96, 96, 96));
        p.drawRoundedRect(QRectF(3.5, 0.5, 9, 15), 2, 2);
        p.setBrush(QColor(200, 220, 170));
        p.drawRect(QRectF(5, 2.5, 6, 6));
        p.setPen(dotwerk::icons::pen(dotwerk::icons::kInk, 1));
        p.drawLine(QPointF(6, 4), QPointF(7, 7));
        p.drawLine(QPointF(7, 7), QPointF(8, 5));
        p.drawLine(QPointF(8, 5), QPointF(9, 7));
        p.drawLine(QPointF(9, 7), QPointF(10, 4));
    });
}

}  // namespace widgets
