// The main window's side of editing mode: the drawing commands with their
// update rules, the drawing toolbar, and the document's view of the editor.
#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "app/ui/frame/CommandIds.h"
#include "app/ui/frame/MainWindow.h"
#include "app/ui/view/PictureView.h"

namespace app::ui {
namespace {

struct ValueCommand {
    int id;
    short value;
};

// The tools, by the value of the control's Mode.
constexpr ValueCommand kModeCommands[] = {
    {ID_DRAW_PENCIL, dotwerk::kModePencil},       {ID_DRAW_ERASER, dotwerk::kModeEraser},
    {ID_DRAW_RECTANGLE, dotwerk::kModeRectangle}, {ID_DRAW_ELLIPSE, dotwerk::kModeEllipse},
    {ID_DRAW_FILL, dotwerk::kModeFill},           {ID_DRAW_SELECT, dotwerk::kModeSelect},
    {ID_DRAW_COPY_SELECTION, dotwerk::kModeCopy}, {ID_DRAW_MOVE, dotwerk::kModeMove},
    {ID_DRAW_TEXT, dotwerk::kModeText},           {ID_DRAW_LINE, dotwerk::kModeLine},
};

// The line widths, by the value of the control's LineWidth.
constexpr ValueCommand kLineWidthCommands[] = {
    {ID_DRAW_LINE_WIDTH_1, 1},
    {ID_DRAW_LINE_WIDTH_2, 2},
    {ID_DRAW_LINE_WIDTH_3, 3},
};

// The grid needs enlarged pixels.
constexpr short kSmallestZoomWithGrid = 3;

}  // namespace

bool MainWindow::isEditing() const {
    return view_ != nullptr && view_->isEditing();
}

bool MainWindow::editorModified() const {
    return view_ != nullptr && view_->editorModified();
}

void MainWindow::takeEditedPicture() {
    if (view_)
        view_->takeBackEditedPicture();
}

void MainWindow::endEditing() {
    if (isEditing())
        view_->enterOrLeaveEditing();
}

void MainWindow::startEditing() {
    if (view_ && !view_->isEditing())
        view_->enterOrLeaveEditing();
}

void MainWindow::connectEditingCommands() {
    dotwerk::DotwerkClient& editor = view_->editor();
    const auto editing = [this] { return isEditing(); };

    onCommand(ID_DRAW_EDITING, [this] { view_->enterOrLeaveEditing(); });
    addRule(ID_DRAW_EDITING, [this, editing](QAction& command) {
        command.setEnabled(hasPicture());
        command.setChecked(editing());
    });

    for (const ValueCommand& mode : kModeCommands) {
        onCommand(mode.id, [&editor, mode] { editor.setMode(mode.value); });
        addRule(mode.id, [&editor, editing, mode](QAction& command) {
            const bool on = editing();
            command.setChecked(on && editor.mode() == mode.value);
            // Copying and moving need a selection to lift.
            const bool needsSelection =
                mode.id == ID_DRAW_COPY_SELECTION || mode.id == ID_DRAW_MOVE;
            command.setEnabled(on && (!needsSelection || editor.isSelected()));
        });
    }
    // Items 10 and 11 of the drawing menu, the line-width and shape
    // submenus, are there only while editing.
    addRule(ID_DRAW_MOVE, [this, editing](QAction&) {
        const QList<QAction*> items = drawingMenu_->actions();
        for (const int position : {10, 11})
            if (position < items.size())
                items.at(position)->setEnabled(editing());
    });

    for (const ValueCommand& width : kLineWidthCommands) {
        onCommand(width.id, [&editor, width] { editor.setLineWidth(width.value); });
        addRule(width.id, [&editor, editing, width](QAction& command) {
            command.setEnabled(editing());
            command.setChecked(editing() && editor.lineWidth() == width.value);
        });
    }

    onCommand(ID_DRAW_INVERT, [&editor] { editor.invertColor(); });
    onCommand(ID_DRAW_CLEAR, [&editor] { editor.clear(); });
    for (const int id : {ID_DRAW_INVERT, ID_DRAW_CLEAR})
        addRule(id, [editing](QAction& command) { command.setEnabled(editing()); });

    onCommand(ID_DRAW_GRID, [&editor] { editor.setShowGrid(!editor.showGrid()); });
    addRule(ID_DRAW_GRID, [&editor, editing](QAction& command) {
        command.setEnabled(editing() && editor.zoom() >= kSmallestZoomWithGrid);
        command.setChecked(editing() && editor.showGrid());
    });

    onCommand(ID_DRAW_TOOLBAR, [this] { view_->toggleDrawingToolBar(); });
    addRule(ID_DRAW_TOOLBAR, [this, editing](QAction& command) {
        command.setEnabled(editing());
        command.setChecked(editing() && view_->drawingToolBarWanted());
    });
    connect(view_, &PictureView::drawingToolBarVisibilityRequested, drawingToolBar_,
            &QToolBar::setVisible);
    // The drawing toolbar comes and goes with editing only.
    drawingToolBar_->toggleViewAction()->setVisible(false);
}

}  // namespace app::ui
