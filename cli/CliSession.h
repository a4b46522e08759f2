#pragma once

#include <iosfwd>
#include <mutex>
#include <string>

#include "app/core/document/PictureDocument.h"
#include "app/core/settings/AppSettings.h"
#include "cli/GlobalOptions.h"
#include "cli/terminal/DownloadProgressLine.h"
#include "cli/terminal/TerminalUi.h"

namespace cli {

// The application core as the command-line tool runs it: the settings
// store's values (dithering, phones), one document and codec, and a private
// folder for the exchange files, undo picture and downloads, so that
// several runs and the desktop program never share a temporary file. The
// folder is removed with the session.
class CliSession {
public:
    // When the private folder is made: at once, or when a file is first put
    // into it (a conversion of local files puts none there, and on some
    // file systems making and removing a folder costs a millisecond).
    enum class FolderMade { atStart, whenNeeded };

    CliSession(std::ostream& out, std::ostream& err, const GlobalOptions& global = {},
               FolderMade made = FolderMade::atStart);
    // A session working in the run's session's private folder (the folder
    // stays that session's) with the settings it read, its exchange files
    // marked with the tag so that they never meet the other session's. For
    // a thread of a conversion run that downloads nothing: each folder made
    // and removed costs the file system a directory.
    CliSession(std::ostream& out, std::ostream& err, const GlobalOptions& global, CliSession& run,
               const std::string& exchangeTag);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // False when the private folder could not be made at the start.
    bool ready() const { return ready_; }
    // The private folder, with no trailing "/"; empty while it is not made.
    std::string privateFolder() const;
    app::AppSettings& settings() { return settings_; }
    app::PictureDocument& document() { return document_; }
    TerminalUi& ui() { return ui_; }
    codec::Codec& codec() { return *settings_.codec(); }

private:
    // Makes the private folder; false when it cannot be made.
    bool makeFolder();
    // The private folder, made on the first call; when it cannot be made, a
    // folder no file can be made in.
    std::string folderForFiles();
    // Sets everything up around the private folder (empty: none).
    void start(const GlobalOptions& global);

    mutable std::mutex folderLock_;  // guards the folder for threads' sessions
    std::string temporaryRoot_;      // the system's temporary folder, ending in "/"
    std::string privateFolder_;
    bool ownsFolder_ = false;
    bool folderTried_ = false;
    bool ready_ = false;
    app::AppSettings settings_;
    TerminalUi ui_;
    app::DocumentHost host_;
    app::PictureDocument document_;
    DownloadProgressLine download_;
};

}  // namespace cli
