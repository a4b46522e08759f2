#pragma once

// The codec's result codes. Their numbers are published: callers read them
// back through Codec::errorcode() and the user sees them in messages, so a
// code keeps its number even where several situations share it.
namespace codec {

enum class CodecError : int {
    // errorcode() before any failure; the same number as savingNotSupported.
    none = 0,
    // saveAs or split to a known format this program cannot write (JPEG).
    savingNotSupported = 0,
    // saveAs refusing an existing file; a download's local file that cannot
    // be created.
    cannotCreateFile = 1,
    bmpNotLoaded = 3,
    wbmpNotLoaded = 4,
    jpegNotLoaded = 5,
    // An operation that needs a current picture finds none.
    noPicture = 7,
    noWbmp = 8,
    bmpNotSaved = 9,
    // The WBMP (or a counter built as one) could not be written.
    wbmpNotSaved = 10,
    wbmpToBmpFailed = 11,
    bmpToWbmpFailed = 12,
    transformFailed = 13,
    monochromeFailed = 14,
    // loadImage of a name that is no file; a downloaded file that does not
    // load.
    pictureNotFound = 15,
    htmlRefused = 16,
    cannotConnect = 17,
    downloadFailed = 18,
    infoFailed = 19,
    gifNotSaved = 20,
    unknownFormat = 21,
    // Split: the tile folder cannot be created, or exists while throwing.
    folderUnavailable = 22,
    splitFailed = 23,
    undoFormatNotWritable = 24,
    // A file cannot be opened for reading; a counter digit has no picture.
    cannotOpenFile = 25,
    pngNotLoaded = 26,
    pngNotSaved = 27,
    // A tile size, counter value or target size out of range.
    badArgument = 28,
    // A picture larger than the codec's pixel limit.
    pictureTooLarge = 29,
    // A PBM, XBM or C array file could not be written.
    oneBitFileNotSaved = 30,
};

// The published number of a code, as errorcode() gives it.
constexpr int codeOf(CodecError error) {
    return static_cast<int>(error);
}

}  // namespace codec
