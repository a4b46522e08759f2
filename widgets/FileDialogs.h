#pragma once

#include <QStringList>

class QFileDialog;

// The program's own file dialogs: the same on every desktop, and ones the
// tests can fill in.
namespace widgets {

// Sets the filters and shows the one at filterIndex (1-based, clamped).
// The filter box is made wide enough for its longest text, and the cancel
// button says "Storno" as the program's other dialogs do. Called once the
// accept and file modes are set, which put Qt's own button texts back.
void prepareFileDialog(QFileDialog& dialog, const QStringList& filters, int filterIndex);

// The 1-based index of the filter chosen in the dialog (1 when none of
// `filters` is).
int chosenFilterIndex(const QFileDialog& dialog, const QStringList& filters);

}  // namespace widgets
