#pragma once

#include <QRect>

#include "dotwerk/DotwerkPicture.h"
#include "dotwerk/DrawingTools/DrawingTool.h"

namespace dotwerk {

// A shape dragged out from the point where the button went down, shown as a
// rubber band: at every move the area of the previous shape comes back from
// the undo snapshot (taken at the press) and the shape is drawn anew.
class ShapeTool : public DrawingTool {
public:
    using DrawingTool::DrawingTool;

    void begin(QPoint p) override;
    void draw(QPoint p) override;
    void end(QPoint p) override;
    // The right button takes the shape away again and ends the drag; the undo
    // snapshot and the modified flag stay.
    bool cancel(bool dragging) override;

protected:
    // The rectangle (by two corners) that the shape for `current` covers,
    // before the pen's width is added.
    virtual QRect bounds(QPoint start, QPoint current) const = 0;
    virtual void drawShape(DotwerkPicture& picture, QPoint start, QPoint current,
                           int penWidth) const = 0;

private:
    void moveTo(QPoint p);
    void restoreUnder(QPoint current);

    QPoint start_;
    QPoint previous_{-1, -1};
    bool hasPrevious_ = false;
};

class RectangleTool final : public ShapeTool {
public:
    using ShapeTool::ShapeTool;

protected:
    QRect bounds(QPoint start, QPoint current) const override;
    void drawShape(DotwerkPicture& picture, QPoint start, QPoint current,
                   int penWidth) const override;
};

// The start point is the ellipse's centre; the current point sets its radii.
class EllipseTool final : public ShapeTool {
public:
    using ShapeTool::ShapeTool;

protected:
    QRect bounds(QPoint start, QPoint current) const override;
    void drawShape(DotwerkPicture& picture, QPoint start, QPoint current,
                   int penWidth) const override;
};

class LineTool final : public ShapeTool {
public:
    using ShapeTool::ShapeTool;

protected:
    QRect bounds(QPoint start, QPoint current) const override;
    void drawShape(DotwerkPicture& picture, QPoint start, QPoint current,
                   int penWidth) const override;
};

}  // namespace dotwerk
