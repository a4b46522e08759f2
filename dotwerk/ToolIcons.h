#pragma once

#include <QColor>
#include <QIcon>
#include <QPen>

#include <functional>

class QPainter;
class QRectF;

// The editor's toolbar pictures, drawn in code on a 16 x 16 grid and
// rendered at 16 and 32 pixels, so they stay sharp on high-density screens.
// Hosts show them on their drawing toolbars; the painting helpers let a host
// draw its own pictures in the same style.
namespace dotwerk::icons {

enum class Icon {
    open,
    save,
    saveAs,
    undo,
    zoomIn,
    zoomOut,
    grid,
    clear,
    invert,
    arrow,
    pencil,
    eraser,
    line,
    rectangle,
    ellipse,
    fill,
    text,
    select,
    copySelection,
    move,
    lineWidth1,
    lineWidth2,
    lineWidth3,
};

QIcon icon(Icon which);

// A picture a short label fills (a language, a link).
QIcon labelIcon(const QString& label, int gridWidth = 16, int gridHeight = 16);

// The painting helpers behind them.
using Drawing = std::function<void(QPainter&)>;
QIcon render(const Drawing& draw, int gridWidth = 16, int gridHeight = 16);
QPen pen(const QColor& colour, qreal width = 1.0);
// A sheet of paper with a folded corner.
void page(QPainter& painter, const QRectF& area);
// The pencil, on the whole 16 x 16 grid.
void pencil(QPainter& painter);

inline const QColor kInk(32, 32, 32);
inline const QColor kPaper(255, 255, 255);
inline const QColor kAccent(40, 96, 176);
inline const QColor kWarm(208, 148, 40);

}  // namespace dotwerk::icons
