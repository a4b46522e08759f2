#pragma once

#include <QIcon>

// The program's own icons, drawn in code: the program icon and one small
// picture per toolbar command.
namespace app::ui {

QIcon programIcon();
// The toolbar picture of a command; a null icon for commands without one.
QIcon commandIcon(int commandId);

}  // namespace app::ui
