#pragma once

#include <QDialog>
#include <string>

#include "app/core/UserInterface.h"

class QLineEdit;

namespace app::ui {

// "Nový telefon": the name (at most 25 characters) and the display size
// (each side 0 to 9000 pixels) of a phone to add to the phone table.
class NewPhoneDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaximumNameLength = 25;
    static constexpr int kMinimumSide = 0;
    static constexpr int kMaximumSide = 9000;

    explicit NewPhoneDialog(app::UserInterface& ui, QWidget* parent = nullptr);

    // The result (UTF-8 name), valid after the dialog was accepted.
    const std::string& phoneName() const { return name_; }
    int displayWidth() const { return width_; }
    int displayHeight() const { return height_; }

    QLineEdit& nameEdit() { return *nameEdit_; }
    QLineEdit& widthEdit() { return *widthEdit_; }
    QLineEdit& heightEdit() { return *heightEdit_; }

    void accept() override;

private:
    app::UserInterface& ui_;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* widthEdit_ = nullptr;
    QLineEdit* heightEdit_ = nullptr;
    std::string name_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace app::ui
