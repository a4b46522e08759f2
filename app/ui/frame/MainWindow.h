#pragma once

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/document/DocumentHost.h"
#include "app/core/document/PictureDocument.h"
#include "app/core/settings/AppSettings.h"
#include "app/ui/frame/QtUserInterface.h"
#include "app/ui/frame/RecentFiles.h"

namespace batchui {
class DownloadProgressDialog;
}
class QAction;
class QPrinter;
class QLabel;
class QMenu;
class QToolBar;

namespace app::ui {

class BatchAndSplitCommands;
class PictureView;

// The program's main window: the menu bar, the main, link and drawing
// toolbars, the status bar, the document and its view. Every command is
// one QAction carrying its command id; each has an update rule that sets
// its enabled and checked state, run after every command, when the
// clipboard changes and before a menu opens.
class MainWindow final : public QMainWindow, public app::DocumentHost {
    Q_OBJECT
public:
    // The settings must hold the codec (createCodec) before a picture is
    // opened. Destroying the window writes the settings back and deletes the
    // codec.
    explicit MainWindow(app::AppSettings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    app::PictureDocument& document() { return *document_; }
    PictureView& view() { return *view_; }
    QtUserInterface& userInterface() { return ui_; }
    app::AppSettings& settings() { return settings_; }
    const RecentFiles& recentFiles() const { return recentFiles_; }
    // The batch conversion and split commands with their kept options.
    BatchAndSplitCommands& batchAndSplit() { return *batchAndSplit_; }
    // The window that follows downloads; the codec reports to it.
    batchui::DownloadProgressDialog& downloadProgress() { return *downloadProgress_; }

    // The action of a command id (null for an unknown id).
    QAction* action(int commandId) const;
    // Runs a command as a click on its menu item would.
    void runCommand(int commandId);
    // Runs every update rule.
    void updateCommands();

    QToolBar* mainToolBar() const { return mainToolBar_; }
    QToolBar* linkToolBar() const { return linkToolBar_; }
    QToolBar* drawingToolBar() const { return drawingToolBar_; }
    QMenu* zoomMenu() const { return zoomMenu_; }
    QMenu* drawingMenu() const { return drawingMenu_; }
    QMenu* fileMenu() const { return fileMenu_; }
    // The status bar's picture pane ("96 × 60, 1 bit, 400 %").
    QLabel* pictureStatus() const { return pictureStatus_; }

    // Opens a file as the command line, the recent-file list or Ctrl+O do;
    // a failure is shown. True when the picture opened.
    bool openDocumentFile(const QString& path);

    // DocumentHost
    void pictureChanged() override;
    void resetZoom() override;
    void addToRecentFiles(const std::string& path) override;
    bool isEditing() const override;
    bool editorModified() const override;
    void takeEditedPicture() override;
    void endEditing() override;
    void startEditing() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using UpdateRule = std::function<void(QAction&)>;

    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void connectCommands();
    // The editing mode's commands and rules (MainWindowEditing.cpp).
    void connectEditingCommands();
    // Runs the handler when the command is triggered, then the update rules.
    void onCommand(int commandId, std::function<void()> handler);
    void addRule(int commandId, UpdateRule rule);
    void rebuildRecentFileMenu();
    void updateTitle();
    // The status bar's pane with the picture's size, depth and zoom.
    void updatePictureStatus();
    QMenu* addMenu(QMenu* parent, std::string_view title);
    void addItems(QMenu* menu, std::initializer_list<int> ids);

    // Commands of the file and picture menus (MainWindowFile.cpp).
    bool saveModified();
    bool doSave();
    bool doSaveAs();
    void onFileNew();
    void onFileOpen();
    void onOpenRecentFile(int position);
    void onDownload();
    void onResizePercent();
    void onSetHeight();
    void onSetWidth();
    void onFitToBox();
    void onFitToPhone();
    void onConversionSettings();
    void onConvert();
    // Shell commands (MainWindowShell.cpp).
    void onSettings();
    void onAbout();
    // Printing goes through one printer for the whole run, so that what
    // the print setup chose is what the next print uses.
    QPrinter& printer();
    void onPrint();
    void onPrintDirect();
    void onPrintPreview();
    void onPrintSetup();

    // Where the file dialogs start: the last folder, or the save folder.
    QString initialFolder() const;
    bool hasPicture() const;
    bool pictureCommandsEnabled() const;

    app::AppSettings& settings_;
    QtUserInterface ui_;
    RecentFiles recentFiles_;
    std::unique_ptr<app::PictureDocument> document_;
    std::unique_ptr<QPrinter> printer_;
    PictureView* view_ = nullptr;
    batchui::DownloadProgressDialog* downloadProgress_ = nullptr;
    std::unique_ptr<BatchAndSplitCommands> batchAndSplit_;

    std::map<int, QAction*> actions_;
    std::vector<std::pair<int, UpdateRule>> rules_;
    std::vector<QAction*> recentFileActions_;
    QAction* recentFilePlaceholder_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QMenu* drawingMenu_ = nullptr;
    QMenu* zoomMenu_ = nullptr;
    QToolBar* mainToolBar_ = nullptr;
    QToolBar* linkToolBar_ = nullptr;
    QToolBar* drawingToolBar_ = nullptr;
    QLabel* pictureStatus_ = nullptr;

    // The file dialogs' remembered filter (1-based) for the whole run.
    int openFilterIndex_ = 1;
    bool updating_ = false;
};

}  // namespace app::ui
