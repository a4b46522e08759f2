#include "widgets/MessageBoxes.h"

#include <QPushButton>
#include <utility>

#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {
namespace {

MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}

}  // namespace

MessageSink setMessageSink(MessageSink sink) {
    return std::exchange(currentSink(), std::move(sink));
}

void showMessage(QWidget* parent, const Message& message) {
    Message shown = message;
    if (shown.caption.isEmpty())
        shown.caption = translate(text::kProgramTitle);
    if (currentSink()) {
        currentSink()(shown);
        return;
    }
    QMessageBox box(shown.icon, shown.caption, shown.text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(translate(text::kOk));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace widgets
