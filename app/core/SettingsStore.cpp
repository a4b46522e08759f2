#include "app/core/SettingsStore.h"

namespace app {

std::optional<std::string> SettingsStore::readString(const QString& key) const {
    const QVariant value = settings_.value(key);
    if (!value.isValid() || !value.canConvert<QString>())
        return std::nullopt;
    return toStdString(value.toString());
}

std::optional<int> SettingsStore::readInt(const QString& key) const {
    const QVariant value = settings_.value(key);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

}  // namespace app
