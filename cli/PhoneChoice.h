#pragma once

#include <optional>
#include <string>

#include "cli/Arguments.h"

// Choosing a phone of the stored phone table on the command line
// (--phone N|NAME of convert and split).
namespace cli {

// The display size of the phone that `text` names: a phone number (1-based,
// as `glyphon-cli phones list` shows it) or a phone's name, compared without
// regard to case and to blanks around it. A number within the table is taken
// as a number; a phone whose name looks like a number beyond the table is
// found by its name. Several phones of one name are fine when their sizes
// agree. When no phone fits, the name is ambiguous, the phone's values cannot
// be read, or its display is not at least 1 x 1 (nor beyond 2^20), returns
// nothing and puts the reason (English, one line, no prefix) into `why`.
// Reads the stored table afresh on every call.
std::optional<Size> resolvePhone(const std::string& text, std::string& why);

// Which phone numbers a table of `count` phones has, for messages about a
// number outside it ("the table has phones 1 to 17").
std::string phoneRangeText(int count);

}  // namespace cli
