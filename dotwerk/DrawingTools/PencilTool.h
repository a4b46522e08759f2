#pragma once

#include "dotwerk/DotwerkPicture.h"
#include "dotwerk/DrawingTools/DrawingTool.h"

namespace dotwerk {

// Freehand drawing in black (pencil) or white (eraser) with the current pen.
class PencilTool final : public DrawingTool {
public:
    PencilTool(ToolEnvironment& environment, Ink ink) : DrawingTool(environment), ink_(ink) {}

    void begin(QPoint p) override;
    void draw(QPoint p) override;
    void end(QPoint p) override;

private:
    void strokeTo(QPoint p);

    Ink ink_;
    QPoint position_;
    QPoint previous_;
};

}  // namespace dotwerk
