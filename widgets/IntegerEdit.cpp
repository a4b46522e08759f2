#include "widgets/IntegerEdit.h"

#include <QLineEdit>

#include "widgets/MessageBoxes.h"
#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {

std::optional<int> integerIn(const QLineEdit& edit) {
    bool ok = false;
    const int value = edit.text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> readIntegerInRange(QLineEdit& edit, int minimum, int maximum) {
    const auto value = integerIn(edit);
    if (value && *value >= minimum && *value <= maximum)
        return value;
    showMessage(edit.window(), {translate(text::kIntegerRange).arg(minimum).arg(maximum), QString(),
                                QMessageBox::Warning});
    edit.setFocus();
    edit.selectAll();
    return std::nullopt;
}

}  // namespace widgets
