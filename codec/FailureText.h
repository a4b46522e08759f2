#pragma once

#include <string>

#include "codec/CCodec.h"

namespace codec {

// Why the codec's last operation failed: its error text when the operation
// reported one (the error serial moved past `serialBefore`), otherwise the
// reason a GIF could not be read, which loading does not report as an error.
std::string failureText(const CCodec& codec, unsigned serialBefore);

}  // namespace codec
