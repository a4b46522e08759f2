#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace qt_test {

// The control of that object name inside `parent`; a test that names a
// control the window does not have fails loudly instead of crashing.
template <typename T>
T& child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromUtf8(name));
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

}  // namespace qt_test
