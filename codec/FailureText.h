#pragma once

#include <string>
#include <string_view>

#include "codec/Codec.h"

namespace codec {

// Why the codec's last operation failed: its error text when the operation
// reported one (the error serial moved past `serialBefore`), otherwise the
// reason a GIF could not be read, which loading does not report as an error.
std::string failureText(const Codec& codec, unsigned serialBefore);

// A GIF result pattern ("Chyba #%d ...: %s") filled with the reader's or
// writer's code and its text.
std::string gifResultText(std::string_view pattern, int code);

}  // namespace codec
