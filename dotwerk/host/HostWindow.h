#pragma once

#include <QMainWindow>

#include "dotwerk/DotwerkClient.h"
#include "dotwerk/host/PictureFiles.h"

class QAction;
class QActionGroup;
class QScrollArea;

namespace dotwerk_host {

// A small window that edits one picture in the Dotwerk control, creating the
// control by class id as the program does. Closing it, or opening another
// picture, offers unsaved drawing for saving first.
class HostWindow final : public QMainWindow {
    Q_OBJECT

public:
    HostWindow();

    // False (with a message) when the control cannot be created. The library
    // is registered when the class is unknown; by default the one beside the
    // host.
    bool createEditor(QString* reason, const QString& library = {});
    bool openPicture(const QString& path, QString* error);
    // A white one-bit picture with no file yet; Save asks for a name.
    void newPicture(int width, int height);
    bool savePicture(const QString& path, QString* error);
    dotwerk::DotwerkClient& editor() { return editor_; }
    // Drawing that no file holds yet.
    bool hasUnsavedChanges() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolBars();
    void attachPicture();
    void updateStatus();
    // Save under the picture's file, or ask for one: false when nothing was
    // written.
    bool save();
    bool saveAs();
    // Offers unsaved drawing for saving: false when the user cancels.
    bool maybeSave();

    dotwerk::DotwerkClient editor_;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* canvas_ = nullptr;
    QActionGroup* modes_ = nullptr;
    QActionGroup* widths_ = nullptr;
    QAction* grid_ = nullptr;
    HostPicture picture_;
    dotwerk::DibHandleRecord handle_;
    QString path_;
    // The control's pixels were taken back but never reached a file: the
    // control no longer counts them as modified.
    bool takenBackUnsaved_ = false;
};

}  // namespace dotwerk_host
