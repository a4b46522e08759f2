#include "app/qt/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <mutex>
#include <string>
#include <unordered_map>

#include "translations/TranslationResources.h"

namespace app::qt {
namespace {

// The contexts the catalogues mark their texts with.
constexpr const char* kContexts[] = {"glyphon", "glyphon-cli"};
constexpr const char* kProgramCatalogue = "glyphon_en.qm";
constexpr const char* kBuiltInFolder = ":/i18n";

struct Translators {
    QTranslator program;  // glyphon_en: every library of the program
    QTranslator control;  // dotwerk_en: the editor control
    QTranslator qtbase;   // qtbase_cs: Qt's own dialogs in Czech
    // Guards the program's catalogue while it is read and the cache.
    std::mutex lock;
    // English translations handed out as views: the map keeps every string
    // where it was put and is never cleared, so the views stay valid.
    std::unordered_map<std::string, std::string> cache;
};

Translators& translators() {
    static Translators instance;
    return instance;
}

// Reads the program's catalogue unless it was read before; call with the
// lock held.
void loadProgramCatalogue(Translators& t) {
    translations::registerTranslationResources();
    if (t.program.isEmpty())
        (void)t.program.load(kProgramCatalogue, kBuiltInFolder);
}

void installOrRemove(QTranslator& translator, const QString& file, const QString& folder,
                     bool wanted) {
    QCoreApplication::removeTranslator(&translator);
    if (wanted && (!translator.isEmpty() || translator.load(file, folder)))
        QCoreApplication::installTranslator(&translator);
}

}  // namespace

std::string_view englishText(std::string_view source) noexcept {
    Translators& t = translators();
    try {
        const std::lock_guard lock(t.lock);
        const std::string key(source);
        if (const auto found = t.cache.find(key); found != t.cache.end())
            return found->second;
        loadProgramCatalogue(t);
        QString translation;
        for (const char* context : kContexts) {
            translation = t.program.translate(context, key.c_str());
            if (!translation.isEmpty())
                break;
        }
        std::string text = translation.isEmpty() ? key : translation.toStdString();
        return t.cache.emplace(key, std::move(text)).first->second;
    } catch (...) {
        // Out of memory for the cache: the text as it is written.
        return source;
    }
}

void followLanguage(bitmap::Language language) {
    // Qt's lookups and its dialogs exist only in a program with an
    // application object.
    if (!QCoreApplication::instance())
        return;
    Translators& t = translators();
    const bool english = language == bitmap::Language::english;
    {
        const std::lock_guard lock(t.lock);
        loadProgramCatalogue(t);
    }
    installOrRemove(t.program, kProgramCatalogue, kBuiltInFolder, english);
    installOrRemove(t.control, QStringLiteral("dotwerk_en.qm"), kBuiltInFolder, english);
    installOrRemove(t.qtbase, QStringLiteral("qtbase_cs.qm"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath), !english);
}

}  // namespace app::qt
