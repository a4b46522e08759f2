#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "codec/PictureFormats.h"

// The format table as the dialogs show it.
namespace widgets {

// A format's name as the dialogs show it ("WBMP").
QString formatLabel(codec::FormatCode code);

// The name filters of a file dialog: "description (pattern pattern ...)".
QStringList filterTexts(const std::vector<codec::FileFilter>& filters);

}  // namespace widgets
