#pragma once

#include <QStringList>

#include <memory>

#include "app/core/settings/AppSettings.h"
#include "base/Language.h"

// The program's start-up and shutdown around the main window.
namespace app::ui {

class MainWindow;

class GlyphonApp {
public:
    GlyphonApp();
    // Removes the program's temporary files (leaving the program).
    ~GlyphonApp();
    GlyphonApp(const GlyphonApp&) = delete;
    GlyphonApp& operator=(const GlyphonApp&) = delete;

    // Starts the program, in this order: the settings store's names, the
    // settings read from the store, the codec created (a picture named on
    // the command line needs it), the main window, the picture named on the
    // command line (the first argument after the program's name), the
    // window shown. A named picture that cannot be opened is reported,
    // naming the file, and the window stays open and empty.
    void start(const QStringList& arguments);

    MainWindow* mainFrame() const { return frame_.get(); }
    app::AppSettings& settings() { return settings_; }

    // Destroys the main window, which writes the settings back and deletes
    // the codec.
    void closeMainFrame();

private:
    app::AppSettings settings_;
    std::unique_ptr<MainWindow> frame_;
};

// The help page shipped with the program, for a help file that does not
// exist where the settings say: beside the program ("help/index.htm") or in
// the installed data folder ("../share/glyphon/help/index.htm"). Empty when
// neither exists.
QString installedHelpFile(const QString& programFolder);

// The help page to open in `language`: for English the page beside
// `helpFile` whose name ends ".en.htm" instead of ".htm" when there is one,
// otherwise `helpFile` itself.
QString helpFileInLanguage(const QString& helpFile, bitmap::Language language);

}  // namespace app::ui
