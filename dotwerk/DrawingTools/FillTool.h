#pragma once

#include "dotwerk/DrawingTools/DrawingTool.h"

namespace dotwerk {

// Fills the white area around the clicked pixel with black.
class FillTool final : public DrawingTool {
public:
    using DrawingTool::DrawingTool;

    bool dragsWithButton() const override { return false; }
    void begin(QPoint p) override;
};

}  // namespace dotwerk
