#include "carvello/jpeg/JpegUpsample.h"

#include <algorithm>
#include <stdexcept>

namespace carvello {

void upsampleRow(std::span<const uint8_t> source, int ratio, std::span<uint8_t> destination) {
    const size_t count = destination.size();
    const size_t r = static_cast<size_t>(ratio);
    if (r == 0 || source.size() < (count + r - 1) / r)
        throw std::length_error("upsampling source row too short");
    const uint8_t* in = source.data();
    uint8_t* out = destination.data();
    if (r == 1) {
        std::copy_n(in, count, out);
        return;
    }
    if (r == 2) {
        const size_t pairs = count / 2;
        for (size_t i = 0; i < pairs; ++i) {
            out[2 * i] = in[i];
            out[2 * i + 1] = in[i];
        }
        if (count % 2)
            out[count - 1] = in[pairs];
        return;
    }
    size_t x = 0;
    for (size_t i = 0; x < count; ++i)
        for (size_t j = 0; j < r && x < count; ++j)
            out[x++] = in[i];
}

}  // namespace carvello
