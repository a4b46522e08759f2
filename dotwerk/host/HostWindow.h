#pragma once

#include <QMainWindow>

#include "dotwerk/CDotwerk.h"
#include "dotwerk/host/PictureFiles.h"

class QActionGroup;
class QScrollArea;

namespace dotwerk_host {

// A small window that edits one picture in the Dotwerk control, creating the
// control by class id as the program does.
class HostWindow final : public QMainWindow {
    Q_OBJECT

public:
    HostWindow();

    // False (with a message) when the control cannot be created.
    bool createEditor(QString* reason);
    bool openPicture(const QString& path, QString* error);
    bool savePicture(const QString& path, QString* error);
    dotwerk::CDotwerk& editor() { return editor_; }

private:
    void buildToolBars();
    void attachPicture();
    void updateStatus();

    dotwerk::CDotwerk editor_;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* canvas_ = nullptr;
    QActionGroup* modes_ = nullptr;
    HostPicture picture_;
    dotwerk::DibHandleRecord handle_;
    QString path_;
};

}  // namespace dotwerk_host
