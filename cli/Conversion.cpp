#include "cli/Conversion.h"

#include "codec/PictureFormats.h"

namespace cli {

bool isConversionOption(const std::string& option) {
    return option == "-f" || option == "-m" || option == "-t";
}

std::optional<std::string> applyConversionOption(const std::string& option,
                                                 const std::string& value,
                                                 ConversionOptions& options) {
    if (option == "-f") {
        if (!outputFormat(value))
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
        options.thresholdGiven = true;
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

const codec::PictureFormat* outputFormat(std::string_view name) {
    for (const codec::PictureFormat& format : codec::pictureFormats()) {
        if (format.writable() && format.key() == name)
            return &format;
    }
    return nullptr;
}

int outputFormatCode(const std::string& name) {
    const codec::PictureFormat* format = outputFormat(name);
    return format ? format->code : codec::kFormatWbmp;
}

bool ConversionOptions::convertsToMonochrome() const {
    const codec::PictureFormat* written = outputFormat(format);
    return (written && written->blackAndWhite) || method.has_value() || dither.any();
}

std::optional<std::string> ConversionOptions::problem() const {
    const codec::PictureFormat* written = outputFormat(format);
    if (cArray.any() && (!written || written->code != codec::kFormatCArray))
        return std::string("--byte-order and --invert-array need -f c");
    return std::nullopt;
}

}  // namespace cli
