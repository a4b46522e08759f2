#include "app/ui/frame/QtUserInterface.h"

#include <QAbstractButton>
#include <QGuiApplication>

#include <utility>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"

namespace app::ui {
namespace {

QtUserInterface::Answerer& answerer() {
    static QtUserInterface::Answerer instance;
    return instance;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::information:
            return QMessageBox::Information;
        case MessageIcon::question:
            return QMessageBox::Question;
        case MessageIcon::warning:
            return QMessageBox::Warning;
        case MessageIcon::error:
            return QMessageBox::Critical;
        case MessageIcon::none:
            break;
    }
    return QMessageBox::NoIcon;
}

// The buttons speak the program's language whatever Qt translations the
// system has.
void nameButtonsInCzech(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, std::string_view> names[] = {
        {QMessageBox::Ok, text::kOk},
        {QMessageBox::Yes, text::kYesButton},
        {QMessageBox::No, text::kNoButton},
        {QMessageBox::Cancel, text::kCancel},
    };
    for (const auto& [button, name] : names)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(translate(name));
}

}  // namespace

QtUserInterface::~QtUserInterface() {
    // A wait cursor left over (an exception between begin and end) must not
    // outlive the window that showed it.
    while (waitDepth_ > 0)
        endWait();
}

void QtUserInterface::setAnswerer(Answerer newAnswerer) {
    answerer() = std::move(newAnswerer);
}

QMessageBox::StandardButton QtUserInterface::show(const std::string& message,
                                                  const std::string& caption, MessageIcon icon,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) {
    const MessageBoxRequest request{
        QString::fromStdString(message),
        caption.empty() ? translate(text::kProgramTitle) : QString::fromStdString(caption), icon,
        buttons};
    if (answerer())
        return answerer()(request);

    // The wait cursor would hide the arrow the user needs to answer.
    const bool waiting = waitDepth_ > 0;
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(boxIcon(icon), request.caption, request.text, buttons, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(defaultButton);
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    nameButtonsInCzech(box);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (waiting)
        QGuiApplication::restoreOverrideCursor();
    return answer;
}

void QtUserInterface::inform(const std::string& text, const std::string& caption,
                             MessageIcon icon) {
    show(text, caption, icon, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtUserInterface::askYesNo(const std::string& text, const std::string& caption,
                               MessageIcon icon) {
    return show(text, caption, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool QtUserInterface::askOkCancel(const std::string& text, const std::string& caption,
                                  MessageIcon icon) {
    return show(text, caption, icon, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
           QMessageBox::Ok;
}

QtUserInterface::Answer QtUserInterface::askYesNoCancel(const std::string& text,
                                                        const std::string& caption,
                                                        MessageIcon icon) {
    switch (show(text, caption, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                 QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::yes;
        case QMessageBox::No:
            return Answer::no;
        default:
            return Answer::cancel;
    }
}

void QtUserInterface::beginWait() {
    ++waitDepth_;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::endWait() {
    if (waitDepth_ == 0)
        return;
    --waitDepth_;
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace app::ui
