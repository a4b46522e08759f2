#include "dotwerk/TextDialog.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dotwerk/LanguageTexts.h"
#include "dotwerk/Translate.h"

namespace dotwerk {
namespace {

constexpr int kMaxTextLength = 100;

QLineEdit* readOnlyLine(const char* name, QWidget* parent) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}

}  // namespace

TextDialog::TextDialog(const LogicalFont& font, long long language, QWidget* parent)
    : QDialog(parent), font_(font), language_(language) {
    const auto& t = textsForLanguage(language);
    setObjectName(QStringLiteral("DotwerkTextDialog"));
    setWindowTitle(translate(t.textDialogTitle));
    setModal(true);

    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setMaxLength(kMaxTextLength);
    auto* fontButton = new QPushButton(translate(t.fontButton), this);
    fontButton->setObjectName(QStringLiteral("fontButton"));
    fontButton->setAutoDefault(false);
    fontName_ = readOnlyLine("fontName", this);
    fontSize_ = readOnlyLine("fontSize", this);
    fontStyle_ = readOnlyLine("fontStyle", this);

    auto* form = new QFormLayout;
    form->addRow(translate(t.textLabel), text_);
    form->addRow(QString(), fontButton);
    form->addRow(translate(t.fontNameLabel), fontName_);
    form->addRow(translate(t.fontSizeLabel), fontSize_);
    form->addRow(translate(t.fontStyleLabel), fontStyle_);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(translate(t.ok), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = buttons->addButton(translate(t.cancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(fontButton, &QPushButton::clicked, this, &TextDialog::chooseFont);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showFontLines();
    text_->setFocus();
}

QString TextDialog::text() const {
    return text_->text();
}

void TextDialog::chooseFont() {
    const auto& t = textsForLanguage(language_);
    bool accepted = false;
    const QFont chosen =
        QFontDialog::getFont(&accepted, toQFont(font_), this, translate(t.fontDialogTitle));
    if (!accepted)
        return;
    font_ = fromQFont(chosen, logicalDpiY(), font_);
    showFontLines();
}

void TextDialog::showFontLines() {
    fontName_->setText(font_.faceName);
    fontSize_->setText(sizeText(font_, logicalDpiY()));
    fontStyle_->setText(styleText(font_, language_));
}

}  // namespace dotwerk
