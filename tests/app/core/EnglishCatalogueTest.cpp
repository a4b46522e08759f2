// The English table built into the program against Qt's catalogue made from
// the same glyphon_en.ts, and the texts it has no English for.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QString>
#include <QTranslator>

#include <string>
#include <vector>

#include "app/core/ProgramLanguage.h"
#include "base/CatalogueText.h"
#include "translations/EnglishCatalogue.h"
#include "translations/EnglishCatalogueTable.h"
#include "translations/TranslationResources.h"

namespace {

// The source texts of a .qm file's messages. After a 16-byte magic the file
// is sections (a tag byte, a 32-bit length); the messages section lists each
// message as tagged fields up to an end tag, the texts as a 32-bit length
// and the bytes.
std::vector<QByteArray> qmSourceTexts(const QByteArray& qm) {
    constexpr quint8 kMessagesSection = 0x69;
    enum : quint8 { kEnd = 1, kTranslation = 3, kObsolete = 5, kSource = 6, kContext, kComment };
    std::vector<QByteArray> sources;
    QDataStream file(qm);
    file.skipRawData(16);
    while (!file.atEnd() && file.status() == QDataStream::Ok) {
        quint8 section = 0;
        QByteArray block;
        file >> section >> block;
        QDataStream fields(block);
        while (section == kMessagesSection && !fields.atEnd()) {
            quint8 tag = 0;
            QByteArray text;
            fields >> tag;
            if (tag == kObsolete)
                fields.skipRawData(4);
            else if (tag == kTranslation || tag == kSource || tag == kContext || tag == kComment)
                fields >> text;
            else if (tag != kEnd)
                ADD_FAILURE() << "unknown field " << int(tag);
            if (tag == kSource)
                sources.push_back(text);
        }
    }
    EXPECT_EQ(file.status(), QDataStream::Ok);
    return sources;
}

// What the English lookup through Qt gives: a text of context "glyphon",
// else of "glyphon-cli"; empty when there is none.
std::string qtEnglish(const QTranslator& catalogue, const std::string& source) {
    for (const char* context : {"glyphon", "glyphon-cli"})
        if (const QString text = catalogue.translate(context, source.c_str()); !text.isEmpty())
            return text.toStdString();
    return {};
}

TEST(EnglishCatalogue, AgreesWithQtsCatalogueMessageForMessage) {
    translations::registerTranslationResources();
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(QStringLiteral("glyphon_en.qm"), QStringLiteral(":/i18n")));
    QFile qm(QStringLiteral(":/i18n/glyphon_en.qm"));
    ASSERT_TRUE(qm.open(QIODevice::ReadOnly));
    const std::vector<QByteArray> sources = qmSourceTexts(qm.readAll());
    ASSERT_FALSE(sources.empty());

    for (const QByteArray& source : sources) {
        const std::string english = qtEnglish(catalogue, source.toStdString());
        const auto builtIn = translations::englishCatalogueText(source.toStdString());
        if (english.empty())
            EXPECT_FALSE(builtIn.has_value()) << source.toStdString();
        else
            EXPECT_EQ(builtIn.value_or("(none)"), english) << source.toStdString();
    }
    const translations::EnglishCatalogueTable table = translations::englishCatalogueTable();
    for (const auto& entry : table.entries) {
        const std::string_view source = table.source(entry);
        EXPECT_EQ(qtEnglish(catalogue, std::string(source)), table.english(entry)) << source;
        EXPECT_EQ(translations::englishCatalogueText(source), table.english(entry)) << source;
    }
}

// Texts the catalogue holds no English for come back as they are written.
TEST(EnglishCatalogue, TextsWithoutEnglishStayAsWritten) {
    const char* const cases[] = {"", "Text, pro který katalog nemá překlad",
                                 "Nepodařilo se otevřít", "zzz"};
    app::useLanguage(bitmap::Language::english);
    for (const char* source : cases) {
        EXPECT_FALSE(translations::englishCatalogueText(source).has_value()) << source;
        EXPECT_EQ(bitmap::translated(source), source);
    }
    app::useLanguage(bitmap::Language::czech);
}

}  // namespace
