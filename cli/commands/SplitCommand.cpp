#include <ostream>

#include "app/core/PathText.h"
#include "app/core/TextFormat.h"
#include "app/core/settings/DisplayPresets.h"
#include "app/core/split/SplitCommand.h"
#include "app/core/split/SplitPages.h"
#include "cli/Conversion.h"
#include "cli/ConversionOptionSpec.h"
#include "cli/FolderCreation.h"
#include "cli/OptionParser.h"
#include "cli/PhoneChoice.h"
#include "cli/Texts.h"
#include "cli/commands/Commands.h"
#include "codec/PictureFormats.h"
#include "codec/TileGrid.h"

namespace cli {
namespace {

constexpr const char* kSplitHelp =
    "Usage: glyphon-cli split INPUT -o FOLDER\n"
    "                         (--tile WxH | --phone N|NAME | --display NAME)\n"
    "                         [-f FORMAT] [-m METHOD] [-t THRESHOLD]\n"
    "                         [dithering options] [--byte-order O] [--invert-array]\n"
    "                         [--wml [--wml-dir D] [--prefix P]]\n"
    "\n"
    "Loads INPUT and cuts it into tiles of WxH pixels, written into FOLDER as\n"
    "COLUMN.ROW.EXT (0.0 is the top-left tile). The grid starts at the picture's\n"
    "top-left corner; the tiles at the right and bottom edges are filled with\n"
    "white where the picture ends. The tile width is rounded down to a multiple\n"
    "of 4.\n"
    "\n"
    "Options:\n"
    "  -o FOLDER       the folder for the tiles, created when missing (one level);\n"
    "                  an existing folder is used, its tiles of the same names\n"
    "                  are replaced\n"
    "  --tile WxH      tile size, at least 4x1; a tile is never higher than the\n"
    "                  picture, nor wider than the picture's width + 3\n"
    "  --phone N|NAME  tiles the size of a phone's display from the phone table\n"
    "                  (see 'glyphon-cli phones list')\n"
    "  --display NAME  tiles the size of a display module, e-paper panel or\n"
    "                  handheld (see 'glyphon-cli displays list')\n"
    "  -f FORMAT       wbmp (default), bmp, gif, png, png-trans (PNG with white\n"
    "                  as the transparent colour, written as .png), pbm, xbm or c\n"
    "  -m METHOD       a method as convert takes it (default floyd-steinberg);\n"
    "                  tiles other than WBMP, PBM, XBM and C are black and white\n"
    "                  only when -m or a dithering option is given\n"
    "  -t THRESHOLD    0-255 (default 128)\n"
    "  --wml           write one WML page per tile (NAME.COLUMN.ROW.wml, NAME\n"
    "                  being INPUT's name) with links to the tiles around it\n"
    "  --wml-dir D     write the pages into folder D instead of FOLDER\n"
    "  --prefix P      put P/ before the tiles' names in the pages\n"
    "  -h, --help      show this text\n"
    "\n"
    "Dithering options (each not given is off; the strength is 100):\n"
    "%DITHER%"
    "%CARRAY%"
    "\n"
    "Prints the grid (columns x rows) and the name of every tile written.\n"
    "Exit status: 0 when every tile was written, 1 on failure, 2 for bad usage.\n";

struct SplitRequest {
    std::string input;
    std::string folder;
    Size tile;
    std::string phone;
    std::string display;
    ConversionOptions options;
    bool wml = false;
    std::optional<std::string> wmlFolder;
    std::optional<std::string> prefix;
};

std::optional<SplitRequest> parse(const std::vector<std::string>& args, std::ostream& err,
                                  bool& helpAsked) {
    SplitRequest request;
    OptionTable table{
        .options =
            {
                flagOption({"--wml"}, request.wml),
                textOption({"-o"}, request.folder),
                conversionOptionSpec(request.options),
                textOption({"--phone"}, request.phone),
                textOption({"--display"}, request.display),
                textOption({"--wml-dir"}, request.wmlFolder),
                textOption({"--prefix"}, request.prefix),
                {{"--tile"},
                 true,
                 [&](const std::string&, const std::string& value) -> Refusal {
                     const auto size = parseSize(value);
                     if (!size || size->width < 4)
                         return std::string(text::kBadTileSize);
                     request.tile = *size;
                     return std::nullopt;
                 }},
            },
        .operand = [&](const std::string& input) -> Refusal {
            if (!request.input.empty())
                return std::string(text::kOneInputPicture);
            request.input = input;
            return std::nullopt;
        },
    };
    addDitherOptionSpecs(table, request.options);
    const ParseResult parsed = parseOptions(args, table);
    if (parsed.status == ParseResult::Status::help) {
        helpAsked = true;
        return std::nullopt;
    }
    auto bad = [&](const std::string& why) {
        usageError(err, "split", why);
        return std::nullopt;
    };
    if (parsed.status == ParseResult::Status::refused)
        return bad(parsed.reason);
    if (request.input.empty())
        return bad(std::string(text::kNoInputPicture));
    if (request.folder.empty())
        return bad(std::string(text::kNoOutputFolder));
    const int sizes = (request.tile.width != 0) + !request.phone.empty() + !request.display.empty();
    if (sizes == 0)
        return bad(std::string(text::kNoTileSize));
    if (sizes > 1)
        return bad(std::string(text::kTileOrPhone));
    if (const auto problem = request.options.problem())
        return bad(*problem);
    if (!request.wml && (request.wmlFolder || request.prefix))
        return bad(std::string(text::kSplitWmlOptionsNeedWml));
    return request;
}

}  // namespace

int splitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const GlobalOptions& global) {
    bool helpAsked = false;
    const auto request = parse(args, err, helpAsked);
    if (helpAsked) {
        out << helpText(kSplitHelp);
        return kExitOk;
    }
    if (!request)
        return kExitUsage;

    Size tile = request->tile;
    if (!request->phone.empty()) {
        std::string why;
        const auto display = resolvePhone(request->phone, why);
        if (!display) {
            err << app::formatText(text::kCommandMessage, {"split", why});
            return kExitUsage;
        }
        tile = *display;
    }
    if (!request->display.empty()) {
        const app::DisplayPreset* display = app::findDisplayPreset(request->display);
        if (!display) {
            err << app::formatText(
                text::kCommandMessage,
                {"split", app::formatText(text::kNoDisplayNamed, {request->display})});
            return kExitUsage;
        }
        tile = {display->width, display->height};
    }
    if (request->wmlFolder && !createFolders(*request->wmlFolder, err, "split"))
        return kExitFailed;

    codec::Codec codec;
    prepareCodec(codec, global);
    const auto& options = request->options;
    codec.setCArrayOptions(options.cArray.over({}));
    const unsigned serial = codec.errorSerial();
    bool done = loadPicture(codec, request->input) &&
                (!options.convertsToMonochrome() ||
                 codec.convertBmpToMonochrome(options.effectiveMethod(), options.threshold,
                                              options.dither.over({})));
    app::TileSize clamped{tile.width, tile.height};
    if (done) {
        app::SplitSettings sizes;
        sizes.tileWidth = tile.width;
        sizes.tileHeight = tile.height;
        clamped = app::splitTileSize(sizes, codec.bmpWidth(), codec.bmpHeight());
        done = codec.split(clamped.width, clamped.height, request->folder, options.format);
    }
    if (!done) {
        err << request->input << ": " << failureText(codec, serial) << '\n';
        return kExitFailed;
    }
    const int columns = codec.imageWidth();
    const int rows = codec.imageHeight();
    out << app::formatText(text::kTiles, {columns, rows});
    const int code = codec::formatCodeOfName(options.format);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            out << codec::tileFileName(request->folder, column, row, code) << '\n';
    if (!request->wml)
        return kExitOk;

    app::SplitPageSet pages;
    pages.folder =
        app::withTrailingSlash(request->wmlFolder ? *request->wmlFolder : request->folder);
    pages.baseName = app::splitBaseName(request->input);
    pages.extension = std::string(codec::formatName(code));
    pages.sourcePrefix = request->prefix ? *request->prefix + "/" : std::string();
    pages.tileWidth = clamped.width;
    pages.tileHeight = clamped.height;
    pages.columns = columns;
    pages.rows = rows;
    const app::SplitPagesResult written = app::writeSplitPages(pages);
    for (const auto& failed : written.failed)
        err << app::formatText(text::kCommandMessage,
                               {"split", app::formatText(text::kCannotWritePage, {failed})});
    out << app::formatText(text::kPagesWritten, {written.written});
    return written.failed.empty() ? kExitOk : kExitFailed;
}

}  // namespace cli
