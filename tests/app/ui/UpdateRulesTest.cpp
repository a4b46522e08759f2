// The main window's make-up (menus, toolbars, status bar, keys) and the
// update rules of every command in each state: empty, with a picture,
// after an undo.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <map>
#include <set>

#include "app/ui/frame/CommandIds.h"
#include "tests/app/ui/AppuiTestSupport.h"

namespace appui_test {
namespace {

using namespace app::ui;

std::vector<int> idsOf(const QList<QAction*>& actions) {
    std::vector<int> ids;
    for (QAction* action : actions)
        ids.push_back(action->isSeparator() ? 0 : action->data().toInt());
    return ids;
}

QStringList textsOf(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions)
        texts.append(action->isSeparator() ? QString() : action->text());
    return texts;
}

class UpdateRulesTest : public FrameTest {
protected:
    void openPicture() {
        ModalScript script;
        script.then(chooseFile(writeGradientBmp(work.file("p.bmp"), 40, 30)));
        run(ID_FILE_OPEN_PICTURE, script);
        ASSERT_TRUE(doc().hasPicture());
    }
    // The enabled state of every command, by id.
    std::map<int, bool> enabledStates() {
        frame().updateCommands();
        std::map<int, bool> states;
        for (QAction* action : frame().actions())
            if (action->data().isValid())
                states[action->data().toInt()] = action->isEnabled();
        return states;
    }
};

const std::set<int> kAlways = {ID_FILE_NEW,
                               ID_FILE_OPEN,
                               ID_FILE_OPEN_PICTURE,
                               ID_DOWNLOAD,
                               ID_FILE_PRINT,
                               ID_FILE_PRINT_DIRECT,
                               ID_FILE_PRINT_PREVIEW,
                               ID_FILE_PRINT_SETUP,
                               ID_APP_EXIT,
                               ID_SETTINGS,
                               ID_APP_ABOUT,
                               ID_HELP_CONTENTS,
                               ID_WEB_SITE,
                               ID_DOWNLOAD_NEW_VERSION,
                               ID_VIEW_TOOLBAR,
                               ID_VIEW_STATUS_BAR,
                               ID_BATCH};
const std::set<int> kWithPicture = {ID_FILE_SAVE_AS,   ID_EDIT_COPY,
                                    ID_EDIT_CUT,       ID_ZOOM_IN,
                                    ID_ZOOM_OUT,       ID_ZOOM_MAX,
                                    ID_PICTURE_INFO,   ID_CONVERT_BW,
                                    ID_RESIZE_PERCENT, ID_SET_WIDTH,
                                    ID_SET_HEIGHT,     ID_FIT_TO_BOX,
                                    ID_FIT_TO_PHONE,   ID_CONVERSION_SETTINGS,
                                    ID_SPLIT,          ID_DRAW_EDITING};
// The drawing commands wait for editing mode (EditingTest); the link
// toolbar's buttons have no action at all.
const std::set<int> kNotNow = {
    ID_DRAW_GRID,   ID_DRAW_CLEAR,          ID_DRAW_LINE_WIDTH_1, ID_DRAW_ERASER,
    ID_DRAW_PENCIL, ID_DRAW_LINE_WIDTH_2,   ID_DRAW_LINE_WIDTH_3, ID_DRAW_TOOLBAR,
    ID_DRAW_INVERT, ID_DRAW_RECTANGLE,      ID_DRAW_ELLIPSE,      ID_DRAW_FILL,
    ID_DRAW_SELECT, ID_DRAW_COPY_SELECTION, ID_DRAW_MOVE,         ID_DRAW_TEXT,
    ID_DRAW_LINE,   ID_LINK_WEB_SITE,       ID_LINK_DOWNLOAD};

TEST_F(UpdateRulesTest, EveryCommandInEachState) {
    // Empty: only the commands that need no picture.
    for (const auto& [id, on] : enabledStates()) {
        if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4)
            continue;
        if (id == ID_EDIT_PASTE)
            continue;  // depends on the clipboard, below
        EXPECT_EQ(on, kAlways.count(id) == 1) << "empty, command " << id;
    }

    // A picture just opened: not modified, zoom 1, nothing to undo yet.
    openPicture();
    for (const auto& [id, on] : enabledStates()) {
        if ((id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4) || id == ID_EDIT_PASTE)
            continue;
        const bool expected = kAlways.count(id) || kWithPicture.count(id);
        EXPECT_EQ(on, expected) << "with a picture, command " << id;
    }
    EXPECT_FALSE(enabled(ID_FILE_SAVE));
    EXPECT_FALSE(enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(enabled(ID_CANCEL_ZOOM));
    EXPECT_TRUE(enabled(ID_FILE_MRU_FILE1));
    EXPECT_FALSE(enabled(ID_FILE_MRU_FILE2));

    // Zooming in makes cancel-zoom possible; the view's zoom shows it.
    run(ID_ZOOM_IN);
    EXPECT_TRUE(enabled(ID_CANCEL_ZOOM));
    run(ID_CANCEL_ZOOM);
    EXPECT_FALSE(enabled(ID_CANCEL_ZOOM));

    // A change: Save and undo come on.
    run(ID_CONVERT_BW);
    EXPECT_TRUE(enabled(ID_FILE_SAVE));
    EXPECT_TRUE(enabled(ID_EDIT_UNDO));

    // After the undo: Save stays on (the last action was an undo), undo is
    // spent.
    run(ID_EDIT_UNDO);
    EXPECT_TRUE(enabled(ID_FILE_SAVE));
    EXPECT_FALSE(enabled(ID_EDIT_UNDO));
    for (const int id : kNotNow)
        EXPECT_FALSE(enabled(id)) << "command " << id;
    for (const int id : kWithPicture)
        EXPECT_TRUE(enabled(id)) << "after undo, command " << id;
}

TEST_F(UpdateRulesTest, TheFitAndResizeSubmenusFollowThePictureByPosition) {
    const QList<QAction*> items = frame().zoomMenu()->actions();
    ASSERT_GE(items.size(), 6);
    ASSERT_NE(items[4]->menu(), nullptr);
    ASSERT_NE(items[5]->menu(), nullptr);
    EXPECT_EQ(items[4]->text(), QString::fromUtf8("&Přizpůsobit"));
    EXPECT_EQ(items[5]->text(), QString::fromUtf8("Změ&nit velikost"));
    frame().updateCommands();
    EXPECT_FALSE(items[4]->isEnabled());
    EXPECT_FALSE(items[5]->isEnabled());
    openPicture();
    frame().updateCommands();
    EXPECT_TRUE(items[4]->isEnabled());
    EXPECT_TRUE(items[5]->isEnabled());
    // The drawing menu's line-width and shape submenus wait for editing.
    const QList<QAction*> drawing = frame().drawingMenu()->actions();
    ASSERT_GE(drawing.size(), 12);
    EXPECT_EQ(drawing[10]->text(), QString::fromUtf8("Šíř&ka čáry"));
    EXPECT_EQ(drawing[11]->text(), QString::fromUtf8("Tva&ry"));
    EXPECT_FALSE(drawing[10]->isEnabled());
    EXPECT_FALSE(drawing[11]->isEnabled());
}

TEST_F(UpdateRulesTest, MenusToolbarsStatusBarAndKeys) {
    QStringList menus;
    for (QAction* menu : frame().menuBar()->actions())
        menus.append(menu->text());
    EXPECT_EQ(menus, QStringList({QString::fromUtf8("&Soubor"), QString::fromUtf8("&Upravit"),
                                  QString::fromUtf8("&Kreslení"), QString::fromUtf8("&Zobrazit"),
                                  QString::fromUtf8("Z&většení"), QString::fromUtf8("&Nastavení"),
                                  QString::fromUtf8("&Nápověda")}));
    const QStringList file = textsOf(frame().fileMenu()->actions());
    for (const char* item :
         {"&Nový\tCtrl+N", "&Otevřít...\tCtrl+O", "&Uložit\tCtrl+S", "Uložit j&ako...",
          "S&táhnout z Internetu...\tCtrl+T", "&Rozdělit obrázek...", "&Konec"})
        EXPECT_TRUE(file.contains(QString::fromUtf8(item))) << item;
    EXPECT_EQ(file.last(), QString::fromUtf8("&Konec"));

    EXPECT_EQ(idsOf(frame().mainToolBar()->actions()),
              std::vector<int>({57600, 32787, 57603, 0,     57635, 57634, 57637, 57643,
                                0,     32781, 32782, 0,     32788, 0,     32841, 0,
                                32840, 0,     32795, 32797, 32802, 0,     57664}));
    EXPECT_EQ(idsOf(frame().linkToolBar()->actions()), std::vector<int>({32819, 32820}));
    EXPECT_EQ(idsOf(frame().drawingToolBar()->actions()),
              std::vector<int>({32842, 32851, 0, 32847, 32846, 0,     32862, 32855, 32856, 0,
                                32857, 32861, 0, 32858, 32859, 32860, 0,     32845, 32848, 32849}));
    EXPECT_TRUE(frame().mainToolBar()->isVisible());
    EXPECT_FALSE(frame().linkToolBar()->isVisible());
    EXPECT_FALSE(frame().drawingToolBar()->isVisible());
    EXPECT_EQ(frame().toolBarArea(frame().drawingToolBar()), Qt::LeftToolBarArea);

    // Prompts and tooltips from the command strings.
    EXPECT_EQ(command(ID_CONVERT_BW).statusTip(), QString::fromUtf8("Převést do černobíla"));
    EXPECT_EQ(command(ID_CONVERT_BW).toolTip(), QString::fromUtf8("Do černobíla"));
    EXPECT_EQ(command(ID_SETTINGS).statusTip(),
              QString::fromUtf8("Základní uživatelské nastavení"));
    EXPECT_EQ(command(ID_DOWNLOAD_NEW_VERSION).statusTip(),
              QString::fromUtf8("Stáhnout novou verzi WAPGlyphon Desktop"));

    // The ready prompt and the three lock panes.
    EXPECT_EQ(frame().statusBar()->currentMessage(), QString::fromUtf8("Připraven"));
    QStringList panes;
    for (QLabel* label : frame().statusBar()->findChildren<QLabel*>())
        panes.append(label->text());
    for (const char* pane : {"CAP", "NUM", "SCRL"})
        EXPECT_TRUE(panes.contains(QString::fromUtf8(pane))) << pane;

    // Keys: Ctrl+O is the framework's open (the same dialog as the menu's).
    EXPECT_TRUE(command(ID_FILE_OPEN).shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_O)));
    EXPECT_TRUE(command(ID_FILE_OPEN_PICTURE).shortcuts().isEmpty());
    EXPECT_EQ(command(ID_EDIT_UNDO).shortcuts().size(), 3);
    EXPECT_TRUE(
        command(ID_EDIT_PASTE).shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_Insert)));
    EXPECT_TRUE(
        command(ID_ZOOM_IN).shortcuts().contains(QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)));
    // No two commands share a key.
    std::set<QString> keys;
    for (QAction* action : frame().actions())
        for (const QKeySequence& key : action->shortcuts())
            EXPECT_TRUE(keys.insert(key.toString()).second) << key.toString().toStdString();
}

TEST_F(UpdateRulesTest, ToolbarAndStatusBarToggles) {
    EXPECT_TRUE(checked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(checked(ID_VIEW_STATUS_BAR));
    run(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(frame().mainToolBar()->isVisible());
    EXPECT_FALSE(checked(ID_VIEW_TOOLBAR));
    run(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(frame().statusBar()->isVisible());
    EXPECT_FALSE(checked(ID_VIEW_STATUS_BAR));
    run(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(frame().mainToolBar()->isVisible());
    EXPECT_TRUE(checked(ID_VIEW_TOOLBAR));
}

}  // namespace
}  // namespace appui_test
