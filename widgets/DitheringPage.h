#pragma once

#include <QWidget>

class QLineEdit;

namespace widgets {

class DitherMethodButtons;

// The batch sheet's page "Dithering": the dithering method and the threshold
// of one run. The sheet fills it before showing it and reads it back when
// the page is left and after OK.
class DitheringPage : public QWidget {
    Q_OBJECT
public:
    explicit DitheringPage(QWidget* parent = nullptr);

    // A number that is no method (such as -1, the program's own method)
    // leaves every method button clear.
    void setValues(int method, int threshold);
    // The method (-1 when no button is chosen) and the threshold. A threshold
    // that is no number within 0..255 shows the range message, puts the focus
    // into its edit and gives false: the user stays on the page.
    bool readValues(int& method, int& threshold);

private:
    DitherMethodButtons* methods_;
    QLineEdit* thresholdEdit_;
};

}  // namespace widgets
