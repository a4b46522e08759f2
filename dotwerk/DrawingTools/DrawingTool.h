#pragma once

#include <QPoint>
#include <QSize>

namespace dotwerk {

class ToolEnvironment;

// One tool of the editor, with the life cycle of a mouse gesture: begin at
// the left button's press, draw at each move while it is held, end at its
// release, cancel at a right button release. Tools that work without holding
// the button (the floating piece) also see every move through hover.
class DrawingTool {
public:
    explicit DrawingTool(ToolEnvironment& environment) : env_(environment) {}
    virtual ~DrawingTool() = default;
    DrawingTool(const DrawingTool&) = delete;
    DrawingTool& operator=(const DrawingTool&) = delete;

    // Whether the gesture lasts from press to release (draw and end follow).
    virtual bool dragsWithButton() const { return true; }
    virtual void begin(QPoint p) = 0;
    virtual void draw(QPoint) {}
    virtual void end(QPoint) {}
    // Right button released; `dragging` tells whether a gesture is under way.
    // Returns true when that gesture is over.
    virtual bool cancel(bool /*dragging*/) { return false; }
    virtual void hover(QPoint) {}

protected:
    ToolEnvironment& env_;
};

}  // namespace dotwerk
