#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bitmap/dither/DitherOptions.h"
#include "bitmap/formats/OneBitFiles.h"
#include "cli/OptionParser.h"

// The dithering and display-output options of the commands that convert
// pictures: --serpentine, --strength, --linear, --brightness, --contrast,
// --gamma, --invert, --auto-levels (each flag with a --no- form), and
// --byte-order and --invert-array for C arrays.
namespace cli {

// The options given; the others come from a base (the program's settings
// for convert, the defaults for split).
struct DitherOverrides {
    std::optional<bool> serpentine;
    std::optional<int> strength;
    std::optional<bool> linearLight;
    std::optional<bool> autoLevels;
    std::optional<int> brightness;
    std::optional<int> contrast;
    std::optional<int> gamma;  // hundredths
    std::optional<bool> invert;

    bitmap::DitherOptions over(bitmap::DitherOptions base) const;
    bool any() const {
        return serpentine || strength || linearLight || autoLevels || brightness || contrast ||
               gamma || invert;
    }
};

struct CArrayOverrides {
    std::optional<bitmap::CArrayLayout> layout;
    std::optional<bool> invert;

    bitmap::CArrayOptions over(bitmap::CArrayOptions base) const;
    bool any() const { return layout || invert; }
};

std::vector<OptionSpec> ditherOptionSpecs(DitherOverrides& overrides);
std::vector<OptionSpec> cArrayOptionSpecs(CArrayOverrides& overrides);

// "2.2", "0.45", "10": a gamma of 0.10 to 10.00 with at most two decimals,
// in hundredths.
std::optional<int> parseGamma(std::string_view text);

// The help lines of the options.
inline constexpr const char* kDitherOptionsHelp =
    "  --serpentine    error diffusion: every other row right to left, the\n"
    "                  kernel mirrored (--no-serpentine: all left to right)\n"
    "  --strength P    error diffusion: pass on P percent (0-100) of each error\n"
    "  --linear        dither the light itself (sRGB greys decoded first), so\n"
    "                  grey 188 gives half white pixels (--no-linear)\n"
    "  --auto-levels   stretch the greys in use to black..white (--no-auto-levels)\n"
    "  --brightness B  add B percent of white, -100..100\n"
    "  --contrast C    -100 (flat grey) .. 0 (unchanged) .. 100 (black and white)\n"
    "  --gamma G       0.1-10; above 1 lightens the middle greys\n"
    "  --invert        black becomes white and white black (--no-invert)\n";
inline constexpr const char* kCArrayOptionsHelp =
    "  --byte-order O  C arrays: horizontal (rows, leftmost pixel in the most\n"
    "                  significant bit), vertical (pages of 8 rows, top row in\n"
    "                  the least significant bit: SSD1306-class controllers) or\n"
    "                  xbm (rows, leftmost pixel in the least significant bit)\n"
    "  --invert-array  C arrays: a set bit is a black pixel, not a white one\n";

// A command's help with the lines above put in place of "%DITHER%" and
// "%CARRAY%".
std::string helpText(std::string_view help);

}  // namespace cli
