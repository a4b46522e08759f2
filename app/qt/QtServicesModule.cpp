// The entry of libglyphon-qt.so, the module glyphon-cli loads when it first
// needs the settings store or Qt's text rules.
#include "app/qt/LinkedQtServices.h"

extern "C" __attribute__((visibility("default"))) const app::QtServices* glyphon_qt_services() {
    return &app::qt::linkedQtServices();
}
