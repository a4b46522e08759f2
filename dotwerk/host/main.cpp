// dotwerk-host: edits one WBMP or BMP picture in the Dotwerk control.
//   dotwerk-host [picture] [--screenshot out.png] [--lang cs|en]
// Without a picture it starts from a blank 96 x 64 one; --screenshot saves
// the window as it first appears and quits (for use without a display).
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

#include "dotwerk/host/HostWindow.h"
#include "translations/TranslationResources.h"

namespace {

// Czech when --lang cs is given or, without --lang, when the environment's
// first language is Czech; the control's texts are written in Czech.
bool speaksCzech(QStringList& arguments) {
    if (const auto at = arguments.indexOf(QStringLiteral("--lang"));
        at >= 0 && at + 1 < arguments.size()) {
        const bool czech = arguments.at(at + 1) == QLatin1String("cs");
        arguments.remove(at, 2);
        return czech;
    }
    return QLocale::system().uiLanguages().value(0).startsWith(QLatin1String("cs"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    // The control's English texts, built into the program.
    translations::registerTranslationResources();
    QTranslator english;
    if (!speaksCzech(arguments) &&
        english.load(QStringLiteral("dotwerk_en.qm"), QStringLiteral(":/i18n")))
        QApplication::installTranslator(&english);
    QString screenshot;
    if (const auto at = arguments.indexOf(QStringLiteral("--screenshot"));
        at >= 0 && at + 1 < arguments.size()) {
        screenshot = arguments.at(at + 1);
        arguments.remove(at, 2);
    }

    // Failures go to standard error, and to a message box unless the run is
    // unattended.
    const auto fail = [&screenshot](const QString& message) {
        std::fprintf(stderr, "dotwerk-host: %s\n", qPrintable(message));
        if (screenshot.isEmpty())
            QMessageBox::critical(nullptr, QStringLiteral("Dotwerk host"), message);
        return 1;
    };
    dotwerk_host::HostWindow window;
    QString reason;
    if (!window.createEditor(&reason))
        return fail(QStringLiteral("The editor could not be started: %1").arg(reason));
    QString error;
    if (!arguments.isEmpty()) {
        if (!window.openPicture(arguments.front(), &error))
            return fail(error);
    } else {
        window.newPicture(96, 64);
    }
    window.show();
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, &screenshot] {
            window.grab().save(screenshot);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
