#include "batch/ui/IntegerEdit.h"

#include <QLineEdit>

#include "batch/ui/MessageBoxes.h"
#include "batch/ui/Texts.h"
#include "batch/ui/Translate.h"

namespace batchui {

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

}  // namespace batchui
