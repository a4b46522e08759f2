#include "app/ui/dialogs/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "widgets/ProgramIcon.h"

namespace app::ui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(translate(text::kProgramTitle));
    setObjectName(QStringLiteral("AboutBox"));

    auto* icon = new QLabel(this);
    icon->setPixmap(widgets::programIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(translate(text::kAboutVersion), this);
    version->setObjectName(QStringLiteral("version"));
    auto* copyright = new QLabel(translate(text::kAboutCopyright), this);
    auto* contact = new QLabel(translate(text::kAboutContact), this);
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(copyright);
    texts->addWidget(contact);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(translate(text::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);
    top->addWidget(buttons, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace app::ui
