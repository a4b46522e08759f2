#include "dotwerk/DrawingTools/ShapeTool.h"

#include <cstdlib>

#include "dotwerk/DrawingTools/ToolEnvironment.h"

namespace dotwerk {
namespace {

// Enough room around a shape's corners for the widest pen.
constexpr int kPenMargin = 3;

QRect cornersRect(QPoint a, QPoint b) {
    return QRect(a, b).normalized();
}

}  // namespace

void ShapeTool::begin(QPoint p) {
    hasPrevious_ = false;
    previous_ = QPoint(-1, -1);
    env_.beginChange();
    start_ = p;
}

void ShapeTool::draw(QPoint p) {
    const auto& picture = env_.picture();
    p = clampPoint(p, picture.width(), picture.height());
    if (hasPrevious_ && p == previous_)
        return;
    moveTo(p);
}

void ShapeTool::end(QPoint p) {
    const auto& picture = env_.picture();
    moveTo(clampPoint(p, picture.width(), picture.height()));
    hasPrevious_ = false;
}

bool ShapeTool::cancel(bool dragging) {
    if (!dragging)
        return false;
    // The shape for the start point itself is nothing, so this only restores.
    moveTo(start_);
    hasPrevious_ = false;
    return true;
}

void ShapeTool::moveTo(QPoint p) {
    if (hasPrevious_)
        restoreUnder(previous_);
    drawShape(env_.picture(), start_, p, env_.penWidth());
    const QRect now = bounds(start_, p);
    env_.refresh(now.topLeft(), now.bottomRight());
    previous_ = p;
    hasPrevious_ = true;
}

void ShapeTool::restoreUnder(QPoint current) {
    const QRect area =
        bounds(start_, current).adjusted(-kPenMargin, -kPenMargin, kPenMargin, kPenMargin);
    env_.picture().copyArea(env_.snapshot(), area);
    env_.refresh(area.topLeft(), area.bottomRight());
}

QRect RectangleTool::bounds(QPoint start, QPoint current) const {
    return cornersRect(start, current);
}

void RectangleTool::drawShape(DotwerkPicture& picture, QPoint start, QPoint current,
                              int penWidth) const {
    picture.drawRectangleOutline(start, current, penWidth, Ink::Black);
}

QRect EllipseTool::bounds(QPoint start, QPoint current) const {
    const QPoint radii(std::abs(current.x() - start.x()), std::abs(current.y() - start.y()));
    return cornersRect(start - radii, start + radii);
}

void EllipseTool::drawShape(DotwerkPicture& picture, QPoint start, QPoint current,
                            int penWidth) const {
    picture.drawEllipseOutline(start, current.x() - start.x(), current.y() - start.y(), penWidth,
                               Ink::Black);
}

QRect LineTool::bounds(QPoint start, QPoint current) const {
    return cornersRect(start, current);
}

void LineTool::drawShape(DotwerkPicture& picture, QPoint start, QPoint current,
                         int penWidth) const {
    picture.drawFlatLine(start, current, penWidth, Ink::Black);
}

}  // namespace dotwerk
