#include "cli/Conversion.h"

#include "codec/CodecMessages.h"
#include "codec/FormatCodes.h"

namespace cli {

bool isConversionOption(const std::string& option) {
    return option == "-f" || option == "-m" || option == "-t";
}

std::optional<std::string> applyConversionOption(const std::string& option,
                                                 const std::string& value,
                                                 ConversionOptions& options) {
    if (option == "-f") {
        if (value != "wbmp" && value != "bmp" && value != "gif" && value != "png" &&
            value != "png-trans")
            return "unsupported format '" + value + "'";
        options.format = value;
    } else if (option == "-m") {
        options.method = parseDitherMethod(value);
        if (!options.method)
            return "unknown method '" + value + "'";
    } else {
        const auto threshold = parseInt(value, 0, 255);
        if (!threshold)
            return std::string("threshold must be a whole number from 0 to 255");
        options.threshold = *threshold;
    }
    return std::nullopt;
}

void prepareCodec(codec::CCodec& codec) {
    codec.setThrowException(false);
    codec.setUndoFile("");
    codec.setAlwaysHalftone(true);
}

bool loadPicture(codec::CCodec& codec, const std::string& input) {
    return codec.LoadImage(input, "") != 0;
}

void reportDownloads(codec::CCodec& codec, codec::DownloadProgress& sink) {
    codec.setDownloadProgress(&sink);
    codec.setShowDownloadProgress(true);
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

std::optional<std::string> convertPicture(codec::CCodec& codec, const std::string& input,
                                          const std::string& output,
                                          const ConversionOptions& options, bool refuseExisting) {
    const unsigned serial = codec.errorSerial();
    const bool done =
        loadPicture(codec, input) && resize(codec, options) &&
        (!options.convertsToMonochrome() ||
         codec.ConvertBMPToMonochrome(options.effectiveMethod(), options.threshold)) &&
        codec.SaveAs(output, options.format, refuseExisting ? 1 : 0);
    if (done)
        return std::nullopt;
    return failureText(codec, serial);
}

std::string failureText(const codec::CCodec& codec, unsigned serialBefore) {
    if (codec.errorSerial() != serialBefore || codec.lastGifReadResult() == 0)
        return codec.errordescription();
    return codec::msg::gifResultText(codec::msg::kGifReadError, codec.lastGifReadResult());
}

std::string outputExtension(const std::string& format) {
    return std::string(codec::formatName(codec::formatCodeOfName(format)));
}

}  // namespace cli
