#pragma once

#include <optional>
#include <string>

#include "bitmap/dither/DitherMethod.h"
#include "cli/Arguments.h"
#include "cli/DitherOptionSpecs.h"
#include "cli/GlobalOptions.h"
#include "codec/Codec.h"
#include "codec/FailureText.h"
#include "codec/PictureFormats.h"
#include "codec/url/DownloadProgress.h"

namespace cli {

enum class ResizeKind { none, fit, exact, percent };

struct ConversionOptions {
    // The key of a writable format (wbmp, bmp, gif, png or png-trans).
    std::string format{codec::formatByCode(codec::kFormatWbmp)->key()};
    std::optional<int> method;  // given with -m
    int threshold = 128;
    bool thresholdGiven = false;  // -t was given
    ResizeKind resize = ResizeKind::none;
    Size size;          // for fit and exact
    int percent = 100;  // for percent
    DitherOverrides dither;
    CArrayOverrides cArray;

    int effectiveMethod() const { return method.value_or(bitmap::kFloydSteinberg); }
    // Black-and-white formats (WBMP, PBM, XBM, C) are always black and
    // white; other formats only when a method or a dithering option is given.
    bool convertsToMonochrome() const;
    // What is wrong with the options together ("--byte-order needs -f c"),
    // or nothing.
    std::optional<std::string> problem() const;
};

// The options shared by the commands that convert pictures: -f FORMAT,
// -m METHOD and -t THRESHOLD.
bool isConversionOption(const std::string& option);
// Applies one of them with its value; nothing when taken, otherwise what is
// wrong with the value.
std::optional<std::string> applyConversionOption(const std::string& option,
                                                 const std::string& value,
                                                 ConversionOptions& options);

// A codec set up for the command line: errors come back as results, no
// undo file is written, and resizing always averages.
// The global options set its limits.
void prepareCodec(codec::Codec& codec, const GlobalOptions& global);

// What an input named "-" is read from.
inline constexpr std::string_view kStandardInput = "/dev/stdin";

// Loads a picture by name (file name, file:// name or URL).
bool loadPicture(codec::Codec& codec, const std::string& input);

// Has the codec report its downloads to the sink (which must outlive them).
void reportDownloads(codec::Codec& codec, codec::DownloadProgress& sink);

using codec::failureText;

// The writable format the command line names `name` (its key, as -f
// takes it); null for none.
const codec::PictureFormat* outputFormat(std::string_view name);
// Its code; WBMP for a name that is none.
int outputFormatCode(const std::string& name);

}  // namespace cli
