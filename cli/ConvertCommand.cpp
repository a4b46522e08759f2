#include <ostream>

#include "bitmap/FileIO.h"
#include "cli/Commands.h"
#include "cli/Conversion.h"
#include "cli/DownloadProgressLine.h"
#include "cli/OutputNames.h"
#include "cli/ParallelRunner.h"
#include "cli/ProgressLine.h"

#include <sys/stat.h>

namespace cli {
namespace {

constexpr const char* kConvertHelp =
    "Usage: glyphon-cli convert INPUT... -o OUT [-f FORMAT] [-m METHOD] [-t THRESHOLD]\n"
    "                           [--fit WxH | --size WxH | --percent P]\n"
    "\n"
    "Loads each INPUT (BMP, WBMP, GIF, JPEG or PNG; the content decides the\n"
    "format), resizes it, converts it to black and white and saves it. An\n"
    "INPUT may be an http://, https://, ftp:// or file:// URL; its output is\n"
    "named after the URL's last path segment.\n"
    "\n"
    "Options:\n"
    "  -o OUT          the output file when there is one INPUT and OUT is not a\n"
    "                  folder (an existing file is replaced once the new one is\n"
    "                  completely written); otherwise a folder (created when\n"
    "                  missing) that receives one file per INPUT, named after it\n"
    "                  with the new extension: a.wbmp, a(1).wbmp, ... -- existing\n"
    "                  files are never overwritten\n"
    "  -f FORMAT       wbmp (default), bmp, gif, png, or png-trans (PNG with white\n"
    "                  as the transparent colour, written as .png)\n"
    "  -m METHOD       0-4 or thresholding, random, display, print,\n"
    "                  floyd-steinberg (default floyd-steinberg); output other\n"
    "                  than WBMP is converted to black and white only when -m\n"
    "                  is given\n"
    "  -t THRESHOLD    0-255 (default 128), for thresholding, random and\n"
    "                  floyd-steinberg\n"
    "  --fit WxH       scale by the largest whole percentage that fits WxH,\n"
    "                  keeping the aspect ratio (small pictures are enlarged)\n"
    "  --size WxH      scale to exactly WxH\n"
    "  --percent P     scale to P percent\n"
    "  -j N            convert up to N pictures at once (default: one per core,\n"
    "                  at most 8)\n"
    "  -h, --help      show this text\n"
    "\n"
    "Resizing averages the source pixels that cover each new pixel.\n"
    "Exit status: 0 when every picture was converted, 1 when any failed,\n"
    "2 for bad usage.\n";

struct ConvertRequest {
    std::vector<std::string> inputs;
    std::string output;
    ConversionOptions options;
    int workers = defaultWorkerCount();
};

// Parses the arguments; on bad usage writes the reason to err and returns
// nothing.
std::optional<ConvertRequest> parse(const std::vector<std::string>& args, std::ostream& err,
                                    bool& helpAsked) {
    ConvertRequest request;
    ArgumentCursor cursor(args);
    bool resizeGiven = false;
    auto bad = [&](const std::string& why) {
        err << "glyphon-cli convert: " << why << "\nRun 'glyphon-cli convert --help' for usage.\n";
        return std::nullopt;
    };
    while (!cursor.done()) {
        const std::string arg = cursor.take();
        if (arg == "-h" || arg == "--help") {
            helpAsked = true;
            return std::nullopt;
        }
        if (arg == "-o" || isConversionOption(arg) || arg == "--fit" || arg == "--size" ||
            arg == "--percent" || arg == "-j") {
            const auto value = cursor.value();
            if (!value)
                return bad("option " + arg + " needs a value");
            if (arg == "-o") {
                request.output = *value;
            } else if (isConversionOption(arg)) {
                if (const auto why = applyConversionOption(arg, *value, request.options))
                    return bad(*why);
            } else if (arg == "-j") {
                const auto workers = parseInt(*value, 1, 64);
                if (!workers)
                    return bad("-j takes a number of workers from 1 to 64");
                request.workers = *workers;
            } else {
                if (resizeGiven)
                    return bad("give only one of --fit, --size and --percent");
                resizeGiven = true;
                if (arg == "--percent") {
                    const auto p = parseInt(*value, 1, 100000);
                    if (!p)
                        return bad("percentage must be a whole number from 1 to 100000");
                    request.options.resize = ResizeKind::percent;
                    request.options.percent = *p;
                } else {
                    const auto size = parseSize(*value);
                    if (!size)
                        return bad("size must look like 96x60");
                    request.options.resize = arg == "--fit" ? ResizeKind::fit : ResizeKind::exact;
                    request.options.size = *size;
                }
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return bad("unknown option '" + arg + "'");
        } else {
            request.inputs.push_back(arg);
        }
    }
    if (request.inputs.empty())
        return bad("no input pictures");
    if (request.output.empty())
        return bad("no output given (-o)");
    return request;
}

bool ensureFolder(const std::string& folder, std::ostream& err) {
    if (bitmap::directoryExists(folder))
        return true;
    std::string path;
    for (size_t i = 0; i <= folder.size(); ++i) {
        if (i == folder.size() || (folder[i] == '/' && i > 0)) {
            path = folder.substr(0, i);
            if (!bitmap::directoryExists(path) && ::mkdir(path.c_str(), 0777) != 0 &&
                !bitmap::directoryExists(path)) {
                err << "glyphon-cli convert: cannot create folder '" << folder << "'\n";
                return false;
            }
        }
    }
    return true;
}

}  // namespace

int convertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool helpAsked = false;
    const auto request = parse(args, err, helpAsked);
    if (helpAsked) {
        out << kConvertHelp;
        return kExitOk;
    }
    if (!request)
        return kExitUsage;

    const bool toFolder = request->inputs.size() > 1 || request->output.ends_with('/') ||
                          bitmap::directoryExists(request->output);
    if (toFolder && !ensureFolder(request->output, err))
        return kExitFailed;

    // Output names are fixed before any conversion starts, so they do not
    // depend on which worker finishes first.
    std::vector<std::string> outputs;
    std::set<std::string> reserved;
    for (const auto& input : request->inputs) {
        outputs.push_back(toFolder
                              ? uniqueOutputPath(request->output, inputStem(input),
                                                 outputExtension(request->options.format), reserved)
                              : request->output);
    }

    std::vector<std::optional<std::string>> failures(request->inputs.size());
    // A single download is shown on its own line; with several inputs the
    // line counts pictures instead.
    DownloadProgressLine download(err, stderrIsTerminal() && request->inputs.size() == 1);
    {
        ProgressLine progress(err, stderrIsTerminal(), request->inputs.size());
        runInParallel(
            request->inputs.size(), request->workers,
            [&](size_t i, codec::CCodec& codec) {
                if (request->inputs.size() == 1)
                    reportDownloads(codec, download);
                failures[i] = convertPicture(codec, request->inputs[i], outputs[i],
                                             request->options, toFolder);
            },
            [&](size_t done) { progress.update(done); });
    }

    int status = kExitOk;
    for (size_t i = 0; i < request->inputs.size(); ++i) {
        if (failures[i]) {
            err << request->inputs[i] << ": " << *failures[i] << '\n';
            status = kExitFailed;
        } else if (toFolder) {
            out << request->inputs[i] << " -> " << outputs[i] << '\n';
        }
    }
    return status;
}

}  // namespace cli
