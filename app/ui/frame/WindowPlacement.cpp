#include "app/ui/frame/WindowPlacement.h"

#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <algorithm>

#include "app/qt/SettingsStore.h"

namespace app::ui {
namespace {

const QString kGeometryKey = QStringLiteral("Window/Geometry");
const QString kStateKey = QStringLiteral("Window/State");
// The version of the toolbar layout kept in the store; a layout of another
// version is not applied.
constexpr int kStateVersion = 1;

}  // namespace

QRect firstStartGeometry(const QRect& available) {
    const QSize smallest(std::min(640, available.width()), std::min(480, available.height()));
    const QSize size = QSize(available.width() * 3 / 4, available.height() * 3 / 4)
                           .expandedTo(smallest)
                           .boundedTo(available.size());
    QRect placed(QPoint(), size);
    placed.moveCenter(available.center());
    return placed;
}

void restoreWindowPlacement(QMainWindow& window) {
    app::SettingsStore store;
    QSettings& settings = store.settings();
    if (!window.restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
        const QScreen* screen = window.screen();
        if (screen)
            window.setGeometry(firstStartGeometry(screen->availableGeometry()));
    }
    window.restoreState(settings.value(kStateKey).toByteArray(), kStateVersion);
}

void saveWindowPlacement(const QMainWindow& window) {
    app::SettingsStore store;
    QSettings& settings = store.settings();
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.setValue(kStateKey, window.saveState(kStateVersion));
}

}  // namespace app::ui
