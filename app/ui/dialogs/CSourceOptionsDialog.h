#pragma once

#include <QDialog>

#include "bitmap/formats/OneBitFiles.h"

class QButtonGroup;
class QCheckBox;

namespace app::ui {

// "Pole v jazyce C": how Save As packs a C array for a display driver (the
// byte order) and whether a set bit is a black pixel.
class CSourceOptionsDialog : public QDialog {
    Q_OBJECT

public:
    CSourceOptionsDialog(const bitmap::CArrayOptions& options, QWidget* parent = nullptr);

    // The options as the dialog shows them.
    bitmap::CArrayOptions options() const;

    QButtonGroup& layouts() { return *layouts_; }
    QCheckBox& invertBox() { return *invert_; }

private:
    QButtonGroup* layouts_ = nullptr;
    QCheckBox* invert_ = nullptr;
};

}  // namespace app::ui
