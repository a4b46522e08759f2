#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codec/Codec.h"

// The options given before the command, which hold for every command.
namespace cli {

struct GlobalOptions {
    // --max-pixels N: refuse pictures of more than N pixels.
    std::optional<int64_t> maxPixels;
    // --timeout S: give a download up after S seconds.
    std::optional<long> timeoutSeconds;
};

// Takes the global options from the front of `args`, up to the command.
// Nothing when they were fine, otherwise why not.
std::optional<std::string> takeGlobalOptions(std::vector<std::string>& args,
                                             GlobalOptions& options);

// Sets the codec's limits: the pixel limit of --max-pixels or else the
// settings store's "maxPixels", and the download deadline of --timeout or
// else ten minutes.
void applyGlobalOptions(codec::Codec& codec, const GlobalOptions& options);

}  // namespace cli
