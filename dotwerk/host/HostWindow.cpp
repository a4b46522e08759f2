#include "dotwerk/host/HostWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

#include <tuple>

#include "dotwerk/Texts.h"
#include "dotwerk/ToolIcons.h"
#include "dotwerk/Translate.h"

namespace dotwerk_host {
namespace {

constexpr int kMargin = 8;

using dotwerk::icons::Icon;

struct ModeAction {
    short mode;
    const char* name;
    Icon icon;
};

constexpr ModeAction kModeActions[] = {
    {dotwerk::kModeNone, "Arrow", Icon::arrow},
    {dotwerk::kModePencil, "Pencil", Icon::pencil},
    {dotwerk::kModeEraser, "Eraser", Icon::eraser},
    {dotwerk::kModeRectangle, "Rectangle", Icon::rectangle},
    {dotwerk::kModeEllipse, "Ellipse", Icon::ellipse},
    {dotwerk::kModeLine, "Line", Icon::line},
    {dotwerk::kModeFill, "Fill", Icon::fill},
    {dotwerk::kModeSelect, "Select", Icon::select},
    {dotwerk::kModeCopy, "Copy", Icon::copySelection},
    {dotwerk::kModeMove, "Move", Icon::move},
    {dotwerk::kModeText, "Text", Icon::text},
};

// The line widths: the control's code and the width in pixels it draws.
struct WidthAction {
    short code;
    int pixels;
    Icon icon;
};

constexpr WidthAction kWidthActions[] = {
    {1, 1, Icon::lineWidth1},
    {2, 2, Icon::lineWidth2},
    {3, 4, Icon::lineWidth3},
};

}  // namespace

HostWindow::HostWindow() {
    setWindowTitle(QStringLiteral("Dotwerk host"));
    scrollArea_ = new QScrollArea(this);
    canvas_ = new QWidget;
    canvas_->setAutoFillBackground(true);
    scrollArea_->setWidget(canvas_);
    setCentralWidget(scrollArea_);
    resize(640, 480);
}

bool HostWindow::createEditor(QString* reason, const QString& library) {
    if (!editor_.create(canvas_, library, reason))
        return false;
    editor_.control()->move(kMargin, kMargin);
    connect(&editor_, &dotwerk::DotwerkClient::OnSize, this, [this](qlonglong cx, qlonglong cy) {
        canvas_->resize(static_cast<int>(cx) + 2 * kMargin, static_cast<int>(cy) + 2 * kMargin);
    });
    // The modified flag comes with the first change; the status follows it.
    connect(&editor_, &dotwerk::DotwerkClient::OnModified, this, [this] {
        QMetaObject::invokeMethod(this, &HostWindow::updateStatus, Qt::QueuedConnection);
    });
    editor_.setLanguage(dotwerk::kLanguageEnglish);
    buildToolBars();
    return true;
}

void HostWindow::buildToolBars() {
    // Every button shows its picture; its name is the tool tip.
    const auto add = [this](QToolBar* bar, Icon icon, const QString& name, auto handler) {
        QAction* action = bar->addAction(dotwerk::icons::icon(icon), name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QToolBar* file = addToolBar(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("fileToolBar"));
    QAction* open = add(file, Icon::open, QStringLiteral("Open"), [this] {
        if (!maybeSave())
            return;
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Open"), {}, QStringLiteral("Pictures (*.wbmp *.wbm *.bmp)"));
        QString error;
        if (!path.isEmpty() && !openPicture(path, &error))
            QMessageBox::critical(this, QStringLiteral("Open"), error);
    });
    open->setShortcut(QKeySequence::Open);
    QAction* save = add(file, Icon::save, QStringLiteral("Save"), [this] { this->save(); });
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs =
        add(file, Icon::saveAs, QStringLiteral("Save as"), [this] { this->saveAs(); });
    saveAs->setShortcut(QKeySequence::SaveAs);
    QAction* undo = add(file, Icon::undo, QStringLiteral("Undo"), [this] {
        editor_.undo();
        updateStatus();
    });
    undo->setShortcut(QKeySequence::Undo);

    // The tools and the line widths each show which one is in use.
    QToolBar* tools = addToolBar(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("toolsToolBar"));
    modes_ = new QActionGroup(this);
    for (const auto& entry : kModeActions) {
        QAction* action =
            add(tools, entry.icon, QString::fromLatin1(entry.name), [this, mode = entry.mode] {
                editor_.setMode(mode);
                updateStatus();
            });
        action->setCheckable(true);
        action->setData(entry.mode);
        modes_->addAction(action);
    }
    tools->addSeparator();
    widths_ = new QActionGroup(this);
    for (const auto& entry : kWidthActions) {
        QAction* action = add(tools, entry.icon, QStringLiteral("Width %1").arg(entry.pixels),
                              [this, code = entry.code] {
                                  editor_.setLineWidth(code);
                                  updateStatus();
                              });
        action->setCheckable(true);
        action->setData(entry.code);
        widths_->addAction(action);
    }

    // A second row: the first is full with the tools.
    addToolBarBreak();
    QToolBar* view = addToolBar(QStringLiteral("View"));
    view->setObjectName(QStringLiteral("viewToolBar"));
    add(view, Icon::zoomIn, QStringLiteral("Zoom +"), [this] {
        editor_.setZoom(static_cast<short>(editor_.zoom() + 1));
        updateStatus();
    });
    add(view, Icon::zoomOut, QStringLiteral("Zoom -"), [this] {
        editor_.setZoom(static_cast<short>(editor_.zoom() - 1));
        updateStatus();
    });
    grid_ = add(view, Icon::grid, QStringLiteral("Grid"), [this] {
        editor_.setShowGrid(!editor_.showGrid());
        updateStatus();
    });
    grid_->setCheckable(true);
    add(view, Icon::invert, QStringLiteral("Invert"), [this] { editor_.invertColor(); });
    add(view, Icon::clear, QStringLiteral("Clear"), [this] { editor_.clear(); });
    view->addSeparator();
    for (const auto& [language, label, name] :
         {std::tuple{dotwerk::kLanguageCzech, "CZ", "Czech"},
          std::tuple{dotwerk::kLanguageEnglish, "EN", "English"}}) {
        QAction* action = view->addAction(dotwerk::icons::labelIcon(QString::fromLatin1(label)),
                                          QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                [this, chosen = language] { editor_.setLanguage(chosen); });
    }
}

bool HostWindow::openPicture(const QString& path, QString* error) {
    auto picture = loadPictureFile(path, error);
    if (!picture)
        return false;
    picture_ = std::move(*picture);
    path_ = path;
    attachPicture();
    return true;
}

void HostWindow::newPicture(int width, int height) {
    picture_ = blankPicture(width, height);
    path_.clear();
    attachPicture();
}

void HostWindow::attachPicture() {
    handle_ = {picture_.dib.data(), picture_.dib.size()};
    if (editor_.initFromHdib(dotwerk::handleOf(&handle_)) != 0) {
        // A block the control refuses: start from a blank picture instead.
        picture_ = blankPicture(96, 64);
        handle_ = {picture_.dib.data(), picture_.dib.size()};
        editor_.initFromHdib(dotwerk::handleOf(&handle_));
    }
    takenBackUnsaved_ = false;
    editor_.setMode(dotwerk::kModePencil);
    editor_.control()->show();
    updateStatus();
}

bool HostWindow::savePicture(const QString& path, QString* error) {
    const bool modified = editor_.isModified();
    if (editor_.loadDib() != 0) {
        *error = QStringLiteral("the editor could not write the picture back");
        return false;
    }
    if (!savePictureFile(path, picture_, error)) {
        takenBackUnsaved_ = takenBackUnsaved_ || modified;
        updateStatus();
        return false;
    }
    takenBackUnsaved_ = false;
    path_ = path;
    updateStatus();
    return true;
}

bool HostWindow::hasUnsavedChanges() const {
    return takenBackUnsaved_ || editor_.isModified();
}

bool HostWindow::save() {
    if (path_.isEmpty())
        return saveAs();
    QString error;
    if (savePicture(path_, &error))
        return true;
    QMessageBox::critical(this, QStringLiteral("Save"), error);
    return false;
}

bool HostWindow::saveAs() {
    const bool wbmp = picture_.format == FileFormat::Wbmp;
    QFileDialog dialog(this, QStringLiteral("Save as"), path_,
                       wbmp ? QStringLiteral("WBMP pictures (*.wbmp *.wbm)")
                            : QStringLiteral("BMP pictures (*.bmp)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the picture's own.
    dialog.setDefaultSuffix(wbmp ? QStringLiteral("wbmp") : QStringLiteral("bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (savePicture(path, &error))
        return true;
    QMessageBox::critical(this, QStringLiteral("Save as"), error);
    return false;
}

bool HostWindow::maybeSave() {
    if (!hasUnsavedChanges())
        return true;
    const QString name = path_.isEmpty() ? dotwerk::translate(dotwerk::text::kHostUntitled)
                                         : QFileInfo(path_).fileName();
    const auto answer = QMessageBox::warning(
        this, QStringLiteral("Dotwerk host"),
        dotwerk::translate(dotwerk::text::kHostSaveChanges).arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer == QMessageBox::Save)
        return save();
    return false;
}

void HostWindow::closeEvent(QCloseEvent* event) {
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void HostWindow::updateStatus() {
    long long cx = 0, cy = 0;
    editor_.imageSize(&cx, &cy);
    const auto check = [](QActionGroup* group, int value) {
        if (group != nullptr)
            for (QAction* action : group->actions())
                action->setChecked(action->data().toInt() == value);
    };
    check(modes_, editor_.mode());
    check(widths_, editor_.lineWidth());
    if (grid_ != nullptr)
        grid_->setChecked(editor_.showGrid());
    const QString name = path_.isEmpty() ? dotwerk::translate(dotwerk::text::kHostUntitled)
                                         : QFileInfo(path_).fileName();
    setWindowTitle(name + QStringLiteral("[*] - Dotwerk host"));
    setWindowModified(hasUnsavedChanges());
    statusBar()->showMessage(
        QStringLiteral("%1  %2 x %3%4")
            .arg(name)
            .arg(cx)
            .arg(cy)
            .arg(hasUnsavedChanges() ? QStringLiteral("  modified") : QString()));
}

}  // namespace dotwerk_host
