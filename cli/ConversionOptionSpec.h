#pragma once

#include "cli/Conversion.h"
#include "cli/OptionParser.h"

namespace cli {

// -f FORMAT, -m METHOD and -t THRESHOLD, as the commands that convert
// pictures take them.
inline OptionSpec conversionOptionSpec(ConversionOptions& options) {
    return {
        {"-f", "-m", "-t"}, true, [&options](const std::string& name, const std::string& value) {
            return applyConversionOption(name, value, options);
        }};
}

}  // namespace cli
