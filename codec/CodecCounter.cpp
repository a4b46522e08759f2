// Counter pictures put together from ten digit pictures.
#include <algorithm>
#include <array>
#include <fstream>

#include "base/FileIO.h"
#include "base/TextFormat.h"
#include "bitmap/dither/DitherMethod.h"
#include "codec/Codec.h"
#include "codec/PictureFormats.h"
#include "codec/ScopeExit.h"
#include "codec/Texts.h"

namespace codec {
namespace {

using DigitPictures = std::array<std::optional<bitmap::Dib>, 10>;

constexpr int kCounterThreshold = 128;

bool canOpenForReading(const std::string& path) {
    return bitmap::fileExists(path) && std::ifstream(path, std::ios::binary).is_open();
}

// folder + "/" + digit + "." + extension
std::string digitFileName(const std::string& folder, int digit, std::string_view extension) {
    std::string name = folder;
    if (name.empty() || name.back() != '/')
        name.push_back('/');
    name += std::to_string(digit) + ".";
    name.append(extension);
    return name;
}

// The digit shown at each position: zeros in front of the value's digits.
std::vector<int> counterDigits(const std::string& value, int positions) {
    std::vector<int> digits(static_cast<size_t>(positions) - value.size(), 0);
    for (const char c : value)
        digits.push_back(c - '0');
    return digits;
}

// The counter's size: the digits' widths added up and rounded up to a
// multiple of 4, and the tallest digit's height.
PictureSize counterSize(const DigitPictures& pictures, const std::vector<int>& digits) {
    PictureSize size;
    for (const int d : digits) {
        size.width += pictures[d]->width();
        size.height = std::max<int64_t>(size.height, pictures[d]->height());
    }
    size.width = (size.width + 3) / 4 * 4;
    return size;
}

// The counter picture: the digits side by side, aligned at the bottom, with
// index 0 (black) wherever no digit covers it. Nothing when memory runs out.
std::optional<bitmap::Dib> assembleCounter(const DigitPictures& pictures,
                                           const std::vector<int>& digits, PictureSize size) {
    const int64_t width = size.width;
    const auto height = static_cast<int32_t>(size.height);
    const auto first = pictures[0]->header();
    bitmap::BitmapInfoHeader header;
    header.biWidth = static_cast<int32_t>(width);
    header.biHeight = height;
    header.biBitCount = 8;
    header.biSizeImage = static_cast<uint32_t>(std::min<int64_t>(width * height, UINT32_MAX));
    header.biClrUsed = header.biClrImportant = bitmap::colourCount(first);
    auto counter = bitmap::Dib::create(header);
    if (!counter)
        return std::nullopt;
    const auto palette = pictures[0]->palette();
    std::copy_n(palette.begin(), std::min(palette.size(), counter->palette().size()),
                counter->palette().begin());
    size_t left = 0;
    for (const int d : digits) {
        const auto& digit = *pictures[d];
        const auto columns = static_cast<size_t>(digit.width());
        for (int r = 0; r < digit.height(); ++r)
            std::ranges::copy(digit.storedRow(r).first(columns),
                              counter->storedRow(r).subspan(left).begin());
        left += columns;
    }
    return counter;
}

}  // namespace

int Codec::wbmpCounter(const std::string& digitFolder, const std::string& outputPath, int value,
                       int digitCount) {
    const std::string valueText = std::to_string(value);
    const int64_t positions = std::max<int64_t>(digitCount, static_cast<int64_t>(valueText.size()));
    if (value < 0 || positions > bitmap::kMaxDimension)
        return report(CodecError::badArgument,
                      operationPrefix("WBMPCounter") + std::string(text::kBadCounterValue));

    // The digits are loaded through the current picture; the caller's picture
    // and what describes it come back however this ends.
    std::optional<bitmap::Dib> asidePicture;
    asidePicture.swap(picture_);
    const std::optional<PictureSize> asideReducedFrom = reducedFrom_;
    bitmap::WBMPCoder asideWbmp = wbmp_;
    const int asideWidth = imageWidth_, asideHeight = imageHeight_;
    std::string asideFormat = fileFormat_;
    const ScopeExit restorePicture([&] {
        picture_.swap(asidePicture);
        reducedFrom_ = asideReducedFrom;
        wbmp_ = std::move(asideWbmp);
        imageWidth_ = asideWidth;
        imageHeight_ = asideHeight;
        fileFormat_ = std::move(asideFormat);
    });

    // Each name is one attempt: a name that fails to load is no error of its
    // own, and the digits must not replace the caller's undo picture.
    auto quietly = [this](auto&& action) {
        const bool throwing = throwOnError_;
        std::string undo = std::move(undoFile_);
        throwOnError_ = false;
        undoFile_.clear();
        const ScopeExit back([&] {
            throwOnError_ = throwing;
            undoFile_ = std::move(undo);
        });
        return action();
    };

    DigitPictures pictures;
    for (int d = 0; d < 10; ++d) {
        for (const PictureFormat& format : pictureFormats()) {
            if (pictures[d] || format.variant || !format.readable())
                continue;
            const std::string name = digitFileName(digitFolder, d, format.name);
            if (!canOpenForReading(name))
                continue;
            picture_.reset();
            const bool loaded = quietly([&] {
                return loadImageFile(name) &&
                       convertBmpToMonochrome(bitmap::kFloydSteinberg, kCounterThreshold);
            });
            if (loaded && picture_ && picture_->bitCount() == 8)
                pictures[d] = std::move(picture_);
        }
        if (!pictures[d]) {
            return report(CodecError::cannotOpenFile,
                          operationPrefix("WBMPCounter") +
                              bitmap::formatText(text::kDigitPictureMissing, {d}));
        }
    }

    const std::vector<int> digits = counterDigits(valueText, static_cast<int>(positions));
    const PictureSize size = counterSize(pictures, digits);
    if (!withinLimits(size))
        return reportTooLarge("WBMPCounter", size.width, size.height, CodecError::wbmpNotSaved);
    picture_ = assembleCounter(pictures, digits, size);
    const bool saved = picture_ && quietly([&] {
                           return saveAs(outputPath, std::string(formatName(kFormatWbmp)), 1) != 0;
                       });
    if (!saved)
        return report(CodecError::wbmpNotSaved,
                      operationPrefix("WBMPCounter") + std::string(text::kCannotSaveCounter));
    return 1;
}

}  // namespace codec
