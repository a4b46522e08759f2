// glyphon-english-catalogue's workings: which messages of a .ts become
// entries of the English table, and the C++ literals they are written as.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "translations/tools/CatalogueSource.h"
#include "translations/tools/EnglishEntries.h"
#include "translations/tools/TsMessages.h"

namespace {

using translations::tools::englishEntries;
using translations::tools::readTsMessages;

// A .ts holding one context per (name, messages) pair.
QByteArray tsFile(const std::vector<std::pair<std::string, std::string>>& contexts) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n";
    for (const auto& [name, messages] : contexts)
        xml += "<context><name>" + name + "</name>" + messages + "</context>\n";
    return QByteArray::fromStdString(xml + "</TS>\n");
}

std::string message(const std::string& source, const std::string& translation,
                    const std::string& extra = {}) {
    return "<message><source>" + source + "</source>" + extra + translation + "</message>";
}

std::vector<std::pair<std::string, std::string>> entriesOf(const QByteArray& ts) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& [source, english] : englishEntries(readTsMessages(ts)))
        entries.emplace_back(source.toStdString(), english.toStdString());
    return entries;
}

TEST(EnglishCatalogueTool, TakesWhatQtsLookupGives) {
    const std::string done = "<translation>Done</translation>";
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> contexts;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    const Case cases[] = {
        {"finished", {{"glyphon", message("Hotovo", done)}}, {{"Hotovo", "Done"}}},
        {"glyphon-cli's own", {{"glyphon-cli", message("Ready", done)}}, {{"Ready", "Done"}}},
        {"unfinished",
         {{"glyphon", message("a", "<translation type=\"unfinished\">A</translation>")}},
         {}},
        {"vanished",
         {{"glyphon", message("a", "<translation type=\"vanished\">A</translation>")}},
         {}},
        {"obsolete",
         {{"glyphon", message("a", "<translation type=\"obsolete\">A</translation>")}},
         {}},
        {"empty", {{"glyphon", message("a", "<translation></translation>")}}, {}},
        {"disambiguated", {{"glyphon", message("a", done, "<comment>menu</comment>")}}, {}},
        {"other context", {{"dotwerk", message("a", done)}}, {}},
        {"notes and locations are no disambiguation",
         {{"glyphon", message("a", done,
                              "<location filename=\"x.h\" line=\"1\"/>"
                              "<extracomment>n</extracomment>")}},
         {{"a", "Done"}}},
        {"glyphon before glyphon-cli",
         {{"glyphon-cli", message("a", "<translation>cli</translation>")},
          {"glyphon", message("a", "<translation>core</translation>")}},
         {{"a", "core"}}},
        {"an empty glyphon text lets glyphon-cli's through",
         {{"glyphon", message("a", "<translation></translation>")},
          {"glyphon-cli", message("a", "<translation>cli</translation>")}},
         {{"a", "cli"}}},
        {"characters XML cannot hold and entities",
         {{"glyphon", message("x<byte value=\"xd\"/>\ny&apos;<byte value=\"9\"/>",
                              "<translation>&lt;&amp;&quot;</translation>")}},
         {{"x\r\ny'\t", "<&\""}}},
        {"sorted byte by byte",
         {{"glyphon", message("\xc5\xbe", done) + message("z", done) + message("Z", done)}},
         {{"Z", "Done"}, {"z", "Done"}, {"\xc5\xbe", "Done"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entriesOf(tsFile(c.contexts)), c.entries) << c.what;
}

TEST(EnglishCatalogueTool, RefusesWhatTheTableCannotMirror) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"plural forms", tsFile({{"glyphon",
                                  "<message numerus=\"yes\"><source>%n</source><translation>"
                                  "<numerusform>x</numerusform></translation></message>"}})},
        {"length variants",
         tsFile({{"glyphon", message("a",
                                     "<translation variants=\"yes\"><lengthvariant>x"
                                     "</lengthvariant></translation>")}})},
        {"twice in a context",
         tsFile({{"glyphon", message("a", "<translation>1</translation>") +
                                 message("a", "<translation>2</translation>")}})},
        {"byte of value 0",
         tsFile({{"glyphon", message("a<byte value=\"0\"/>", "<translation>b</translation>")}})},
        {"broken XML", "<TS><context><name>glyphon</name><message>"},
        {"not a .ts", "<html></html>"},
    };
    for (const auto& [what, ts] : cases)
        EXPECT_THROW((void)englishEntries(readTsMessages(ts)), std::runtime_error) << what;
}

TEST(EnglishCatalogueTool, LiteralsHoldEveryByteAndNoMore) {
    const std::pair<std::string, std::string> cases[] = {
        {"", R"("")"},
        {"Done: 100 %d", R"("Done: 100 %d")"},
        {"a\"b\\c", R"("a\042b\134c")"},
        {"line\r\n", R"("line\015\012")"},
        // Digits after an escape stay digits of their own.
        {std::string("\x01") + "7f", R"("\0017f")"},
        {std::string("\0", 1), R"("\000")"},
        {"\xc5\xbe\x7f\xff", R"("\305\276\177\377")"},
    };
    for (const auto& [bytes, literal] : cases)
        EXPECT_EQ(translations::tools::cppLiteral(QByteArray::fromStdString(bytes)).toStdString(),
                  literal)
            << literal;
}

}  // namespace
