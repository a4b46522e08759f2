#include "dotwerk/DotwerkRegistration.h"

#include <QFileInfo>
#include <QStringList>

#include "dotwerk/ComponentStore.h"
#include "dotwerk/DotwerkInterface.h"

namespace dotwerk {
namespace {

QString key(const char* root, const char* id, const char* leaf = nullptr) {
    QString result = QStringLiteral("%1/%2").arg(QLatin1String(root), QLatin1String(id));
    if (leaf != nullptr)
        result += QLatin1Char('/') + QLatin1String(leaf);
    return result;
}

QString text(const char* value) {
    return QString::fromLatin1(value);
}

}  // namespace

bool registerTypeLibrary(const QString& libraryPath) {
    const QString version = key("TypeLib", kTypeLibraryId, kTypeLibraryVersion);
    return ComponentStore::write({
        {version + QStringLiteral("/Default"), text(kTypeLibraryName)},
        {version + QStringLiteral("/Library"), libraryPath},
        {version + QStringLiteral("/HelpDir"), QFileInfo(libraryPath).absolutePath()},
        {version + QStringLiteral("/HelpFile"), text(kTypeLibraryHelpFile)},
        {key("Interface", kDispatchInterfaceId, "Default"), text(kDispatchInterfaceName)},
        {key("Interface", kDispatchInterfaceId, "TypeLib"), text(kTypeLibraryId)},
        {key("Interface", kEventInterfaceId, "Default"), text(kEventInterfaceName)},
        {key("Interface", kEventInterfaceId, "TypeLib"), text(kTypeLibraryId)},
    });
}

bool registerClasses(const QString& libraryPath) {
    return ComponentStore::write({
        {key("CLSID", kControlClassId, "Default"), text(kControlTypeName)},
        {key("CLSID", kControlClassId, "InprocServer32"), libraryPath},
        {key("CLSID", kControlClassId, "ThreadingModel"), text(kThreadingModel)},
        {key("CLSID", kControlClassId, "ProgID"), text(kControlProgId)},
        {key("CLSID", kControlClassId, "TypeLib"), text(kTypeLibraryId)},
        {key("CLSID", kControlClassId, "Version"), text(kTypeLibraryVersion)},
        {key("CLSID", kControlClassId, "MiscStatus"), kMiscStatus},
        {key("CLSID", kControlClassId, "Control"), true},
        {key(kControlProgId, "Default"), text(kControlTypeName)},
        {key(kControlProgId, "CLSID"), text(kControlClassId)},
        {key("CLSID", kPropertyPageClassId, "Default"), text(kPropertyPageTypeName)},
        {key("CLSID", kPropertyPageClassId, "InprocServer32"), libraryPath},
        {key("CLSID", kPropertyPageClassId, "ThreadingModel"), text(kThreadingModel)},
        {key("CLSID", kPropertyPageClassId, "ProgID"), text(kPropertyPageProgId)},
        {key(kPropertyPageProgId, "Default"), text(kPropertyPageTypeName)},
        {key(kPropertyPageProgId, "CLSID"), text(kPropertyPageClassId)},
    });
}

bool unregisterClasses() {
    return ComponentStore::remove({key("CLSID", kControlClassId), text(kControlProgId),
                                   key("CLSID", kPropertyPageClassId), text(kPropertyPageProgId)});
}

bool unregisterTypeLibrary() {
    return ComponentStore::remove({key("TypeLib", kTypeLibraryId),
                                   key("Interface", kDispatchInterfaceId),
                                   key("Interface", kEventInterfaceId)});
}

}  // namespace dotwerk
