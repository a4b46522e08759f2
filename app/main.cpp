// glyphon: the WAP Glyphon desktop program.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/core/ProgramLanguage.h"
#include "app/core/TextFormat.h"
#include "app/qt/LinkedQtServices.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/frame/GlyphonApp.h"
#include "app/ui/frame/ProgramStart.h"
#include "app/ui/frame/QuitOnSignal.h"

int main(int argc, char* argv[]) {
    app::qt::useLinkedQtServices();
    using app::ui::translate;
    namespace text = app::ui::text;
    const app::ui::ProgramStart start =
        app::ui::readProgramStart(std::vector<std::string>(argv, argv + argc),
                                  [](const char* name) { return std::getenv(name); });
    // Help and version need no window, so they work without a display.
    if (!start.error.empty() || start.showHelp || start.showVersion) {
        QCoreApplication core(argc, argv);
        app::useLanguage(start.language);
        if (!start.error.empty()) {
            std::fputs(
                app::formatText(translate(text::kProgramBadLanguage).toStdString(), {start.error})
                    .c_str(),
                stderr);
            return 2;
        }
        if (start.showVersion)
            std::puts("glyphon (WAP Glyphon) " GLYPHON_VERSION);
        else
            std::fputs(translate(text::kProgramUsage).toUtf8().constData(), stdout);
        return 0;
    }

    QApplication application(argc, argv);
    app::useLanguage(start.language);
    // SIGTERM and SIGHUP end the program as its own Exit command does.
    const app::ui::QuitOnSignal quitOnSignal;
    app::ui::GlyphonApp glyphon;
    QStringList arguments;
    for (const std::string& argument : start.arguments)
        arguments.append(QString::fromStdString(argument));
    glyphon.start(arguments);
    const int status = QApplication::exec();
    glyphon.closeMainFrame();
    return status;
}
