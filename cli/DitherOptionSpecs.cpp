#include "cli/DitherOptionSpecs.h"

#include <string>

#include "app/core/TextFormat.h"
#include "cli/Arguments.h"
#include "cli/Texts.h"

namespace cli {
namespace {

using bitmap::ToneAdjustments;

// --NAME sets the flag, --no-NAME clears it.
OptionSpec switchOption(std::string_view on, std::string_view off, std::optional<bool>& target) {
    return {
        {on, off}, false, [&target, on](const std::string& name, const std::string&) -> Refusal {
            target = name == on;
            return std::nullopt;
        }};
}

OptionSpec numberOption(std::string_view name, int low, int high, std::optional<int>& target) {
    return {{name},
            true,
            [&target, low, high](const std::string& given, const std::string& value) -> Refusal {
                const auto number = parseInt(value, low, high);
                if (!number)
                    return app::formatText(text::kBadWholeNumber, {given, low, high});
                target = number;
                return std::nullopt;
            }};
}

}  // namespace

bitmap::DitherOptions DitherOverrides::over(bitmap::DitherOptions base) const {
    base.serpentine = serpentine.value_or(base.serpentine);
    base.strength = strength.value_or(base.strength);
    base.linearLight = linearLight.value_or(base.linearLight);
    base.tone.autoLevels = autoLevels.value_or(base.tone.autoLevels);
    base.tone.brightness = brightness.value_or(base.tone.brightness);
    base.tone.contrast = contrast.value_or(base.tone.contrast);
    base.tone.gamma = gamma.value_or(base.tone.gamma);
    base.tone.invert = invert.value_or(base.tone.invert);
    return base;
}

bitmap::CArrayOptions CArrayOverrides::over(bitmap::CArrayOptions base) const {
    base.layout = layout.value_or(base.layout);
    base.invert = invert.value_or(base.invert);
    return base;
}

std::vector<OptionSpec> ditherOptionSpecs(DitherOverrides& o) {
    return {
        switchOption("--serpentine", "--no-serpentine", o.serpentine),
        numberOption("--strength", 0, bitmap::DitherOptions::kMaxStrength, o.strength),
        switchOption("--linear", "--no-linear", o.linearLight),
        switchOption("--auto-levels", "--no-auto-levels", o.autoLevels),
        numberOption("--brightness", ToneAdjustments::kMinBrightness,
                     ToneAdjustments::kMaxBrightness, o.brightness),
        numberOption("--contrast", ToneAdjustments::kMinContrast, ToneAdjustments::kMaxContrast,
                     o.contrast),
        {{"--gamma"},
         true,
         [&o](const std::string&, const std::string& value) -> Refusal {
             o.gamma = parseGamma(value);
             if (!o.gamma)
                 return std::string(text::kBadGamma);
             return std::nullopt;
         }},
        switchOption("--invert", "--no-invert", o.invert),
    };
}

std::vector<OptionSpec> cArrayOptionSpecs(CArrayOverrides& o) {
    return {
        {{"--byte-order"},
         true,
         [&o](const std::string&, const std::string& value) -> Refusal {
             if (value == "horizontal")
                 o.layout = bitmap::CArrayLayout::horizontal;
             else if (value == "vertical")
                 o.layout = bitmap::CArrayLayout::vertical;
             else if (value == "xbm")
                 o.layout = bitmap::CArrayLayout::xbm;
             else
                 return std::string(text::kBadByteOrder);
             return std::nullopt;
         }},
        {{"--invert-array"},
         false,
         [&o](const std::string&, const std::string&) -> Refusal {
             o.invert = true;
             return std::nullopt;
         }},
    };
}

std::string helpText(std::string_view help) {
    std::string text(help);
    for (const auto& [mark, lines] :
         {std::pair{"%DITHER%", kDitherOptionsHelp}, std::pair{"%CARRAY%", kCArrayOptionsHelp}}) {
        const size_t at = text.find(mark);
        if (at != std::string::npos)
            text.replace(at, std::string_view(mark).size(), lines);
    }
    return text;
}

std::optional<int> parseGamma(std::string_view text) {
    const size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
    if (fraction.size() > 2 || (dot != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    const auto units = parseInt(whole.empty() ? "0" : whole, 0, 10);
    std::string hundredths(fraction);
    hundredths.resize(2, '0');
    const auto part = parseInt(hundredths, 0, 99);
    if (!units || !part || hundredths.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int gamma = *units * 100 + *part;
    if (gamma < ToneAdjustments::kMinGamma || gamma > ToneAdjustments::kMaxGamma)
        return std::nullopt;
    return gamma;
}

}  // namespace cli
