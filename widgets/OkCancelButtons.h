#pragma once

class QDialog;
class QDialogButtonBox;
class QString;

namespace widgets {

// OK and cancel buttons captioned with the given texts, wired to the
// dialog's accept and reject (overrides included). The caller places them.
QDialogButtonBox* makeOkCancelButtons(QDialog& dialog, const QString& okText,
                                      const QString& cancelText);
// The same with the program's captions ("OK", "Storno").
QDialogButtonBox* makeOkCancelButtons(QDialog& dialog);
// The same with "OK" and "Zrušit", the captions of the download and folder
// dialogs.
QDialogButtonBox* makeOkZrusitButtons(QDialog& dialog);

}  // namespace widgets
