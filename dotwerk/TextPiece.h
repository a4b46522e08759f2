#pragma once

#include <QFont>
#include <QString>

#include "dotwerk/DotwerkPicture.h"

namespace dotwerk {

// The text drawn black on white with the font, as a piece as large as the
// text's extent (advance width by line height); null for an empty text.
DotwerkPicture renderTextPiece(const QString& text, const QFont& font);

}  // namespace dotwerk
