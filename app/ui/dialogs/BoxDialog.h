#pragma once

#include <QDialog>

#include "app/core/UserInterface.h"

class QCheckBox;
class QLineEdit;

namespace app::ui {

// "Přizpůsobit na rozměry": the box a picture is fitted into, each side 1 to
// 4096 pixels, and whether the picture may lose its proportions.
class BoxDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinimumSide = 1;
    static constexpr int kMaximumSide = 4096;

    BoxDialog(int width, int height, app::UserInterface& ui, QWidget* parent = nullptr);

    // The result, valid after the dialog was accepted.
    int boxWidth() const { return width_; }
    int boxHeight() const { return height_; }
    bool ignoreAspectRatio() const { return ignoreAspectRatio_; }

    QLineEdit& widthEdit() { return *widthEdit_; }
    QLineEdit& heightEdit() { return *heightEdit_; }
    QCheckBox& ignoreAspectRatioBox() { return *ignoreBox_; }

    void accept() override;

private:
    app::UserInterface& ui_;
    QLineEdit* widthEdit_ = nullptr;
    QLineEdit* heightEdit_ = nullptr;
    QCheckBox* ignoreBox_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool ignoreAspectRatio_ = false;
};

}  // namespace app::ui
