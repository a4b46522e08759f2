#pragma once

#include <string_view>

#include "base/TextMark.h"

// glyphon-cli's own messages (its help pages stay beside their commands).
// The tool speaks English; the codec's and the batch run's messages it
// passes on as they are.
namespace cli::text {

// How messages reach the terminal.
inline constexpr bitmap::CatalogueText kUnknownCommand =
    QT_TRANSLATE_NOOP("glyphon-cli", "glyphon-cli: unknown command '%s'\n\n");
inline constexpr bitmap::CatalogueText kCommandMessage =
    QT_TRANSLATE_NOOP("glyphon-cli", "glyphon-cli %s: %s\n");
inline constexpr bitmap::CatalogueText kUsageMessage = QT_TRANSLATE_NOOP(
    "glyphon-cli", "glyphon-cli %s: %s\nRun 'glyphon-cli %s --help' for usage.\n");

// Options and operands.
inline constexpr bitmap::CatalogueText kUnknownOption =
    QT_TRANSLATE_NOOP("glyphon-cli", "unknown option '%s'");
inline constexpr bitmap::CatalogueText kOptionNeedsValue =
    QT_TRANSLATE_NOOP("glyphon-cli", "option %s needs a value");
inline constexpr bitmap::CatalogueText kUnexpectedArgument =
    QT_TRANSLATE_NOOP("glyphon-cli", "unexpected argument '%s'");
inline constexpr bitmap::CatalogueText kUnsupportedFormat =
    QT_TRANSLATE_NOOP("glyphon-cli", "unsupported format '%s'");
inline constexpr bitmap::CatalogueText kUnknownMethod =
    QT_TRANSLATE_NOOP("glyphon-cli", "unknown method '%s'");
inline constexpr bitmap::CatalogueText kBadThreshold =
    QT_TRANSLATE_NOOP("glyphon-cli", "threshold must be a whole number from 0 to 255");
inline constexpr bitmap::CatalogueText kBadSize =
    QT_TRANSLATE_NOOP("glyphon-cli", "size must look like 96x60");
inline constexpr bitmap::CatalogueText kBadPercentage =
    QT_TRANSLATE_NOOP("glyphon-cli", "percentage must be a whole number from 1 to 100000");
inline constexpr bitmap::CatalogueText kBadJobs =
    QT_TRANSLATE_NOOP("glyphon-cli", "jobs must be a whole number from 1 to 64");
inline constexpr bitmap::CatalogueText kOneResizeOption = QT_TRANSLATE_NOOP(
    "glyphon-cli", "give only one of --fit, --phone, --display, --size and --percent");
inline constexpr bitmap::CatalogueText kLineBreakInInput =
    QT_TRANSLATE_NOOP("glyphon-cli", "input names cannot hold line breaks");
inline constexpr bitmap::CatalogueText kNoInputPictures =
    QT_TRANSLATE_NOOP("glyphon-cli", "no input pictures");
inline constexpr bitmap::CatalogueText kNoOutput =
    QT_TRANSLATE_NOOP("glyphon-cli", "no output given (-o)");
inline constexpr bitmap::CatalogueText kConvertWmlOptionsNeedWml =
    QT_TRANSLATE_NOOP("glyphon-cli", "--wml-dir, --prefix and --alt need --wml");
inline constexpr bitmap::CatalogueText kBadTileSize =
    QT_TRANSLATE_NOOP("glyphon-cli", "tile size must look like 48x48, at least 4 wide");
inline constexpr bitmap::CatalogueText kOneInputPicture =
    QT_TRANSLATE_NOOP("glyphon-cli", "give one input picture");
inline constexpr bitmap::CatalogueText kNoInputPicture =
    QT_TRANSLATE_NOOP("glyphon-cli", "no input picture");
inline constexpr bitmap::CatalogueText kNoOutputFolder =
    QT_TRANSLATE_NOOP("glyphon-cli", "no output folder given (-o)");
inline constexpr bitmap::CatalogueText kNoTileSize =
    QT_TRANSLATE_NOOP("glyphon-cli", "no tile size given (--tile, --phone or --display)");
inline constexpr bitmap::CatalogueText kTileOrPhone =
    QT_TRANSLATE_NOOP("glyphon-cli", "give only one of --tile, --phone and --display");
inline constexpr bitmap::CatalogueText kSplitWmlOptionsNeedWml =
    QT_TRANSLATE_NOOP("glyphon-cli", "--wml-dir and --prefix need --wml");
inline constexpr bitmap::CatalogueText kCounterOperands =
    QT_TRANSLATE_NOOP("glyphon-cli", "give a digit folder and a number");
inline constexpr bitmap::CatalogueText kDigitsOnly =
    QT_TRANSLATE_NOOP("glyphon-cli", "the number must consist of digits only");
inline constexpr bitmap::CatalogueText kNumberTooLarge =
    QT_TRANSLATE_NOOP("glyphon-cli", "the number is too large");
inline constexpr bitmap::CatalogueText kBadShowWidth =
    QT_TRANSLATE_NOOP("glyphon-cli", "width must be a whole number from 1 to 100000");
inline constexpr bitmap::CatalogueText kBadMaxPixels =
    QT_TRANSLATE_NOOP("glyphon-cli", "--max-pixels must be a whole number from 1 to %d");
inline constexpr bitmap::CatalogueText kBadTimeout =
    QT_TRANSLATE_NOOP("glyphon-cli", "--timeout must be a whole number of seconds from 1 to 86400");

// Dithering and C array options.
inline constexpr bitmap::CatalogueText kBadWholeNumber =
    QT_TRANSLATE_NOOP("glyphon-cli", "%s must be a whole number from %d to %d");
inline constexpr bitmap::CatalogueText kBadGamma =
    QT_TRANSLATE_NOOP("glyphon-cli", "--gamma must be a number from 0.1 to 10");
inline constexpr bitmap::CatalogueText kBadByteOrder =
    QT_TRANSLATE_NOOP("glyphon-cli", "--byte-order must be horizontal, vertical or xbm");
inline constexpr bitmap::CatalogueText kArrayOptionsNeedC =
    QT_TRANSLATE_NOOP("glyphon-cli", "--byte-order and --invert-array need -f c");

// Failures of the commands.
inline constexpr bitmap::CatalogueText kNoTemporaryFolder =
    QT_TRANSLATE_NOOP("glyphon-cli", "cannot create a temporary folder");
inline constexpr bitmap::CatalogueText kCannotCreateFolder =
    QT_TRANSLATE_NOOP("glyphon-cli", "cannot create folder '%s'");
inline constexpr bitmap::CatalogueText kCannotWritePage =
    QT_TRANSLATE_NOOP("glyphon-cli", "cannot write page '%s'");

// What the commands print.
inline constexpr bitmap::CatalogueText kTiles = QT_TRANSLATE_NOOP("glyphon-cli", "%d x %d tiles\n");
inline constexpr bitmap::CatalogueText kPagesWritten =
    QT_TRANSLATE_NOOP("glyphon-cli", "%d WML pages\n");
inline constexpr bitmap::CatalogueText kConnecting =
    QT_TRANSLATE_NOOP("glyphon-cli", "Connecting to %s");
inline constexpr bitmap::CatalogueText kBytesOfTotal =
    QT_TRANSLATE_NOOP("glyphon-cli", "%d/%d bytes");
inline constexpr bitmap::CatalogueText kBytes = QT_TRANSLATE_NOOP("glyphon-cli", "%d bytes");

// Choosing a phone of the phone table (--phone).
inline constexpr bitmap::CatalogueText kNoPhoneGiven =
    QT_TRANSLATE_NOOP("glyphon-cli", "no phone given");
inline constexpr bitmap::CatalogueText kPhoneTableEmpty =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone table is empty");
inline constexpr bitmap::CatalogueText kOnlyPhoneOne =
    QT_TRANSLATE_NOOP("glyphon-cli", "the table has phone 1 only");
inline constexpr bitmap::CatalogueText kPhoneRange =
    QT_TRANSLATE_NOOP("glyphon-cli", "the table has phones 1 to %d");
inline constexpr bitmap::CatalogueText kNoUsableDisplay =
    QT_TRANSLATE_NOOP("glyphon-cli", "phone %d ('%s') has no usable display (%dx%d)");
inline constexpr bitmap::CatalogueText kPhoneUnreadable =
    QT_TRANSLATE_NOOP("glyphon-cli", "phone %d cannot be read from the phone table");
inline constexpr bitmap::CatalogueText kNoPhoneNumbered =
    QT_TRANSLATE_NOOP("glyphon-cli", "no phone %s: %s");
inline constexpr bitmap::CatalogueText kNoPhoneNamedBefore = QT_TRANSLATE_NOOP(
    "glyphon-cli",
    "no phone named '%s' before phone %d, which cannot be read from the phone table");
inline constexpr bitmap::CatalogueText kNoPhoneNamed = QT_TRANSLATE_NOOP(
    "glyphon-cli", "no phone named '%s' in the phone table (see 'glyphon-cli phones list')");
inline constexpr bitmap::CatalogueText kAmbiguousPhoneName = QT_TRANSLATE_NOOP(
    "glyphon-cli", "the name '%s' fits phones %s of different sizes; give the phone's number");

// Choosing a display preset (--display) and the displays command.
inline constexpr bitmap::CatalogueText kNoDisplayNamed =
    QT_TRANSLATE_NOOP("glyphon-cli", "no display '%s' (see 'glyphon-cli displays list')");
inline constexpr bitmap::CatalogueText kNoDisplaysSubcommand =
    QT_TRANSLATE_NOOP("glyphon-cli", "no subcommand given (list)");
inline constexpr bitmap::CatalogueText kUnknownDisplaysUse =
    QT_TRANSLATE_NOOP("glyphon-cli", "unknown use; only 'list' is known");

// The phones command.
inline constexpr bitmap::CatalogueText kPhoneTableNotWritten =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone table could not be written to %s");
inline constexpr bitmap::CatalogueText kPhoneListStops = QT_TRANSLATE_NOOP(
    "glyphon-cli", "phone %d cannot be read; the list stops there (the table claims %d phones)");
inline constexpr bitmap::CatalogueText kListTakesNoArguments =
    QT_TRANSLATE_NOOP("glyphon-cli", "list takes no arguments");
inline constexpr bitmap::CatalogueText kAddOperands =
    QT_TRANSLATE_NOOP("glyphon-cli", "add needs a NAME, a WIDTH and a HEIGHT");
inline constexpr bitmap::CatalogueText kBadWidth =
    QT_TRANSLATE_NOOP("glyphon-cli", "WIDTH must be a whole number from 1 to 9000, not '%s'");
inline constexpr bitmap::CatalogueText kBadHeight =
    QT_TRANSLATE_NOOP("glyphon-cli", "HEIGHT must be a whole number from 1 to 9000, not '%s'");
inline constexpr bitmap::CatalogueText kRemoveOperands =
    QT_TRANSLATE_NOOP("glyphon-cli", "remove needs one phone NUMBER");
inline constexpr bitmap::CatalogueText kBadPhoneNumber =
    QT_TRANSLATE_NOOP("glyphon-cli", "NUMBER must be a phone's number from 1 to %d, not '%s'");
inline constexpr bitmap::CatalogueText kUnknownAction =
    QT_TRANSLATE_NOOP("glyphon-cli", "unknown action '%s' (list, add or remove)");
inline constexpr bitmap::CatalogueText kPhoneRemoved =
    QT_TRANSLATE_NOOP("glyphon-cli", "removed %d. %s\n");
inline constexpr bitmap::CatalogueText kNameNotUtf8 =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone name is not valid UTF-8");
inline constexpr bitmap::CatalogueText kNameEmpty =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone name is empty");
inline constexpr bitmap::CatalogueText kNameTooLong =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone name has %d characters; at most %d are allowed");
inline constexpr bitmap::CatalogueText kNameControlCharacter =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone name contains a control character");
inline constexpr bitmap::CatalogueText kNameIsNumber = QT_TRANSLATE_NOOP(
    "glyphon-cli",
    "the phone name '%s' is a number, which --phone would take for a phone's number");
inline constexpr bitmap::CatalogueText kNameTaken =
    QT_TRANSLATE_NOOP("glyphon-cli", "phone %d is already named '%s'");

}  // namespace cli::text
