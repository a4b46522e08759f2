#include "batch/ui/MessageBoxes.h"

#include <QPushButton>
#include <utility>

#include "batch/ui/DialogTexts.h"

namespace batchui {
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
        shown.caption = QString::fromUtf8(text::kProgramTitle);
    if (currentSink()) {
        currentSink()(shown);
        return;
    }
    QMessageBox box(shown.icon, shown.caption, shown.text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QString::fromUtf8(text::kOk));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace batchui
