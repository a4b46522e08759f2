#pragma once

#include <QIcon>

// The toolbar pictures, drawn in code: one small picture per command.
namespace app::ui {

// The toolbar picture of a command; a null icon for commands without one.
QIcon commandIcon(int commandId);

}  // namespace app::ui
