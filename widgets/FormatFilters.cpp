#include "widgets/FormatFilters.h"

#include "app/qt/QtText.h"

namespace widgets {

QString formatLabel(codec::FormatCode code) {
    const codec::PictureFormat* format = codec::formatByCode(code);
    return format ? app::qs(format->dialogName) : QString();
}

QStringList filterTexts(const std::vector<codec::FileFilter>& filters) {
    QStringList texts;
    for (const codec::FileFilter& filter : filters) {
        QString spaced = QString::fromStdString(filter.patterns);
        spaced.replace(QLatin1Char(';'), QLatin1Char(' '));
        texts.append(QString::fromStdString(filter.description) + QStringLiteral(" (") + spaced +
                     QLatin1Char(')'));
    }
    return texts;
}

}  // namespace widgets
