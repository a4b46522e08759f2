#pragma once

#include "app/core/QtServices.h"

namespace app::qt {

// The Qt services of this library: the table the desktop program and the
// tests give to useQtServices, and glyphon-cli's module hands out.
const QtServices& linkedQtServices();

// Gives them to the program's core (useQtServices).
void useLinkedQtServices();

}  // namespace app::qt
