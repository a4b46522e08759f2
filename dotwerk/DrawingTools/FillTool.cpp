#include "dotwerk/DrawingTools/FillTool.h"

#include "dotwerk/DrawingTools/ToolEnvironment.h"

namespace dotwerk {

void FillTool::begin(QPoint p) {
    env_.beginChange();
    env_.picture().floodFill(p, Ink::Black);
    env_.repaintAll();
}

}  // namespace dotwerk
