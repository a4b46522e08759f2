#include "codec/FailureText.h"

#include "base/TextFormat.h"
#include "bitmap/gif/GifErrors.h"
#include "codec/Texts.h"

namespace codec {

std::string failureText(const Codec& codec, unsigned serialBefore) {
    if (codec.errorSerial() != serialBefore || codec.lastGifReadResult() == 0)
        return codec.errordescription();
    return gifResultText(text::kGifReadError, codec.lastGifReadResult());
}

std::string gifResultText(std::string_view pattern, int code) {
    return bitmap::formatText(pattern, {code, bitmap::gifErrorMessage(code)});
}

}  // namespace codec
