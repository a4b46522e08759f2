#include "cli/terminal/TerminalUi.h"

#include <ostream>

namespace cli {

void TerminalUi::inform(const std::string& text, const std::string& caption,
                        app::MessageIcon icon) {
    const bool problem = icon == app::MessageIcon::error || icon == app::MessageIcon::warning;
    std::ostream& stream = problem ? err_ : out_;
    if (!caption.empty() && problem)
        stream << caption << ": ";
    stream << text;
    if (text.empty() || text.back() != '\n')
        stream << '\n';
}

}  // namespace cli
