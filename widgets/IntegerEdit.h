#pragma once

#include <optional>

class QLineEdit;

// Reading a whole number from an edit, as dialogs do when they close or a
// page is left.
namespace widgets {

// The edit's number when it is an integer within minimum..maximum. Otherwise
// shows the range message over the edit's window, puts the focus into the
// edit with its text selected, and gives nothing.
std::optional<int> readIntegerInRange(QLineEdit& edit, int minimum, int maximum);

// The edit's number when it is an integer, without any message.
std::optional<int> integerIn(const QLineEdit& edit);

}  // namespace widgets
