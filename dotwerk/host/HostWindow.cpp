#include "dotwerk/host/HostWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

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

bool HostWindow::createEditor(QString* reason) {
    if (!editor_.Create(canvas_, {}, reason))
        return false;
    editor_.control()->move(kMargin, kMargin);
    connect(&editor_, &dotwerk::CDotwerk::OnSize, this, [this](qlonglong cx, qlonglong cy) {
        canvas_->resize(static_cast<int>(cx) + 2 * kMargin, static_cast<int>(cy) + 2 * kMargin);
    });
    connect(&editor_, &dotwerk::CDotwerk::OnModified, this, &HostWindow::updateStatus);
    editor_.SetLanguage(dotwerk::kLanguageEnglish);
    buildToolBars();
    return true;
}

void HostWindow::buildToolBars() {
    QToolBar* file = addToolBar(QStringLiteral("File"));
    file->addAction(QStringLiteral("Open"), this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Open"), {}, QStringLiteral("Pictures (*.wbmp *.wbm *.bmp)"));
        QString error;
        if (!path.isEmpty() && !openPicture(path, &error))
            QMessageBox::critical(this, QStringLiteral("Open"), error);
    });
    file->addAction(QStringLiteral("Save"), this, [this] {
        QString error;
        if (!path_.isEmpty() && !savePicture(path_, &error))
            QMessageBox::critical(this, QStringLiteral("Save"), error);
    });

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
    view->addAction(QStringLiteral("Undo"), this, [this] {
        editor_.Undo();
        updateStatus();
    });
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

void HostWindow::attachPicture() {
    handle_ = {picture_.dib.data(), picture_.dib.size()};
    if (editor_.InitFromHDIB(dotwerk::handleOf(&handle_)) != 0) {
        // A block the control refuses: start from a blank picture instead.
        picture_ = blankPicture(96, 64);
        handle_ = {picture_.dib.data(), picture_.dib.size()};
        editor_.InitFromHDIB(dotwerk::handleOf(&handle_));
    }
    editor_.SetMode(dotwerk::kModePencil);
    editor_.control()->show();
    updateStatus();
}

bool HostWindow::savePicture(const QString& path, QString* error) {
    if (editor_.LoadDIB() != 0) {
        *error = QStringLiteral("the editor could not write the picture back");
        return false;
    }
    updateStatus();
    return savePictureFile(path, picture_, error);
}

void HostWindow::updateStatus() {
    long long cx = 0, cy = 0;
    editor_.GetImageSize(&cx, &cy);
    const short mode = editor_.GetMode();
    if (modes_ != nullptr)
        for (QAction* action : modes_->actions())
            action->setChecked(action->data().toInt() == mode);
    statusBar()->showMessage(
        QStringLiteral("%1  %2 x %3%4")
            .arg(QFileInfo(path_).fileName())
            .arg(cx)
            .arg(cy)
            .arg(editor_.IsModified() ? QStringLiteral("  modified") : QString()));
}

}  // namespace dotwerk_host
