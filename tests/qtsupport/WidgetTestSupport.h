#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "widgets/MessageBoxes.h"

// Helpers of the batch dialogs' tests.
namespace batchui_test {

// Collects the messages the dialogs show instead of opening boxes, for as
// long as it lives.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<widgets::Message> messages;

private:
    widgets::MessageSink previous_;
};

// Calls `handler` with the next modal dialog that opens (from inside its
// event loop); the handler must close it. A dialog still open a few seconds
// later is rejected and the test fails.
void whenModalOpens(std::function<void(QWidget&)> handler);

// Shows the widget, lets it lay itself out and saves it as
// WIDGET_SCREENSHOT_DIR/batchui-<name>.png.
void saveScreenshot(QWidget& widget, const std::string& name);

// Writes an 8 bpp grey BMP of width x height whose pixel (x, y), y from the
// top, has the grey value `shade(x, y)`; returns the path.
std::string writeGreyBmp(const std::string& path, int width, int height,
                         const std::function<int(int, int)>& shade);

}  // namespace batchui_test
