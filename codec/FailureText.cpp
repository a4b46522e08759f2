#include "codec/FailureText.h"

#include "codec/CodecMessages.h"

namespace codec {

std::string failureText(const CCodec& codec, unsigned serialBefore) {
    if (codec.errorSerial() != serialBefore || codec.lastGifReadResult() == 0)
        return codec.errordescription();
    return msg::gifResultText(msg::kGifReadError, codec.lastGifReadResult());
}

}  // namespace codec
