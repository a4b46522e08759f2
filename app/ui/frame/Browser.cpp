#include "app/ui/frame/Browser.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>

#include <utility>

namespace app::ui {
namespace {

BrowserOpener& opener() {
    static BrowserOpener instance;
    return instance;
}

// "www.example.org" and "www.example.org/page" are web sites; a name such
// as "index.htm" is a file.
bool looksLikeHostName(const QString& target) {
    return target.startsWith(QLatin1String("www."), Qt::CaseInsensitive) && !QDir().exists(target);
}

}  // namespace

QString productSiteAddress() {
    return QStringLiteral("http://") + QLatin1String(kProductSiteHost);
}

QString downloadPageAddress() {
    return productSiteAddress() + QStringLiteral("/wapglyphon/download.asp?lng=cz");
}

QUrl browserUrlFor(const QString& target) {
    const QString trimmed = target.trimmed();
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (scheme.match(trimmed).hasMatch())
        return QUrl(trimmed);
    if (looksLikeHostName(trimmed))
        return QUrl(QStringLiteral("http://") + trimmed);
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(trimmed));
}

void OpenInBrowser(const QString& target) {
    if (target.trimmed().isEmpty())
        return;
    const QUrl url = browserUrlFor(target);
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

void setBrowserOpener(BrowserOpener newOpener) {
    opener() = std::move(newOpener);
}

}  // namespace app::ui
