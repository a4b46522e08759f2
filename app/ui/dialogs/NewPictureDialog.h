#pragma once

#include <QDialog>

#include "app/core/UserInterface.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace app::ui {

// "Nový obrázek": the size of a new picture, either the display of a phone
// from the phone table (where phones can also be added and removed) or a
// width and height typed in pixels (each 0 to 2000).
class NewPictureDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinimumSide = 0;
    static constexpr int kMaximumSide = 2000;
    // The size when neither way is chosen.
    static constexpr int kFallbackWidth = 100;
    static constexpr int kFallbackHeight = 60;

    explicit NewPictureDialog(app::UserInterface& ui, QWidget* parent = nullptr);

    // The result, valid after the dialog was accepted.
    int pictureWidth() const { return width_; }
    int pictureHeight() const { return height_; }

    QRadioButton& byPhoneButton() { return *byPhone_; }
    QRadioButton& inPixelsButton() { return *inPixels_; }
    QListWidget& phoneList() { return *list_; }
    QPushButton& removePhoneButton() { return *removeButton_; }
    QPushButton& addPhoneButton() { return *addButton_; }
    QLineEdit& widthEdit() { return *widthEdit_; }
    QLineEdit& heightEdit() { return *heightEdit_; }

    void accept() override;

    // Runs the new-phone dialog and adds the phone on OK. The tests drive
    // the two phone buttons through these.
    void addPhone();
    void removeSelectedPhone();

private:
    // The dialog's opening state, also restored after the table changed:
    // "by phone" chosen, the phones listed with the first selected, 0 x 0.
    void showOpeningState();
    void applyChoice();

    app::UserInterface& ui_;
    QRadioButton* byPhone_ = nullptr;
    QRadioButton* inPixels_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QLineEdit* widthEdit_ = nullptr;
    QLineEdit* heightEdit_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace app::ui
