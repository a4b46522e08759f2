#include "dotwerk/DrawingTools/FloatingPieceTool.h"

#include "dotwerk/DrawingTools/ToolEnvironment.h"

namespace dotwerk {

QPoint FloatingPieceTool::clampToPicture(QPoint p) const {
    auto& picture = env_.picture();
    return clampPoint(p, picture.width() - 1, picture.height() - 1);
}

void FloatingPieceTool::refreshPieceAt(QPoint topLeft, QSize size) {
    env_.refresh(topLeft, topLeft + QPoint(size.width(), size.height()));
}

void FloatingPieceTool::hover(QPoint p) {
    FloatingPiece* piece = env_.floatingPiece();
    if (piece == nullptr)
        return;
    const QPoint at = clampToPicture(p);
    const QSize size(piece->pixels.width(), piece->pixels.height());
    if (piece->position)
        refreshPieceAt(*piece->position, size);
    piece->position = at;
    refreshPieceAt(at, size);
}

void FloatingPieceTool::begin(QPoint p) {
    FloatingPiece* piece = env_.floatingPiece();
    if (piece == nullptr)
        return;
    // A move began its change when the piece was lifted.
    if (kind_ != Kind::Move)
        env_.beginChange();
    const QPoint at = clampToPicture(p);
    const QSize size(piece->pixels.width(), piece->pixels.height());
    if (piece->position)
        refreshPieceAt(*piece->position, size);
    env_.picture().andPiece(piece->pixels, at);
    refreshPieceAt(at, size);
    env_.endFloatingPiece();
}

bool FloatingPieceTool::cancel(bool) {
    cancelPiece();
    return false;
}

void FloatingPieceTool::cancelPiece() {
    FloatingPiece* piece = env_.floatingPiece();
    if (piece == nullptr)
        return;
    const QSize size(piece->pixels.width(), piece->pixels.height());
    if (piece->position)
        refreshPieceAt(*piece->position, size);
    if (kind_ == Kind::Move) {
        env_.picture().copyPiece(piece->pixels, piece->origin);
        refreshPieceAt(piece->origin, size);
    }
    env_.endFloatingPiece();
}

}  // namespace dotwerk
