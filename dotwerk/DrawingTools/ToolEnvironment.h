#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <optional>

#include "dotwerk/DotwerkPicture.h"

namespace dotwerk {

// A piece taken from the picture (or made from a text) that follows the
// mouse until it is dropped or cancelled.
struct FloatingPiece {
    DotwerkPicture pixels;
    // Where it was taken from; a moved piece goes back there when cancelled.
    QPoint origin;
    // Where its top-left corner is shown; none until the mouse first moves.
    std::optional<QPoint> position;
};

// What the drawing tools see of the editor: the picture, its undo snapshot,
// the pen, the selection and the floating piece. All points and rectangles are
// in picture pixels.
class ToolEnvironment {
public:
    virtual DotwerkPicture& picture() = 0;
    virtual const DotwerkPicture& snapshot() const = 0;
    // Takes the undo snapshot, sets the modified flag and tells the host.
    virtual void beginChange() = 0;
    // Repaints the rectangle with the corners a and b, with a margin.
    virtual void refresh(QPoint a, QPoint b) = 0;
    virtual void repaintAll() = 0;
    virtual int penWidth() const = 0;

    // The selection, right and bottom excluded; empty for none.
    virtual QRect selection() const = 0;
    virtual void setSelection(const QRect& selection, bool showMarquee) = 0;

    virtual FloatingPiece* floatingPiece() = 0;
    // Forgets the piece and the selection and returns to mode 0.
    virtual void endFloatingPiece() = 0;

protected:
    ~ToolEnvironment() = default;
};

// Keeps p inside 0..maxX and 0..maxY.
inline QPoint clampPoint(QPoint p, int maxX, int maxY) {
    return {std::clamp(p.x(), 0, std::max(0, maxX)), std::clamp(p.y(), 0, std::max(0, maxY))};
}

}  // namespace dotwerk
