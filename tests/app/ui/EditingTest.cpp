// Editing mode in the main window: the editor control loaded by class id
// from the built library, driven with synthetic mouse events, the drawing
// commands and their rules, and the picture on its way back into the
// document, the codec and a WBMP file.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>

#include <filesystem>
#include <set>

#include "app/core/document/ViewLayout.h"
#include "app/ui/dialogs/NewPictureDialog.h"
#include "app/ui/frame/CommandIds.h"
#include "app/ui/view/PictureView.h"
#include "bitmap/DibView.h"
#include "tests/app/ui/AppuiTestSupport.h"
#include "tests/app/ui/WbmpReading.h"

namespace appui_test {
namespace {

using namespace app::ui;
namespace fs = std::filesystem;

bool blackIn(const bitmap::Dib& dib, int x, int y) {
    const auto view = dib.view();
    const bitmap::Bgr colour = view.bitCount() <= 8
                                   ? view.colour(static_cast<size_t>(view.index(x, y)))
                                   : view.pixel24(x, y);
    return colour.red < 128;
}

class EditingTest : public FrameTest {
protected:
    PictureView& view() { return frame().view(); }
    dotwerk::DotwerkClient& editor() { return view().editor(); }

    // A gradient picture converted to black and white: black on the left,
    // white from column width / 2 on.
    void openConverted(int width, int height) {
        ModalScript script;
        script.then(chooseFile(writeGradientBmp(work.file("g.bmp"), width, height)));
        run(ID_FILE_OPEN_PICTURE, script);
        run(ID_CONVERT_BW);
        ASSERT_TRUE(doc().isMonochrome());
    }
    void saveAs(const std::string& path) {
        ModalScript script;
        script.then(chooseFile(path, 1));  // WBMP File
        run(ID_FILE_SAVE_AS, script);
    }

    // The mouse on the control over a picture pixel.
    void mouse(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* control = editor().control();
        ASSERT_NE(control, nullptr);
        const int zoom = editor().zoom();
        const QPointF at(zoom * pixel.x() + 1 + zoom / 2, zoom * pixel.y() + 1 + zoom / 2);
        QMouseEvent event(type, at, control->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(control, &event);
    }
    void drag(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
    }
    // The pixels of column x from top to bottom that are black in a WBMP.
    static int blackInColumn(const Wbmp& wbmp, int x, int top, int bottom) {
        int count = 0;
        for (int y = top; y <= bottom; ++y)
            count += wbmp.white[static_cast<size_t>(y)][static_cast<size_t>(x)] ? 0 : 1;
        return count;
    }
};

TEST_F(EditingTest, EnteringNeedsAConvertedPictureAndTheControl) {
    // Nothing to edit: nothing happens.
    run(ID_DRAW_EDITING);
    EXPECT_FALSE(view().isEditing());

    // A BMP holding only black and white that was never converted.
    ModalScript script;
    script.then(chooseFile(writeGradientBmp(work.file("bw.bmp"), 2, 2)));
    run(ID_FILE_OPEN_PICTURE, script);
    run(ID_DRAW_EDITING);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8("Obrázek je nutné před editací zkonvertovat!"));
    EXPECT_EQ(messages[0].icon, app::MessageIcon::error);
    EXPECT_FALSE(view().isEditing());

    // No control registered and no library to register: message 130, and
    // the view stays as it was.
    run(ID_CONVERT_BW);
    view().setControlLibrary(QString::fromStdString(work.file("missing/libdotwerk.so")));
    run(ID_DRAW_EDITING);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, QString::fromUtf8("Nebylo možné spustit editor!"));
    EXPECT_EQ(messages[1].icon, app::MessageIcon::error);
    EXPECT_FALSE(view().isEditing());
    EXPECT_EQ(editor().control(), nullptr);
    EXPECT_FALSE(checked(ID_DRAW_EDITING));
}

TEST_F(EditingTest, OpenConvertDrawLeaveSaveAsWbmpAndUndo) {
    openConverted(40, 20);
    run(ID_DRAW_EDITING);
    ASSERT_TRUE(view().isEditing());
    EXPECT_EQ(editor().mode(), dotwerk::kModePencil);

    // A stroke down the white half, undone inside the editor and drawn again.
    drag({30, 2}, {30, 17});
    EXPECT_TRUE(enabled(ID_EDIT_UNDO));
    EXPECT_TRUE(frame().isWindowModified());
    run(ID_EDIT_UNDO);
    EXPECT_FALSE(enabled(ID_EDIT_UNDO));
    drag({30, 2}, {30, 17});

    // Leaving puts the stroke into the document and the codec.
    run(ID_DRAW_EDITING);
    ASSERT_FALSE(view().isEditing());
    EXPECT_EQ(editor().control(), nullptr);
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(blackIn(doc().dib(), 30, 10));
    EXPECT_FALSE(blackIn(doc().dib(), 31, 10));

    saveAs(work.file("save/edited.wbmp"));
    const auto wbmp = readWbmp(work.file("save/edited.wbmp"));
    ASSERT_TRUE(wbmp);
    ASSERT_EQ(wbmp->width, 40);
    EXPECT_EQ(blackInColumn(*wbmp, 30, 2, 17), 16);
    EXPECT_EQ(blackInColumn(*wbmp, 31, 0, 19), 0);
    EXPECT_EQ(blackInColumn(*wbmp, 2, 0, 19), 20);  // the converted black half

    // A second editing session, undone after leaving: back to the saved
    // picture, which still has the first stroke.
    run(ID_DRAW_EDITING);
    drag({35, 5}, {35, 15});
    run(ID_DRAW_EDITING);
    EXPECT_TRUE(blackIn(doc().dib(), 35, 10));
    ASSERT_TRUE(enabled(ID_EDIT_UNDO));
    run(ID_EDIT_UNDO);
    EXPECT_FALSE(blackIn(doc().dib(), 35, 10));
    EXPECT_TRUE(blackIn(doc().dib(), 30, 10));
}

TEST_F(EditingTest, NewEntersEditingAndSaveAsTakesTheDrawingWhileEditingGoesOn) {
    ModalScript script;
    script.then<NewPictureDialog>([](NewPictureDialog& dialog) {
        dialog.inPixelsButton().click();
        dialog.widthEdit().setText(QStringLiteral("24"));
        dialog.heightEdit().setText(QStringLiteral("12"));
        dialog.accept();
    });
    run(ID_FILE_NEW, script);
    ASSERT_TRUE(view().isEditing());
    EXPECT_TRUE(frame().drawingToolBar()->isVisible());
    EXPECT_TRUE(fs::exists(work.file("save/Untitled.bmp")));

    run(ID_DRAW_LINE);
    EXPECT_EQ(editor().mode(), dotwerk::kModeLine);
    drag({2, 6}, {20, 6});
    EXPECT_TRUE(enabled(ID_FILE_SAVE));

    // The first Save of a new picture asks for a name.
    ModalScript save;
    save.then(chooseFile(work.file("save/new.wbmp"), 1));
    run(ID_FILE_SAVE, save);
    EXPECT_TRUE(view().isEditing());
    EXPECT_FALSE(frame().isWindowModified());
    const auto wbmp = readWbmp(work.file("save/new.wbmp"));
    ASSERT_TRUE(wbmp);
    ASSERT_EQ(wbmp->width, 24);
    for (int x = 2; x <= 20; ++x)
        EXPECT_FALSE(wbmp->white[6][static_cast<size_t>(x)]) << x;
    EXPECT_TRUE(wbmp->white[5][10]);
    EXPECT_TRUE(wbmp->white[6][22]);
}

TEST_F(EditingTest, DrawingCommandsLayoutAndEveryShownCommandOfferedSomewhere) {
    // The commands enabled in any of the states below.
    std::set<QAction*> offered;
    const auto collect = [&] {
        frame().updateCommands();
        for (QAction* action : frame().actions())
            if (action->isEnabled())
                offered.insert(action);
    };
    QApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    collect();
    openConverted(120, 40);
    collect();
    run(ID_DRAW_EDITING);
    ASSERT_TRUE(view().isEditing());
    EXPECT_TRUE(checked(ID_DRAW_EDITING));
    // The picture commands wait; the drawing submenus are there.
    for (const int id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_CONVERT_BW, ID_BATCH,
                         ID_SPLIT, ID_FIT_TO_BOX})
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_FALSE(frame().zoomMenu()->actions().at(4)->isEnabled());
    EXPECT_TRUE(frame().drawingMenu()->actions().at(10)->isEnabled());
    EXPECT_TRUE(frame().drawingMenu()->actions().at(11)->isEnabled());

    // Tools and widths are checked as the control has them.
    EXPECT_TRUE(checked(ID_DRAW_PENCIL));
    run(ID_DRAW_RECTANGLE);
    EXPECT_TRUE(checked(ID_DRAW_RECTANGLE));
    EXPECT_FALSE(checked(ID_DRAW_PENCIL));
    run(ID_DRAW_LINE_WIDTH_3);
    EXPECT_EQ(editor().lineWidth(), 3);
    EXPECT_TRUE(checked(ID_DRAW_LINE_WIDTH_3));
    EXPECT_FALSE(checked(ID_DRAW_LINE_WIDTH_1));

    // Copy and move need a selection.
    run(ID_DRAW_SELECT);
    EXPECT_FALSE(enabled(ID_DRAW_COPY_SELECTION));
    drag({2, 2}, {10, 8});
    EXPECT_TRUE(enabled(ID_DRAW_MOVE));

    // The grid needs zoom 3; the layout follows every zoom.
    EXPECT_FALSE(enabled(ID_DRAW_GRID));
    QApplication::processEvents();
    saveScreenshot(frame().grab().toImage(), "editing-zoom1");
    for (int i = 0; i < 5; ++i)
        run(ID_ZOOM_IN);
    EXPECT_EQ(editor().zoom(), 6);
    run(ID_DRAW_GRID);
    EXPECT_TRUE(editor().showGrid());
    EXPECT_TRUE(checked(ID_DRAW_GRID));
    const QSize client = view().viewport()->size();
    const app::ViewLayout layout = app::layoutEditor(120, 40, 6, client.width(), client.height());
    EXPECT_EQ(view().editorRect(), QRect(layout.display.left, layout.display.top,
                                         layout.display.width(), layout.display.height()));
    // Too wide for the window: the control starts 8 pixels in and scrolls.
    EXPECT_EQ(view().editorRect().left(), 8);
    EXPECT_EQ(view().horizontalScrollBar()->maximum() + client.width(), layout.scrollWidth);
    QApplication::processEvents();
    saveScreenshot(frame().grab().toImage(), "editing-zoom6-grid");
    collect();

    // The drawing toolbar comes and goes with 32850 and with editing.
    run(ID_DRAW_TOOLBAR);
    EXPECT_FALSE(frame().drawingToolBar()->isVisible());
    EXPECT_FALSE(checked(ID_DRAW_TOOLBAR));
    run(ID_DRAW_TOOLBAR);
    EXPECT_TRUE(frame().drawingToolBar()->isVisible());

    // Leaving without a stroke still hands the picture to the codec (which
    // holds another by now) through a new exchange file; the view keeps the
    // editor's zoom.
    ASSERT_TRUE(doc().codec().loadBmp(writeGradientBmp(work.file("other.bmp"), 5, 5)));
    run(ID_DRAW_EDITING);
    EXPECT_EQ(doc().codec().bmpWidth(), 120);
    int exchangeFiles = 0;
    for (const auto& entry : fs::directory_iterator(workingFolder))
        exchangeFiles += entry.path().filename().string().rfind("TMPEdit", 0) == 0 ? 1 : 0;
    EXPECT_EQ(exchangeFiles, 1);
    EXPECT_FALSE(frame().drawingToolBar()->isVisible());
    EXPECT_EQ(view().zoom(), 6);
    collect();

    // No command shown in a menu or on the main or drawing toolbar is
    // disabled for good. Separators, submenus, the empty recent-file list's
    // placeholder and unlisted recent files are no commands of their own.
    std::vector<QAction*> shown;
    std::vector<QWidget*> holders = {frame().mainToolBar(), frame().drawingToolBar()};
    for (QMenu* menu : frame().findChildren<QMenu*>())
        holders.push_back(menu);
    for (QWidget* holder : holders) {
        const QList<QAction*> actions = holder->actions();
        shown.insert(shown.end(), actions.begin(), actions.end());
    }
    for (QAction* action : shown) {
        if (!action->isSeparator() && !action->menu() && action->data().isValid() &&
            action->isVisible()) {
            EXPECT_TRUE(offered.count(action)) << action->text().toStdString();
        }
    }
}

}  // namespace
}  // namespace appui_test
