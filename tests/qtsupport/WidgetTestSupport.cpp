#include "tests/qtsupport/WidgetTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QTimer>

#include "bitmap/ImageProc.h"
#include "support/TestSupport.h"

namespace batchui_test {

MessageRecorder::MessageRecorder()
    : previous_(widgets::setMessageSink(
          [this](const widgets::Message& message) { messages.push_back(message); })) {}

MessageRecorder::~MessageRecorder() {
    widgets::setMessageSink(std::move(previous_));
}

void whenModalOpens(std::function<void(QWidget&)> handler) {
    // Looks for the dialog every few milliseconds until it is there.
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, handler, tries = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++tries <= 1000)
            return;
        poll->stop();
        poll->deleteLater();
        if (!modal) {
            ADD_FAILURE() << "no modal dialog opened";
            return;
        }
        QPointer<QWidget> opened(modal);
        handler(*modal);
        QTimer::singleShot(3000, [opened] {
            if (auto* dialog = qobject_cast<QDialog*>(opened.data());
                dialog && dialog->isVisible()) {
                ADD_FAILURE() << "dialog '" << dialog->windowTitle().toStdString()
                              << "' was left open";
                dialog->reject();
            }
        });
    });
    poll->start();
}

void saveScreenshot(QWidget& widget, const std::string& name) {
    widget.show();
    widget.adjustSize();
    QApplication::processEvents();
    const QString folder = QStringLiteral(WIDGET_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + "/batchui-" + QString::fromStdString(name) + ".png";
    EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
}

std::string writeGreyBmp(const std::string& path, int width, int height,
                         const std::function<int(int, int)>& shade) {
    bitmap::Dib dib = testing_support::makeGreyDib(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            testing_support::setPixel(dib, x, y, shade(x, y));
    EXPECT_TRUE(bitmap::ImageProc().saveBitmap(path, dib)) << path;
    return path;
}

}  // namespace batchui_test
