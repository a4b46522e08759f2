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

#include "dotwerk/Texts.h"
#include "dotwerk/Translate.h"

namespace dotwerk_host {
namespace {

constexpr int kMargin = 8;

struct ModeAction {
    short mode;
    const char* name;
};

constexpr ModeAction kModeActions[] = {
    {dotwerk::kModeNone, "Arrow"},      {dotwerk::kModePencil, "Pencil"},
    {dotwerk::kModeEraser, "Eraser"},   {dotwerk::kModeRectangle, "Rectangle"},
    {dotwerk::kModeEllipse, "Ellipse"}, {dotwerk::kModeLine, "Line"},
    {dotwerk::kModeFill, "Fill"},       {dotwerk::kModeSelect, "Select"},
    {dotwerk::kModeCopy, "Copy"},       {dotwerk::kModeMove, "Move"},
    {dotwerk::kModeText, "Text"},
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
    if (!editor_.Create(canvas_, library, reason))
        return false;
    editor_.control()->move(kMargin, kMargin);
    connect(&editor_, &dotwerk::CDotwerk::OnSize, this, [this](qlonglong cx, qlonglong cy) {
        canvas_->resize(static_cast<int>(cx) + 2 * kMargin, static_cast<int>(cy) + 2 * kMargin);
    });
    // The modified flag comes with the first change; the status follows it.
    connect(&editor_, &dotwerk::CDotwerk::OnModified, this, [this] {
        QMetaObject::invokeMethod(this, &HostWindow::updateStatus, Qt::QueuedConnection);
    });
    editor_.SetLanguage(dotwerk::kLanguageEnglish);
    buildToolBars();
    return true;
}

void HostWindow::buildToolBars() {
    QToolBar* file = addToolBar(QStringLiteral("File"));
    QAction* open = file->addAction(QStringLiteral("Open"), this, [this] {
        if (!maybeSave())
            return;
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Open"), {}, QStringLiteral("Pictures (*.wbmp *.wbm *.bmp)"));
        QString error;
        if (!path.isEmpty() && !openPicture(path, &error))
            QMessageBox::critical(this, QStringLiteral("Open"), error);
    });
    open->setShortcut(QKeySequence::Open);
    QAction* save = file->addAction(QStringLiteral("Save"), this, [this] { this->save(); });
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = file->addAction(QStringLiteral("Save as"), this, [this] { this->saveAs(); });
    saveAs->setShortcut(QKeySequence::SaveAs);

    QToolBar* tools = addToolBar(QStringLiteral("Tools"));
    modes_ = new QActionGroup(this);
    for (const auto& entry : kModeActions) {
        QAction* action = tools->addAction(QString::fromLatin1(entry.name));
        action->setCheckable(true);
        action->setData(entry.mode);
        modes_->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode = entry.mode] {
            editor_.SetMode(mode);
            updateStatus();
        });
    }

    QToolBar* view = addToolBar(QStringLiteral("View"));
    for (short code = 1; code <= 3; ++code)
        view->addAction(QStringLiteral("Width %1").arg(code == 3 ? 4 : code), this,
                        [this, code] { editor_.SetLineWidth(code); });
    view->addAction(QStringLiteral("Zoom +"), this,
                    [this] { editor_.SetZoom(static_cast<short>(editor_.GetZoom() + 1)); });
    view->addAction(QStringLiteral("Zoom -"), this,
                    [this] { editor_.SetZoom(static_cast<short>(editor_.GetZoom() - 1)); });
    view->addAction(QStringLiteral("Grid"), this,
                    [this] { editor_.SetShowGrid(!editor_.GetShowGrid()); });
    view->addAction(QStringLiteral("Invert"), this, [this] { editor_.InvertColor(); });
    view->addAction(QStringLiteral("Clear"), this, [this] { editor_.Clear(); });
    QAction* undo = view->addAction(QStringLiteral("Undo"), this, [this] {
        editor_.Undo();
        updateStatus();
    });
    undo->setShortcut(QKeySequence::Undo);
    view->addAction(QStringLiteral("Czech"), this, [this] { editor_.SetLanguage(1); });
    view->addAction(QStringLiteral("English"), this, [this] { editor_.SetLanguage(2); });
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
    if (editor_.InitFromHDIB(dotwerk::handleOf(&handle_)) != 0) {
        // A block the control refuses: start from a blank picture instead.
        picture_ = blankPicture(96, 64);
        handle_ = {picture_.dib.data(), picture_.dib.size()};
        editor_.InitFromHDIB(dotwerk::handleOf(&handle_));
    }
    takenBackUnsaved_ = false;
    editor_.SetMode(dotwerk::kModePencil);
    editor_.control()->show();
    updateStatus();
}

bool HostWindow::savePicture(const QString& path, QString* error) {
    const bool modified = editor_.IsModified();
    if (editor_.LoadDIB() != 0) {
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
    return takenBackUnsaved_ || editor_.IsModified();
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
    editor_.GetImageSize(&cx, &cy);
    const short mode = editor_.GetMode();
    if (modes_ != nullptr)
        for (QAction* action : modes_->actions())
            action->setChecked(action->data().toInt() == mode);
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
