// The batch sheet filled in as a user would: adding, dropping and removing
// entries, the range checks that keep the user on a page, the enabling
// rules, Cancel, the folder picker's start, and the progress window.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "app/core/settings/AppSettings.h"
#include "batch/ui/BatchFilesPage.h"
#include "batch/ui/BatchProgressDialog.h"
#include "batch/ui/BatchSettingsPage.h"
#include "batch/ui/BatchSheet.h"
#include "batch/ui/BatchWmlPage.h"
#include "batch/ui/DownloadDialog.h"
#include "qtsupport/ChildControl.h"
#include "support/TestSupport.h"
#include "tests/app/core/DocumentFixture.h"
#include "tests/qtsupport/WidgetTestSupport.h"
#include "widgets/DitheringPage.h"
#include "widgets/FolderPickerDialog.h"

using qt_test::child;

namespace {

using batchui_test::MessageRecorder;
using batchui_test::whenModalOpens;

// Drops local files on a widget as a file manager would.
void dropFiles(QWidget& target, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
}

class BatchSheetTest : public ::testing::Test {
protected:
    BatchSheetTest() {
        batchui::DownloadDialog::remembered() = {};
        program.saveFolder = dir.path();
        program.ditheringMethod = 2;
        program.threshold = 90;
        values = batch::openingSheetValues(state.settings, program);
    }
    ~BatchSheetTest() override { batchui::DownloadDialog::remembered() = {}; }

    std::string touch(const std::string& name) {
        testing_support::writeFile(dir.file(name), std::string("x"));
        return dir.file(name);
    }

    testing_support::ScopedSettingsStore store;  // the phone table
    testing_support::TempDir dir;
    app::AppSettings program;
    batch::BatchProgramState state;
    batch::BatchSheetValues values;
};

TEST_F(BatchSheetTest, PagesComeInOrderUnderTheirTitles) {
    batchui::BatchSheet sheet(state, values, program);
    EXPECT_EQ(sheet.windowTitle().toStdString(), "Dávková konverze");
    QTabWidget& tabs = *sheet.tabs();
    ASSERT_EQ(tabs.count(), 4);
    EXPECT_EQ(tabs.tabText(0).toStdString(), "Výběr souboru");
    EXPECT_EQ(tabs.tabText(1).toStdString(), "Nastavení");
    EXPECT_EQ(tabs.tabText(2).toStdString(), "Dithering");
    EXPECT_EQ(tabs.tabText(3).toStdString(), "WML stránky");
    // OK and Cancel, nothing else.
    const auto buttons = child<QWidget>(sheet, "sheetButtons").findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 2);
    // The dithering page opens with the program's values where the batch
    // settings leave them to the program.
    int method = -1;
    int threshold = -1;
    ASSERT_TRUE(sheet.dithering().readValues(method, threshold));
    EXPECT_EQ(method, 2);
    EXPECT_EQ(threshold, 90);

    for (int page = 0; page < 4; ++page) {
        ASSERT_TRUE(sheet.showPage(page));
        batchui_test::saveScreenshot(sheet, "batch-sheet-page" + std::to_string(page + 1));
    }
}

TEST_F(BatchSheetTest, SelectionPageAddsRemovesAndCounts) {
    const std::string first = touch("one.bmp");
    const std::string second = touch("two.GIF");
    const std::string text = touch("notes.txt");
    const std::string png = touch("photo.png");
    std::filesystem::create_directory(dir.file("folder.png"));

    batchui::BatchSheet sheet(state, values, program);
    batchui::BatchFilesPage& page = sheet.selection();
    EXPECT_EQ(page.statusText().toStdString(), "0 souborů");

    // Two files from the add-files dialog, chosen together.
    whenModalOpens([&](QWidget& widget) {
        auto* dialog = qobject_cast<QFileDialog*>(&widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle().toStdString(), "Zvolte soubory pro přidání");
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        // PNG files are offered with the others.
        ASSERT_EQ(dialog->nameFilters().size(), 6);
        EXPECT_EQ(dialog->nameFilters()[0].toStdString(),
                  "All Supported Image Files (BMP, JPEG, WBMP, GIF, PNG) (*.BMP *.WBM *.WBMP "
                  "*.JPG *.JPEG *.GIF *.PNG)");
        EXPECT_EQ(dialog->nameFilters()[4].toStdString(), "GIF File (*.GIF)");
        EXPECT_EQ(dialog->nameFilters()[5].toStdString(), "PNG File (*.PNG)");
        EXPECT_EQ(dialog->labelText(QFileDialog::Reject).toStdString(), "Storno");
        dialog->setDirectory(QString::fromStdString(dir.path()));
        child<QLineEdit>(*dialog, "fileNameEdit").setText("\"one.bmp\" \"two.GIF\"");
        static_cast<QDialog*>(dialog)->accept();
    });
    child<QPushButton>(page, "addFilesButton").click();
    EXPECT_EQ(page.entries(),
              (QStringList{QString::fromStdString(first), QString::fromStdString(second)}));
    EXPECT_EQ(page.statusText().toStdString(), "Souborů připraveno: 2 ");
    EXPECT_EQ(state.lastAddFolder, dir.path());

    // A file URL is listed as its path.
    whenModalOpens([&](QWidget& widget) {
        auto* dialog = qobject_cast<batchui::DownloadDialog*>(&widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(child<QLineEdit>(*dialog, "folderEdit").isVisibleTo(dialog));
        child<QLineEdit>(*dialog, "urlEdit").setText(QString::fromStdString("FILE://" + png));
        dialog->accept();
    });
    child<QPushButton>(page, "addUrlButton").click();
    ASSERT_EQ(page.entries().size(), 3);
    EXPECT_EQ(page.entries()[2].toStdString(), png);

    // Drops: the text file and the folder stay out, the PNG joins.
    dropFiles(page, {QString::fromStdString(text)});
    EXPECT_EQ(page.entries().size(), 3);
    dropFiles(page, {QString::fromStdString(dir.file("folder.png")), QString::fromStdString(png),
                     QString::fromStdString(text)});
    ASSERT_EQ(page.entries().size(), 4);
    EXPECT_EQ(page.entries()[3].toStdString(), png);
    EXPECT_EQ(page.statusText().toStdString(), "Souborů připraveno: 4 ");

    // Remove the selected entries, then a double click removes one.
    auto& list = child<QListWidget>(page, "entryList");
    list.item(0)->setSelected(true);
    list.item(2)->setSelected(true);
    child<QPushButton>(page, "removeButton").click();
    EXPECT_EQ(page.entries(),
              (QStringList{QString::fromStdString(second), QString::fromStdString(png)}));
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    const QRect row = list.visualItemRect(list.item(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    EXPECT_EQ(page.entries(), (QStringList{QString::fromStdString(png)}));
    EXPECT_EQ(page.statusText().toStdString(), "Souborů připraveno: 1");

    // OK builds the run's list.
    sheet.accept();
    EXPECT_EQ(values.fileList, png + "\n");
}

TEST_F(BatchSheetTest, RefilledListShowsItsCount) {
    values.fileList = "/a.bmp\n/b.bmp\n";
    batchui::BatchSheet sheet(state, values, program);
    EXPECT_EQ(sheet.selection().entries(), (QStringList{"/a.bmp", "/b.bmp"}));
    EXPECT_EQ(sheet.selection().statusText().toStdString(), "Souborů připraveno: 2 ");
}

TEST_F(BatchSheetTest, BoxSizeOutOfRangeKeepsTheUserOnTheSettingsPage) {
    batchui::BatchSheet sheet(state, values, program);
    ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kSettingsPage));
    auto& width = child<QLineEdit>(sheet.settingsPage(), "boxWidthEdit");
    auto& height = child<QLineEdit>(sheet.settingsPage(), "boxHeightEdit");
    for (const char* wrong : {"0", "1281", "abc"}) {
        MessageRecorder recorder;
        width.setText(wrong);
        EXPECT_FALSE(sheet.showPage(batchui::BatchSheet::kDitheringPage)) << wrong;
        EXPECT_EQ(sheet.currentPage(), batchui::BatchSheet::kSettingsPage);
        // A click on a tab is refused the same way.
        sheet.tabs()->setCurrentIndex(batchui::BatchSheet::kWmlPage);
        EXPECT_EQ(sheet.currentPage(), batchui::BatchSheet::kSettingsPage);
        sheet.accept();
        EXPECT_EQ(sheet.result(), QDialog::Rejected);
        ASSERT_EQ(recorder.messages.size(), 3u) << wrong;
        EXPECT_NE(recorder.messages[0].text.indexOf("1280"), -1);
        EXPECT_EQ(state.settings.boxWidth, 100);
    }
    width.setText("1280");
    {
        MessageRecorder recorder;
        height.setText("1025");
        EXPECT_FALSE(sheet.showPage(batchui::BatchSheet::kDitheringPage));
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_NE(recorder.messages[0].text.indexOf("1024"), -1);
    }
    height.setText("1");
    MessageRecorder none;
    EXPECT_TRUE(sheet.showPage(batchui::BatchSheet::kDitheringPage));
    EXPECT_TRUE(none.messages.empty());
    EXPECT_EQ(state.settings.boxWidth, 1280);
    EXPECT_EQ(state.settings.boxHeight, 1);
}

TEST_F(BatchSheetTest, CancelKeepsWhatNoPageStored) {
    state.settings.boxWidth = 120;
    values = batch::openingSheetValues(state.settings, program);
    {
        batchui::BatchSheet sheet(state, values, program);
        ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kSettingsPage));
        child<QLineEdit>(sheet.settingsPage(), "boxWidthEdit").setText("640");
        child<QLineEdit>(sheet.settingsPage(), "outputFolderEdit").setText("/elsewhere");
        child<QCheckBox>(sheet.settingsPage(), "resizeCheck").click();
        sheet.reject();
    }
    EXPECT_EQ(state.settings.boxWidth, 120);
    EXPECT_FALSE(state.settings.resizeEnabled);
    EXPECT_EQ(state.settings.outputFolder, dir.path());

    // A page that was left has stored its own settings; the output folder
    // and the dithering values wait for OK.
    {
        batchui::BatchSheet sheet(state, values, program);
        ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kSettingsPage));
        child<QLineEdit>(sheet.settingsPage(), "boxWidthEdit").setText("640");
        child<QLineEdit>(sheet.settingsPage(), "outputFolderEdit").setText("/elsewhere");
        ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kWmlPage));
        sheet.reject();
    }
    EXPECT_EQ(state.settings.boxWidth, 640);
    EXPECT_EQ(state.settings.outputFolder, dir.path());
    EXPECT_EQ(values.outputFolder, "/elsewhere");
}

TEST_F(BatchSheetTest, SettingsPageEnablingRuleAndPhoneList) {
    state.settings.phoneIndex = 6;
    batchui::BatchSheet sheet(state, values, program);
    batchui::BatchSettingsPage& page = sheet.settingsPage();
    auto& resize = child<QCheckBox>(page, "resizeCheck");
    auto& boxMode = child<QRadioButton>(page, "boxModeButton");
    auto& phoneMode = child<QRadioButton>(page, "phoneModeButton");
    auto& width = child<QLineEdit>(page, "boxWidthEdit");
    auto& phones = child<QComboBox>(page, "phoneList");
    EXPECT_EQ(phones.count(), 17);
    EXPECT_EQ(phones.currentIndex(), 6);
    EXPECT_FALSE(boxMode.isEnabled() || phoneMode.isEnabled() || width.isEnabled() ||
                 phones.isEnabled());
    resize.click();
    EXPECT_TRUE(boxMode.isEnabled() && phoneMode.isEnabled() && phones.isEnabled());
    EXPECT_FALSE(width.isEnabled());
    boxMode.click();
    EXPECT_TRUE(width.isEnabled());
    EXPECT_FALSE(phones.isEnabled());
    phoneMode.click();
    phones.setCurrentIndex(2);
    child<QRadioButton>(page, "wbmpButton").click();
    child<QCheckBox>(page, "stopOnErrorCheck").click();
    // The page stores what it shows when it is left (here by OK).
    ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kSettingsPage));
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_TRUE(state.settings.resizeEnabled);
    EXPECT_EQ(state.settings.resizeMode, batch::ResizeMode::phone);
    EXPECT_EQ(state.settings.phoneIndex, 2);
    EXPECT_EQ(state.settings.outputFormat, codec::kFormatWbmp);
    EXPECT_TRUE(values.stopOnError);
    EXPECT_FALSE(values.waitForConfirmation);
}

TEST_F(BatchSheetTest, WmlPageEnablingRuleAndStore) {
    batchui::BatchSheet sheet(state, values, program);
    batchui::BatchWmlPage& page = sheet.wml();
    auto& create = child<QCheckBox>(page, "createPagesCheck");
    auto& prefix = child<QCheckBox>(page, "prefixCheck");
    auto& prefixEdit = child<QLineEdit>(page, "prefixEdit");
    auto& folder = child<QCheckBox>(page, "separateFolderCheck");
    auto& folderEdit = child<QLineEdit>(page, "wmlFolderEdit");
    auto& browse = child<QPushButton>(page, "browseButton");
    auto& custom = child<QRadioButton>(page, "altCustomButton");
    auto& altEdit = child<QLineEdit>(page, "altTextEdit");
    EXPECT_EQ(folderEdit.text().toStdString(), dir.path());
    for (QWidget* control : std::initializer_list<QWidget*>{
             &prefix, &prefixEdit, &folder, &folderEdit, &browse, &custom, &altEdit})
        EXPECT_FALSE(control->isEnabled());
    create.click();
    prefix.click();
    folder.click();
    custom.click();
    EXPECT_TRUE(prefixEdit.isEnabled() && folderEdit.isEnabled() && browse.isEnabled() &&
                altEdit.isEnabled());
    prefixEdit.setText("pics");
    altEdit.setText("Obrázek");
    ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kWmlPage));
    sheet.accept();
    EXPECT_TRUE(state.settings.createWmlPages);
    EXPECT_TRUE(state.settings.wml.prefixEnabled);
    EXPECT_EQ(state.settings.wml.prefix, "pics");
    EXPECT_TRUE(state.settings.wml.separateFolder);
    EXPECT_EQ(state.settings.wml.altTextMode, 1);
    EXPECT_EQ(state.settings.wml.customAltText, "Obrázek");
}

TEST_F(BatchSheetTest, FolderPickerOpensAtTheNearestExistingParent) {
    std::filesystem::create_directories(dir.file("kept/inner"));
    batchui::BatchSheet sheet(state, values, program);
    ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kSettingsPage));
    auto& edit = child<QLineEdit>(sheet.settingsPage(), "outputFolderEdit");
    edit.setText(QString::fromStdString(dir.file("kept/inner/gone/deeper")));
    std::string opened;
    whenModalOpens([&](QWidget& widget) {
        auto* picker = qobject_cast<widgets::FolderPickerDialog*>(&widget);
        ASSERT_NE(picker, nullptr);
        opened = picker->currentFolder();
        picker->accept();
    });
    child<QPushButton>(sheet.settingsPage(), "browseButton").click();
    EXPECT_EQ(opened, dir.file("kept/inner"));
    // OK in the picker puts its folder into the edit.
    EXPECT_EQ(edit.text().toStdString(), dir.file("kept/inner"));
}

TEST(BatchProgressDlg, TextsBeforeAndDuringTheRun) {
    batchui::BatchProgressDialog progress;
    EXPECT_EQ(progress.windowTitle().toStdString(), "Probíhá konverze...");
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.fileText().toStdString(), "No File");
    EXPECT_EQ(progress.statusText().toStdString(), "Preparing...");
    EXPECT_EQ(progress.processedText().toStdString(), "0");
    EXPECT_EQ(progress.errorsText().toStdString(), "0");
    EXPECT_EQ(progress.remainingText().toStdString(), "Unknown");

    progress.update(0, -1, 0, "Žádný soubor", "Počítám obrázky");
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.fileText().toStdString(), "Zpracovávám obrázek: Žádný soubor");
    EXPECT_EQ(progress.statusText().toStdString(), "Status: Počítám obrázky");
    EXPECT_EQ(progress.processedText().toStdString(), "Zpracováno:   -------");
    EXPECT_EQ(progress.remainingText().toStdString(), "Zbývá:   Unknown");
    EXPECT_EQ(progress.errorsText().toStdString(), "Chyby: -------");

    progress.update(3, 7, 1, "/p/a.bmp", "Ukončeno");
    EXPECT_EQ(progress.fileText().toStdString(), "Zpracovávám obrázek: /p/a.bmp");
    EXPECT_EQ(progress.processedText().toStdString(), "Zpracováno:   3");
    EXPECT_EQ(progress.remainingText().toStdString(), "Zbývá:   7");
    EXPECT_EQ(progress.errorsText().toStdString(), "Chyby:  1");

    // "Zbývá" above "Zpracováno" above "Chyby".
    const auto top = [&](const char* name) {
        return child<QLabel>(progress, name).mapTo(&progress, QPoint(0, 0)).y();
    };
    EXPECT_LT(top("statusLine"), top("remainingLine"));
    EXPECT_LT(top("remainingLine"), top("processedLine"));
    EXPECT_LT(top("processedLine"), top("errorsLine"));
    batchui_test::saveScreenshot(progress, "batch-progress");
}

}  // namespace
