#pragma once

// What may be done to a grey picture on its way to black and white, besides
// the method and the threshold. The defaults change nothing, so a
// conversion with them gives exactly the result of the method alone.
namespace bitmap {

// Changes to the grey values before dithering, applied in this order:
// level stretch, brightness, contrast, gamma, invert.
struct ToneAdjustments {
    static constexpr int kMinBrightness = -100;
    static constexpr int kMaxBrightness = 100;
    static constexpr int kMinContrast = -100;
    static constexpr int kMaxContrast = 100;
    static constexpr int kMinGamma = 10;  // hundredths: 0.10 .. 10.00
    static constexpr int kMaxGamma = 1000;

    // Stretches the grey range in use (without the darkest and brightest
    // half percent of the pixels) to 0..255.
    bool autoLevels = false;
    // Percent of full white added (negative: taken away).
    int brightness = 0;
    // Steepness around middle grey: -100 flattens everything to grey, 0
    // keeps, 100 leaves only black and white.
    int contrast = 0;
    // In hundredths; above 100 brightens the middle greys (out = in^(1/gamma)).
    int gamma = 100;
    bool invert = false;

    bool changesNothing() const { return *this == ToneAdjustments{}; }
    bool operator==(const ToneAdjustments&) const = default;
};

struct DitherOptions {
    static constexpr int kMaxStrength = 100;

    // Error diffusion only: every other row runs right to left with the
    // kernel mirrored.
    bool serpentine = false;
    // Error diffusion only: percent of each pixel's error passed on.
    int strength = kMaxStrength;
    // Dither the light itself rather than the sRGB-coded grey: greys are
    // decoded to linear light first, so grey 188 (half the light) gives
    // about half white pixels.
    bool linearLight = false;
    ToneAdjustments tone{};

    bool operator==(const DitherOptions&) const = default;
};

}  // namespace bitmap
