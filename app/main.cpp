// glyphon: the WAP Glyphon desktop program.
#include <QApplication>

#include "app/ui/frame/GlyphonApp.h"
#include "app/ui/frame/QuitOnSignal.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // SIGTERM and SIGHUP end the program as its own Exit command does.
    const app::ui::QuitOnSignal quitOnSignal;
    app::ui::GlyphonApp glyphon;
    if (!glyphon.start(QApplication::arguments()))
        return 1;
    const int status = QApplication::exec();
    glyphon.closeMainFrame();
    return status;
}
