#pragma once

#include <QMessageBox>

#include <functional>

#include "app/core/UserInterface.h"

class QWidget;

// The program's user interface for the application core: message boxes
// over the main window and the application's wait cursor.
namespace app::ui {

// What a message box would have shown; given to the answerer.
struct MessageBoxRequest {
    QString text;
    QString caption;
    app::MessageIcon icon;
    QMessageBox::StandardButtons buttons;
};

class QtUserInterface final : public app::UserInterface {
public:
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
    ~QtUserInterface() override;

    void setParent(QWidget* parent) { parent_ = parent; }

    void inform(const std::string& text, const std::string& caption, MessageIcon icon) override;
    bool askYesNo(const std::string& text, const std::string& caption, MessageIcon icon) override;
    bool askOkCancel(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    // A question with Yes, No and Cancel (Escape cancels).
    enum class Answer { yes, no, cancel };
    Answer askYesNoCancel(const std::string& text, const std::string& caption, MessageIcon icon);

    void beginWait() override;
    void endWait() override;

    // When set, message boxes are not shown: the answerer gets what would
    // have been shown and returns the button pressed. Tests use it so that
    // nothing ever waits for a click.
    using Answerer = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;
    static void setAnswerer(Answerer answerer);

private:
    QMessageBox::StandardButton show(const std::string& text, const std::string& caption,
                                     MessageIcon icon, QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton);

    QWidget* parent_;
    int waitDepth_ = 0;
};

}  // namespace app::ui
