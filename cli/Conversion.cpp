#include "cli/Conversion.h"

#include "app/core/TextFormat.h"
#include "cli/Texts.h"
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
            return app::formatText(text::kUnsupportedFormat, {value});
        options.format = value;
    } else if (option == "-m") {
        options.method = parseDitherMethod(value);
        if (!options.method)
            return app::formatText(text::kUnknownMethod, {value});
    } else {
        const auto threshold = parseInt(value, 0, 255);
        if (!threshold)
            return std::string(text::kBadThreshold);
        options.threshold = *threshold;
        options.thresholdGiven = true;
    }
    return std::nullopt;
}

void prepareCodec(codec::Codec& codec, const GlobalOptions& global) {
    applyGlobalOptions(codec, global);
    codec.setThrowException(false);
    codec.setUndoFile("");
    codec.setAlwaysHalftone(true);
}

bool loadPicture(codec::Codec& codec, const std::string& input) {
    return codec.loadImage(input, "") != 0;
}

void reportDownloads(codec::Codec& codec, codec::DownloadProgress& sink) {
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
        return std::string(text::kArrayOptionsNeedC);
    return std::nullopt;
}

}  // namespace cli
