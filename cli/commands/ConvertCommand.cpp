#include <algorithm>
#include <ostream>
#include <thread>

#include "app/core/PathText.h"
#include "app/core/TextFormat.h"
#include "app/core/settings/DisplayPresets.h"
#include "base/FileIO.h"
#include "batch/core/BatchFileSelection.h"
#include "batch/core/BatchRun.h"
#include "batch/core/ThreadTeam.h"
#include "cli/CliSession.h"
#include "cli/Conversion.h"
#include "cli/ConversionOptionSpec.h"
#include "cli/FolderCreation.h"
#include "cli/OptionParser.h"
#include "cli/PhoneChoice.h"
#include "cli/Texts.h"
#include "cli/WorkerSessions.h"
#include "cli/commands/Commands.h"
#include "cli/terminal/BatchProgressLine.h"
#include "cli/terminal/ProgressLine.h"

namespace cli {
namespace {

constexpr const char* kConvertHelp =
    "Usage: glyphon-cli convert INPUT... -o OUT [-f FORMAT] [-m METHOD] [-t THRESHOLD]\n"
    "                           [dithering options] [--byte-order O] [--invert-array]\n"
    "                           [--fit WxH | --phone N|NAME | --display NAME |\n"
    "                            --size WxH | --percent P]\n"
    "                           [--wml [--wml-dir D] [--prefix P] [--alt TEXT]]\n"
    "                           [--stop-on-error] [-j JOBS]\n"
    "\n"
    "Converts the pictures one after another, as the program's batch conversion\n"
    "does: loads each INPUT (BMP, WBMP, GIF, JPEG or PNG; the content decides\n"
    "the format), resizes it, converts it to black and white and saves it. An\n"
    "INPUT may be an http:// or ftp:// URL (downloaded first, and named\n"
    "download.NAME after its last path segment) or a file:// name; an INPUT\n"
    "of - is the standard input (saved as stdin.EXT), and a named pipe is read\n"
    "like a file.\n"
    "\n"
    "Options:\n"
    "  -o OUT          the output file when there is one INPUT and OUT is not a\n"
    "                  folder (an existing file is replaced once the new one is\n"
    "                  completely written); otherwise a folder (created when\n"
    "                  missing) that receives one file per INPUT, named after it\n"
    "                  with the new extension: a.wbmp, a(1).wbmp, ... -- existing\n"
    "                  files are never overwritten\n"
    "  -f FORMAT       wbmp (default), bmp, gif, png, png-trans (PNG with white\n"
    "                  as the transparent colour, written as .png), or for small\n"
    "                  displays pbm (binary PBM), xbm, or c (a C array named\n"
    "                  after the file, with NAME_WIDTH and NAME_HEIGHT)\n"
    "  -m METHOD       0-17 or thresholding, random, display, print,\n"
    "                  floyd-steinberg; the error diffusion kernels atkinson,\n"
    "                  jarvis, stucki, burkes, sierra, sierra-two-row,\n"
    "                  sierra-lite; the masks bayer2, bayer4, bayer8, bayer16,\n"
    "                  halftone, blue-noise (default: the program's setting)\n"
    "  -t THRESHOLD    0-255 (default: the program's setting), for thresholding,\n"
    "                  random and error diffusion\n"
    "  --fit WxH       fit into WxH keeping the aspect ratio\n"
    "  --phone N|NAME  fit to the display of a phone of the phone table\n"
    "                  (see 'glyphon-cli phones list')\n"
    "  --display NAME  fit to a display module, e-paper panel or handheld, by its\n"
    "                  number, key or name (see 'glyphon-cli displays list')\n"
    "  --size WxH      scale to exactly WxH\n"
    "  --percent P     scale to P percent\n"
    "  --wml           write a WML page showing each picture beside it\n"
    "  --wml-dir D     write the pages into folder D instead\n"
    "  --prefix P      put P/ before the picture's name in the pages\n"
    "  --alt TEXT      the pages' alternative text (default: the picture's name)\n"
    "  --stop-on-error report each failure at once (the run still goes on)\n"
    "  -j, --jobs JOBS convert on JOBS threads at once (default: one per\n"
    "                  processor); the names, pages and messages are those of\n"
    "                  a run on one thread\n"
    "  -h, --help      show this text\n"
    "\n"
    "Dithering options (each not given is the program's setting):\n"
    "%DITHER%"
    "%CARRAY%"
    "\n"
    "Pictures are resized before they are converted to black and white;\n"
    "resizing averages the source pixels that cover each new pixel. The\n"
    "method, threshold and dithering options default to those the desktop\n"
    "program uses.\n"
    "Exit status: 0 when every picture was converted, 1 when any failed,\n"
    "2 for bad usage.\n";

// One thread per processor, at most kMaxJobs.
constexpr int kMaxJobs = 64;
int defaultJobs() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs);
}

struct ConvertRequest {
    std::vector<std::string> inputs;
    std::string output;
    ConversionOptions conversion;
    std::optional<Size> fitBox;
    std::string phone;
    std::string display;
    bool wml = false;
    std::optional<std::string> wmlFolder;
    std::optional<std::string> prefix;
    std::optional<std::string> altText;
    bool stopOnError = false;
    int jobs = defaultJobs();
};

// Parses the arguments; on bad usage writes the reason to err and returns
// nothing.
std::optional<ConvertRequest> parse(const std::vector<std::string>& args, std::ostream& err,
                                    bool& helpAsked) {
    ConvertRequest request;
    int resizeOptions = 0;
    // --fit, --phone, --display, --size and --percent exclude each other.
    auto resize = [&](auto take) {
        return
            [&resizeOptions, take](const std::string& name, const std::string& value) -> Refusal {
                if (++resizeOptions > 1)
                    return std::string(text::kOneResizeOption);
                return take(name, value);
            };
    };
    OptionTable table{
        .options =
            {
                flagOption({"--wml"}, request.wml),
                flagOption({"--stop-on-error"}, request.stopOnError),
                {{"-j", "--jobs"},
                 true,
                 [&](const std::string&, const std::string& value) {
                     const auto jobs = parseInt(value, 1, kMaxJobs);
                     if (!jobs)
                         return Refusal(text::kBadJobs);
                     request.jobs = *jobs;
                     return Refusal();
                 }},
                textOption({"-o"}, request.output),
                conversionOptionSpec(request.conversion),
                textOption({"--wml-dir"}, request.wmlFolder),
                textOption({"--prefix"}, request.prefix),
                textOption({"--alt"}, request.altText),
                {{"--phone"}, true, resize([&](const std::string&, const std::string& value) {
                     request.phone = value;
                     return Refusal();
                 })},
                {{"--display"}, true, resize([&](const std::string&, const std::string& value) {
                     request.display = value;
                     return Refusal();
                 })},
                {{"--percent"}, true, resize([&](const std::string&, const std::string& value) {
                     const auto p = parseInt(value, 1, 100000);
                     if (!p)
                         return Refusal(text::kBadPercentage);
                     request.conversion.resize = ResizeKind::percent;
                     request.conversion.percent = *p;
                     return Refusal();
                 })},
                {{"--fit", "--size"},
                 true,
                 resize([&](const std::string& name, const std::string& value) {
                     const auto size = parseSize(value);
                     if (!size)
                         return Refusal(text::kBadSize);
                     request.conversion.resize =
                         name == "--fit" ? ResizeKind::fit : ResizeKind::exact;
                     request.conversion.size = *size;
                     return Refusal();
                 })},
            },
        .operand = [&](const std::string& input) -> Refusal {
            if (input.find('\n') != std::string::npos)
                return std::string(text::kLineBreakInInput);
            // "-" is the standard input.
            request.inputs.push_back(input == "-" ? std::string(kStandardInput) : input);
            return std::nullopt;
        },
    };
    addDitherOptionSpecs(table, request.conversion);
    const ParseResult parsed = parseOptions(args, table);
    if (parsed.status == ParseResult::Status::help) {
        helpAsked = true;
        return std::nullopt;
    }
    auto bad = [&](const std::string& why) {
        usageError(err, "convert", why);
        return std::nullopt;
    };
    if (parsed.status == ParseResult::Status::refused)
        return bad(parsed.reason);
    if (request.inputs.empty())
        return bad(std::string(text::kNoInputPictures));
    if (request.output.empty())
        return bad(std::string(text::kNoOutput));
    if (!request.wml && (request.wmlFolder || request.prefix || request.altText))
        return bad(std::string(text::kConvertWmlOptionsNeedWml));
    if (const auto problem = request.conversion.problem())
        return bad(*problem);
    return request;
}

}  // namespace

int convertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const GlobalOptions& global) {
    bool helpAsked = false;
    const auto request = parse(args, err, helpAsked);
    if (helpAsked) {
        out << helpText(kConvertHelp);
        return kExitOk;
    }
    if (!request)
        return kExitUsage;

    // The threads of a parallel run start now, while the run is set up:
    // a thread may wait a while for an idle processor to wake.
    const size_t threads = std::min(static_cast<size_t>(request->jobs), request->inputs.size());
    std::optional<batch::ThreadTeam> team;
    if (threads >= 2)
        team.emplace(threads - 1, batch::ThreadTeam::Jobs::one);

    batch::BatchSettings settings;
    batch::BatchRunOptions options;
    options.convertAfterResize = true;
    options.stopOnError = request->stopOnError;
    switch (request->conversion.resize) {
        case ResizeKind::none:
            break;
        case ResizeKind::fit:
            settings.resizeEnabled = true;
            settings.resizeMode = batch::ResizeMode::box;
            settings.boxWidth = request->conversion.size.width;
            settings.boxHeight = request->conversion.size.height;
            break;
        case ResizeKind::exact:
            options.extraResize = batch::ExtraResize::exactSize;
            options.extraWidth = request->conversion.size.width;
            options.extraHeight = request->conversion.size.height;
            break;
        case ResizeKind::percent:
            options.extraResize = batch::ExtraResize::percentage;
            options.percentage = request->conversion.percent;
            break;
    }
    // A phone's or a display's size as the box, as fitting to a phone does.
    auto fitToDisplay = [&settings](int width, int height) {
        settings.resizeEnabled = true;
        settings.resizeMode = batch::ResizeMode::box;
        settings.boxWidth = width;
        settings.boxHeight = height;
    };
    if (!request->phone.empty()) {
        std::string why;
        const auto display = resolvePhone(request->phone, why);
        if (!display) {
            err << app::formatText(text::kCommandMessage, {"convert", why});
            return kExitUsage;
        }
        fitToDisplay(display->width, display->height);
    }
    if (!request->display.empty()) {
        const app::DisplayPreset* display = app::findDisplayPreset(request->display);
        if (!display) {
            err << app::formatText(
                text::kCommandMessage,
                {"convert", app::formatText(text::kNoDisplayNamed, {request->display})});
            return kExitUsage;
        }
        fitToDisplay(display->width, display->height);
    }
    if (request->conversion.method)
        settings.ditheringMethod = *request->conversion.method;
    if (request->conversion.thresholdGiven)
        settings.threshold = request->conversion.threshold;
    settings.outputFormat = outputFormatCode(request->conversion.format);
    settings.createWmlPages = request->wml;
    if (request->wmlFolder) {
        settings.wml.separateFolder = true;
        settings.wml.folder = *request->wmlFolder;
    }
    if (request->prefix) {
        settings.wml.prefixEnabled = true;
        settings.wml.prefix = *request->prefix;
    }
    if (request->altText) {
        settings.wml.altTextMode = 1;
        settings.wml.customAltText = *request->altText;
    }

    const bool toFolder = request->inputs.size() > 1 || request->output.ends_with('/') ||
                          bitmap::directoryExists(request->output);
    if (toFolder) {
        if (!createFolders(request->output, err))
            return kExitFailed;
        settings.outputFolder = request->output;
    } else {
        options.singleOutputPath = request->output;
        settings.outputFolder = app::folderOf(request->output);
    }
    if (request->wmlFolder && !createFolders(*request->wmlFolder, err))
        return kExitFailed;

    // Threads that download nothing work in the session's folder: a
    // download keeps the name it came with, so threads that download each
    // need a folder of their own. A run that downloads nothing puts no
    // file into the folder unless a picture fails to load, so the folder
    // is made only then.
    const bool downloads = std::ranges::any_of(request->inputs, [](const std::string& input) {
        return batch::isDownloadEntry(batch::listedUrl(input));
    });
    CliSession session(
        out, err, global,
        downloads ? CliSession::FolderMade::atStart : CliSession::FolderMade::whenNeeded);
    if (!session.ready()) {
        err << app::formatText(text::kCommandMessage, {"convert", text::kNoTemporaryFolder});
        return kExitFailed;
    }
    // Options not given are the program's.
    if (request->conversion.dither.any())
        settings.ditherOptions = request->conversion.dither.over(session.settings().ditherOptions);
    const bitmap::CArrayOptions cArray =
        request->conversion.cArray.over(session.settings().cArrayOptions);
    session.codec().setCArrayOptions(cArray);
    // Further threads each get two documents of their own, so that a thread
    // prepares its next picture while the last one is saved; one picture
    // needs no more than the session's.
    const size_t documentsPerThread = request->inputs.size() > threads ? 2 : 1;
    WorkerSessions workers(threads >= 2 ? threads * documentsPerThread : 0, out, err, global,
                           downloads ? nullptr : &session);
    if (!workers.ready()) {
        err << app::formatText(text::kCommandMessage, {"convert", text::kNoTemporaryFolder});
        return kExitFailed;
    }
    workers.setCArrayOptions(cArray);
    options.workers = workers.workers();
    options.threads = threads;
    options.team = team ? &*team : nullptr;
    std::string fileList;
    for (const auto& input : request->inputs)
        fileList += batch::listedUrl(input) + "\n";
    if (toFolder)
        options.pictureSaved = [&](const std::string& entry, const std::string& output) {
            out << entry << " -> " << output << '\n';
        };

    batch::BatchSummary summary;
    {
        BatchProgressLine progress(err, stderrIsTerminal());
        options.showSummary = false;
        summary = batch::BatchRun(session.document(), session.ui(), progress)
                      .run(settings, fileList, options);
    }
    if (summary.ran)
        (summary.errors == 0 ? out : err) << summary.text << '\n';
    return summary.ran && summary.errors == 0 ? kExitOk : kExitFailed;
}

}  // namespace cli
