#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The messages of a Qt Linguist translation file (.ts), as lrelease reads
// them: texts with their <byte> characters put back, the XML's entities
// resolved.
namespace translations::tools {

struct TsMessage {
    QString context;
    QString source;
    // The <comment> that tells messages with one source text from each
    // other; Qt's lookup without one does not find such a message.
    QString disambiguation;
    QString translation;
    // The translation's type attribute: empty for a finished one, else
    // "unfinished", "vanished" or "obsolete".
    QString type;
};

// Throws std::runtime_error naming the line for XML it cannot read and for
// what the program's catalogue never holds and the English table could not
// mirror: plural forms and length variants.
std::vector<TsMessage> readTsMessages(const QByteArray& xml);

}  // namespace translations::tools
