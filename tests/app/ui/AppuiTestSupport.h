#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QMessageBox>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/core/settings/AppSettings.h"
#include "app/ui/frame/MainWindow.h"
#include "app/ui/frame/QtUserInterface.h"
#include "support/TestSupport.h"
#include "tests/app/core/DocumentFixture.h"

class QDialog;
class QWidget;

// Helpers of the main window's tests: a main window over folders of the
// test's own, message boxes answered from a queue, and modal dialogs filled
// in by the test as they open.
namespace appui_test {

// Answers the modal dialogs that a command opens, one handler per dialog in
// the order they open. A handler must close its dialog (or leave it open on
// purpose: the next handler then gets the same dialog). A dialog left open
// with no handler is rejected after a few seconds and the test fails.
class ModalScript {
public:
    using Handler = std::function<void(QWidget&)>;
    ModalScript& then(Handler handler);
    // A handler for a dialog of class T.
    template <typename T>
    ModalScript& then(std::function<void(T&)> handler) {
        return then([handler](QWidget& widget) {
            auto* dialog = qobject_cast<T*>(&widget);
            if (!dialog) {
                ADD_FAILURE() << "unexpected dialog " << widget.metaObject()->className() << " '"
                              << widget.windowTitle().toStdString() << "'";
                closeWidget(widget);
                return;
            }
            handler(*dialog);
        });
    }
    void run(const std::function<void()>& trigger);
    // Handlers that never met a dialog.
    size_t unused() const { return handlers_.size(); }

    static void closeWidget(QWidget& widget);

private:
    std::deque<Handler> handlers_;
};

// A handler that chooses a file in the program's file dialog, with a filter
// (1-based; 0 keeps the one shown).
ModalScript::Handler chooseFile(const std::string& path, int filterIndex = 0);

// Saves a picture as APPUI_SCREENSHOT_DIR/appui-<name>.png.
void saveScreenshot(const QImage& image, const std::string& name);

// A w x h grey BMP whose columns run from black on the left to white on the
// right; returns the path.
std::string writeGradientBmp(const std::string& path, int width, int height);

// A main window with its own settings, folders and settings store.
class FrameTest : public ::testing::Test {
protected:
    FrameTest();
    ~FrameTest() override;

    app::ui::MainWindow& frame() { return *frame_; }
    app::PictureDocument& doc() { return frame_->document(); }
    // The command's action after the update rules ran.
    QAction& command(int id);
    bool enabled(int id) { return command(id).isEnabled(); }
    bool checked(int id) { return command(id).isChecked(); }
    // Runs a command, answering its dialogs with the script.
    void run(int id, ModalScript& script);
    void run(int id);
    // Opens a picture through the Open command's dialog.
    void open(const std::string& path);

    // Destroys the main window (the settings are written back) and makes a
    // new one with a new codec.
    void recreateFrame();

    // Message boxes shown so far, and the answers for the coming questions
    // (Yes / OK when the queue is empty).
    std::vector<app::ui::MessageBoxRequest> messages;
    std::deque<QMessageBox::StandardButton> answers;
    // Addresses given to the browser.
    std::vector<QUrl> browsed;

    testing_support::ScopedSettingsStore store;
    testing_support::TempDir work;
    std::string saveFolder;
    std::string workingFolder;
    std::string tempFolder;
    app::AppSettings settings;

private:
    std::unique_ptr<app::ui::MainWindow> frame_;
};

}  // namespace appui_test
