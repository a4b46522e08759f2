// The main window: commands, menus, toolbars, status bar, update rules,
// dropped files and the document's window side.
#include "app/ui/frame/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <cstdlib>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/frame/BatchAndSplitCommands.h"
#include "app/ui/frame/Browser.h"
#include "app/ui/frame/CommandIds.h"
#include "app/ui/frame/MainWindowCommands.h"
#include "app/ui/frame/PictureStatus.h"
#include "app/ui/frame/ToolbarIcons.h"
#include "app/ui/frame/WindowPlacement.h"
#include "app/ui/view/PictureView.h"
#include "batch/ui/DownloadProgressDialog.h"
#include "widgets/ProgramIcon.h"

namespace app::ui {
namespace {}  // namespace

MainWindow::MainWindow(app::AppSettings& settings, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      ui_(this),
      document_(std::make_unique<app::PictureDocument>(settings, ui_, *this)) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(widgets::programIcon());
    view_ = new PictureView(*document_, settings_, ui_, this);
    setCentralWidget(view_);
    batchAndSplit_ = std::make_unique<BatchAndSplitCommands>(*document_, ui_, *view_, *this);
    downloadProgress_ = new batchui::DownloadProgressDialog(this);
    if (settings_.codec())
        settings_.codec()->setDownloadProgress(downloadProgress_);

    createActions();
    createMenus();
    createStatusBar();
    createToolBars();
    connectCommands();

    setAcceptDrops(true);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &MainWindow::updateCommands);
    connect(view_, &PictureView::commandStateChanged, this, &MainWindow::updateCommands);
    restoreWindowPlacement(*this);
    // Nothing is being edited at start, whatever the toolbars were left as.
    drawingToolBar_->hide();
    updateTitle();
    updateCommands();
}

MainWindow::~MainWindow() {
    // The view and the document go before the codec does, and the codec
    // stops reporting to a window that is going away.
    if (settings_.codec())
        settings_.codec()->setDownloadProgress(nullptr);
    saveWindowPlacement(*this);
    delete takeCentralWidget();
    view_ = nullptr;
    document_.reset();
    settings_.writeSettings();
}

QAction* MainWindow::action(int commandId) const {
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::runCommand(int commandId) {
    if (QAction* command = action(commandId)) {
        updateCommands();
        if (command->isEnabled())
            command->trigger();
    }
}

void MainWindow::createActions() {
    for (const CommandDescription& description : commandDescriptions()) {
        auto* command = new QAction(translate(description.menuText), this);
        command->setData(description.id);
        command->setObjectName(QStringLiteral("command%1").arg(description.id));
        const PromptParts prompt = splitPrompt(description.prompt);
        command->setStatusTip(prompt.statusTip);
        if (!prompt.toolTip.isEmpty())
            command->setToolTip(prompt.toolTip);
        command->setShortcuts(acceleratorsOf(description.id));
        command->setIcon(commandIcon(description.id));
        command->setIconVisibleInMenu(false);
        actions_[description.id] = command;
        // Every command answers its keys, also those with no menu item.
        addAction(command);
    }
    for (const int id :
         {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_DRAW_GRID, ID_DRAW_EDITING, ID_DRAW_TOOLBAR,
          ID_DRAW_PENCIL, ID_DRAW_ERASER, ID_DRAW_LINE, ID_DRAW_RECTANGLE, ID_DRAW_ELLIPSE,
          ID_DRAW_FILL, ID_DRAW_TEXT, ID_DRAW_SELECT, ID_DRAW_COPY_SELECTION, ID_DRAW_MOVE,
          ID_DRAW_LINE_WIDTH_1, ID_DRAW_LINE_WIDTH_2, ID_DRAW_LINE_WIDTH_3})
        action(id)->setCheckable(true);
    for (int i = 0; i < RecentFiles::kMaximum; ++i)
        recentFileActions_.push_back(action(ID_FILE_MRU_FILE1 + i));
}

QMenu* MainWindow::addMenu(QMenu* parent, std::string_view title) {
    QMenu* menu = parent ? parent->addMenu(translate(title)) : menuBar()->addMenu(translate(title));
    // A menu shows the state of its commands as they are when it opens.
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateCommands);
    return menu;
}

void MainWindow::addItems(QMenu* menu, std::initializer_list<int> ids) {
    for (const int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(action(id));
    }
}

void MainWindow::createMenus() {
    fileMenu_ = addMenu(nullptr, text::kMenuFile);
    addItems(fileMenu_,
             {ID_FILE_NEW, ID_FILE_OPEN_PICTURE, ID_FILE_SAVE, ID_FILE_SAVE_AS, 0, ID_DOWNLOAD,
              ID_SPLIT, ID_BATCH, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0});
    recentFilePlaceholder_ = fileMenu_->addAction(translate(text::kRecentFilePlaceholder));
    recentFilePlaceholder_->setEnabled(false);
    for (QAction* recent : recentFileActions_)
        fileMenu_->addAction(recent);
    addItems(fileMenu_, {0, ID_APP_EXIT});
    rebuildRecentFileMenu();

    QMenu* edit = addMenu(nullptr, text::kMenuEdit);
    addItems(edit, {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE});

    // Items 10 and 11 are the line-width and shape submenus, which the
    // editing rules grey by position.
    drawingMenu_ = addMenu(nullptr, text::kMenuDrawing);
    addItems(drawingMenu_, {ID_DRAW_EDITING, ID_DRAW_GRID, ID_DRAW_TOOLBAR, 0, ID_DRAW_CLEAR,
                            ID_DRAW_INVERT, 0, ID_DRAW_PENCIL, ID_DRAW_ERASER, 0});
    addItems(addMenu(drawingMenu_, text::kMenuLineWidth),
             {ID_DRAW_LINE_WIDTH_1, ID_DRAW_LINE_WIDTH_2, ID_DRAW_LINE_WIDTH_3});
    addItems(addMenu(drawingMenu_, text::kMenuShapes),
             {ID_DRAW_LINE, ID_DRAW_RECTANGLE, ID_DRAW_ELLIPSE});
    addItems(drawingMenu_, {0, ID_DRAW_FILL, ID_DRAW_TEXT, 0, ID_DRAW_SELECT,
                            ID_DRAW_COPY_SELECTION, ID_DRAW_MOVE});

    QMenu* view = addMenu(nullptr, text::kMenuView);
    addItems(view, {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});

    // Items 4 and 5 are the fit and resize submenus, which the picture
    // rules grey by position.
    zoomMenu_ = addMenu(nullptr, text::kMenuZoom);
    addItems(zoomMenu_, {ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_MAX, ID_CANCEL_ZOOM});
    addItems(addMenu(zoomMenu_, text::kMenuFit), {ID_FIT_TO_BOX, ID_FIT_TO_PHONE});
    addItems(addMenu(zoomMenu_, text::kMenuResize),
             {ID_RESIZE_PERCENT, ID_SET_HEIGHT, ID_SET_WIDTH});
    addItems(zoomMenu_, {0, ID_PICTURE_INFO, ID_CONVERT_BW, ID_CONVERSION_SETTINGS});

    QMenu* settingsMenu = addMenu(nullptr, text::kMenuSettings);
    addItems(settingsMenu, {ID_SETTINGS});

    QMenu* help = addMenu(nullptr, text::kMenuHelp);
    addItems(help, {ID_HELP_CONTENTS, ID_WEB_SITE, ID_DOWNLOAD_NEW_VERSION, 0, ID_APP_ABOUT});
}

void MainWindow::createToolBars() {
    const auto makeToolBar = [this](std::string_view title, const QString& name, QSize iconSize,
                                    std::initializer_list<int> ids) {
        auto* bar = new QToolBar(translate(title), this);
        bar->setObjectName(name);
        bar->setIconSize(iconSize);
        for (const int id : ids) {
            if (id == 0)
                bar->addSeparator();
            else
                bar->addAction(action(id));
        }
        return bar;
    };
    mainToolBar_ =
        makeToolBar(text::kMainToolbarTitle, QStringLiteral("mainToolBar"), QSize(16, 16),
                    {ID_FILE_NEW,
                     ID_FILE_OPEN_PICTURE,
                     ID_FILE_SAVE,
                     0,
                     ID_EDIT_CUT,
                     ID_EDIT_COPY,
                     ID_EDIT_PASTE,
                     ID_EDIT_UNDO,
                     0,
                     ID_ZOOM_IN,
                     ID_ZOOM_OUT,
                     0,
                     ID_CONVERT_BW,
                     0,
                     ID_DRAW_EDITING,
                     0,
                     ID_DRAW_GRID,
                     0,
                     ID_BATCH,
                     ID_DOWNLOAD,
                     ID_SPLIT,
                     0,
                     ID_APP_ABOUT});
    linkToolBar_ = makeToolBar(text::kLinkToolbarTitle, QStringLiteral("linkToolBar"),
                               QSize(52, 21), {ID_LINK_WEB_SITE, ID_LINK_DOWNLOAD});
    drawingToolBar_ =
        makeToolBar(text::kDrawingToolbarTitle, QStringLiteral("drawingToolBar"), QSize(16, 15),
                    {ID_DRAW_CLEAR,
                     ID_DRAW_INVERT,
                     0,
                     ID_DRAW_PENCIL,
                     ID_DRAW_ERASER,
                     0,
                     ID_DRAW_LINE,
                     ID_DRAW_RECTANGLE,
                     ID_DRAW_ELLIPSE,
                     0,
                     ID_DRAW_FILL,
                     ID_DRAW_TEXT,
                     0,
                     ID_DRAW_SELECT,
                     ID_DRAW_COPY_SELECTION,
                     ID_DRAW_MOVE,
                     0,
                     ID_DRAW_LINE_WIDTH_1,
                     ID_DRAW_LINE_WIDTH_2,
                     ID_DRAW_LINE_WIDTH_3});

    // One row at the top: the main toolbar on the left, the (hidden) link
    // toolbar on the right; the drawing toolbar on the left side, hidden
    // until editing shows it.
    addToolBar(Qt::TopToolBarArea, mainToolBar_);
    addToolBar(Qt::TopToolBarArea, linkToolBar_);
    linkToolBar_->hide();
    addToolBar(Qt::LeftToolBarArea, drawingToolBar_);
    drawingToolBar_->hide();
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    for (const std::string_view indicator : {text::kCapsLock, text::kNumLock, text::kScrollLock}) {
        auto* pane = new QLabel(translate(indicator), bar);
        pane->setObjectName(QStringLiteral("pane") + qs(indicator));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(pane->text()) + 8);
        // The lock state of the keyboard is not something Qt can read on
        // every platform, so the indicators stay greyed as when unlocked.
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
    // The picture's size, depth and zoom, before the lock indicators.
    pictureStatus_ = new QLabel(bar);
    pictureStatus_->setObjectName(QStringLiteral("panePicture"));
    pictureStatus_->setAlignment(Qt::AlignCenter);
    bar->insertPermanentWidget(0, pictureStatus_);
    // The message pane falls back to the ready prompt whenever a command's
    // prompt goes away.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(translate(text::kReady));
    });
    bar->showMessage(translate(text::kReady));
}

void MainWindow::addRule(int commandId, UpdateRule rule) {
    rules_.emplace_back(commandId, std::move(rule));
}

bool MainWindow::hasPicture() const {
    return document_ && document_->hasPicture();
}

bool MainWindow::pictureCommandsEnabled() const {
    return !isEditing() && hasPicture();
}

void MainWindow::updateCommands() {
    if (updating_ || !view_)
        return;
    updating_ = true;
    for (auto& [id, rule] : rules_)
        if (QAction* command = action(id))
            rule(*command);
    updateTitle();
    updatePictureStatus();
    updating_ = false;
}

void MainWindow::onCommand(int commandId, std::function<void()> handler) {
    connect(action(commandId), &QAction::triggered, this, [this, handler = std::move(handler)] {
        handler();
        // Whatever the command changed shows at once in the toolbars.
        updateCommands();
    });
}

void MainWindow::connectCommands() {
    const auto on = [this](int id, auto handler) { onCommand(id, handler); };
    const auto enabledWhen = [](auto condition) {
        return [condition](QAction& command) { command.setEnabled(condition()); };
    };
    const auto always = [](QAction& command) { command.setEnabled(true); };

    // File
    on(ID_FILE_NEW, [this] { onFileNew(); });
    // Ctrl+O opens the same dialog as the menu's Open, with its filters.
    on(ID_FILE_OPEN, [this] { onFileOpen(); });
    on(ID_FILE_OPEN_PICTURE, [this] { onFileOpen(); });
    on(ID_FILE_SAVE, [this] { doSave(); });
    on(ID_FILE_SAVE_AS, [this] { doSaveAs(); });
    on(ID_DOWNLOAD, [this] { onDownload(); });
    on(ID_FILE_PRINT, [this] { onPrint(); });
    on(ID_FILE_PRINT_DIRECT, [this] { onPrintDirect(); });
    on(ID_FILE_PRINT_PREVIEW, [this] { onPrintPreview(); });
    on(ID_FILE_PRINT_SETUP, [this] { onPrintSetup(); });
    on(ID_APP_EXIT, [this] { close(); });
    for (int i = 0; i < RecentFiles::kMaximum; ++i)
        on(ID_FILE_MRU_FILE1 + i, [this, i] { onOpenRecentFile(i); });
    for (const int id :
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_OPEN_PICTURE, ID_DOWNLOAD, ID_FILE_PRINT,
          ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_APP_EXIT})
        addRule(id, always);
    addRule(ID_FILE_SAVE, enabledWhen([this] {
                return hasPicture() &&
                       (document_->isModified() || document_->undoUsed() || editorModified());
            }));
    addRule(ID_FILE_SAVE_AS, enabledWhen([this] { return hasPicture(); }));
    for (int i = 0; i < RecentFiles::kMaximum; ++i)
        addRule(ID_FILE_MRU_FILE1 + i,
                enabledWhen([this, i] { return i < recentFiles_.paths().size(); }));

    // Edit and zoom: the view's commands and rules.
    on(ID_EDIT_COPY, [this] { view_->copy(); });
    on(ID_EDIT_CUT, [this] { view_->cut(); });
    on(ID_EDIT_PASTE, [this] { view_->paste(); });
    on(ID_EDIT_UNDO, [this] { view_->undo(); });
    on(ID_ZOOM_IN, [this] { view_->zoomIn(); });
    on(ID_ZOOM_OUT, [this] { view_->zoomOut(); });
    on(ID_ZOOM_MAX, [this] { view_->zoomToMaximum(); });
    on(ID_CANCEL_ZOOM, [this] { view_->cancelZoom(); });
    on(ID_PICTURE_INFO, [this] { view_->showPictureInfo(); });
    addRule(ID_EDIT_COPY, enabledWhen([this] { return view_->canCopy(); }));
    addRule(ID_EDIT_CUT, enabledWhen([this] { return view_->canCopy(); }));
    addRule(ID_EDIT_PASTE, enabledWhen([this] { return view_->canPaste(); }));
    addRule(ID_EDIT_UNDO, enabledWhen([this] { return view_->canUndo(); }));
    addRule(ID_ZOOM_MAX, enabledWhen([this] { return view_->canZoomToMaximum(); }));
    addRule(ID_CANCEL_ZOOM, enabledWhen([this] { return view_->canCancelZoom(); }));
    for (const int id : {ID_ZOOM_IN, ID_ZOOM_OUT, ID_PICTURE_INFO})
        addRule(id, enabledWhen([this] { return hasPicture(); }));

    // Picture commands share one rule; the fit-to-box rule also greys the
    // fit and resize submenus of the zoom menu.
    on(ID_CONVERT_BW, [this] { onConvert(); });
    on(ID_RESIZE_PERCENT, [this] { onResizePercent(); });
    on(ID_SET_HEIGHT, [this] { onSetHeight(); });
    on(ID_SET_WIDTH, [this] { onSetWidth(); });
    on(ID_FIT_TO_BOX, [this] { onFitToBox(); });
    on(ID_FIT_TO_PHONE, [this] { onFitToPhone(); });
    on(ID_CONVERSION_SETTINGS, [this] { onConversionSettings(); });
    for (const int id : {ID_CONVERT_BW, ID_RESIZE_PERCENT, ID_SET_WIDTH, ID_SET_HEIGHT,
                         ID_FIT_TO_PHONE, ID_CONVERSION_SETTINGS})
        addRule(id, enabledWhen([this] { return pictureCommandsEnabled(); }));
    addRule(ID_FIT_TO_BOX, [this](QAction& command) {
        const bool enabled = pictureCommandsEnabled();
        command.setEnabled(enabled);
        const QList<QAction*> items = zoomMenu_->actions();
        for (const int position : {4, 5})
            if (position < items.size())
                items.at(position)->setEnabled(enabled);
    });

    // Batch conversion and split (BatchAndSplitCommands.cpp).
    // The batch run borrows the document: unsaved changes are offered for
    // saving first.
    on(ID_BATCH, [this] {
        if (saveModified())
            batchAndSplit_->runBatch();
    });
    on(ID_SPLIT, [this] { batchAndSplit_->runSplit(); });
    addRule(ID_BATCH, enabledWhen([this] { return batchAndSplit_->canRunBatch(isEditing()); }));
    addRule(ID_SPLIT, enabledWhen([this] { return batchAndSplit_->canRunSplit(isEditing()); }));

    connectEditingCommands();

    // Shell commands.
    on(ID_SETTINGS, [this] { onSettings(); });
    on(ID_APP_ABOUT, [this] { onAbout(); });
    on(ID_HELP_CONTENTS, [this] { OpenInBrowser(QString::fromStdString(settings_.helpFile)); });
    on(ID_WEB_SITE, [] { OpenInBrowser(productSiteAddress()); });
    on(ID_DOWNLOAD_NEW_VERSION, [] { OpenInBrowser(downloadPageAddress()); });
    for (const int id :
         {ID_SETTINGS, ID_APP_ABOUT, ID_HELP_CONTENTS, ID_WEB_SITE, ID_DOWNLOAD_NEW_VERSION})
        addRule(id, always);
    // The link toolbar's buttons have no command behind them.
    for (const int id : {ID_LINK_WEB_SITE, ID_LINK_DOWNLOAD})
        addRule(id, [](QAction& command) { command.setEnabled(false); });

    on(ID_VIEW_TOOLBAR, [this] { mainToolBar_->setVisible(!mainToolBar_->isVisible()); });
    on(ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    addRule(ID_VIEW_TOOLBAR, [this](QAction& command) {
        command.setEnabled(true);
        command.setChecked(!mainToolBar_->isHidden());
    });
    addRule(ID_VIEW_STATUS_BAR, [this](QAction& command) {
        command.setEnabled(true);
        command.setChecked(!statusBar()->isHidden());
    });
}

void MainWindow::rebuildRecentFileMenu() {
    const QStringList& paths = recentFiles_.paths();
    for (int i = 0; i < RecentFiles::kMaximum; ++i) {
        QAction* recent = recentFileActions_[static_cast<size_t>(i)];
        const bool listed = i < paths.size();
        recent->setVisible(listed);
        if (listed)
            recent->setText(RecentFiles::menuText(i, paths.at(i)));
    }
    recentFilePlaceholder_->setVisible(paths.isEmpty());
}

void MainWindow::updateTitle() {
    // "[*]" shows as "*" while the picture has unsaved changes.
    setWindowTitle(QString::fromStdString(document_->title()) + QStringLiteral("[*] - ") +
                   translate(text::kProgramTitle));
    setWindowModified(document_->isModified() || editorModified());
}

void MainWindow::updatePictureStatus() {
    if (!hasPicture()) {
        pictureStatus_->clear();
        pictureStatus_->hide();
        return;
    }
    const int zoom = isEditing() ? view_->editor().zoom() : view_->zoom();
    // A black-and-white picture is one bit deep, whatever depth the codec
    // keeps it in until it is saved.
    const int bits = document_->isMonochrome() ? 1 : document_->dib().bitCount();
    pictureStatus_->setText(pictureStatusText(document_->pictureWidth(),
                                              std::abs(document_->pictureHeight()), bits, zoom));
    pictureStatus_->show();
}

void MainWindow::pictureChanged() {
    if (!view_)
        return;
    view_->relayout();
    updateTitle();
    updateCommands();
}

void MainWindow::resetZoom() {
    if (view_)
        view_->zoomTo(1);
}

void MainWindow::addToRecentFiles(const std::string& path) {
    recentFiles_.add(QString::fromStdString(path));
    rebuildRecentFileMenu();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!saveModified()) {
        event->ignore();
        return;
    }
    // Closing the document ends editing: the control gives the picture back
    // before the window and the document go.
    if (isEditing())
        endEditing();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    event->acceptProposedAction();
    // Opening may show message boxes; let the drag finish first.
    QTimer::singleShot(0, this, [this, paths] {
        activateWindow();
        // A dropped picture replaces this one: its changes are offered for
        // saving first, as Open does.
        if (!paths.empty() && !saveModified())
            return;
        document_->dropFiles(paths);
        updateTitle();
        updateCommands();
    });
}

}  // namespace app::ui
