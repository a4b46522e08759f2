#pragma once

#include <QDialog>

// The about box: the program's icon, name and version, the maker's
// contact lines and an OK button.
namespace app::ui {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace app::ui
