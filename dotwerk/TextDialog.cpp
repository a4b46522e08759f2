#include "dotwerk/TextDialog.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dotwerk/DotwerkTexts.h"

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
    const auto& t = texts::forLanguage(language);
    setObjectName(QStringLiteral("DotwerkTextDialog"));
    setWindowTitle(QString::fromUtf8(t.textDialogTitle));
    setModal(true);

    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setMaxLength(kMaxTextLength);
    auto* fontButton = new QPushButton(QString::fromUtf8(t.fontButton), this);
    fontButton->setObjectName(QStringLiteral("fontButton"));
    fontButton->setAutoDefault(false);
    fontName_ = readOnlyLine("fontName", this);
    fontSize_ = readOnlyLine("fontSize", this);
    fontStyle_ = readOnlyLine("fontStyle", this);

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(t.textLabel), text_);
    form->addRow(QString(), fontButton);
    form->addRow(QString::fromUtf8(t.fontNameLabel), fontName_);
    form->addRow(QString::fromUtf8(t.fontSizeLabel), fontSize_);
    form->addRow(QString::fromUtf8(t.fontStyleLabel), fontStyle_);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QString::fromUtf8(t.ok), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = buttons->addButton(QString::fromUtf8(t.cancel), QDialogButtonBox::RejectRole);
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
    const auto& t = texts::forLanguage(language_);
    bool accepted = false;
    const QFont chosen =
        QFontDialog::getFont(&accepted, toQFont(font_), this, QString::fromUtf8(t.fontDialogTitle));
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
