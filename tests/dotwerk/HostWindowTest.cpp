// The stand-alone host: its keys for undo and save, and the question before
// unsaved drawing is thrown away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "dotwerk/DotwerkTestSupport.h"
#include "dotwerk/host/HostWindow.h"

namespace dotwerk_test {
namespace {

using dotwerk_host::HostWindow;

// A pencil dot at a picture pixel (zoom 1).
void dot(HostWindow& window, QPoint pixel) {
    QWidget* control = window.editor().control();
    const QPointF at(pixel.x() + 1, pixel.y() + 1);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, control->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(control, &event);
    }
    QApplication::processEvents();
}

// Closes the window and answers the question with `button`; whether it closed.
bool closeAnswering(HostWindow& window, QMessageBox::StandardButton button) {
    bool closed = false;
    whileModal([&] { closed = window.close(); },
               [button](QDialog& dialog) {
                   auto* box = qobject_cast<QMessageBox*>(&dialog);
                   ASSERT_NE(box, nullptr);
                   box->button(button)->click();
               });
    return closed;
}

TEST(DotwerkHost, UndoAndSaveHaveTheirKeysAndClosingAsksAboutUnsavedDrawing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.wbmp"));
    QString error;
    ASSERT_TRUE(savePictureFile(path, dotwerk_host::blankPicture(16, 8), &error));

    HostWindow window;
    QString reason;
    ASSERT_TRUE(window.createEditor(&reason, controlLibraryPath())) << reason.toStdString();
    ASSERT_TRUE(window.openPicture(path, &error)) << error.toStdString();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    dot(window, {3, 3});
    EXPECT_TRUE(window.hasUnsavedChanges());
    EXPECT_TRUE(window.isWindowModified());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.editor().UndoCount(), 0);

    dot(window, {5, 2});
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window.hasUnsavedChanges());
    EXPECT_FALSE(window.isWindowModified());
    const auto saved = dotwerk_host::loadPictureFile(path, &error);
    ASSERT_TRUE(saved);
    // One-bit rows bottom-up after the header and the two colour entries:
    // (5, 2) is black, (3, 3) was undone.
    const auto bit = [&](int x, int y) {
        const std::size_t row = 40 + 8 + static_cast<std::size_t>(7 - y) * 4;
        return (saved->dib[row + static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ(bit(5, 2), 0);
    EXPECT_EQ(bit(3, 3), 1);

    // New drawing: Cancel keeps the window, Discard closes it unsaved.
    dot(window, {8, 4});
    EXPECT_FALSE(closeAnswering(window, QMessageBox::Cancel));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(closeAnswering(window, QMessageBox::Discard));
    EXPECT_EQ(dotwerk_host::loadPictureFile(path, &error)->dib, saved->dib);
}

}  // namespace
}  // namespace dotwerk_test
