// The split command of the main window: the sheet's opening values and
// rules, its checks, and a split with pages checked on disk.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>

#include "app/ui/frame/BatchAndSplitCommands.h"
#include "app/ui/frame/CommandIds.h"
#include "app/ui/split/SplitSheet.h"
#include "app/ui/view/PictureView.h"
#include "qtsupport/ChildControl.h"
#include "tests/app/ui/AppuiTestSupport.h"
#include "tests/app/ui/WbmpReading.h"
#include "widgets/FolderPickerDialog.h"
#include "widgets/MessageBoxes.h"

namespace fs = std::filesystem;
using namespace app::ui;
using appui_test::ModalScript;
using testing_support::readText;

using qt_test::child;

namespace {

class SplitCommandUiTest : public appui_test::FrameTest {
protected:
    SplitCommandUiTest() {
        pictureFolder = work.file("pictures");
        fs::create_directories(pictureFolder);
        picture = appui_test::writeGradientBmp(pictureFolder + "/photo.bmp", 150, 100);
    }
    void openPicture() { ASSERT_TRUE(frame().openDocumentFile(QString::fromStdString(picture))); }

    std::string pictureFolder;
    std::string picture;
};

TEST_F(SplitCommandUiTest, CommandNeedsAPicture) {
    EXPECT_FALSE(enabled(ID_SPLIT));
    openPicture();
    EXPECT_TRUE(enabled(ID_SPLIT));
}

TEST_F(SplitCommandUiTest, FirstUseProposalsAndTheDisplayList) {
    openPicture();
    // With no save folder the tiles go beside the picture.
    settings.saveFolder.clear();
    frame().view().zoomTo(3);
    ModalScript script;
    script.then<SplitSheet>([&](SplitSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle().toStdString(), "Rozdělit obrázek");
        ASSERT_EQ(sheet.tabs()->count(), 2);
        EXPECT_EQ(sheet.tabs()->tabText(0).toStdString(), "Obrázek");
        EXPECT_EQ(sheet.tabs()->tabText(1).toStdString(), "WML stránka");
        QWidget& page = sheet.picturePage();
        EXPECT_EQ(child<QLineEdit>(page, "sourceEdit").text().toStdString(), picture);
        // The size as the view shows it, zoom taken out.
        EXPECT_EQ(child<QLabel>(page, "dimensionsLabel").text().toStdString(), "150 x 100");
        EXPECT_EQ(child<QLineEdit>(page, "outputFolderEdit").text().toStdString(), pictureFolder);
        auto& list = child<QListWidget>(page, "displayList");
        EXPECT_EQ(list.count(), 17);
        EXPECT_EQ(list.currentRow(), 4);
        // Position 4 gives 310 x 100 tiles before they meet the picture.
        EXPECT_EQ(child<QLineEdit>(page, "tileWidthEdit").text().toStdString(), "310");
        EXPECT_EQ(child<QLineEdit>(page, "tileHeightEdit").text().toStdString(), "100");
        EXPECT_TRUE(child<QRadioButton>(page, "customSizeButton").isChecked());
        EXPECT_TRUE(child<QLineEdit>(page, "tileWidthEdit").isEnabled());
        EXPECT_FALSE(list.isEnabled());
        child<QRadioButton>(page, "displaySizeButton").click();
        EXPECT_FALSE(child<QLineEdit>(page, "tileWidthEdit").isEnabled());
        EXPECT_TRUE(list.isEnabled());
        EXPECT_TRUE(child<QRadioButton>(page, "wbmpButton").isChecked());
        appui_test::saveScreenshot(sheet.grab().toImage(), "split-sheet-picture");

        ASSERT_TRUE(sheet.showPage(1));
        QWidget& wml = sheet.wmlPage();
        auto& separate = child<QCheckBox>(wml, "separateFolderCheck");
        auto& folder = child<QLineEdit>(wml, "wmlFolderEdit");
        auto& prefix = child<QCheckBox>(wml, "prefixCheck");
        auto& prefixEdit = child<QLineEdit>(wml, "prefixEdit");
        EXPECT_TRUE(child<QCheckBox>(wml, "createPagesCheck").isChecked());
        EXPECT_TRUE(separate.isEnabled() && prefix.isEnabled());
        EXPECT_FALSE(folder.isEnabled() || prefixEdit.isEnabled());
        separate.click();
        prefix.click();
        EXPECT_TRUE(folder.isEnabled() && prefixEdit.isEnabled());
        appui_test::saveScreenshot(sheet.grab().toImage(), "split-sheet-pages");
        sheet.reject();
    });
    run(ID_SPLIT, script);
    EXPECT_TRUE(messages.empty());
    // Cancel: the page left stored its choice, nothing was split.
    const app::SplitSettings& split = frame().batchAndSplit().splitSettings();
    EXPECT_EQ(split.sizeMode, 1);
    EXPECT_EQ(split.outputFolder, pictureFolder);
    EXPECT_TRUE(split.createPages);
    EXPECT_FALSE(fs::exists(pictureFolder + "/0.0.wbmp"));
}

TEST_F(SplitCommandUiTest, TileSizeOutOfRangeKeepsTheUserOnThePage) {
    openPicture();
    std::vector<widgets::Message> refusals;
    const auto previous = widgets::setMessageSink(
        [&](const widgets::Message& message) { refusals.push_back(message); });
    ModalScript script;
    script.then<SplitSheet>([&](SplitSheet& sheet) {
        auto& width = child<QLineEdit>(sheet.picturePage(), "tileWidthEdit");
        for (const char* wrong : {"0", "1025"}) {
            width.setText(wrong);
            EXPECT_FALSE(sheet.showPage(1));
            sheet.accept();
            EXPECT_TRUE(sheet.isVisible());
        }
        width.setText("1024");
        child<QLineEdit>(sheet.picturePage(), "tileHeightEdit").setText("-3");
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
        sheet.reject();
    });
    run(ID_SPLIT, script);
    widgets::setMessageSink(previous);
    ASSERT_EQ(refusals.size(), 5u);
    EXPECT_NE(refusals[0].text.indexOf("1024"), -1);
    EXPECT_EQ(frame().batchAndSplit().splitSettings().tileWidth, 310);
}

TEST_F(SplitCommandUiTest, SplitWritesTilesAndPagesAndPutsTheViewBack) {
    openPicture();
    frame().view().zoomTo(2);
    const QRect shownBefore = frame().view().displayRect();
    const std::string tiles = work.file("tiles");
    std::string pickerOpenedAt;
    ModalScript script;
    script
        .then<SplitSheet>([&](SplitSheet& sheet) {
            QWidget& page = sheet.picturePage();
            child<QLineEdit>(page, "outputFolderEdit").setText(QString::fromStdString(tiles));
            child<QLineEdit>(page, "tileWidthEdit").setText("100");
            child<QLineEdit>(page, "tileHeightEdit").setText("60");
            ASSERT_TRUE(sheet.showPage(1));
            // "Procházet" opens the folder picker on the page folder.
            child<QCheckBox>(sheet.wmlPage(), "separateFolderCheck").click();
            child<QLineEdit>(sheet.wmlPage(), "wmlFolderEdit")
                .setText(QString::fromStdString(pictureFolder + "/missing"));
            child<QPushButton>(sheet.wmlPage(), "browseButton").click();
            child<QCheckBox>(sheet.wmlPage(), "separateFolderCheck").click();
            sheet.accept();
        })
        .then<widgets::FolderPickerDialog>([&](widgets::FolderPickerDialog& picker) {
            pickerOpenedAt = picker.currentFolder();
            picker.reject();
        });
    run(ID_SPLIT, script);
    EXPECT_EQ(pickerOpenedAt, pictureFolder);

    // The folder question, then the report.
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text.toStdString(), "Výstupní složka neexistuje. Mám ji vytvořit?");
    EXPECT_EQ(messages[1].text.toStdString(), "Obrázek rozdělen.\nVýsledky uloženy v '" + tiles +
                                                  "/X.Y.wbmp'\nWML stránky vytvořeny");
    EXPECT_EQ(messages[1].caption.toStdString(), "Operace kompletní");

    // 150 x 100 in tiles of 100 x 60: two columns and two rows.
    for (const char* tile : {"0.0", "0.1", "1.0", "1.1"}) {
        const auto read = appui_test::readWbmp(tiles + "/" + tile + ".wbmp");
        ASSERT_TRUE(read) << tile;
        const std::string page = readText(tiles + "/photo." + tile + ".wml");
        EXPECT_NE(page.find(std::string("<img src='") + tile + ".wbmp' alt='photo(" + tile[0] +
                            "," + tile[2] + ")'  width='100' height='60'/>"),
                  std::string::npos)
            << page;
    }
    const std::string first = readText(tiles + "/photo.0.0.wml");
    EXPECT_NE(first.find("photo.0.1.wml'>Down"), std::string::npos);
    EXPECT_NE(first.find("photo.1.0.wml'>Right"), std::string::npos);
    EXPECT_EQ(first.find(" Up "), std::string::npos);

    // The picture and the view are as before the command.
    EXPECT_EQ(doc().pictureWidth(), 150);
    EXPECT_EQ(doc().pictureHeight(), 100);
    EXPECT_FALSE(doc().isMonochrome());
    EXPECT_EQ(frame().view().displayRect(), shownBefore);
    EXPECT_EQ(frame().view().zoom(), 2);
}

}  // namespace
