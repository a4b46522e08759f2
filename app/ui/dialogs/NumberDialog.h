#pragma once

#include <QDialog>
#include <QString>
#include <limits>
#include <optional>

#include "app/core/UserInterface.h"
#include "widgets/OkCancelButtons.h"

class QDialogButtonBox;
class QLineEdit;

namespace app::ui {

// Reads a whole number typed into an edit. A text that is no whole number,
// or one outside minimum..maximum, is answered with a message naming what is
// expected; the edit then gets the focus with its text selected, so that the
// dialog stays open for a correction.
std::optional<int> readWholeNumber(QLineEdit& edit, int minimum, int maximum,
                                   app::UserInterface& ui);

// A width and a height read as above, each in minimum..maximum; the width
// is checked first.
struct WholeSize {
    int width = 0;
    int height = 0;
};
std::optional<WholeSize> readWholeSize(QLineEdit& widthEdit, QLineEdit& heightEdit, int minimum,
                                       int maximum, app::UserInterface& ui);

// The number dialog: one prompt (by default "Zadejte číslo:") and one edit
// for a whole number in minimum..maximum (by default any).
class NumberDialog : public QDialog {
    Q_OBJECT

public:
    NumberDialog(const QString& prompt, int initialValue, app::UserInterface& ui,
                 QWidget* parent = nullptr, int minimum = std::numeric_limits<int>::min(),
                 int maximum = std::numeric_limits<int>::max());

    // The number typed, valid after the dialog was accepted.
    int value() const { return value_; }
    QLineEdit& edit() { return *edit_; }

    void accept() override;

private:
    app::UserInterface& ui_;
    QLineEdit* edit_ = nullptr;
    int value_ = 0;
    int minimum_;
    int maximum_;
};

}  // namespace app::ui
