#include "dotwerk/ComponentStore.h"

#include <QSettings>

namespace dotwerk {
namespace {

QSettings openStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vendra"),
                     QStringLiteral("Classes"));
}

bool finish(QSettings& store) {
    store.sync();
    return store.status() == QSettings::NoError;
}

}  // namespace

bool ComponentStore::isAvailable() {
    QSettings store = openStore();
    return store.status() == QSettings::NoError;
}

bool ComponentStore::write(const QList<QPair<QString, QVariant>>& values) {
    QSettings store = openStore();
    if (!store.isWritable())
        return false;
    for (const auto& [key, value] : values)
        store.setValue(key, value);
    return finish(store);
}

bool ComponentStore::remove(const QStringList& keys) {
    QSettings store = openStore();
    if (!store.isWritable())
        return false;
    for (const QString& key : keys)
        store.remove(key);
    return finish(store);
}

QVariant ComponentStore::value(const QString& key) {
    return openStore().value(key);
}

QString ComponentStore::serverPathForClass(const QString& classId) {
    return value(QStringLiteral("CLSID/%1/InprocServer32").arg(classId)).toString();
}

QString ComponentStore::classForProgId(const QString& progId) {
    return value(QStringLiteral("%1/CLSID").arg(progId)).toString();
}

}  // namespace dotwerk
