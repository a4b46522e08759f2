#include "dotwerk/DrawingTools/SelectionTool.h"

#include "dotwerk/DrawingTools/ToolEnvironment.h"

namespace dotwerk {

void SelectionTool::begin(QPoint p) {
    env_.setSelection(QRect(), false);
    // The start is a pixel corner like the end point, so a selection never
    // reaches outside the picture.
    const auto& picture = env_.picture();
    start_ = clampPoint(p, picture.width(), picture.height());
}

void SelectionTool::draw(QPoint p) {
    stretchTo(p);
}

void SelectionTool::end(QPoint p) {
    stretchTo(p);
}

void SelectionTool::stretchTo(QPoint p) {
    const auto& picture = env_.picture();
    const QPoint q = clampPoint(p, picture.width(), picture.height());
    if (q == start_) {
        env_.setSelection(QRect(), false);
        return;
    }
    const QPoint topLeft(std::min(start_.x(), q.x()), std::min(start_.y(), q.y()));
    const QPoint bottomRight(std::max(start_.x(), q.x()), std::max(start_.y(), q.y()));
    // Right and bottom are excluded: the piece taken later is right - left
    // pixels wide and bottom - top high.
    env_.setSelection(
        QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())), true);
}

}  // namespace dotwerk
