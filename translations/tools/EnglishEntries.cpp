#include "translations/tools/EnglishEntries.h"

#include <QString>

#include <array>
#include <map>
#include <stdexcept>

namespace translations::tools {
namespace {

// The contexts the lookup tries, the first that has a text winning.
constexpr std::array<QStringView, 2> kContexts{u"glyphon", u"glyphon-cli"};

bool lookedUp(const TsMessage& message, QStringView context) {
    return message.context == context && message.type.isEmpty() &&
           message.disambiguation.isEmpty() && !message.translation.isEmpty();
}

}  // namespace

std::vector<EnglishEntry> englishEntries(const std::vector<TsMessage>& messages) {
    // QByteArray orders by memcmp: byte by byte, as std::string_view does.
    std::map<QByteArray, QByteArray> chosen;
    for (const QStringView context : kContexts) {
        std::map<QByteArray, QByteArray> ofContext;
        for (const TsMessage& message : messages) {
            if (!lookedUp(message, context))
                continue;
            const QByteArray source = message.source.toUtf8();
            if (!ofContext.emplace(source, message.translation.toUtf8()).second)
                throw std::runtime_error("\"" + message.source.toStdString() +
                                         "\" is given twice in " +
                                         context.toString().toStdString());
        }
        // Sources an earlier context has keep its text.
        chosen.merge(ofContext);
    }
    return {chosen.begin(), chosen.end()};
}

}  // namespace translations::tools
