#include "app/qt/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "translations/TranslationResources.h"

namespace app::qt {
namespace {

constexpr const char* kBuiltInFolder = ":/i18n";

struct Translators {
    QTranslator program;  // glyphon_en: every library of the program
    QTranslator control;  // dotwerk_en: the editor control
    QTranslator qtbase;   // qtbase_cs: Qt's own dialogs in Czech
};

Translators& translators() {
    static Translators instance;
    return instance;
}

// A catalogue is read when it is first wanted and kept for later changes.
void installOrRemove(QTranslator& translator, const QString& file, const QString& folder,
                     bool wanted) {
    QCoreApplication::removeTranslator(&translator);
    if (wanted && (!translator.isEmpty() || translator.load(file, folder)))
        QCoreApplication::installTranslator(&translator);
}

}  // namespace

void followLanguage(bitmap::Language language) {
    // Qt's lookups and its dialogs exist only in a program with an
    // application object.
    if (!QCoreApplication::instance())
        return;
    translations::registerTranslationResources();
    Translators& t = translators();
    const bool english = language == bitmap::Language::english;
    installOrRemove(t.program, QStringLiteral("glyphon_en.qm"), kBuiltInFolder, english);
    installOrRemove(t.control, QStringLiteral("dotwerk_en.qm"), kBuiltInFolder, english);
    installOrRemove(t.qtbase, QStringLiteral("qtbase_cs.qm"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath), !english);
}

}  // namespace app::qt
