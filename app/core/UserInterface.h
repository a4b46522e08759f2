#pragma once

#include <string>

#include "app/core/Texts.h"

// How the application's deciding code talks to the user. The desktop
// program implements it with message boxes and a wait cursor, glyphon-cli
// with lines on the terminal, the tests with a recorder. Texts are UTF-8.
namespace app {

enum class MessageIcon { none, information, question, warning, error };

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A message box with an OK button.
    virtual void inform(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
    void error(const std::string& message,
               const std::string& caption = std::string(text::kCaptionError)) {
        inform(message, caption, MessageIcon::error);
    }
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption,
                          MessageIcon icon) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool askOkCancel(const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;

    // The wait cursor; calls nest.
    virtual void beginWait() {}
    virtual void endWait() {}
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    explicit WaitCursor(UserInterface& ui) : ui_(ui) { ui_.beginWait(); }
    ~WaitCursor() { ui_.endWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UserInterface& ui_;
};

}  // namespace app
