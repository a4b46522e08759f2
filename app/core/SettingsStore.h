#pragma once

#include <QSettings>
#include <QString>
#include <optional>
#include <string>

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

class SettingsStore {
public:
    SettingsStore() : settings_(QSettings::UserScope, "Vendra", "WAP Glyphon") {}
    QSettings& settings() { return settings_; }

    // A text value, or nothing when it is missing or not text (a list, for
    // example, is not).
    std::optional<std::string> readString(const QString& key) const;
    // A 32-bit whole number, or nothing when it is missing, not a whole
    // decimal number, or out of range.
    std::optional<int> readInt(const QString& key) const;
    // The same, and nothing for a number outside [minimum, maximum].
    std::optional<int> readInt(const QString& key, int minimum, int maximum) const;

private:
    QSettings settings_;
};

}  // namespace app
