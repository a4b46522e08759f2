#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "support/TestSupport.h"
#include "tests/qtsupport/WidgetTestSupport.h"
#include "widgets/FolderPickerDialog.h"
#include "widgets/NewFolderDialog.h"

namespace {

namespace fs = std::filesystem;
using batchui_test::MessageRecorder;

QStringList listed(widgets::FolderPickerDialog& dialog) {
    QStringList entries;
    auto* list = dialog.findChild<QListWidget*>("folderList");
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

void doubleClick(widgets::FolderPickerDialog& dialog, const QString& entry) {
    auto* list = dialog.findChild<QListWidget*>("folderList");
    QApplication::processEvents();  // lets the list lay its items out
    const auto found = list->findItems(entry, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << entry.toStdString();
    // The events a double click brings, in their order.
    const QPointF place = list->visualItemRect(found[0]).center();
    const QPointF global = list->viewport()->mapToGlobal(place);
    for (const QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, place, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
}

// Answers the new folder dialog with a name.
void answerNewFolder(const QString& name) {
    batchui_test::whenModalOpens([name](QWidget& widget) {
        auto* ask = qobject_cast<widgets::NewFolderDialog*>(&widget);
        ASSERT_NE(ask, nullptr);
        ask->findChild<QLineEdit*>("nameEdit")->setText(name);
        ask->accept();
    });
}

}  // namespace

TEST(FolderPicker, OpensAtTheNearestExistingFolder) {
    testing_support::TempDir dir;
    fs::create_directories(dir.file("a/b"));
    fs::create_directories(dir.file("a/.hidden"));

    std::string folder = dir.file("a/gone/deeper");
    widgets::FolderPickerDialog dialog(folder, nullptr);
    EXPECT_EQ(dialog.currentFolder(), dir.file("a"));
    EXPECT_EQ(dialog.findChild<QLabel*>("folderLabel")->toolTip().toStdString(), dir.file("a"));
    EXPECT_EQ(listed(dialog), (QStringList{"[..]", "[.hidden]", "[b]"}));
    batchui_test::saveScreenshot(dialog, "folder-picker");

    // A bare name falls back to the folder the caller names.
    std::string bare = "nothing-like-this";
    widgets::FolderPickerDialog fallback(bare, nullptr, dir.file("a/b"));
    EXPECT_EQ(fallback.currentFolder(), dir.file("a/b"));
}

TEST(FolderPicker, DoubleClicksMoveOkWritesBackCancelDoesNot) {
    testing_support::TempDir dir;
    fs::create_directories(dir.file("a/b"));
    std::string folder = dir.file("a");
    {
        widgets::FolderPickerDialog dialog(folder, nullptr);
        dialog.show();
        doubleClick(dialog, "[b]");
        EXPECT_EQ(dialog.currentFolder(), dir.file("a/b"));
        EXPECT_EQ(listed(dialog), QStringList{"[..]"});
        dialog.reject();
    }
    EXPECT_EQ(folder, dir.file("a"));

    widgets::FolderPickerDialog dialog(folder, nullptr);
    dialog.show();
    doubleClick(dialog, "[..]");
    EXPECT_EQ(dialog.currentFolder(), dir.path());
    doubleClick(dialog, "[a]");
    doubleClick(dialog, "[b]");
    dialog.findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(folder, dir.file("a/b"));
}

TEST(FolderPicker, NewFolderIsMadeAndEnteredRefusalsAreShown) {
    testing_support::TempDir dir;
    std::string folder = dir.path();
    widgets::FolderPickerDialog dialog(folder, nullptr);
    dialog.show();
    auto* newFolder = dialog.findChild<QPushButton*>("newFolderButton");

    MessageRecorder recorder;
    answerNewFolder("fresh");
    newFolder->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(fs::is_directory(dir.file("fresh")));
    EXPECT_EQ(dialog.currentFolder(), dir.file("fresh"));

    doubleClick(dialog, "[..]");
    answerNewFolder("fresh");
    newFolder->click();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text.toStdString(), "Složka již existuje");
    EXPECT_EQ(recorder.messages[0].caption.toStdString(), "Chyba");
    EXPECT_EQ(recorder.messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(dialog.currentFolder(), dir.path());

    answerNewFolder("one/two");
    newFolder->click();
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[1].text.toStdString(), "Nelze vytvořit složku");
    EXPECT_FALSE(fs::exists(dir.file("one")));

    // Cancelling the question makes nothing.
    batchui_test::whenModalOpens([](QWidget& widget) {
        widget.findChild<QLineEdit*>("nameEdit")->setText("never");
        qobject_cast<QDialog*>(&widget)->reject();
    });
    newFolder->click();
    EXPECT_FALSE(fs::exists(dir.file("never")));
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST(FolderPicker, DriveBoxGoesBackToTheFolderLastUsedOnADrive) {
    testing_support::TempDir dir;
    const std::string home = QDir::homePath().toStdString();
    if (dir.path().starts_with(home + "/") || home == "/")
        GTEST_SKIP() << "the temporary folder lies in the home folder";
    fs::create_directories(dir.file("a"));
    std::string folder = dir.file("a");
    widgets::FolderPickerDialog dialog(folder, nullptr);
    auto* drives = dialog.findChild<QComboBox*>("driveBox");
    ASSERT_GE(drives->count(), 2);
    EXPECT_EQ(drives->itemText(0), "/");
    EXPECT_EQ(drives->itemText(1).toStdString(), home);
    const int startDrive = drives->currentIndex();
    ASSERT_NE(startDrive, 1);

    emit drives->activated(1);
    EXPECT_EQ(dialog.currentFolder(), home);
    EXPECT_EQ(drives->currentIndex(), 1);
    emit drives->activated(startDrive);
    EXPECT_EQ(dialog.currentFolder(), dir.file("a"));
}

TEST(FolderPicker, APathTypedOrPastedIsGoneToOrRefused) {
    testing_support::TempDir dir;
    fs::create_directories(dir.file("a/b"));
    fs::create_directories(dir.file("c"));
    std::string folder = dir.file("a");
    widgets::FolderPickerDialog dialog(folder, nullptr);
    dialog.show();
    auto& path = *dialog.findChild<QLineEdit*>("pathEdit");
    EXPECT_EQ(path.text().toStdString(), dir.file("a"));

    MessageRecorder recorder;
    struct Typed {
        std::string text;
        std::string folder;  // where the picker is afterwards
        bool refused;
    };
    const Typed cases[] = {
        {"b", dir.file("a/b"), false},                        // relative to the current folder
        {"  " + dir.file("c") + "/ ", dir.file("c"), false},  // blanks of a paste
        {dir.file("missing"), dir.file("c"), true},
        {"../a/b", dir.file("a/b"), false},
    };
    for (const Typed& typed : cases) {
        path.setText(QString::fromStdString(typed.text));
        QTest::keyClick(&path, Qt::Key_Return);
        EXPECT_EQ(dialog.currentFolder(), typed.folder) << typed.text;
        EXPECT_TRUE(dialog.isVisible()) << typed.text;
        EXPECT_EQ(recorder.messages.size(), typed.refused ? 1u : 0u) << typed.text;
        if (typed.refused) {
            EXPECT_EQ(recorder.messages[0].text.toStdString(),
                      "Složka '" + dir.file("missing") + "' neexistuje.");
            recorder.messages.clear();
        } else {
            EXPECT_EQ(path.text().toStdString(), typed.folder);
        }
    }

    // OK takes a path typed without Return; a missing one keeps the dialog.
    path.setText(QString::fromStdString(dir.file("nowhere")));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(recorder.messages.size(), 1u);
    path.setText(QString::fromStdString(dir.file("c")));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(folder, dir.file("c"));
}
