#include "app/qt/SettingsStore.h"

#include <QByteArray>
#include <QMetaType>
#include <limits>

namespace app {
namespace {

bool isWholeNumberType(int type) {
    switch (type) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return true;
        default:
            return false;
    }
}

}  // namespace

// The settings file holds text; only values written by this process before
// they reached the file come back as numbers. A list (an unquoted comma in
// the file) or any other kind of value is not a text.
std::optional<std::string> SettingsStore::readString(const std::string& key) const {
    const QVariant value = settings_.value(toQString(key));
    const int type = value.metaType().id();
    if (type == QMetaType::QString)
        return toStdString(value.toString());
    if (type == QMetaType::QByteArray)
        return value.toByteArray().toStdString();
    if (isWholeNumberType(type))
        return toStdString(value.toString());
    return std::nullopt;
}

// A 32-bit number: text that is a whole decimal number within range, or a
// whole number written by this process. Anything else (text that is no
// number, a number out of range, a fraction, a list) cannot be read.
std::optional<int> SettingsStore::readInt(const std::string& key) const {
    const QVariant value = settings_.value(toQString(key));
    const int type = value.metaType().id();
    bool ok = false;
    qlonglong number = 0;
    if (type == QMetaType::QString)
        number = value.toString().toLongLong(&ok, 10);
    else if (type == QMetaType::QByteArray)
        number = value.toByteArray().toLongLong(&ok, 10);
    else if (type == QMetaType::ULong || type == QMetaType::ULongLong || type == QMetaType::UInt) {
        const qulonglong unsignedNumber = value.toULongLong(&ok);
        ok = ok && unsignedNumber <= static_cast<qulonglong>(std::numeric_limits<int>::max());
        number = static_cast<qlonglong>(unsignedNumber);
    } else if (isWholeNumberType(type))
        number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

void SettingsStore::write(const std::string& key, const std::string& text) {
    settings_.setValue(toQString(key), toQString(text));
}

void SettingsStore::write(const std::string& key, int number) {
    settings_.setValue(toQString(key), number);
}

void SettingsStore::remove(const std::string& key) {
    settings_.remove(toQString(key));
}

bool SettingsStore::commit() {
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

std::string SettingsStore::location() const {
    return toStdString(settings_.fileName());
}

}  // namespace app
