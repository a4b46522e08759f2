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
    // A std::array, which may be empty where a built-in array may not.
    QByteArray code =
        "// Made from glyphon_en.ts by glyphon-english-catalogue when the program is built.\n"
        "#include <array>\n"
        "\n"
        "#include \"translations/EnglishCatalogueTable.h\"\n"
        "\n"
        "namespace translations {\n"
        "namespace {\n"
        "\n"
        "using namespace std::string_view_literals;\n"
        "\n"
        "constexpr std::array<EnglishCatalogueEntry, " +
        QByteArray::number(entries.size()) + "> kEntries{{\n";
    for (const auto& [text, english] : entries)
        code += "    {" + cppLiteral(text) + "sv,\n     " + cppLiteral(english) + "sv},\n";
    return code +
           "}};\n"
           "\n"
           "}  // namespace\n"
           "\n"
           "std::span<const EnglishCatalogueEntry> englishCatalogueEntries() noexcept {\n"
           "    return kEntries;\n"
           "}\n"
           "\n"
           "}  // namespace translations\n";
}

}  // namespace translations::tools
