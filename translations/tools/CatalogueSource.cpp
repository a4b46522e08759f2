#include "translations/tools/CatalogueSource.h"

namespace translations::tools {

QByteArray cppLiteral(QByteArrayView bytes) {
    QByteArray literal = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\' && c != '"') {
            literal += c;
        } else {
            literal += '\\';
            literal += char('0' + (byte >> 6));
            literal += char('0' + ((byte >> 3) & 7));
            literal += char('0' + (byte & 7));
        }
    }
    return literal + '"';
}

QByteArray catalogueSource(const std::vector<EnglishEntry>& entries) {
    // One block of all the texts, one entry line of offsets each: a table of
    // pointers would be patched by the loader at every start.
    QByteArray texts;
    qsizetype textBytes = 0;
    QByteArray offsets;
    for (const auto& [text, english] : entries) {
        const auto at = [&texts, &textBytes](const QByteArray& piece) {
            const QByteArray where =
                QByteArray::number(textBytes) + ", " + QByteArray::number(piece.size());
            texts += "    " + cppLiteral(piece) + "\n";
            textBytes += piece.size();
            return where;
        };
        const QByteArray sourceAt = at(text);
        const QByteArray englishAt = at(english);
        offsets += "    {" + sourceAt + ", " + englishAt + "},\n";
    }
    return "// Made from glyphon_en.ts by glyphon-english-catalogue when the program is built.\n"
           "#include <array>\n"
           "\n"
           "#include \"translations/EnglishCatalogueTable.h\"\n"
           "\n"
           "namespace translations {\n"
           "namespace {\n"
           "\n"
           "constexpr char kTexts[] =\n"
           "    \"\"\n" +
           texts +
           "    ;\n"
           "\n"
           // A std::array, which may be empty where a built-in array may not.
           "constexpr std::array<EnglishCatalogueEntry, " +
           QByteArray::number(entries.size()) + "> kEntries{{\n" + offsets +
           "}};\n"
           "\n"
           "}  // namespace\n"
           "\n"
           "EnglishCatalogueTable englishCatalogueTable() noexcept {\n"
           "    return {{kTexts, sizeof kTexts - 1}, kEntries};\n"
           "}\n"
           "\n"
           "}  // namespace translations\n";
}

}  // namespace translations::tools
