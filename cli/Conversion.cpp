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

std::string outputExtension(const std::string& format) {
    return std::string(codec::formatName(codec::formatCodeOfName(format)));
}

}  // namespace cli
