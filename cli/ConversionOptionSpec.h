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

// Adds the dithering options and the C array options to a command's table.
inline void addDitherOptionSpecs(OptionTable& table, ConversionOptions& options) {
    for (auto& spec : ditherOptionSpecs(options.dither))
        table.options.push_back(std::move(spec));
    for (auto& spec : cArrayOptionSpecs(options.cArray))
        table.options.push_back(std::move(spec));
}

}  // namespace cli
