#pragma once

#include <string_view>

#include "bitmap/TextMark.h"

// glyphon-cli's own messages (its help pages stay beside their commands).
// The tool speaks English; the codec's and the batch run's messages it
// passes on as they are.
namespace cli::text {

// How messages reach the terminal.
inline constexpr std::string_view kUnknownCommand =
    QT_TRANSLATE_NOOP("glyphon-cli", "glyphon-cli: unknown command '%s'\n\n");
inline constexpr std::string_view kCommandMessage =
    QT_TRANSLATE_NOOP("glyphon-cli", "glyphon-cli %s: %s\n");
inline constexpr std::string_view kUsageMessage = QT_TRANSLATE_NOOP(
    "glyphon-cli", "glyphon-cli %s: %s\nRun 'glyphon-cli %s --help' for usage.\n");

// Options and operands.
inline constexpr std::string_view kUnknownOption =
    QT_TRANSLATE_NOOP("glyphon-cli", "unknown option '%s'");
inline constexpr std::string_view kOptionNeedsValue =
    QT_TRANSLATE_NOOP("glyphon-cli", "option %s needs a value");
inline constexpr std::string_view kUnexpectedArgument =
    QT_TRANSLATE_NOOP("glyphon-cli", "unexpected argument '%s'");
inline constexpr std::string_view kUnsupportedFormat =
    QT_TRANSLATE_NOOP("glyphon-cli", "unsupported format '%s'");
inline constexpr std::string_view kUnknownMethod =
    QT_TRANSLATE_NOOP("glyphon-cli", "unknown method '%s'");
inline constexpr std::string_view kBadThreshold =
    QT_TRANSLATE_NOOP("glyphon-cli", "threshold must be a whole number from 0 to 255");
inline constexpr std::string_view kBadSize =
    QT_TRANSLATE_NOOP("glyphon-cli", "size must look like 96x60");
inline constexpr std::string_view kBadPercentage =
    QT_TRANSLATE_NOOP("glyphon-cli", "percentage must be a whole number from 1 to 100000");
inline constexpr std::string_view kBadJobs =
    QT_TRANSLATE_NOOP("glyphon-cli", "jobs must be a whole number from 1 to 64");
inline constexpr std::string_view kOneResizeOption = QT_TRANSLATE_NOOP(
    "glyphon-cli", "give only one of --fit, --phone, --display, --size and --percent");
inline constexpr std::string_view kLineBreakInInput =
    QT_TRANSLATE_NOOP("glyphon-cli", "input names cannot hold line breaks");
inline constexpr std::string_view kNoInputPictures =
    QT_TRANSLATE_NOOP("glyphon-cli", "no input pictures");
inline constexpr std::string_view kNoOutput =
    QT_TRANSLATE_NOOP("glyphon-cli", "no output given (-o)");
inline constexpr std::string_view kConvertWmlOptionsNeedWml =
    QT_TRANSLATE_NOOP("glyphon-cli", "--wml-dir, --prefix and --alt need --wml");
inline constexpr std::string_view kBadTileSize =
    QT_TRANSLATE_NOOP("glyphon-cli", "tile size must look like 48x48, at least 4 wide");
inline constexpr std::string_view kOneInputPicture =
    QT_TRANSLATE_NOOP("glyphon-cli", "give one input picture");
inline constexpr std::string_view kNoInputPicture =
    QT_TRANSLATE_NOOP("glyphon-cli", "no input picture");
inline constexpr std::string_view kNoOutputFolder =
    QT_TRANSLATE_NOOP("glyphon-cli", "no output folder given (-o)");
inline constexpr std::string_view kNoTileSize =
    QT_TRANSLATE_NOOP("glyphon-cli", "no tile size given (--tile, --phone or --display)");
inline constexpr std::string_view kTileOrPhone =
    QT_TRANSLATE_NOOP("glyphon-cli", "give only one of --tile, --phone and --display");
inline constexpr std::string_view kSplitWmlOptionsNeedWml =
    QT_TRANSLATE_NOOP("glyphon-cli", "--wml-dir and --prefix need --wml");
inline constexpr std::string_view kCounterOperands =
    QT_TRANSLATE_NOOP("glyphon-cli", "give a digit folder and a number");
inline constexpr std::string_view kDigitsOnly =
    QT_TRANSLATE_NOOP("glyphon-cli", "the number must consist of digits only");
inline constexpr std::string_view kNumberTooLarge =
    QT_TRANSLATE_NOOP("glyphon-cli", "the number is too large");
inline constexpr std::string_view kBadShowWidth =
    QT_TRANSLATE_NOOP("glyphon-cli", "width must be a whole number from 1 to 100000");
inline constexpr std::string_view kBadMaxPixels =
    QT_TRANSLATE_NOOP("glyphon-cli", "--max-pixels must be a whole number from 1 to %d");
inline constexpr std::string_view kBadTimeout =
    QT_TRANSLATE_NOOP("glyphon-cli", "--timeout must be a whole number of seconds from 1 to 86400");

// Dithering and C array options.
inline constexpr std::string_view kBadWholeNumber =
    QT_TRANSLATE_NOOP("glyphon-cli", "%s must be a whole number from %d to %d");
inline constexpr std::string_view kBadGamma =
    QT_TRANSLATE_NOOP("glyphon-cli", "--gamma must be a number from 0.1 to 10");
inline constexpr std::string_view kBadByteOrder =
    QT_TRANSLATE_NOOP("glyphon-cli", "--byte-order must be horizontal, vertical or xbm");
inline constexpr std::string_view kArrayOptionsNeedC =
    QT_TRANSLATE_NOOP("glyphon-cli", "--byte-order and --invert-array need -f c");

// Failures of the commands.
inline constexpr std::string_view kNoTemporaryFolder =
    QT_TRANSLATE_NOOP("glyphon-cli", "cannot create a temporary folder");
inline constexpr std::string_view kCannotCreateFolder =
    QT_TRANSLATE_NOOP("glyphon-cli", "cannot create folder '%s'");
inline constexpr std::string_view kCannotWritePage =
    QT_TRANSLATE_NOOP("glyphon-cli", "cannot write page '%s'");

// What the commands print.
inline constexpr std::string_view kTiles = QT_TRANSLATE_NOOP("glyphon-cli", "%d x %d tiles\n");
inline constexpr std::string_view kPagesWritten =
    QT_TRANSLATE_NOOP("glyphon-cli", "%d WML pages\n");
inline constexpr std::string_view kConnecting =
    QT_TRANSLATE_NOOP("glyphon-cli", "Connecting to %s");
inline constexpr std::string_view kBytesOfTotal = QT_TRANSLATE_NOOP("glyphon-cli", "%d/%d bytes");
inline constexpr std::string_view kBytes = QT_TRANSLATE_NOOP("glyphon-cli", "%d bytes");

// Choosing a phone of the phone table (--phone).
inline constexpr std::string_view kNoPhoneGiven =
    QT_TRANSLATE_NOOP("glyphon-cli", "no phone given");
inline constexpr std::string_view kPhoneTableEmpty =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone table is empty");
inline constexpr std::string_view kOnlyPhoneOne =
    QT_TRANSLATE_NOOP("glyphon-cli", "the table has phone 1 only");
inline constexpr std::string_view kPhoneRange =
    QT_TRANSLATE_NOOP("glyphon-cli", "the table has phones 1 to %d");
inline constexpr std::string_view kNoUsableDisplay =
    QT_TRANSLATE_NOOP("glyphon-cli", "phone %d ('%s') has no usable display (%dx%d)");
inline constexpr std::string_view kPhoneUnreadable =
    QT_TRANSLATE_NOOP("glyphon-cli", "phone %d cannot be read from the phone table");
inline constexpr std::string_view kNoPhoneNumbered =
    QT_TRANSLATE_NOOP("glyphon-cli", "no phone %s: %s");
inline constexpr std::string_view kNoPhoneNamedBefore = QT_TRANSLATE_NOOP(
    "glyphon-cli",
    "no phone named '%s' before phone %d, which cannot be read from the phone table");
inline constexpr std::string_view kNoPhoneNamed = QT_TRANSLATE_NOOP(
    "glyphon-cli", "no phone named '%s' in the phone table (see 'glyphon-cli phones list')");
inline constexpr std::string_view kAmbiguousPhoneName = QT_TRANSLATE_NOOP(
    "glyphon-cli", "the name '%s' fits phones %s of different sizes; give the phone's number");

// Choosing a display preset (--display) and the displays command.
inline constexpr std::string_view kNoDisplayNamed =
    QT_TRANSLATE_NOOP("glyphon-cli", "no display '%s' (see 'glyphon-cli displays list')");
inline constexpr std::string_view kNoDisplaysSubcommand =
    QT_TRANSLATE_NOOP("glyphon-cli", "no subcommand given (list)");
inline constexpr std::string_view kUnknownDisplaysUse =
    QT_TRANSLATE_NOOP("glyphon-cli", "unknown use; only 'list' is known");

// The phones command.
inline constexpr std::string_view kPhoneTableNotWritten =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone table could not be written to %s");
inline constexpr std::string_view kPhoneListStops = QT_TRANSLATE_NOOP(
    "glyphon-cli", "phone %d cannot be read; the list stops there (the table claims %d phones)");
inline constexpr std::string_view kListTakesNoArguments =
    QT_TRANSLATE_NOOP("glyphon-cli", "list takes no arguments");
inline constexpr std::string_view kAddOperands =
    QT_TRANSLATE_NOOP("glyphon-cli", "add needs a NAME, a WIDTH and a HEIGHT");
inline constexpr std::string_view kBadWidth =
    QT_TRANSLATE_NOOP("glyphon-cli", "WIDTH must be a whole number from 1 to 9000, not '%s'");
inline constexpr std::string_view kBadHeight =
    QT_TRANSLATE_NOOP("glyphon-cli", "HEIGHT must be a whole number from 1 to 9000, not '%s'");
inline constexpr std::string_view kRemoveOperands =
    QT_TRANSLATE_NOOP("glyphon-cli", "remove needs one phone NUMBER");
inline constexpr std::string_view kBadPhoneNumber =
    QT_TRANSLATE_NOOP("glyphon-cli", "NUMBER must be a phone's number from 1 to %d, not '%s'");
inline constexpr std::string_view kUnknownAction =
    QT_TRANSLATE_NOOP("glyphon-cli", "unknown action '%s' (list, add or remove)");
inline constexpr std::string_view kPhoneRemoved =
    QT_TRANSLATE_NOOP("glyphon-cli", "removed %d. %s\n");
inline constexpr std::string_view kNameNotUtf8 =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone name is not valid UTF-8");
inline constexpr std::string_view kNameEmpty =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone name is empty");
inline constexpr std::string_view kNameTooLong =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone name has %d characters; at most %d are allowed");
inline constexpr std::string_view kNameControlCharacter =
    QT_TRANSLATE_NOOP("glyphon-cli", "the phone name contains a control character");
inline constexpr std::string_view kNameIsNumber = QT_TRANSLATE_NOOP(
    "glyphon-cli",
    "the phone name '%s' is a number, which --phone would take for a phone's number");
inline constexpr std::string_view kNameTaken =
    QT_TRANSLATE_NOOP("glyphon-cli", "phone %d is already named '%s'");

}  // namespace cli::text
