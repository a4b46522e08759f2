#include "cli/CliSession.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "base/TemporaryFile.h"
#include "cli/terminal/ProgressLine.h"

namespace cli {
namespace {

// A folder no file can be made in (a path below a device file fails with
// ENOTDIR): where the files go when the private folder cannot be made, so
// that they fail instead of landing in the shared temporary folder.
constexpr const char* kNoFolder = "/dev/null";

}  // namespace

CliSession::CliSession(std::ostream& out, std::ostream& err, const GlobalOptions& global,
                       FolderMade made)
    : ui_(out, err), document_(settings_, ui_, host_), download_(err, stderrIsTerminal()) {
    settings_.readSettings();
    temporaryRoot_ = settings_.tempFolder;
    if (made == FolderMade::atStart) {
        ready_ = makeFolder();
    } else {
        ready_ = true;
        settings_.folderMadeWhenNeeded = [this] { return folderForFiles(); };
    }
    start(global);
}

CliSession::CliSession(std::ostream& out, std::ostream& err, const GlobalOptions& global,
                       CliSession& run, const std::string& exchangeTag)
    : privateFolder_(run.privateFolder()),
      ready_(run.ready()),
      ui_(out, err),
      document_(settings_, ui_, host_),
      download_(err, stderrIsTerminal()) {
    settings_.copyValuesFrom(run.settings());
    if (run.settings().folderMadeWhenNeeded)
        settings_.folderMadeWhenNeeded = [&run] { return run.folderForFiles(); };
    document_.setExchangeTag(exchangeTag);
    start(global);
}

std::string CliSession::privateFolder() const {
    const std::lock_guard hold(folderLock_);
    return privateFolder_;
}

bool CliSession::makeFolder() {
    // An interrupt from now on removes what the run made.
    bitmap::prepareForScratchFiles();
    std::string pattern = temporaryRoot_ + "glyphon-cli-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return false;
    privateFolder_ = pattern;
    ownsFolder_ = true;
    // An interrupted run removes the folder too.
    bitmap::registerScratchFolder(privateFolder_);
    return true;
}

std::string CliSession::folderForFiles() {
    const std::lock_guard hold(folderLock_);
    if (!folderTried_) {
        folderTried_ = true;
        makeFolder();
    }
    return privateFolder_.empty() ? kNoFolder : privateFolder_;
}

void CliSession::start(const GlobalOptions& global) {
    // Nobody else looks into the private folder: the reload cycle's exchange
    // file is handed over in memory.
    document_.setExchangeInMemory(true);
    // Until a folder made when needed is there, the folders lead nowhere.
    const std::string folder = settings_.folderMadeWhenNeeded ? std::string(kNoFolder) + "/"
                               : privateFolder_.empty()       ? settings_.tempFolder
                                                              : privateFolder_ + "/";
    settings_.tempFolder = folder;
    settings_.workingFolder = folder;
    settings_.saveFolder = folder;
    settings_.createCodec();
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
