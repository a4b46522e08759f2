#include "batch/ui/OkCancelButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "batch/ui/Texts.h"
#include "batch/ui/Translate.h"

namespace batchui {

QDialogButtonBox* makeOkCancelButtons(QDialog& dialog, const QString& okText,
                                      const QString& cancelText) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(okText);
    buttons->button(QDialogButtonBox::Cancel)->setText(cancelText);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

QDialogButtonBox* makeOkCancelButtons(QDialog& dialog) {
    return makeOkCancelButtons(dialog, translate(text::kOk), translate(text::kCancel));
}

}  // namespace batchui
