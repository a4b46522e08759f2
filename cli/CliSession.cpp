#include "cli/CliSession.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "bitmap/TemporaryFile.h"
#include "cli/ProgressLine.h"

namespace cli {

CliSession::CliSession(std::ostream& out, std::ostream& err, const GlobalOptions& global)
    : ui_(out, err), document_(settings_, ui_, host_), download_(err, stderrIsTerminal()) {
    settings_.ReadSettings();
    std::string pattern = settings_.tempFolder + "glyphon-cli-XXXXXX";
    if (::mkdtemp(pattern.data())) {
        privateFolder_ = pattern;
        ownsFolder_ = true;
        // An interrupted run removes the folder too.
        bitmap::registerScratchFolder(privateFolder_);
    }
    start(global);
}

CliSession::CliSession(std::ostream& out, std::ostream& err, const GlobalOptions& global,
                       CliSession& run, const std::string& exchangeTag)
    : privateFolder_(run.privateFolder()),
      ui_(out, err),
      document_(settings_, ui_, host_),
      download_(err, stderrIsTerminal()) {
    settings_.copyValuesFrom(run.settings());
    document_.setExchangeTag(exchangeTag);
    start(global);
}

void CliSession::start(const GlobalOptions& global) {
    // Nobody else looks into the private folder: the reload cycle's exchange
    // file is handed over in memory.
    document_.setExchangeInMemory(true);
    const std::string folder = privateFolder_.empty() ? settings_.tempFolder : privateFolder_ + "/";
    settings_.tempFolder = folder;
    settings_.workingFolder = folder;
    settings_.saveFolder = folder;
    settings_.CreateCodec();
    // No undo picture is needed: nobody can undo a command-line run.
    settings_.codec()->setUndoFile("");
    settings_.codec()->setAlwaysHalftone(true);
    settings_.codec()->setDownloadProgress(&download_);
    if (global.maxPixels)
        settings_.codec()->setMaxPixels(*global.maxPixels);
    settings_.codec()->setDownloadTimeout(
        global.timeoutSeconds.value_or(codec::kDefaultDownloadTimeout));
}

CliSession::~CliSession() {
    if (!ownsFolder_)
        return;
    bitmap::unregisterScratchFolder(privateFolder_);
    // Most runs leave the folder empty, and one rmdir removes it; walking
    // it costs several calls into the system for nothing.
    if (::rmdir(privateFolder_.c_str()) == 0)
        return;
    std::error_code ignored;
    std::filesystem::remove_all(privateFolder_, ignored);
}

}  // namespace cli
