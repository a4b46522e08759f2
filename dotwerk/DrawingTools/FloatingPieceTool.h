#pragma once

#include "dotwerk/DrawingTools/DrawingTool.h"

namespace dotwerk {

// Carries the floating piece of the copy, move and text modes: it follows
// the mouse, a left click drops it onto the picture (black pixels only) and
// a right click cancels it. Both end the mode.
class FloatingPieceTool final : public DrawingTool {
public:
    enum class Kind { Copy, Move, Text };

    FloatingPieceTool(ToolEnvironment& environment, Kind kind)
        : DrawingTool(environment), kind_(kind) {}

    bool dragsWithButton() const override { return false; }
    void hover(QPoint p) override;
    // Drops the piece.
    void begin(QPoint p) override;
    bool cancel(bool dragging) override;

    // Puts a moved piece back where it came from, or discards a copied piece
    // or a text, and ends the mode.
    void cancelPiece();

private:
    QPoint clampToPicture(QPoint p) const;
    void refreshPieceAt(QPoint topLeft, QSize size);

    Kind kind_;
};

}  // namespace dotwerk
