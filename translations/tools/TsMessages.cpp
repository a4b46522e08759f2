#include "translations/tools/TsMessages.h"

#include <QXmlStreamReader>

#include <stdexcept>
#include <string>

namespace translations::tools {
namespace {

using namespace Qt::StringLiterals;

[[noreturn]] void fail(const QXmlStreamReader& xml, const QString& why) {
    throw std::runtime_error("line " + std::to_string(xml.lineNumber()) + ": " + why.toStdString());
}

// The text of the element the reader is in, up to its end: characters as
// they stand and each <byte value="xd"/> (hexadecimal after an x, else
// decimal) as the character it names, which is how lupdate writes the
// characters XML cannot hold. lrelease drops a <byte> of value 0; the
// program's texts never hold one, so it is refused rather than mirrored.
QString readText(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement) {
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == u"byte") {
            QString value = xml.attributes().value("value"_L1).toString();
            const int base = value.startsWith(u'x') ? 16 : 10;
            bool ok = false;
            const uint code = (base == 16 ? value.mid(1) : value).toUInt(&ok, base);
            if (!ok || code == 0 || code > 0xffff)
                fail(xml, "bad <byte> value \"" + value + "\"");
            text += QChar(char16_t(code));
            xml.skipCurrentElement();
        } else if (xml.isStartElement()) {
            fail(xml, "<" + xml.name().toString() + "> is not read here");
        } else if (xml.hasError()) {
            fail(xml, xml.errorString());
        }
    }
    return text;
}

TsMessage readMessage(QXmlStreamReader& xml, const QString& context) {
    if (xml.attributes().value("numerus"_L1) == u"yes")
        fail(xml, "plural forms are not read");
    TsMessage message{context, {}, {}, {}, {}};
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            message.source = readText(xml);
        } else if (xml.name() == u"comment") {
            message.disambiguation = readText(xml);
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value("type"_L1).toString();
            if (xml.attributes().value("variants"_L1) == u"yes")
                fail(xml, "length variants are not read");
            message.translation = readText(xml);
        } else {
            // Locations, notes for translators and the like.
            xml.skipCurrentElement();
        }
    }
    return message;
}

}  // namespace

std::vector<TsMessage> readTsMessages(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    std::vector<TsMessage> messages;
    if (!xml.readNextStartElement() || xml.name() != u"TS")
        fail(xml, "not a translation file");
    while (xml.readNextStartElement()) {
        if (xml.name() != u"context") {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"name")
                context = readText(xml);
            else if (xml.name() == u"message")
                messages.push_back(readMessage(xml, context));
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        fail(xml, xml.errorString());
    return messages;
}

}  // namespace translations::tools
