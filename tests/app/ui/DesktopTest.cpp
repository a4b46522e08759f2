// The main window as a desktop user meets it: the Open dialog behind both
// of its keys, zooming from the keyboard and the wheel, the number dialog's
// range, the status bar's picture pane, the window's remembered place, the
// picture information and the words on the cancel buttons.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include <filesystem>

#include "app/ui/dialogs/NumberDialog.h"
#include "app/ui/dialogs/PictureInfoDialog.h"
#include "app/ui/frame/CommandIds.h"
#include "app/ui/frame/WindowPlacement.h"
#include "app/ui/view/PictureView.h"
#include "batch/ui/BatchSheet.h"
#include "batch/ui/ConversionPreviewDialog.h"
#include "batch/ui/DownloadDialog.h"
#include "bitmap/ImageProc.h"
#include "bitmap/gif/GifWriter.h"
#include "codec/PictureFormats.h"
#include "tests/app/ui/AppuiTestSupport.h"
#include "widgets/FolderPickerDialog.h"
#include "widgets/NewFolderDialog.h"

namespace appui_test {
namespace {

using namespace app::ui;

class DesktopTest : public FrameTest {
protected:
    // The window has the keyboard, as when a user types.
    void activate() {
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        frame().view().setFocus();
    }
    PictureView& view() { return frame().view(); }
    // The picture's point (in picture pixels) at a place of the view's
    // client area.
    QPointF pictureAt(QPoint client) {
        const QRect shown = view().displayRect();
        return QPointF(client.x() + view().horizontalScrollBar()->value() - shown.left(),
                       client.y() + view().verticalScrollBar()->value() - shown.top()) /
               view().zoom();
    }
    std::vector<QString> cancelTexts(QWidget& dialog) {
        std::vector<QString> texts;
        for (auto* box : dialog.findChildren<QDialogButtonBox*>())
            if (QAbstractButton* cancel = box->button(QDialogButtonBox::Cancel))
                texts.push_back(cancel->text());
        return texts;
    }
};

TEST_F(DesktopTest, BothOpenCommandsShowTheOpenDialogWithEveryFilterWhole) {
    QStringList expected;
    for (const auto& filter : codec::openDialogFilters("Všechny podporované formáty")) {
        QString patterns = QString::fromStdString(filter.patterns).replace(';', ' ');
        expected.append(QString::fromStdString(filter.description) + " (" + patterns + ")");
    }
    ASSERT_EQ(expected.size(), 6);
    for (const int id : {ID_FILE_OPEN, ID_FILE_OPEN_PICTURE}) {
        ModalScript script;
        script.then<QFileDialog>([&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), "Otevřít soubor") << id;
            EXPECT_EQ(dialog.nameFilters(), expected) << id;
            EXPECT_EQ(dialog.labelText(QFileDialog::Reject).toStdString(), "Storno");
            // The filter box has room for the longest filter.
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            EXPECT_NE(types, nullptr);
            if (types) {
                QStyleOptionComboBox option;
                option.initFrom(types);
                const QRect field = types->style()->subControlRect(
                    QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, types);
                for (const QString& filter : expected)
                    EXPECT_GE(field.width(), types->fontMetrics().horizontalAdvance(filter))
                        << filter.toStdString();
            }
            dialog.reject();
        });
        run(id, script);
    }
    // Ctrl+O is the key of the first.
    EXPECT_TRUE(command(ID_FILE_OPEN).shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_O)));
}

TEST_F(DesktopTest, ZoomKeysAndCtrlWheelZoom) {
    open(writeGradientBmp(work.file("g.bmp"), 40, 30));
    activate();
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int zoom;  // after the key
    };
    // The keypad's keys (with and without the keypad flag, which some
    // platforms drop before shortcuts are matched), Ctrl with + = - 0.
    const Key keys[] = {
        {Qt::Key_Plus, Qt::KeypadModifier, 2},   {Qt::Key_Plus, Qt::NoModifier, 3},
        {Qt::Key_Plus, Qt::ControlModifier, 4},  {Qt::Key_Equal, Qt::ControlModifier, 5},
        {Qt::Key_Minus, Qt::ControlModifier, 4}, {Qt::Key_Minus, Qt::KeypadModifier, 3},
        {Qt::Key_Minus, Qt::NoModifier, 2},      {Qt::Key_0, Qt::ControlModifier, 1},
    };
    for (const Key& key : keys) {
        QTest::keyClick(&frame(), key.key, key.modifiers);
        EXPECT_EQ(view().zoom(), key.zoom)
            << QKeySequence(key.key | key.modifiers).toString().toStdString();
    }
    // Ctrl and the wheel: a notch up zooms in, a notch down out; a wheel
    // without Ctrl does not zoom.
    const auto wheel = [this](int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(10, 10);
        QWheelEvent event(at, view().viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view().viewport(), &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(view().zoom(), 2);
    wheel(60, Qt::ControlModifier);  // half a notch waits for the other half
    EXPECT_EQ(view().zoom(), 2);
    wheel(60, Qt::ControlModifier);
    EXPECT_EQ(view().zoom(), 3);
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(view().zoom(), 2);
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(view().zoom(), 2);
}

TEST_F(DesktopTest, ZoomingKeepsThePointInPlace) {
    open(writeGradientBmp(work.file("g.bmp"), 300, 200));
    view().zoomTo(3);
    view().horizontalScrollBar()->setValue(view().horizontalScrollBar()->maximum() / 2);
    view().verticalScrollBar()->setValue(view().verticalScrollBar()->maximum() / 3);
    const QPoint centre = view().viewport()->rect().center();
    const QPointF before = pictureAt(centre);

    // The commands keep the centre of the window.
    run(ID_ZOOM_IN);
    ASSERT_EQ(view().zoom(), 4);
    EXPECT_NEAR(pictureAt(centre).x(), before.x(), 1.0);
    EXPECT_NEAR(pictureAt(centre).y(), before.y(), 1.0);
    run(ID_ZOOM_OUT);
    EXPECT_NEAR(pictureAt(centre).x(), before.x(), 1.0);
    EXPECT_NEAR(pictureAt(centre).y(), before.y(), 1.0);

    // The wheel keeps the point under the cursor.
    const QPoint cursor(40, 30);
    const QPointF under = pictureAt(cursor);
    QWheelEvent event(cursor, view().viewport()->mapToGlobal(cursor), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view().viewport(), &event);
    ASSERT_EQ(view().zoom(), 5);
    EXPECT_NEAR(pictureAt(cursor).x(), under.x(), 1.0);
    EXPECT_NEAR(pictureAt(cursor).y(), under.y(), 1.0);
}

TEST_F(DesktopTest, ResizeValuesOfNothingOrLessNameTheRangeAndKeepTheDialogOpen) {
    open(writeGradientBmp(work.file("g.bmp"), 40, 30));
    for (const int id : {ID_RESIZE_PERCENT, ID_SET_WIDTH, ID_SET_HEIGHT}) {
        messages.clear();
        ModalScript script;
        script.then<NumberDialog>([&](NumberDialog& dialog) {
            for (const char* typed : {"0", "-5"}) {
                dialog.edit().setText(QString::fromLatin1(typed));
                dialog.accept();
                EXPECT_TRUE(dialog.isVisible()) << id << " " << typed;
            }
            dialog.reject();
        });
        run(id, script);
        ASSERT_EQ(messages.size(), 2u) << id;
        for (const auto& message : messages)
            EXPECT_TRUE(message.text.startsWith(QString::fromUtf8("Zadejte celé číslo od 1 do ")))
                << message.text.toStdString();
        EXPECT_EQ(doc().pictureWidth(), 40) << id;
    }
}

TEST_F(DesktopTest, StatusBarShowsSizeDepthAndZoom) {
    QLabel& pane = *frame().pictureStatus();
    EXPECT_TRUE(pane.isHidden());
    open(writeGradientBmp(work.file("g.bmp"), 96, 60));
    EXPECT_FALSE(pane.isHidden());
    EXPECT_EQ(pane.text().toStdString(), "96 × 60, 8 bitů, 100 %");
    run(ID_ZOOM_IN);
    EXPECT_EQ(pane.text().toStdString(), "96 × 60, 8 bitů, 200 %");
    view().zoomTo(4);
    EXPECT_EQ(pane.text().toStdString(), "96 × 60, 8 bitů, 400 %");
    run(ID_CONVERT_BW);
    EXPECT_EQ(pane.text().toStdString(), "96 × 60, 1 bit, 400 %");
    EXPECT_TRUE(frame().statusBar()->isAncestorOf(&pane));
}

TEST_F(DesktopTest, WindowPlaceAndToolbarsAreRememberedAndTheFirstStartFitsTheScreen) {
    struct Case {
        QRect available;
        QRect expected;
    };
    const Case cases[] = {
        {{0, 0, 2560, 1400}, {320, 175, 1920, 1050}},
        {{0, 30, 1600, 970}, {200, 151, 1200, 727}},
        {{0, 0, 800, 600}, {80, 60, 640, 480}},
        {{0, 0, 600, 400}, {0, 0, 600, 400}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstStartGeometry(c.available), c.expected) << c.available.width();

    frame().resize(700, 500);
    run(ID_VIEW_TOOLBAR);
    ASSERT_TRUE(frame().mainToolBar()->isHidden());
    recreateFrame();
    EXPECT_EQ(frame().size(), QSize(700, 500));
    EXPECT_TRUE(frame().mainToolBar()->isHidden());
    EXPECT_TRUE(frame().drawingToolBar()->isHidden());
}

TEST_F(DesktopTest, PictureInformationNamesTheFilesFormat) {
    QImage png(16, 8, QImage::Format_RGB32);
    png.fill(Qt::gray);
    ASSERT_TRUE(png.save(QString::fromStdString(work.file("p.png"))));
    const std::string gif = work.file("g.gif");
    ASSERT_EQ(bitmap::GifWriter(testing_support::makeGreyDib(8, 8, 8)).save(gif, true), 0);
    struct Case {
        std::string path;
        const char* type;
    };
    // The content decides: a PNG named .bmp is a PNG.
    std::filesystem::copy_file(work.file("p.png"), work.file("named.bmp"));
    const Case cases[] = {{writeGradientBmp(work.file("b.bmp"), 8, 8), "BMP"},
                          {work.file("p.png"), "PNG"},
                          {gif, "GIF"},
                          {work.file("named.bmp"), "PNG"}};
    for (const Case& c : cases) {
        open(c.path);
        ModalScript script;
        script.then<PictureInfoDialog>([&](PictureInfoDialog& dialog) {
            EXPECT_EQ(dialog.typeText().toStdString(), c.type) << c.path;
            dialog.accept();
        });
        run(ID_PICTURE_INFO, script);
    }
}

TEST_F(DesktopTest, CancelIsStornoWhereNoOtherWordIsGiven) {
    open(writeGradientBmp(work.file("g.bmp"), 40, 30));
    std::string folder = work.path();
    batch::BatchProgramState state;
    batch::BatchSheetValues values;
    NumberDialog number(QStringLiteral("?"), 1, frame().userInterface());
    batchui::ConversionPreviewDialog preview(settings, *settings.codec());
    batchui::BatchSheet sheet(state, values, settings);
    for (QWidget* dialog : std::initializer_list<QWidget*>{&number, &preview, &sheet})
        EXPECT_EQ(cancelTexts(*dialog), std::vector<QString>{QStringLiteral("Storno")})
            << dialog->metaObject()->className();
    // The download and folder dialogs keep their own word.
    batchui::DownloadDialog download(settings, batchui::DownloadDialog::withFolder);
    widgets::NewFolderDialog newFolder;
    for (QWidget* dialog : std::initializer_list<QWidget*>{&download, &newFolder})
        EXPECT_EQ(cancelTexts(*dialog), std::vector<QString>{QString::fromUtf8("Zrušit")})
            << dialog->metaObject()->className();
    widgets::FolderPickerDialog picker(folder);
    EXPECT_EQ(picker.findChild<QPushButton*>(QStringLiteral("cancelButton"))->text(),
              QString::fromUtf8("Zrušit"));
}

TEST_F(DesktopTest, AltNReachesBothMenusThatShareIt) {
    activate();
    // Alt+N opens the first menu with that key, the next Alt+N the other.
    QStringList opened;
    for (int press = 0; press < 3; ++press) {
        QWidget* target = QApplication::activePopupWidget();
        QTest::keyClick(target ? target : &frame(), Qt::Key_N, Qt::AltModifier);
        QApplication::processEvents();
        QAction* active = frame().menuBar()->activeAction();
        opened.append(active ? active->text() : QString());
    }
    EXPECT_EQ(opened, (QStringList{QString::fromUtf8("&Nastavení"), QString::fromUtf8("&Nápověda"),
                                   QString::fromUtf8("&Nastavení")}));
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

}  // namespace
}  // namespace appui_test
