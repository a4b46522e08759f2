#include "widgets/OkCancelButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {

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
    return makeOkCancelButtons(dialog, translate(text::kOk), translate(text::kStorno));
}

QDialogButtonBox* makeOkZrusitButtons(QDialog& dialog) {
    return makeOkCancelButtons(dialog, translate(text::kOk), translate(text::kCancel));
}

}  // namespace widgets
