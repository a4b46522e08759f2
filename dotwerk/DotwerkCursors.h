#pragma once

#include <QCursor>

namespace dotwerk {

// The cursor shown over the control in a mode: the arrow in mode 0, our own
// 32 x 32 one-bit images for the tools (pencil with its tip at (5, 15),
// eraser at (1, 12), cross at (8, 8) for the shapes, the selection and the
// floating pieces, fill can at (3, 14)).
QCursor cursorForMode(short mode);

}  // namespace dotwerk
