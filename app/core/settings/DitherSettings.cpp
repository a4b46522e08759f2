#include "app/core/settings/DitherSettings.h"

#include <array>
#include <string>
#include <string_view>

#include "bitmap/dither/DitherMethod.h"

namespace app {
namespace {

const std::string kGroup = "Settings/";

constexpr std::array<std::string_view, 3> kLayoutKeys{"horizontal", "vertical", "xbm"};

void readFlag(const StoredSettings& store, const char* name, bool& flag) {
    if (const auto value = store.readInt(kGroup + name, 0, 1))
        flag = *value != 0;
}

void readNumber(const StoredSettings& store, const char* name, int low, int high, int& number) {
    if (const auto value = store.readInt(kGroup + name, low, high))
        number = *value;
}

template <size_t N>
std::optional<int> indexOfKey(const std::array<std::string_view, N>& keys,
                              const std::optional<std::string>& text) {
    for (size_t i = 0; text && i < keys.size(); ++i)
        if (keys[i] == *text)
            return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

DitherSettings readDitherSettings(const StoredSettings& store, int classicMethod) {
    using bitmap::ToneAdjustments;
    DitherSettings settings;
    settings.method = classicMethod;
    const auto named = store.readString(kGroup + "DitheringMethod");
    for (int m = bitmap::kClassicMethodCount; named && m < bitmap::kDitherMethodCount; ++m)
        if (bitmap::kDitherMethodKeys[m] == *named && bitmap::classicMethodFor(m) == classicMethod)
            settings.method = m;

    bitmap::DitherOptions& o = settings.options;
    readFlag(store, "DitherSerpentine", o.serpentine);
    readNumber(store, "DitherStrength", 0, bitmap::DitherOptions::kMaxStrength, o.strength);
    readFlag(store, "DitherLinearLight", o.linearLight);
    readFlag(store, "AdjustAutoLevels", o.tone.autoLevels);
    readNumber(store, "AdjustBrightness", ToneAdjustments::kMinBrightness,
               ToneAdjustments::kMaxBrightness, o.tone.brightness);
    readNumber(store, "AdjustContrast", ToneAdjustments::kMinContrast,
               ToneAdjustments::kMaxContrast, o.tone.contrast);
    readNumber(store, "AdjustGamma", ToneAdjustments::kMinGamma, ToneAdjustments::kMaxGamma,
               o.tone.gamma);
    readFlag(store, "AdjustInvert", o.tone.invert);

    if (const auto layout = indexOfKey(kLayoutKeys, store.readString(kGroup + "CArrayLayout")))
        settings.cArray.layout = static_cast<bitmap::CArrayLayout>(*layout);
    readFlag(store, "CArrayInvert", settings.cArray.invert);
    return settings;
}

void writeDitherSettings(StoredSettings& store, const DitherSettings& settings) {
    // A value at its default is removed, so a store that only ever saw the
    // classic settings stays as it was.
    auto put = [&store](const char* name, const auto& value, const auto& byDefault) {
        if (value == byDefault)
            store.remove(kGroup + name);
        else
            store.write(kGroup + name, value);
    };
    const int method = settings.method;
    const bool known = method >= 0 && method < bitmap::kDitherMethodCount;
    // A number that is no method of ours is kept as it is.
    store.write(kGroup + "IxDithering", known ? bitmap::classicMethodFor(method) : method);
    put("DitheringMethod",
        std::string(known && method >= bitmap::kClassicMethodCount
                        ? bitmap::kDitherMethodKeys[method]
                        : std::string_view()),
        std::string());

    const bitmap::DitherOptions& o = settings.options;
    const bitmap::DitherOptions d;
    put("DitherSerpentine", int{o.serpentine}, int{d.serpentine});
    put("DitherStrength", o.strength, d.strength);
    put("DitherLinearLight", int{o.linearLight}, int{d.linearLight});
    put("AdjustAutoLevels", int{o.tone.autoLevels}, int{d.tone.autoLevels});
    put("AdjustBrightness", o.tone.brightness, d.tone.brightness);
    put("AdjustContrast", o.tone.contrast, d.tone.contrast);
    put("AdjustGamma", o.tone.gamma, d.tone.gamma);
    put("AdjustInvert", int{o.tone.invert}, int{d.tone.invert});
    const bitmap::CArrayOptions c = settings.cArray;
    put("CArrayLayout", std::string(kLayoutKeys[static_cast<size_t>(c.layout)]),
        std::string(kLayoutKeys[0]));
    put("CArrayInvert", int{c.invert}, 0);
}

}  // namespace app
