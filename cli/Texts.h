#pragma once

#include <string_view>

// glyphon-cli's own messages (its help pages stay beside their commands).
// The tool speaks English; the codec's and the batch run's messages it
// passes on as they are.
namespace cli::text {

// How messages reach the terminal.
inline constexpr std::string_view kUnknownCommand = "glyphon-cli: unknown command '%s'\n\n";
inline constexpr std::string_view kCommandMessage = "glyphon-cli %s: %s\n";
inline constexpr std::string_view kUsageMessage =
    "glyphon-cli %s: %s\nRun 'glyphon-cli %s --help' for usage.\n";

// Options and operands.
inline constexpr std::string_view kUnknownOption = "unknown option '%s'";
inline constexpr std::string_view kOptionNeedsValue = "option %s needs a value";
inline constexpr std::string_view kUnexpectedArgument = "unexpected argument '%s'";
inline constexpr std::string_view kUnsupportedFormat = "unsupported format '%s'";
inline constexpr std::string_view kUnknownMethod = "unknown method '%s'";
inline constexpr std::string_view kBadThreshold = "threshold must be a whole number from 0 to 255";
inline constexpr std::string_view kBadSize = "size must look like 96x60";
inline constexpr std::string_view kBadPercentage =
    "percentage must be a whole number from 1 to 100000";
inline constexpr std::string_view kOneResizeOption =
    "give only one of --fit, --phone, --display, --size and --percent";
inline constexpr std::string_view kLineBreakInInput = "input names cannot hold line breaks";
inline constexpr std::string_view kNoInputPictures = "no input pictures";
inline constexpr std::string_view kNoOutput = "no output given (-o)";
inline constexpr std::string_view kConvertWmlOptionsNeedWml =
    "--wml-dir, --prefix and --alt need --wml";
inline constexpr std::string_view kBadTileSize = "tile size must look like 48x48, at least 4 wide";
inline constexpr std::string_view kOneInputPicture = "give one input picture";
inline constexpr std::string_view kNoInputPicture = "no input picture";
inline constexpr std::string_view kNoOutputFolder = "no output folder given (-o)";
inline constexpr std::string_view kNoTileSize = "no tile size given (--tile, --phone or --display)";
inline constexpr std::string_view kTileOrPhone = "give only one of --tile, --phone and --display";
inline constexpr std::string_view kSplitWmlOptionsNeedWml = "--wml-dir and --prefix need --wml";
inline constexpr std::string_view kCounterOperands = "give a digit folder and a number";
inline constexpr std::string_view kDigitsOnly = "the number must consist of digits only";
inline constexpr std::string_view kNumberTooLarge = "the number is too large";
inline constexpr std::string_view kBadShowWidth = "width must be a whole number from 1 to 100000";
inline constexpr std::string_view kBadMaxPixels =
    "--max-pixels must be a whole number from 1 to %d";
inline constexpr std::string_view kBadTimeout =
    "--timeout must be a whole number of seconds from 1 to 86400";
inline constexpr std::string_view kBadWholeNumber = "%s must be a whole number from %d to %d";
inline constexpr std::string_view kBadGamma = "--gamma must be a number from 0.1 to 10";
inline constexpr std::string_view kBadByteOrder =
    "--byte-order must be horizontal, vertical or xbm";
inline constexpr std::string_view kArrayOptionsNeedC = "--byte-order and --invert-array need -f c";

// Failures of the commands.
inline constexpr std::string_view kNoTemporaryFolder = "cannot create a temporary folder";
inline constexpr std::string_view kCannotCreateFolder = "cannot create folder '%s'";
inline constexpr std::string_view kCannotWritePage = "cannot write page '%s'";

// What the commands print.
inline constexpr std::string_view kTiles = "%d x %d tiles\n";
inline constexpr std::string_view kPagesWritten = "%d WML pages\n";
inline constexpr std::string_view kConnecting = "Connecting to %s";
inline constexpr std::string_view kBytesOfTotal = "%d/%d bytes";
inline constexpr std::string_view kBytes = "%d bytes";

// Choosing a phone of the phone table (--phone).
inline constexpr std::string_view kNoPhoneGiven = "no phone given";
inline constexpr std::string_view kPhoneTableEmpty = "the phone table is empty";
inline constexpr std::string_view kOnlyPhoneOne = "the table has phone 1 only";
inline constexpr std::string_view kPhoneRange = "the table has phones 1 to %d";
inline constexpr std::string_view kNoUsableDisplay =
    "phone %d ('%s') has no usable display (%dx%d)";
inline constexpr std::string_view kPhoneUnreadable = "phone %d cannot be read from the phone table";
inline constexpr std::string_view kNoPhoneNumbered = "no phone %s: %s";
inline constexpr std::string_view kNoPhoneNamedBefore =
    "no phone named '%s' before phone %d, which cannot be read from the phone table";
inline constexpr std::string_view kNoPhoneNamed =
    "no phone named '%s' in the phone table (see 'glyphon-cli phones list')";
inline constexpr std::string_view kAmbiguousPhoneName =
    "the name '%s' fits phones %s of different sizes; give the phone's number";

// Choosing a display preset (--display) and the displays command.
inline constexpr std::string_view kNoDisplayNamed =
    "no display '%s' (see 'glyphon-cli displays list')";
inline constexpr std::string_view kNoDisplaysSubcommand = "no subcommand given (list)";
inline constexpr std::string_view kUnknownDisplaysUse = "unknown use; only 'list' is known";

// The phones command.
inline constexpr std::string_view kPhoneTableNotWritten =
    "the phone table could not be written to %s";
inline constexpr std::string_view kPhoneListStops =
    "phone %d cannot be read; the list stops there (the table claims %d phones)";
inline constexpr std::string_view kListTakesNoArguments = "list takes no arguments";
inline constexpr std::string_view kAddOperands = "add needs a NAME, a WIDTH and a HEIGHT";
inline constexpr std::string_view kBadWidth =
    "WIDTH must be a whole number from 1 to 9000, not '%s'";
inline constexpr std::string_view kBadHeight =
    "HEIGHT must be a whole number from 1 to 9000, not '%s'";
inline constexpr std::string_view kRemoveOperands = "remove needs one phone NUMBER";
inline constexpr std::string_view kBadPhoneNumber =
    "NUMBER must be a phone's number from 1 to %d, not '%s'";
inline constexpr std::string_view kUnknownAction = "unknown action '%s' (list, add or remove)";
inline constexpr std::string_view kPhoneRemoved = "removed %d. %s\n";
inline constexpr std::string_view kNameNotUtf8 = "the phone name is not valid UTF-8";
inline constexpr std::string_view kNameEmpty = "the phone name is empty";
inline constexpr std::string_view kNameTooLong =
    "the phone name has %d characters; at most %d are allowed";
inline constexpr std::string_view kNameControlCharacter =
    "the phone name contains a control character";
inline constexpr std::string_view kNameIsNumber =
    "the phone name '%s' is a number, which --phone would take for a phone's number";
inline constexpr std::string_view kNameTaken = "phone %d is already named '%s'";

}  // namespace cli::text
