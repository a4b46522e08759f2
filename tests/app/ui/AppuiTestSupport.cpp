#include "tests/app/ui/AppuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <filesystem>

#include "app/ui/frame/Browser.h"
#include "app/ui/frame/CommandIds.h"
#include "app/ui/view/PictureView.h"
#include "bitmap/ImageProc.h"

namespace appui_test {

ModalScript& ModalScript::then(Handler handler) {
    handlers_.push_back(std::move(handler));
    return *this;
}

void ModalScript::closeWidget(QWidget& widget) {
    if (auto* dialog = qobject_cast<QDialog*>(&widget))
        dialog->reject();
    else
        widget.close();
}

void ModalScript::run(const std::function<void()>& trigger) {
    QObject context;  // drops a handler still queued when the command is over
    QTimer poll;
    poll.setInterval(5);
    QElapsedTimer openFor;
    QWidget* lastSeen = nullptr;
    bool handing = false;
    QObject::connect(&poll, &QTimer::timeout, &context, [&] {
        if (handing)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            lastSeen = nullptr;
            return;
        }
        if (modal != lastSeen) {
            lastSeen = modal;
            openFor.start();
        }
        if (!handlers_.empty()) {
            // The handler runs from a timer of its own: a dialog it opens
            // (a message box) then meets this poll again in its own loop.
            handing = true;
            QTimer::singleShot(
                0, &context,
                [&, handler = std::move(handlers_.front()), target = QPointer<QWidget>(modal)] {
                    handing = false;
                    openFor.start();
                    if (target)
                        handler(*target);
                });
            handlers_.pop_front();
            return;
        }
        if (openFor.elapsed() > 3000) {
            ADD_FAILURE() << "a dialog nobody answered: " << modal->metaObject()->className()
                          << " '" << modal->windowTitle().toStdString() << "'";
            closeWidget(*modal);
        }
    });
    poll.start();
    trigger();
    poll.stop();
}

ModalScript::Handler chooseFile(const std::string& path, int filterIndex) {
    return [path, filterIndex](QWidget& widget) {
        auto* dialog = qobject_cast<QFileDialog*>(&widget);
        if (!dialog) {
            ADD_FAILURE() << "not a file dialog: " << widget.metaObject()->className();
            ModalScript::closeWidget(widget);
            return;
        }
        if (filterIndex > 0)
            dialog->selectNameFilter(dialog->nameFilters().value(filterIndex - 1));
        const QFileInfo file(QString::fromStdString(path));
        dialog->setDirectory(file.absolutePath());
        dialog->selectFile(file.fileName());
        // The name field decides what is chosen, whatever the folder view
        // has loaded by now.
        if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            edit->setText(file.fileName());
        static_cast<QDialog*>(dialog)->accept();
    };
}

void saveScreenshot(const QImage& image, const std::string& name) {
    const QString folder = QStringLiteral(APPUI_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    EXPECT_TRUE(image.save(folder + QStringLiteral("/appui-") + QString::fromStdString(name) +
                           QStringLiteral(".png")));
}

std::string writeGradientBmp(const std::string& path, int width, int height) {
    auto dib = testing_support::makeGreyDib(width, height, 8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            testing_support::setPixel(dib, x, y, (x * 255) / std::max(1, width - 1));
    bitmap::ImageProc proc;
    EXPECT_TRUE(proc.saveBitmap(path, dib));
    return path;
}

FrameTest::FrameTest()
    : saveFolder(work.file("save")),
      workingFolder(work.file("work")),
      tempFolder(work.file("tmp") + "/") {
    for (const std::string& folder : {saveFolder, workingFolder, tempFolder})
        std::filesystem::create_directories(folder);
    app::ui::QtUserInterface::setAnswerer([this](const app::ui::MessageBoxRequest& request) {
        messages.push_back(request);
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (request.buttons.testFlag(QMessageBox::Yes))
            return QMessageBox::Yes;
        return QMessageBox::Ok;
    });
    app::ui::setBrowserOpener([this](const QUrl& url) { browsed.push_back(url); });
    settings.tempFolder = tempFolder;
    settings.saveFolder = saveFolder;
    settings.workingFolder = workingFolder;
    settings.createCodec();
    frame_ = std::make_unique<app::ui::MainWindow>(settings);
    frame_->view().setControlLibrary(QStringLiteral(DOTWERK_LIBRARY_PATH));
    frame_->show();
}

FrameTest::~FrameTest() {
    frame_.reset();
    app::ui::QtUserInterface::setAnswerer({});
    app::ui::setBrowserOpener({});
}

void FrameTest::recreateFrame() {
    frame_.reset();
    settings.createCodec();
    frame_ = std::make_unique<app::ui::MainWindow>(settings);
    frame_->view().setControlLibrary(QStringLiteral(DOTWERK_LIBRARY_PATH));
    frame_->show();
}

QAction& FrameTest::command(int id) {
    frame_->updateCommands();
    QAction* action = frame_->action(id);
    if (!action)
        throw std::runtime_error("no command " + std::to_string(id));
    return *action;
}

void FrameTest::run(int id, ModalScript& script) {
    script.run([&] { frame_->runCommand(id); });
    EXPECT_EQ(script.unused(), 0u) << "dialogs that never opened for command " << id;
}

void FrameTest::open(const std::string& path) {
    ModalScript script;
    script.then(chooseFile(path));
    run(app::ui::ID_FILE_OPEN_PICTURE, script);
}

void FrameTest::run(int id) {
    ModalScript none;
    run(id, none);
}

}  // namespace appui_test
