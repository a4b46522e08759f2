// glyphon: the WAP Glyphon desktop program.
#include <QApplication>

#include "app/ui/frame/GlyphonApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::ui::GlyphonApp glyphon;
    if (!glyphon.start(QApplication::arguments()))
        return 1;
    const int status = QApplication::exec();
    glyphon.closeMainFrame();
    return status;
}
