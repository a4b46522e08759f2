#include "dotwerk/DrawingTools/PencilTool.h"

#include "dotwerk/DrawingTools/ToolEnvironment.h"

namespace dotwerk {

void PencilTool::begin(QPoint p) {
    env_.beginChange();
    position_ = p;
    previous_ = p;
    env_.picture().drawDot(p, env_.penWidth(), ink_);
    env_.refresh(p, p);
}

void PencilTool::draw(QPoint p) {
    const auto& picture = env_.picture();
    p = clampPoint(p, picture.width() - 1, picture.height() - 1);
    if (p == previous_)
        return;
    strokeTo(p);
}

void PencilTool::end(QPoint p) {
    const auto& picture = env_.picture();
    strokeTo(clampPoint(p, picture.width() - 1, picture.height() - 1));
}

void PencilTool::strokeTo(QPoint p) {
    env_.picture().drawStroke(position_, p, env_.penWidth(), ink_);
    env_.refresh(previous_, p);
    position_ = p;
    previous_ = p;
}

}  // namespace dotwerk
