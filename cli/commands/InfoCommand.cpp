#include <optional>
#include <ostream>

#include "app/core/TextFormat.h"
#include "cli/Conversion.h"
#include "cli/OptionParser.h"
#include "cli/commands/Commands.h"
#include "cli/terminal/DownloadProgressLine.h"
#include "cli/terminal/ProgressLine.h"
#include "codec/Codec.h"
#include "codec/PictureName.h"
#include "codec/Texts.h"
#include "codec/url/DownloadFile.h"
#include "codec/url/UrlLoader.h"

namespace cli {
namespace {

constexpr const char* kInfoHelp =
    "Usage: glyphon-cli info FILE...\n"
    "\n"
    "A FILE may also be an http://, https://, ftp:// or file:// URL; it is\n"
    "downloaded to a temporary file that is removed afterwards. A FILE of -\n"
    "is the standard input.\n"
    "Prints one line per file, tab-separated: the file name, its format as\n"
    "recognised from its content (bmp, wbmp, jpg, gif, png, or 'unknown'),\n"
    "its width, its height and its bits per pixel, all as its header declares\n"
    "them, without decoding the picture (bits per pixel count every channel:\n"
    "24 for an RGB JPEG or PNG, 8 for a grey one or a palette of 256 colours).\n"
    "A JPEG without a frame header reports -1 as its size; unrecognised files\n"
    "report 0 (or -1 when they start like a WBMP but their length does not\n"
    "match), and 0 bits wherever the header does not say.\n";

// Reads the header of a local file, or of a URL's resource downloaded into
// a temporary file; on failure returns the reason.
std::optional<std::string> readHeader(codec::Codec& codec, const std::string& name,
                                      codec::DownloadProgress& progress) {
    const codec::PictureName target = codec::classifyPictureName(name);
    if (target.kind == codec::PictureName::Kind::localFile) {
        if (codec.readImageHeader(target.location))
            return std::nullopt;
        return codec.errordescription();
    }
    auto file = codec::DownloadFile::inTemporaryFolder(codec::urlExtension(name));
    if (!file)
        return app::formatText(codec::text::kCannotCreateLocalFile, {"tmp"});
    progress.started();
    progress.connecting(name);
    codec::DownloadLimits limits;
    limits.overallSeconds = codec.downloadTimeout();
    auto status = codec::downloadUrl(name, file->stream(), &progress, limits);
    progress.finished();
    if (!file->close() && status == codec::DownloadStatus::ok)
        status = codec::DownloadStatus::transferFailed;
    if (status != codec::DownloadStatus::ok)
        return codec::downloadErrorText(status, name);
    if (codec.readImageHeader(file->path()))
        return std::nullopt;
    return codec.errordescription();
}

}  // namespace

int infoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const GlobalOptions& global) {
    std::vector<std::string> files;
    // Anything but the help options names a file, "-x" too.
    const OptionTable table{
        .options = {},
        .operand = [&](const std::string& file) -> Refusal {
            files.push_back(file);
            return std::nullopt;
        },
        .unknownOption = nullptr,
    };
    if (parseOptions(args, table).status == ParseResult::Status::help) {
        out << kInfoHelp;
        return kExitOk;
    }
    if (files.empty()) {
        err << kInfoHelp;
        return kExitUsage;
    }
    codec::Codec codec;
    codec.setThrowException(false);
    applyGlobalOptions(codec, global);
    DownloadProgressLine download(err, stderrIsTerminal());
    int status = kExitOk;
    for (const auto& file : files) {
        // "-" is the standard input.
        const std::string input = file == "-" ? std::string(kStandardInput) : file;
        if (const auto failure = readHeader(codec, input, download)) {
            err << file << ": " << *failure << '\n';
            status = kExitFailed;
            continue;
        }
        const std::string& format = codec.fileFormat();
        out << file << '\t' << (format.empty() ? "unknown" : format) << '\t' << codec.imageWidth()
            << '\t' << codec.imageHeight() << '\t' << codec.declaredBitCount() << '\n';
    }
    return status;
}

}  // namespace cli
