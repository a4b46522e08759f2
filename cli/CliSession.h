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
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // False when the private folder could not be made.
    bool ready() const { return !privateFolder_.empty(); }
    app::AppSettings& settings() { return settings_; }
    app::CMFCTest2Doc& document() { return document_; }
    TerminalUi& ui() { return ui_; }
    codec::CodecOwner& codec() { return *settings_.codec(); }

private:
    std::string privateFolder_;
    app::AppSettings settings_;
    TerminalUi ui_;
    app::DocumentHost host_;
    app::CMFCTest2Doc document_;
    DownloadProgressLine download_;
};

}  // namespace cli
