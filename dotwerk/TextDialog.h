#pragma once

#include <QDialog>

#include "dotwerk/TextFont.h"

class QLineEdit;

namespace dotwerk {

// The text tool's dialog: the text (at most 100 characters), a button that
// opens the font dialog, and read-only lines with the font's name, size and
// style. Child widgets carry object names ("text", "fontButton", "fontName",
// "fontSize", "fontStyle") so that tests can fill the dialog.
class TextDialog final : public QDialog {
    Q_OBJECT
public:
    TextDialog(const LogicalFont& font, long long language, QWidget* parent);

    QString text() const;
    const LogicalFont& chosenFont() const { return font_; }

private:
    void chooseFont();
    void showFontLines();

    LogicalFont font_;
    long long language_;
    QLineEdit* text_;
    QLineEdit* fontName_;
    QLineEdit* fontSize_;
    QLineEdit* fontStyle_;
};

}  // namespace dotwerk
