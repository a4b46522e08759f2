// The stand-alone host: its keys for undo and save, and the question before
// unsaved drawing is thrown away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

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
    EXPECT_EQ(window.editor().undoCount(), 0);

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

// The toolbar buttons and the checked one of a group, by tool tip.
QAction* button(HostWindow& window, const QString& name) {
    for (QToolBar* bar : window.findChildren<QToolBar*>())
        for (QAction* action : bar->actions())
            if (action->text() == name)
                return action;
    return nullptr;
}

TEST(DotwerkHost, ButtonsShowPicturesAndTheToolAndWidthInUse) {
    HostWindow window;
    QString reason;
    ASSERT_TRUE(window.createEditor(&reason, controlLibraryPath())) << reason.toStdString();
    window.newPicture(32, 16);
    window.show();
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (!action->isSeparator()) {
                EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
            }
        }
    }

    struct Click {
        const char* name;
        std::vector<const char*> checked;  // among the modes, widths and the grid
    };
    // The grid shows only from zoom 3 on; its button says whether it shows.
    const Click clicks[] = {
        {"Width 2", {"Pencil", "Width 2"}},      {"Eraser", {"Eraser", "Width 2"}},
        {"Width 4", {"Eraser", "Width 4"}},      {"Grid", {"Eraser", "Width 4"}},
        {"Zoom +", {"Eraser", "Width 4"}},       {"Zoom +", {"Eraser", "Width 4"}},
        {"Grid", {"Eraser", "Width 4", "Grid"}}, {"Arrow", {"Arrow", "Width 4", "Grid"}},
        {"Grid", {"Arrow", "Width 4"}},
    };
    const QStringList checkable{"Arrow",   "Pencil",  "Eraser", "Width 1",
                                "Width 2", "Width 4", "Grid"};
    for (const Click& click : clicks) {
        QAction* action = button(window, QString::fromLatin1(click.name));
        ASSERT_NE(action, nullptr) << click.name;
        action->trigger();
        QStringList checked;
        for (const QString& name : checkable)
            if (button(window, name)->isChecked())
                checked.append(name);
        QStringList wanted;
        for (const char* name : click.checked)
            wanted.append(QString::fromLatin1(name));
        EXPECT_EQ(checked, wanted) << click.name;
    }
    EXPECT_EQ(window.editor().lineWidth(), 3);
    EXPECT_EQ(window.editor().mode(), dotwerk::kModeNone);
    saveScreenshot(window.grab().toImage(), QStringLiteral("host-toolbars"));
}

}  // namespace
}  // namespace dotwerk_test
