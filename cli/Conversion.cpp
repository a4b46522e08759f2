#include "cli/Conversion.h"

namespace cli {

void prepareCodec(codec::CCodec& codec) {
    codec.setThrowException(false);
    codec.setUndoFile("");
    codec.setAlwaysHalftone(true);
}

bool loadPicture(codec::CCodec& codec, const std::string& input) {
    return codec.LoadImage(input, "") != 0;
}

namespace {

bool resize(codec::CCodec& codec, const ConversionOptions& options) {
    switch (options.resize) {
        case ResizeKind::none:
            return true;
        case ResizeKind::fit:
            return codec.ResizeTo(options.size.width, options.size.height, 0);
        case ResizeKind::exact:
            return codec.ResizeTo(options.size.width, options.size.height, 1);
        case ResizeKind::percent:
            return codec.ResizePercentual(options.percent);
    }
    return false;
}

}  // namespace

bool convertPicture(codec::CCodec& codec, const std::string& input, const std::string& output,
                    const ConversionOptions& options, bool refuseExisting) {
    if (!loadPicture(codec, input))
        return false;
    if (!resize(codec, options))
        return false;
    if (options.convertsToMonochrome() &&
        !codec.ConvertBMPToMonochrome(options.effectiveMethod(), options.threshold))
        return false;
    return codec.SaveAs(output, options.format, refuseExisting ? 1 : 0) != 0;
}

}  // namespace cli
