#pragma once

#include <iosfwd>

#include "app/core/UserInterface.h"

namespace cli {

// The application's messages on a terminal: information goes to `out`,
// warnings and errors to `err`. There is nobody to ask, so questions take
// their affirmative answer (folders are created, runs go ahead).
class TerminalUi : public app::UserInterface {
public:
    TerminalUi(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    void inform(const std::string& text, const std::string& caption,
                app::MessageIcon icon) override;
    bool askYesNo(const std::string&, const std::string&, app::MessageIcon) override {
        return true;
    }
    bool askOkCancel(const std::string&, const std::string&, app::MessageIcon) override {
        return true;
    }

private:
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace cli
