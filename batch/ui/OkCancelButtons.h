#pragma once

class QDialog;
class QDialogButtonBox;
class QString;

namespace batchui {

// OK and cancel buttons captioned with the given texts, wired to the
// dialog's accept and reject (overrides included). The caller places them.
QDialogButtonBox* makeOkCancelButtons(QDialog& dialog, const QString& okText,
                                      const QString& cancelText);
// The same with the batch dialogs' captions ("OK", "Zrušit").
QDialogButtonBox* makeOkCancelButtons(QDialog& dialog);

}  // namespace batchui
