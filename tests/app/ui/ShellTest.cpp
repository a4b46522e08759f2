// The shell around the document: start-up, the settings sheet, the New
// command, the save question, the recent-file list, help and web pages, the
// about box, and screenshots of the main window.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>

#include <filesystem>

#include "app/ui/dialogs/AboutBox.h"
#include "app/ui/dialogs/FoldersPage.h"
#include "app/ui/dialogs/NewPictureDialog.h"
#include "app/ui/dialogs/SettingsSheet.h"
#include "app/ui/frame/Browser.h"
#include "app/ui/frame/CommandIds.h"
#include "app/ui/frame/GlyphonApp.h"
#include "app/ui/view/PictureView.h"
#include "batch/ui/ConversionPreviewDialog.h"
#include "tests/app/ui/AppuiTestSupport.h"

namespace appui_test {
namespace {

using namespace app::ui;
namespace fs = std::filesystem;

class ShellTest : public FrameTest {
protected:
    // The New command with a size in pixels.
    void newPicture(int width, int height) {
        ModalScript script;
        script.then<NewPictureDialog>([width, height](NewPictureDialog& dialog) {
            dialog.inPixelsButton().click();
            dialog.widthEdit().setText(QString::number(width));
            dialog.heightEdit().setText(QString::number(height));
            dialog.accept();
        });
        run(ID_FILE_NEW, script);
    }
};

TEST_F(ShellTest, SettingsSheetRemovesTheOldTemporaryFilesBeforeTakingANewWorkingFolder) {
    for (const char* name : {"TMPEdit123.bmp", "TMPClipboard.bmp", "TMPSplitSave.wbmp"})
        testing_support::writeFile(workingFolder + "/" + name, std::string("x"));
    testing_support::writeFile(workingFolder + "/mine.bmp", std::string("keep"));
    testing_support::writeFile(settings.undoFilePath, std::string("undo"));
    const std::string newFolder = work.file("new-work");
    fs::create_directories(newFolder);

    ModalScript script;
    script.then<SettingsSheet>([&](SettingsSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Settings"));
        ASSERT_EQ(sheet.tabs().count(), 2);
        EXPECT_EQ(sheet.tabs().tabText(0), QStringLiteral("Dithering"));
        EXPECT_EQ(sheet.tabs().tabText(1), QString::fromUtf8("Složky"));
        EXPECT_EQ(sheet.directoriesPage().workingFolderEdit().text(),
                  QString::fromStdString(workingFolder));
        sheet.directoriesPage().workingFolderEdit().setText(QString::fromStdString(newFolder));
        sheet.findChild<QLineEdit*>(QStringLiteral("thresholdEdit"))->setText("77");
        sheet.accept();
    });
    run(ID_SETTINGS, script);

    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(fs::exists(workingFolder + "/TMPEdit123.bmp"));
    EXPECT_FALSE(fs::exists(workingFolder + "/TMPClipboard.bmp"));
    EXPECT_FALSE(fs::exists(workingFolder + "/TMPSplitSave.wbmp"));
    EXPECT_FALSE(fs::exists(settings.undoFilePath));
    EXPECT_TRUE(fs::exists(workingFolder + "/mine.bmp"));
    EXPECT_EQ(settings.workingFolder, newFolder);
    EXPECT_EQ(settings.tempFolder, newFolder + "/");
    EXPECT_EQ(settings.threshold, 77);
    EXPECT_EQ(settings.saveFolder, saveFolder);
    // The store is written at exit only.
    QSettings stored(QSettings::UserScope, "Vendra", "WAP Glyphon");
    EXPECT_FALSE(stored.contains("Settings/DWD"));
    recreateFrame();
    QSettings written(QSettings::UserScope, "Vendra", "WAP Glyphon");
    EXPECT_EQ(written.value("Settings/DWD").toString(), QString::fromStdString(newFolder));
    EXPECT_EQ(written.value("Settings/TresholdValue").toInt(), 77);
}

TEST_F(ShellTest, SettingsSheetRefusesAFolderItCannotUseAndCancelChangesNothing) {
    testing_support::writeFile(workingFolder + "/TMPEdit1.bmp", std::string("x"));
    const std::string missing = work.file("no/such/folder");
    ModalScript script;
    script
        .then<SettingsSheet>([&](SettingsSheet& sheet) {
            sheet.directoriesPage().workingFolderEdit().setText(QString::fromStdString(missing));
            sheet.accept();  // refused: stays open
        })
        .then<SettingsSheet>([&](SettingsSheet& sheet) {
            EXPECT_EQ(sheet.tabs().currentIndex(), 1);
            EXPECT_TRUE(sheet.isVisible());
            sheet.reject();
        });
    run(ID_SETTINGS, script);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QString::fromStdString(missing)));
    EXPECT_EQ(settings.workingFolder, workingFolder);
    EXPECT_TRUE(fs::exists(workingFolder + "/TMPEdit1.bmp"));

    // A threshold out of range keeps the sheet open on the dithering page.
    ModalScript threshold;
    threshold
        .then<SettingsSheet>([&](SettingsSheet& sheet) {
            sheet.tabs().setCurrentIndex(1);
            sheet.findChild<QLineEdit*>(QStringLiteral("thresholdEdit"))->setText("300");
            sheet.accept();
        })
        .then([](QWidget& box) { ModalScript::closeWidget(box); })  // the range message
        .then<SettingsSheet>([&](SettingsSheet& sheet) {
            EXPECT_EQ(sheet.tabs().currentIndex(), 0);
            sheet.reject();
        });
    run(ID_SETTINGS, threshold);
    EXPECT_EQ(settings.threshold, 128);
    EXPECT_TRUE(fs::exists(workingFolder + "/TMPEdit1.bmp"));
}

TEST_F(ShellTest, NewMakesAWhitePictureAndNeverOverwritesAFile) {
    newPicture(30, 20);
    ASSERT_TRUE(doc().hasPicture()) << (messages.empty() ? "" : messages[0].text.toStdString());
    EXPECT_EQ(doc().pictureWidth(), 30);
    EXPECT_EQ(doc().pictureHeight(), 20);
    EXPECT_TRUE(doc().isMonochrome());
    EXPECT_TRUE(doc().saveAsFirst());
    EXPECT_FALSE(doc().isModified());
    const std::string untitled = saveFolder + "/Untitled.bmp";
    EXPECT_EQ(doc().pathName(), untitled);
    ASSERT_TRUE(fs::exists(untitled));
    EXPECT_EQ(doc().codec().bmpWidth(), 30);
    // Every pixel is white.
    const auto dib = doc().dib().bytes();
    EXPECT_TRUE(std::all_of(dib.begin() + 40, dib.end(), [](uint8_t byte) { return byte == 255; }));
    // The new picture is being edited.
    EXPECT_TRUE(frame().isEditing());

    // A second New finds Untitled.bmp there: the file keeps its contents.
    testing_support::writeFile(untitled, std::string("mine"));
    newPicture(10, 10);
    EXPECT_EQ(doc().pictureWidth(), 10);
    EXPECT_EQ(testing_support::readFile(untitled), std::vector<uint8_t>({'m', 'i', 'n', 'e'}));

    // The first Save of a new picture asks for a name.
    ModalScript save;
    save.then([](QWidget& widget) {
        EXPECT_EQ(widget.windowTitle(), QString::fromUtf8("Uložit jako"));
        ModalScript::closeWidget(widget);
    });
    run(ID_FILE_SAVE_AS, save);
}

TEST_F(ShellTest, NewOfASizeThatCannotBeMadeKeepsThePicture) {
    open(writeGradientBmp(work.file("g.bmp"), 16, 8));
    const auto picture = doc().dib();
    newPicture(0, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, app::MessageIcon::error);
    EXPECT_EQ(doc().dib(), picture);
    EXPECT_EQ(doc().pathName(), work.file("g.bmp"));
}

TEST_F(ShellTest, TheSaveQuestionGuardsAModifiedPicture) {
    open(writeGradientBmp(work.file("g.bmp"), 16, 8));
    run(ID_CONVERT_BW);
    ASSERT_TRUE(doc().isModified());

    // Cancel: no dialog follows, the picture stays.
    answers.push_back(QMessageBox::Cancel);
    run(ID_FILE_NEW);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8("Uložit změny do ") +
                                    QString::fromStdString(work.file("g.bmp")) +
                                    QStringLiteral("?"));
    EXPECT_TRUE(messages[0].buttons.testFlag(QMessageBox::Cancel));
    EXPECT_EQ(doc().pictureWidth(), 16);

    // Closing the window asks too; Cancel keeps it open.
    answers.push_back(QMessageBox::Cancel);
    EXPECT_FALSE(frame().close());
    EXPECT_TRUE(frame().isVisible());

    // Yes saves the BMP under its name before the window closes.
    answers.push_back(QMessageBox::Yes);
    EXPECT_TRUE(frame().close());
    EXPECT_FALSE(doc().isModified());
    const auto saved = testing_support::readFile(work.file("g.bmp"));
    EXPECT_EQ(saved.at(0), 'B');
}

TEST_F(ShellTest, TheRecentFileListKeepsFourAndForgetsWhatNoLongerOpens) {
    std::vector<std::string> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(writeGradientBmp(work.file("r" + std::to_string(i) + ".bmp"), 8, 8));
        open(paths.back());
    }
    QStringList expected;
    for (int i = 4; i >= 1; --i)
        expected.append(QString::fromStdString(paths[i]));
    EXPECT_EQ(frame().recentFiles().paths(), expected);
    EXPECT_EQ(command(ID_FILE_MRU_FILE1).text(),
              QStringLiteral("&1 ") + QString::fromStdString(paths[4]));

    // Kept in the store across runs.
    recreateFrame();
    EXPECT_EQ(frame().recentFiles().paths(), expected);

    // An entry opens its file...
    run(ID_FILE_MRU_FILE3);
    EXPECT_EQ(doc().pathName(), paths[2]);
    EXPECT_EQ(frame().recentFiles().paths().value(0), QString::fromStdString(paths[2]));
    // ...and one whose file is gone says so and leaves the list.
    fs::remove(paths[3]);
    const int position =
        int(frame().recentFiles().paths().indexOf(QString::fromStdString(paths[3])));
    ASSERT_GE(position, 0);
    run(ID_FILE_MRU_FILE1 + position);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), paths[3] + "\nSoubor neexistuje");
    EXPECT_FALSE(frame().recentFiles().paths().contains(QString::fromStdString(paths[3])));
    EXPECT_EQ(doc().pathName(), paths[2]);
}

TEST_F(ShellTest, HelpWebSiteAndDownloadPageOpenInTheBrowser) {
    settings.helpFile = work.file("help/index.htm");
    run(ID_HELP_CONTENTS);
    run(ID_WEB_SITE);
    run(ID_DOWNLOAD_NEW_VERSION);
    ASSERT_EQ(browsed.size(), 3u);
    EXPECT_EQ(browsed[0], QUrl::fromLocalFile(QString::fromStdString(work.file("help/index.htm"))));
    EXPECT_EQ(browsed[1], QUrl(QStringLiteral("http://www.vendra.example")));
    EXPECT_EQ(browsed[2],
              QUrl(QStringLiteral("http://www.vendra.example/wapglyphon/download.asp?lng=cz")));
    EXPECT_EQ(app::ui::browserUrlFor(QStringLiteral("www.example.org/a")),
              QUrl(QStringLiteral("http://www.example.org/a")));
    EXPECT_EQ(app::ui::browserUrlFor(QStringLiteral("ftp://host/x")),
              QUrl(QStringLiteral("ftp://host/x")));

    // The shipped help page is found beside the program or in share/.
    const std::string bin = work.file("prefix/bin");
    fs::create_directories(bin);
    EXPECT_TRUE(installedHelpFile(QString::fromStdString(bin)).isEmpty());
    fs::create_directories(work.file("prefix/share/glyphon/help"));
    testing_support::writeFile(work.file("prefix/share/glyphon/help/index.htm"), std::string("h"));
    EXPECT_EQ(installedHelpFile(QString::fromStdString(bin)),
              QString::fromStdString(work.file("prefix/share/glyphon/help/index.htm")));
}

TEST_F(ShellTest, AboutBoxNamesTheVersion) {
    ModalScript script;
    script.then<AboutBox>([](AboutBox& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("WAP Glyphon"));
        QStringList texts;
        for (QLabel* label : box.findChildren<QLabel*>())
            texts.append(label->text());
        EXPECT_TRUE(texts.contains(QStringLiteral("WAP Glyphon verze 3.5")));
        box.accept();
    });
    run(ID_APP_ABOUT, script);
}

TEST_F(ShellTest, StartUpOpensTheCommandLinePictureOrNamesTheOneItCannot) {
    // Start-up reads the store: point its folders into the test's own.
    {
        QSettings stored(QSettings::UserScope, "Vendra", "WAP Glyphon");
        stored.setValue("Settings/DSD", QString::fromStdString(saveFolder));
        stored.setValue("Settings/DWD", QString::fromStdString(workingFolder));
    }
    const auto picture = writeGradientBmp(work.file("start.bmp"), 12, 6);
    {
        GlyphonApp program;
        program.start({QStringLiteral("glyphon"), QString::fromStdString(picture)});
        ASSERT_NE(program.mainFrame(), nullptr);
        EXPECT_TRUE(program.mainFrame()->isVisible());
        EXPECT_EQ(program.mainFrame()->document().pictureWidth(), 12);
        EXPECT_NE(program.settings().codec(), nullptr);
        program.closeMainFrame();
        EXPECT_EQ(program.settings().codec(), nullptr);
    }
    // A file that is not there, or not a picture: the box names it and the
    // program starts with an empty window.
    testing_support::writeFile(work.file("notes.bmp"), std::string("no picture"));
    for (const std::string name : {"missing.bmp", "notes.bmp"}) {
        messages.clear();
        GlyphonApp program;
        program.start({QStringLiteral("glyphon"), QString::fromStdString(work.file(name))});
        ASSERT_NE(program.mainFrame(), nullptr);
        EXPECT_TRUE(program.mainFrame()->isVisible()) << name;
        EXPECT_FALSE(program.mainFrame()->document().hasPicture()) << name;
        ASSERT_EQ(messages.size(), 1u) << name;
        const QStringList lines = messages[0].text.split('\n');
        EXPECT_EQ(lines.value(0).toStdString(), work.file(name));
        const QString described = name == std::string("missing.bmp")
                                      ? QStringLiteral("Soubor neexistuje")
                                      : QStringLiteral("Nepodařilo se otevřít soubor: ");
        EXPECT_TRUE(lines.value(1).startsWith(described)) << lines.value(1).toStdString();
    }
}

TEST_F(ShellTest, Screenshots) {
    frame().resize(640, 480);
    QApplication::processEvents();
    saveScreenshot(frame().grab().toImage(), "main-window-empty");

    open(writeGradientBmp(work.file("g.bmp"), 96, 60));
    frame().view().zoomTo(3);
    QApplication::processEvents();
    EXPECT_EQ(frame().view().zoom(), 3);
    saveScreenshot(frame().grab().toImage(), "main-window-zoom3");

    ModalScript script;
    script.then<batchui::ConversionPreviewDialog>([this](batchui::ConversionPreviewDialog& dialog) {
        QApplication::processEvents();
        QImage shot = frame().grab().toImage();
        const QImage over = dialog.grab().toImage();
        QPainter painter(&shot);
        painter.drawImage((shot.width() - over.width()) / 2,
                          std::max(0, (shot.height() - over.height()) / 2), over);
        painter.end();
        saveScreenshot(shot, "main-window-preview");
        dialog.reject();
    });
    run(ID_CONVERSION_SETTINGS, script);
}

}  // namespace
}  // namespace appui_test
