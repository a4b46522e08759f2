#pragma once

#include "batch/ui/DialogTexts.h"

class QDialog;
class QDialogButtonBox;

namespace batchui {

// OK and cancel buttons captioned with the given texts, wired to the
// dialog's accept and reject (overrides included). The caller places them.
QDialogButtonBox* makeOkCancelButtons(QDialog& dialog, const char* okText = text::kOk,
                                      const char* cancelText = text::kCancel);

}  // namespace batchui
