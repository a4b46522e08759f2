#pragma once

#include "dotwerk/DrawingTools/DrawingTool.h"

namespace dotwerk {

// Drags out the rectangle that copying and moving work on. The marquee is
// shown over the picture, never drawn into it.
class SelectionTool final : public DrawingTool {
public:
    using DrawingTool::DrawingTool;

    void begin(QPoint p) override;
    void draw(QPoint p) override;
    void end(QPoint p) override;

private:
    void stretchTo(QPoint p);

    QPoint start_;
};

}  // namespace dotwerk
