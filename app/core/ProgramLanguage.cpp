#include "app/core/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <atomic>
#include <mutex>
#include <string>
#include <unordered_map>

#include "bitmap/CatalogueText.h"
#include "translations/TranslationResources.h"

namespace app {
namespace {

// The contexts the catalogues mark their texts with.
constexpr const char* kContexts[] = {"glyphon", "glyphon-cli"};

struct Translators {
    QTranslator program;  // glyphon_en: every library of the program
    QTranslator control;  // dotwerk_en: the editor control
    QTranslator qtbase;   // qtbase_cs: Qt's own dialogs in Czech
    std::mutex cacheLock;
    // English translations handed out as views: the map keeps every string
    // where it was put and is never cleared, so the views stay valid.
    std::unordered_map<std::string, std::string> cache;
};

Translators& translators() {
    static Translators instance;
    return instance;
}

std::atomic<bitmap::Language> chosen{bitmap::Language::czech};

std::string_view translateCatalogueText(std::string_view source) noexcept {
    Translators& t = translators();
    try {
        const std::lock_guard lock(t.cacheLock);
        const std::string key(source);
        if (const auto found = t.cache.find(key); found != t.cache.end())
            return found->second;
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

void loadOrClear(QTranslator& translator, const QString& file, const QString& folder, bool wanted) {
    if (QCoreApplication::instance())
        QCoreApplication::removeTranslator(&translator);
    if (!wanted)
        return;
    if ((!translator.isEmpty() || translator.load(file, folder)) && QCoreApplication::instance())
        QCoreApplication::installTranslator(&translator);
}

}  // namespace

void useLanguage(bitmap::Language language) {
    translations::registerTranslationResources();
    Translators& t = translators();
    const bool english = language == bitmap::Language::english;
    loadOrClear(t.program, QStringLiteral("glyphon_en.qm"), QStringLiteral(":/i18n"), english);
    loadOrClear(t.control, QStringLiteral("dotwerk_en.qm"), QStringLiteral(":/i18n"), english);
    // Qt's dialogs exist only in a program with an application object.
    loadOrClear(t.qtbase, QStringLiteral("qtbase_cs.qm"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                !english && QCoreApplication::instance() != nullptr);
    bitmap::setTextTranslator(english ? &translateCatalogueText : nullptr);
    chosen.store(language);
}

bitmap::Language programLanguage() {
    return chosen.load();
}

}  // namespace app
