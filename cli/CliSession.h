#pragma once

#include <iosfwd>
#include <string>

#include "app/core/AppSettings.h"
#include "app/core/CMFCTest2Doc.h"
#include "cli/DownloadProgressLine.h"
#include "cli/GlobalOptions.h"
#include "cli/TerminalUi.h"

namespace cli {

// The application core as the command-line tool runs it: the settings
// store's values (dithering, phones), one document and codec, and a private
// folder for the exchange files, undo picture and downloads, so that
// several runs and the desktop program never share a temporary file. The
// folder is removed with the session.
class CliSession {
public:
    CliSession(std::ostream& out, std::ostream& err, const GlobalOptions& global = {});
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

    // False when the private folder could not be made.
    bool ready() const { return !privateFolder_.empty(); }
    // The private folder, with no trailing "/".
    const std::string& privateFolder() const { return privateFolder_; }
    app::AppSettings& settings() { return settings_; }
    app::CMFCTest2Doc& document() { return document_; }
    TerminalUi& ui() { return ui_; }
    codec::CodecOwner& codec() { return *settings_.codec(); }

private:
    // Sets everything up around the private folder (empty: none).
    void start(const GlobalOptions& global);

    std::string privateFolder_;
    bool ownsFolder_ = false;
    app::AppSettings settings_;
    TerminalUi ui_;
    app::DocumentHost host_;
    app::CMFCTest2Doc document_;
    DownloadProgressLine download_;
};

}  // namespace cli
