#pragma once

#include <QString>
#include <QVariant>

namespace dotwerk {

// The store in which component libraries record their classes, kept with
// QSettings as the application "Classes" of the organisation "Vendra" in INI
// form: keys such as "CLSID/{...}/InprocServer32" hold the path of the
// library that serves a class id. QSettings::setPath moves it (the tests
// point it at a temporary folder).
class ComponentStore {
public:
    ComponentStore() = default;

    // Whether the store can be read and written.
    static bool isAvailable();

    // Sets values; false when the store could not be written.
    static bool write(const QList<QPair<QString, QVariant>>& values);
    // Removes keys with everything below them; false when the store could
    // not be written.
    static bool remove(const QStringList& keys);
    static QVariant value(const QString& key);

    // The library registered for a class id, or empty.
    static QString serverPathForClass(const QString& classId);
    // The class id registered for a ProgID, or empty.
    static QString classForProgId(const QString& progId);
};

}  // namespace dotwerk
