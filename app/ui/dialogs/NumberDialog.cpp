#include "app/ui/dialogs/NumberDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/TextFormat.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "widgets/OkCancelButtons.h"

namespace app::ui {

std::optional<int> readWholeNumber(QLineEdit& edit, int minimum, int maximum,
                                   app::UserInterface& ui) {
    bool parsed = false;
    const qlonglong number = edit.text().trimmed().toLongLong(&parsed);
    if (parsed && number >= minimum && number <= maximum)
        return static_cast<int>(number);
    const bool anyInteger =
        minimum == std::numeric_limits<int>::min() && maximum == std::numeric_limits<int>::max();
    const std::string message =
        anyInteger ? std::string(text::kEnterWholeNumber)
                   : app::formatText(text::kEnterNumberInRange, {static_cast<long long>(minimum),
                                                                 static_cast<long long>(maximum)});
    ui.inform(message, "", app::MessageIcon::warning);
    edit.setFocus();
    edit.selectAll();
    return std::nullopt;
}

std::optional<WholeSize> readWholeSize(QLineEdit& widthEdit, QLineEdit& heightEdit, int minimum,
                                       int maximum, app::UserInterface& ui) {
    const auto width = readWholeNumber(widthEdit, minimum, maximum, ui);
    if (!width)
        return std::nullopt;
    const auto height = readWholeNumber(heightEdit, minimum, maximum, ui);
    if (!height)
        return std::nullopt;
    return WholeSize{*width, *height};
}

NumberDialog::NumberDialog(const QString& prompt, int initialValue, app::UserInterface& ui,
                           QWidget* parent, int minimum, int maximum)
    : QDialog(parent), ui_(ui), value_(initialValue), minimum_(minimum), maximum_(maximum) {
    setWindowTitle(translate(text::kProgramTitle));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt.isEmpty() ? translate(text::kNumberPrompt) : prompt, this);
    edit_ = new QLineEdit(QString::number(initialValue), this);
    label->setBuddy(edit_);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(widgets::makeOkCancelButtons(*this));
    edit_->selectAll();
}

void NumberDialog::accept() {
    const auto number = readWholeNumber(*edit_, minimum_, maximum_, ui_);
    if (!number)
        return;
    value_ = *number;
    QDialog::accept();
}

}  // namespace app::ui
