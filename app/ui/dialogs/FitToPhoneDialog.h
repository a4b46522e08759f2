#pragma once

#include <QDialog>

#include "app/core/UserInterface.h"
#include "app/core/settings/PhoneTable.h"

class QListWidget;

namespace app::ui {

// Fills a list with the phones of the table in their order, one
// PhoneTable::listEntry per row in a fixed-pitch font, so that row p is
// phone p + 1 (a phone that cannot be read keeps its row, empty). The first
// row is selected.
void fillPhoneList(QListWidget& list, const app::PhoneTable& phones);

// "Přizpůsobit na telefon": the phone whose display the picture is fitted
// to. The chosen row is kept program-wide: opening the dialog resets it to
// the first row and every change of the selection stores it at once. A
// second list offers the display presets instead; choosing in one list
// clears the choice in the other.
class FitToPhoneDialog : public QDialog {
    Q_OBJECT

public:
    explicit FitToPhoneDialog(app::UserInterface& ui, QWidget* parent = nullptr);

    // The 0-based row last chosen in any fit-to-phone dialog.
    static int chosenPosition() { return chosenPosition_; }
    // The display preset chosen in this dialog (an index into
    // app::displayPresets()), or -1 when a phone is.
    int chosenDisplay() const { return chosenDisplay_; }

    QListWidget& phoneList() { return *list_; }
    QListWidget& displayList() { return *displays_; }

    void accept() override;

private:
    app::UserInterface& ui_;
    QListWidget* list_ = nullptr;
    QListWidget* displays_ = nullptr;
    int chosenDisplay_ = -1;
    inline static int chosenPosition_ = 0;
};

}  // namespace app::ui
