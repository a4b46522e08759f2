// Paths that used to lose the user's changes without a word: a dropped file,
// a batch run over a modified picture, and a window title that never showed
// unsaved changes.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>

#include <filesystem>

#include "app/ui/frame/CommandIds.h"
#include "batch/ui/BatchFilesPage.h"
#include "batch/ui/BatchSettingsPage.h"
#include "batch/ui/BatchSheet.h"
#include "qtsupport/ChildControl.h"
#include "tests/app/ui/AppuiTestSupport.h"

namespace appui_test {
namespace {

using namespace app::ui;
namespace fs = std::filesystem;

class LostWorkTest : public FrameTest {
protected:
    // Opens a gradient picture and converts it: a modified document.
    std::string openModified(const std::string& name) {
        const std::string path = writeGradientBmp(work.file(name), 20, 10);
        ModalScript script;
        script.then(chooseFile(path));
        run(ID_FILE_OPEN_PICTURE, script);
        run(ID_CONVERT_BW);
        EXPECT_TRUE(doc().isModified());
        messages.clear();
        return path;
    }
    QString saveQuestion(const std::string& path) const {
        return QString::fromUtf8("Uložit změny do ") + QString::fromStdString(path) +
               QStringLiteral("?");
    }
};

TEST_F(LostWorkTest, DroppingAFileAsksAboutChangesAndOpensItClean) {
    const std::string first = openModified("first.bmp");
    const std::string dropped = writeGradientBmp(work.file("dropped.bmp"), 30, 10);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped))});
    const auto dropOnWindow = [&] {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame(), &drop);
        QApplication::processEvents();
        QApplication::processEvents();
    };

    // Cancel keeps the modified picture.
    answers.push_back(QMessageBox::Cancel);
    dropOnWindow();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, saveQuestion(first));
    EXPECT_EQ(doc().pathName(), first);
    EXPECT_TRUE(doc().isModified());

    // No: the dropped file opens as it is on disk, and Save has nothing to do.
    answers.push_back(QMessageBox::No);
    dropOnWindow();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(doc().pathName(), dropped);
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(enabled(ID_FILE_SAVE));
}

TEST_F(LostWorkTest, ABatchRunAsksAboutChangesAndGivesThePictureBack) {
    const std::string mine = openModified("mine.bmp");
    const std::string source = writeGradientBmp(work.file("source.bmp"), 24, 12);
    const auto sourceBytes = testing_support::readFile(source);
    const std::string out = work.file("out");
    fs::create_directories(out);

    answers.push_back(QMessageBox::Yes);  // save mine.bmp first
    ModalScript script;
    script.then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
        sheet.selection().addEntries({QString::fromStdString(source)});
        ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kSettingsPage));
        qt_test::child<QLineEdit>(sheet.settingsPage(), "outputFolderEdit")
            .setText(QString::fromStdString(out));
        qt_test::child<QRadioButton>(sheet.settingsPage(), "wbmpButton").click();
        sheet.accept();
    });
    run(ID_BATCH, script);
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, saveQuestion(mine));
    EXPECT_TRUE(fs::exists(out + "/source.wbmp"));

    // The saved picture is back, clean; the batch source is not the
    // document, so nothing can save over it.
    EXPECT_EQ(doc().pathName(), mine);
    EXPECT_EQ(doc().pictureWidth(), 20);
    EXPECT_EQ(doc().codec().bmpWidth(), 20);
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(enabled(ID_FILE_SAVE));
    EXPECT_EQ(testing_support::readFile(source), sourceBytes);
}

TEST_F(LostWorkTest, TheTitleMarksUnsavedChanges) {
    const std::string path = openModified("title.bmp");
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("title.bmp[*] - WAP Glyphon"));
    EXPECT_TRUE(frame().isWindowModified());
    run(ID_FILE_SAVE);
    EXPECT_FALSE(frame().isWindowModified());
    run(ID_EDIT_CUT);
    EXPECT_TRUE(frame().isWindowModified());
}

}  // namespace
}  // namespace appui_test
