#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The picture formats the program knows, one row each: how files of the
// format are named and recognised, how the codec loads and writes them, and
// what the file dialogs show for them. Nothing else in the program lists
// formats; a new format is a new row (and its reader or writer).
namespace codec {

class Codec;

// The format codes. Their numbers are published: the codec's format lookup
// gives them, and the batch run and the dialogs name formats by them.
enum FormatCode : int {
    kFormatUnknown = -1,
    kFormatBmp = 0,
    kFormatWbmp = 1,
    kFormatJpeg = 2,
    kFormatGif = 3,
    kFormatPng = 4,
    // PNG with white as the transparent colour: a way of writing PNG files.
    kFormatPngTransparent = 5,
    // One-bit files for small displays, written only.
    kFormatPbm = 6,
    kFormatXbm = 7,
    kFormatCArray = 8,
};

// What a file's first bytes say: a format the signature proves (or none,
// for a file that looks like one but does not hold together) and the
// picture's size as far as the header tells it.
struct Sniffed {
    FormatCode format = kFormatUnknown;
    int width = 0;
    int height = 0;
};

// The first bytes of a file, zero-padded to kSniffBytes, and the file's
// length.
inline constexpr size_t kSniffBytes = 1024;
using SniffFunction = std::optional<Sniffed> (*)(std::span<const uint8_t> head,
                                                 uint64_t fileLength);
using LoadFunction = int (*)(Codec& codec, const std::string& path);
using SaveFunction = int (*)(Codec& codec, const std::string& path);

struct PictureFormat {
    FormatCode code;
    // fileFormat after a file was recognised, and the extension of the
    // files written in the format.
    std::string_view name;
    // File-name extensions that stand for the format, matched without regard
    // to case. The first is how callers ask for the format (saveAs, split,
    // the command line's -f).
    std::span<const std::string_view> extensions;
    // Decides by the file's content; null for a format without a signature
    // of its own. A result, even one without a format, ends the search.
    SniffFunction sniff;
    // Null when the program cannot read the format.
    LoadFunction load;
    // Null when the program cannot write the format.
    SaveFunction save;
    // Written as the codec's undo file (a file read back as the picture).
    bool undoPicture;
    // Holds black and white only: pictures are converted before writing.
    bool blackAndWhite;
    // Writes the files of another row (same extension): it is no file
    // format of its own where files are looked for or offered by type.
    bool variant;
    // The dialogs: the format's short name ("JPEG"), empty when they do not
    // offer it; the open dialogs' patterns; offered by the batch run's
    // add-files dialog as well.
    std::string_view dialogName;
    std::string_view openPatterns;
    bool batchAddDialog;

    std::string_view key() const { return extensions.front(); }
    bool readable() const { return load != nullptr; }
    bool writable() const { return save != nullptr; }
};

// Every row, in the order of their codes.
std::span<const PictureFormat> pictureFormats();

// The row of a code; null for kFormatUnknown and any other number.
const PictureFormat* formatByCode(int code);
// The row of the text after the last "." of a path or file name; null for
// an unknown extension or none.
const PictureFormat* formatOfPath(std::string_view path);
// The row of a bare format name or extension ("wbmp", "png-trans", "JPEG"),
// looked up as the extension of "." + name.
const PictureFormat* formatOfName(std::string_view name);
// The first row whose name is `name` (compared without regard to case):
// the format a written file's extension stands for.
const PictureFormat* formatNamed(std::string_view name);

// The codes of formatOfPath and formatOfName; kFormatUnknown for none.
int formatCodeOf(std::string_view path);
int formatCodeOfName(std::string_view name);
// The name of a code's row; empty for an unknown code.
std::string_view formatName(int code);

// What the file's first bytes (zero-padded to kSniffBytes) and its length
// say about it: the format and size when a signature matches, {unknown,
// 0, 0} when none does.
Sniffed sniffPicture(std::span<const uint8_t> head, uint64_t fileLength);
// The same for the file at `path`; nothing when it cannot be read.
std::optional<Sniffed> sniffFile(const std::string& path);

// One filter of a file dialog: its description and its patterns, separated
// by ";".
struct FileFilter {
    std::string description;
    std::string patterns;
};

// The program's Open dialog: every readable format the dialogs offer, together under
// allFormats followed by their names, then one filter per format.
std::vector<FileFilter> openDialogFilters(std::string_view allFormats);
// The same for the batch run's add-files dialog, with the formats it offers.
std::vector<FileFilter> batchAddDialogFilters(std::string_view allFormats);
// The Save As dialog's formats in the order of its filters, and the filters.
std::span<const FormatCode> saveDialogFormats();
std::vector<FileFilter> saveDialogFilters();

}  // namespace codec
