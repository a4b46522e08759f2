#pragma once

#include <QIcon>

namespace widgets {

// The program's icon, for its windows and the about box.
QIcon programIcon();

}  // namespace widgets
