#include "cli/GlobalOptions.h"

#include "app/core/TextFormat.h"
#include "app/core/settings/AppSettings.h"
#include "cli/Arguments.h"
#include "cli/Texts.h"

namespace cli {

std::optional<std::string> takeGlobalOptions(std::vector<std::string>& args,
                                             GlobalOptions& options) {
    while (!args.empty() && (args.front() == "--max-pixels" || args.front() == "--timeout")) {
        const std::string name = args.front();
        if (args.size() < 2)
            return app::formatText(text::kOptionNeedsValue, {name});
        const std::string value = args[1];
        args.erase(args.begin(), args.begin() + 2);
        if (name == "--max-pixels") {
            const auto pixels = parseInt(value, 1, app::AppSettings::kDefaultMaxPixels);
            if (!pixels)
                return app::formatText(
                    text::kBadMaxPixels,
                    {static_cast<long long>(app::AppSettings::kDefaultMaxPixels)});
            options.maxPixels = *pixels;
        } else {
            const auto seconds = parseInt(value, 1, 86400);
            if (!seconds)
                return std::string(text::kBadTimeout);
            options.timeoutSeconds = *seconds;
        }
    }
    return std::nullopt;
}

void applyGlobalOptions(codec::Codec& codec, const GlobalOptions& options) {
    // The store is read only when the limit was not given.
    codec.setMaxPixels(options.maxPixels ? *options.maxPixels
                                         : app::AppSettings::storedMaxPixels());
    codec.setDownloadTimeout(options.timeoutSeconds.value_or(codec::kDefaultDownloadTimeout));
}

}  // namespace cli
