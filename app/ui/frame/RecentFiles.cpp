#include "app/ui/frame/RecentFiles.h"

#include <QDir>
#include <QSettings>

#include "app/qt/SettingsStore.h"

namespace app::ui {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString keyOf(int position) {
    return QStringLiteral("File%1").arg(position + 1);
}

// Two spellings of one file (a relative path, "a/../b") count as one entry.
QString normalised(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

}  // namespace

RecentFiles::RecentFiles() {
    app::SettingsStore settingsStore;
    QSettings& store = settingsStore.settings();
    store.beginGroup(kGroup);
    for (int i = 0; i < kMaximum; ++i) {
        const QString path = store.value(keyOf(i)).toString();
        if (!path.isEmpty() && !paths_.contains(path))
            paths_.append(path);
    }
}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty())
        return;
    const QString entry = normalised(path);
    paths_.removeAll(entry);
    paths_.prepend(entry);
    while (paths_.size() > kMaximum)
        paths_.removeLast();
    write();
}

void RecentFiles::remove(const QString& path) {
    if (paths_.removeAll(normalised(path)) > 0 || paths_.removeAll(path) > 0)
        write();
}

QString RecentFiles::menuText(int position, const QString& path) {
    QString shown = path;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(position + 1).arg(shown);
}

void RecentFiles::write() const {
    app::SettingsStore settingsStore;
    QSettings& store = settingsStore.settings();
    store.beginGroup(kGroup);
    for (int i = 0; i < kMaximum; ++i) {
        if (i < paths_.size())
            store.setValue(keyOf(i), paths_.at(i));
        else
            store.remove(keyOf(i));
    }
}

}  // namespace app::ui
