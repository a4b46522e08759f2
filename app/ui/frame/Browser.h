#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opening help pages and web pages in the user's browser.
namespace app::ui {

// The product's web site and its download page.
inline constexpr const char* kProductSiteHost = "www.vendra.example";
QString productSiteAddress();
QString downloadPageAddress();

// What a target text means: a web address stays as it is, a bare host name
// ("www.example.org") becomes an http address, anything else is a local
// file (relative names against the current folder).
QUrl browserUrlFor(const QString& target);

// Opens the target in the browser. A failure is ignored: there is nothing
// the user could do about it here.
void OpenInBrowser(const QString& target);

// When set, OpenInBrowser hands the address to this function instead of the
// desktop; tests use it so that no browser starts.
using BrowserOpener = std::function<void(const QUrl&)>;
void setBrowserOpener(BrowserOpener opener);

}  // namespace app::ui
