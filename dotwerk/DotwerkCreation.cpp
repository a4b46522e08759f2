#include "dotwerk/DotwerkCreation.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QWidget>

#include "dotwerk/ComponentStore.h"
#include "dotwerk/DotwerkInterface.h"

namespace dotwerk {
namespace {

QString absoluteFromProgramFolder(const QString& fileName) {
    if (QDir::isAbsolutePath(fileName))
        return fileName;
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(fileName);
}

void setReason(QString* reason, const QString& text) {
    if (reason != nullptr)
        *reason = text;
}

}  // namespace

RegisterResult registerControlFile(const QString& fileName) {
    if (!ComponentStore::isAvailable())
        return RegisterResult::StoreUnavailable;
    // The library stays loaded: creating the control uses it next.
    QLibrary library(absoluteFromProgramFolder(fileName));
    if (!library.load())
        return RegisterResult::LoadFailed;
    const auto registerServer =
        reinterpret_cast<DllRegisterServerFunction>(library.resolve("DllRegisterServer"));
    if (registerServer == nullptr)
        return RegisterResult::NoEntryPoint;
    if (registerServer() < 0)
        return RegisterResult::EntryPointFailed;
    return RegisterResult::Registered;
}

QWidget* createControlByClassId(const char* classId, QWidget* parent, QString* reason) {
    const QString id = QString::fromLatin1(classId);
    const QString path = ComponentStore::serverPathForClass(id);
    if (path.isEmpty()) {
        setReason(reason, QStringLiteral("class %1 is not registered").arg(id));
        return nullptr;
    }
    // The plugin metadata names the class the library serves; it is read
    // without running any of the library's code.
    const QPluginLoader loader(path);
    const QJsonObject metaData = loader.metaData().value(QStringLiteral("MetaData")).toObject();
    if (metaData.value(QStringLiteral("ClassId")).toString() != id &&
        metaData.value(QStringLiteral("PropertyPage"))
                .toObject()
                .value(QStringLiteral("ClassId"))
                .toString() != id) {
        setReason(reason, QStringLiteral("%1 does not serve class %2").arg(path, id));
        return nullptr;
    }
    QLibrary library(path);
    if (!library.load()) {
        setReason(reason, library.errorString());
        return nullptr;
    }
    const auto getClassObject =
        reinterpret_cast<DllGetClassObjectFunction>(library.resolve("DllGetClassObject"));
    if (getClassObject == nullptr) {
        setReason(reason, QStringLiteral("%1 has no DllGetClassObject").arg(path));
        return nullptr;
    }
    void* object = nullptr;
    if (getClassObject(classId, kClassFactoryInterfaceId, &object) != kOk || object == nullptr) {
        setReason(reason, QStringLiteral("%1 has no class object for %2").arg(path, id));
        return nullptr;
    }
    QWidget* instance = static_cast<IClassFactory*>(object)->createInstance(parent);
    if (instance == nullptr)
        setReason(reason, QStringLiteral("the class object of %1 created nothing").arg(id));
    return instance;
}

QString defaultControlLibrary() {
    return absoluteFromProgramFolder(QString::fromLatin1(kControlLibraryFileName));
}

QWidget* createDotwerkControl(QWidget* parent, const QString& libraryToRegister, QString* reason) {
    if (QWidget* control = createControlByClassId(kControlClassId, parent, reason))
        return control;
    const QString library =
        libraryToRegister.isEmpty() ? defaultControlLibrary() : libraryToRegister;
    if (registerControlFile(library) != RegisterResult::Registered) {
        setReason(reason, QStringLiteral("%1 could not be registered").arg(library));
        return nullptr;
    }
    return createControlByClassId(kControlClassId, parent, reason);
}

}  // namespace dotwerk
