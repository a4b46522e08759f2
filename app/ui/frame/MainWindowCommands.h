#pragma once

#include <QKeySequence>
#include <QList>

#include <span>
#include <string_view>

// The program's commands as data: for each command id its menu text, its
// status-bar prompt and tooltip, and its accelerators.
namespace app::ui {

struct CommandDescription {
    int id;
    // The menu item ("&Nový\tCtrl+N"); the text after a tab is the key
    // shown beside it.
    std::string_view menuText;
    // The status-bar prompt, then after "\n" the tooltip (may be absent).
    std::string_view prompt;
};

std::span<const CommandDescription> commandDescriptions();

// The keys of a command (several for some commands: Ctrl+C and
// Ctrl+Insert copy); empty when it has none.
QList<QKeySequence> acceleratorsOf(int commandId);

// The two parts of a prompt string.
struct PromptParts {
    QString statusTip;
    QString toolTip;  // empty when the string has none
};
PromptParts splitPrompt(std::string_view prompt);

}  // namespace app::ui
