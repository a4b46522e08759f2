#pragma once

#include <QSettings>
#include <QString>
#include <optional>
#include <string>

#include "app/core/settings/StoredSettings.h"

// The program's settings store: organisation "Vendra", application
// "WAP Glyphon" (on Linux ~/.config/Vendra/WAP Glyphon.conf, or wherever
// QSettings::setPath points the user scope).
namespace app {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

class SettingsStore final : public StoredSettings {
public:
    SettingsStore() : settings_(QSettings::UserScope, "Vendra", "WAP Glyphon") {}
    QSettings& settings() { return settings_; }

    using StoredSettings::readInt;
    std::optional<std::string> readString(const std::string& key) const override;
    std::optional<int> readInt(const std::string& key) const override;
    void write(const std::string& key, const std::string& text) override;
    void write(const std::string& key, int number) override;
    void remove(const std::string& key) override;
    bool commit() override;
    std::string location() const override;

private:
    QSettings settings_;
};

}  // namespace app
