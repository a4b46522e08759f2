#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// The message boxes of the batch dialogs. Tests put a sink in their place
// so that no box waits for an answer.
namespace widgets {

struct Message {
    QString text;
    QString caption;  // empty: the program's title
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

using MessageSink = std::function<void(const Message&)>;

// Sends every following message to `sink` instead of a box (an empty sink
// brings the boxes back); returns the sink it replaces.
MessageSink setMessageSink(MessageSink sink);

// A modal box with an OK button over `parent`.
void showMessage(QWidget* parent, const Message& message);

}  // namespace widgets
