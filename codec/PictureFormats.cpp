#include "codec/PictureFormats.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "base/FileIO.h"
#include "base/TextFormat.h"
#include "codec/Codec.h"
#include "codec/IgnoringCase.h"
#include "codec/PictureSniffing.h"
#include "codec/Texts.h"

namespace codec {
namespace {

constexpr std::array<std::string_view, 1> kBmpExtensions{"bmp"};
constexpr std::array<std::string_view, 2> kWbmpExtensions{"wbmp", "wbm"};
constexpr std::array<std::string_view, 2> kJpegExtensions{"jpg", "jpeg"};
constexpr std::array<std::string_view, 1> kGifExtensions{"gif"};
constexpr std::array<std::string_view, 1> kPngExtensions{"png"};
constexpr std::array<std::string_view, 1> kPngTransparentExtensions{"png-trans"};
constexpr std::array<std::string_view, 1> kPbmExtensions{"pbm"};
constexpr std::array<std::string_view, 1> kXbmExtensions{"xbm"};
constexpr std::array<std::string_view, 1> kCArrayExtensions{"c"};

// A row's loader or writer: the codec's operation of that format.
template <int (Codec::*operation)(const std::string&)>
int call(Codec& codec, const std::string& path) {
    return (codec.*operation)(path);
}

// JPEG files are read at 8 bits per pixel, as every load ends.
int loadJpeg(Codec& codec, const std::string& path) {
    return codec.loadJpegToBmp(path, 8);
}

// clang-format off
constexpr std::array<PictureFormat, 9> kFormats{{
    // code, name, extensions, sniff, load, save,
    //   undo picture, black and white, variant, dialog name, open patterns, batch add dialog
    {kFormatBmp, "bmp", kBmpExtensions, sniff::bmp, call<&Codec::loadBmp>, call<&Codec::saveBmp>,
        true, false, false, "BMP", "*.BMP", true},
    {kFormatWbmp, "wbmp", kWbmpExtensions, sniff::wbmp, call<&Codec::loadWbmp>, call<&Codec::saveWbmp>,
        true, true, false, "WBMP", "*.WBM;*.WBMP", true},
    {kFormatJpeg, "jpg", kJpegExtensions, sniff::jpeg, loadJpeg, nullptr,
        false, false, false, "JPEG", "*.JPG;*.JPEG", true},
    {kFormatGif, "gif", kGifExtensions, sniff::gif, call<&Codec::loadGif>, call<&Codec::saveGif>,
        true, false, false, "GIF", "*.GIF", true},
    {kFormatPng, "png", kPngExtensions, sniff::png, call<&Codec::loadPng>, call<&Codec::savePng>,
        true, false, false, "PNG", "*.PNG", true},
    // Its files are PNG files: recognised as PNG, loaded as PNG. White
    // becomes transparent, so it is no undo picture.
    {kFormatPngTransparent, "png", kPngTransparentExtensions, nullptr, call<&Codec::loadPng>,
        call<&Codec::savePngTransparentWhite>, false, false, true, "", "", false},
    {kFormatPbm, "pbm", kPbmExtensions, nullptr, nullptr, call<&Codec::savePbm>,
        false, true, false, "PBM", "*.PBM", false},
    {kFormatXbm, "xbm", kXbmExtensions, nullptr, nullptr, call<&Codec::saveXbm>,
        false, true, false, "XBM", "*.XBM", false},
    // C source for display drivers (see Codec::CArrayOptions).
    {kFormatCArray, "c", kCArrayExtensions, nullptr, nullptr, call<&Codec::saveCArray>,
        false, true, false, "C Array", "*.C", false},
}};
// clang-format on

constexpr bool codesAreIndices() {
    for (size_t i = 0; i < kFormats.size(); ++i)
        if (kFormats[i].code != static_cast<int>(i))
            return false;
    return true;
}
static_assert(codesAreIndices(), "a row's code is its place in the table");

// The order in which the dialogs' first filter names the formats.
constexpr std::array<FormatCode, 5> kDialogSummaryOrder{kFormatBmp, kFormatJpeg, kFormatWbmp,
                                                        kFormatGif, kFormatPng};
// The Save As dialog's filters, in this order.
constexpr std::array<FormatCode, 6> kSaveDialogFormats{kFormatWbmp, kFormatBmp, kFormatPng,
                                                       kFormatPbm,  kFormatXbm, kFormatCArray};

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string fileDescription(const PictureFormat& format) {
    return bitmap::formatText(text::kFormatFile, {format.dialogName});
}

// The first filter (every offered format under one description) and one
// filter per format, for the formats `offered` accepts.
template <typename Offered>
std::vector<FileFilter> dialogFilters(std::string_view allFormats, Offered offered) {
    FileFilter all{std::string(allFormats) + " (", {}};
    const char* separator = "";
    for (const FormatCode code : kDialogSummaryOrder) {
        if (!offered(*formatByCode(code)))
            continue;
        all.description += separator;
        all.description += formatByCode(code)->dialogName;
        separator = ", ";
    }
    all.description += ")";
    std::vector<FileFilter> filters{all};
    for (const PictureFormat& format : kFormats) {
        if (format.dialogName.empty() || !offered(format))
            continue;
        if (!filters.front().patterns.empty())
            filters.front().patterns += ';';
        filters.front().patterns += format.openPatterns;
        filters.push_back({fileDescription(format), std::string(format.openPatterns)});
    }
    return filters;
}

}  // namespace

std::span<const PictureFormat> pictureFormats() {
    return kFormats;
}

const PictureFormat* formatByCode(int code) {
    if (code < 0 || code >= static_cast<int>(kFormats.size()))
        return nullptr;
    return &kFormats[static_cast<size_t>(code)];
}

const PictureFormat* formatOfPath(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return nullptr;
    const std::string_view extension = path.substr(dot + 1);
    for (const PictureFormat& format : kFormats) {
        for (const std::string_view known : format.extensions) {
            if (equalsIgnoringCase(extension, known))
                return &format;
        }
    }
    return nullptr;
}

const PictureFormat* formatOfName(std::string_view name) {
    return formatOfPath("." + std::string(name));
}

const PictureFormat* formatNamed(std::string_view name) {
    for (const PictureFormat& format : kFormats) {
        if (equalsIgnoringCase(format.name, name))
            return &format;
    }
    return nullptr;
}

int formatCodeOf(std::string_view path) {
    const PictureFormat* format = formatOfPath(path);
    return format ? format->code : kFormatUnknown;
}

int formatCodeOfName(std::string_view name) {
    const PictureFormat* format = formatOfName(name);
    return format ? format->code : kFormatUnknown;
}

std::string_view formatName(int code) {
    const PictureFormat* format = formatByCode(code);
    return format ? format->name : std::string_view();
}

Sniffed sniffPicture(std::span<const uint8_t> head, uint64_t fileLength) {
    // The signatures differ in their first byte, so the order of the rows
    // does not matter.
    for (const PictureFormat& format : kFormats) {
        if (!format.sniff)
            continue;
        if (const auto found = format.sniff(head, fileLength))
            return *found;
    }
    return {};
}

std::optional<Sniffed> sniffFile(const std::string& path) {
    auto head = bitmap::readFilePrefixAndSize(path, kSniffBytes);
    if (!head)
        return std::nullopt;
    // The probe is zero-filled to full size, so fixed-offset fields past
    // the end of a short file read as 0.
    head->bytes.resize(kSniffBytes, 0);
    return sniffPicture(head->bytes, head->fileSize);
}

std::vector<FileFilter> openDialogFilters(std::string_view allFormats) {
    return dialogFilters(allFormats, [](const PictureFormat& format) { return format.readable(); });
}

std::vector<FileFilter> batchAddDialogFilters(std::string_view allFormats) {
    return dialogFilters(allFormats, [](const PictureFormat& format) {
        return format.readable() && format.batchAddDialog;
    });
}

std::span<const FormatCode> saveDialogFormats() {
    return kSaveDialogFormats;
}

std::vector<FileFilter> saveDialogFilters() {
    std::vector<FileFilter> filters;
    for (const FormatCode code : kSaveDialogFormats) {
        const PictureFormat& format = *formatByCode(code);
        filters.push_back({fileDescription(format), "*." + upperCase(format.name)});
    }
    return filters;
}

}  // namespace codec
