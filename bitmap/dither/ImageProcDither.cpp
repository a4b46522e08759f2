// Monochrome conversion of grey pictures: ImageProc's side of the ditherers.
#include <array>
#include <string_view>

#include "base/CatalogueText.h"
#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "bitmap/dither/Dithering.h"

namespace bitmap {

namespace {

// The message stays a catalogue entry until a failure needs it.
struct DitherEntry {
    int depth;
    std::string_view prefix;
    CatalogueText badMethod;
};

bool ditherInPlace(ImageProc& proc, Dib& dib, int method, int threshold, const DitherEntry& entry,
                   const DitherOptions& options = {}, const ToneCurve* tone = nullptr) {
    if (dib.empty() || dib.bitCount() != entry.depth) {
        proc.fail(entry.prefix, text::kDitherDepth);
        return false;
    }
    if (method < 0 || method >= kDitherMethodCount) {
        proc.fail(entry.prefix, entry.badMethod);
        return false;
    }
    if (dib.palette().size() < 8) {
        proc.fail(entry.prefix, text::kTooFewColours);
        return false;
    }
    const ToneCurve curve = tone ? *tone : toneCurveFor(dib.view(), options);
    switch (ditherRows(dib.view(), greyLevels(dib.palette()), method,
                       static_cast<uint8_t>(threshold), options, curve)) {
        case DitherResult::ok:
            break;
        case DitherResult::outOfMemory:
            proc.fail(entry.prefix, text::kOutOfMemory);
            return false;
        // A picture made by Dib::create always has consistent rows.
        case DitherResult::badRows:
            proc.fail(entry.prefix, text::kDitherDepth);
            return false;
        case DitherResult::badMethod:
            proc.fail(entry.prefix, entry.badMethod);
            return false;
    }
    setBlackAndWhiteEntries(dib.palette());
    return true;
}

}  // namespace

bool ImageProc::change256GrayToMonochrome(Dib& dib, int method, int threshold) {
    return ditherInPlace(*this, dib, method, threshold, {8, text::kGray256, text::kDitherMethod8});
}

bool ImageProc::change16GrayToMonochrome(Dib& dib, int method, int threshold) {
    return ditherInPlace(*this, dib, method, threshold, {4, text::kGray16, text::kDitherMethod4});
}

bool ImageProc::toMonochrome(Dib& dib, int method, int threshold) {
    if (dib.bitCount() == 4)
        return change16GrayToMonochrome(dib, method, threshold);
    return change256GrayToMonochrome(dib, method, threshold);
}

bool ImageProc::toMonochrome(Dib& dib, int method, int threshold, const DitherOptions& options,
                             const ToneCurve* tone) {
    if (dib.bitCount() == 4)
        return ditherInPlace(*this, dib, method, threshold,
                             {4, text::kGray16, text::kDitherMethod4}, options, tone);
    return ditherInPlace(*this, dib, method, threshold, {8, text::kGray256, text::kDitherMethod8},
                         options, tone);
}

bool ImageProc::isAlreadyMonochrome(const Dib& dib) {
    if (dib.empty())
        return false;
    const uint32_t colours = colourCount(dib.header());
    if (colours == 2)
        return true;
    const int bits = dib.bitCount();
    if (colours != 256 || (bits != 1 && bits != 4 && bits != 8))
        return false;

    std::array<bool, 256> used{};
    const auto width = static_cast<size_t>(dib.width());
    for (int y = 0; y < dib.height(); ++y)
        forEachIndex(dib.storedRow(y), bits, width, [&](size_t, int index) { used[index] = true; });
    // The WBMP writer reads index 0 as black and every other index as white,
    // so the picture only counts as black and white when its colours agree.
    const auto palette = dib.palette();
    for (size_t i = 0; i < used.size(); ++i) {
        if (!used[i])
            continue;
        const uint8_t* e = &palette[i * 4];
        if (e[0] != e[1] || e[1] != e[2])
            return false;
        if (e[0] != (i == 0 ? 0 : 255))
            return false;
    }
    return true;
}

}  // namespace bitmap
