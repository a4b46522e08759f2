// Identity, self-registration and creation by class id.
#include <QFile>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QSettings>
#include <QTemporaryDir>

#include "dotwerk/ComponentStore.h"
#include "dotwerk/DotwerkCreation.h"
#include "dotwerk/DotwerkTestSupport.h"

using namespace dotwerk;
using namespace dotwerk_test;

namespace {

template <typename Function>
Function entryPoint(const char* name) {
    QLibrary library(controlLibraryPath());
    EXPECT_TRUE(library.load()) << library.errorString().toStdString();
    return reinterpret_cast<Function>(library.resolve(name));
}

// Points the component store somewhere else while it lives.
class StoreRedirect {
public:
    explicit StoreRedirect(const QString& folder) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }
    ~StoreRedirect() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeFolder());
    }
};

}  // namespace

TEST(DotwerkRegistration, FirstCreationRegistersTheLibraryThenCreatesByClassId) {
    // Start from a store without the class, whatever ran before.
    const auto unregister = entryPoint<DllUnregisterServerFunction>("DllUnregisterServer");
    ASSERT_NE(unregister, nullptr);
    ASSERT_EQ(unregister(), kOk);
    EXPECT_TRUE(ComponentStore::serverPathForClass(kControlClassId).isEmpty());
    EXPECT_EQ(std::unique_ptr<QWidget>(createControlByClassId(kControlClassId, nullptr)), nullptr);

    Editor editor;
    ASSERT_NE(editor.control(), nullptr);
    EXPECT_STREQ(editor.control()->metaObject()->className(), "dotwerk::DotwerkControl");
    EXPECT_EQ(ComponentStore::serverPathForClass(kControlClassId), controlLibraryPath());
    EXPECT_EQ(ComponentStore::classForProgId(kControlProgId), kControlClassId);
    EXPECT_EQ(ComponentStore::value(QStringLiteral("CLSID/%1/Default").arg(kControlClassId)),
              kControlTypeName);
    EXPECT_EQ(ComponentStore::value(QStringLiteral("CLSID/%1/ThreadingModel").arg(kControlClassId)),
              "Apartment");
    EXPECT_EQ(ComponentStore::value(QStringLiteral("TypeLib/%1/1.0/Default").arg(kTypeLibraryId)),
              kTypeLibraryName);
    EXPECT_EQ(ComponentStore::value(QStringLiteral("Interface/%1/Default").arg(kEventInterfaceId)),
              kEventInterfaceName);
    EXPECT_EQ(ComponentStore::classForProgId(kPropertyPageProgId), kPropertyPageClassId);

    // Now registered, the class id alone is enough.
    std::unique_ptr<QWidget> second(createControlByClassId(kControlClassId, nullptr));
    EXPECT_NE(second, nullptr);
}

TEST(DotwerkRegistration, PluginMetadataCarriesTheIdentityOfTheInterfaceHeader) {
    const QPluginLoader loader(controlLibraryPath());
    EXPECT_EQ(loader.metaData().value(QStringLiteral("IID")).toString(), kClassFactoryInterfaceId);
    const QJsonObject meta = loader.metaData().value(QStringLiteral("MetaData")).toObject();
    EXPECT_EQ(meta.value("ClassId").toString(), kControlClassId);
    EXPECT_EQ(meta.value("ProgId").toString(), kControlProgId);
    EXPECT_EQ(meta.value("TypeName").toString(), kControlTypeName);
    EXPECT_EQ(meta.value("MiscStatus").toInt(), static_cast<int>(kMiscStatus));
    const QJsonObject typeLibrary = meta.value("TypeLibrary").toObject();
    EXPECT_EQ(typeLibrary.value("Id").toString(), kTypeLibraryId);
    EXPECT_EQ(typeLibrary.value("Name").toString(), kTypeLibraryName);
    EXPECT_EQ(typeLibrary.value("Version").toString(), kTypeLibraryVersion);
    EXPECT_EQ(typeLibrary.value("HelpFile").toString(), kTypeLibraryHelpFile);
    const QJsonObject interfaces = meta.value("Interfaces").toObject();
    EXPECT_EQ(interfaces.value(kDispatchInterfaceName).toString(), kDispatchInterfaceId);
    EXPECT_EQ(interfaces.value(kEventInterfaceName).toString(), kEventInterfaceId);
    const QJsonObject page = meta.value("PropertyPage").toObject();
    EXPECT_EQ(page.value("ClassId").toString(), kPropertyPageClassId);
    EXPECT_EQ(page.value("TypeName").toString(), kPropertyPageTypeName);
}

TEST(DotwerkRegistration, ClassObjectsAnswerOnlyForTheirClassAndInterface) {
    const auto getClassObject = entryPoint<DllGetClassObjectFunction>("DllGetClassObject");
    const auto canUnloadNow = entryPoint<DllCanUnloadNowFunction>("DllCanUnloadNow");
    ASSERT_NE(getClassObject, nullptr);
    ASSERT_NE(canUnloadNow, nullptr);

    void* object = &object;
    EXPECT_EQ(getClassObject(kControlClassId, kClassFactoryInterfaceId, nullptr), kNullPointer);
    EXPECT_EQ(
        getClassObject("{00000000-0000-0000-0000-000000000000}", kClassFactoryInterfaceId, &object),
        kClassNotAvailable);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(getClassObject(kControlClassId, kDispatchInterfaceId, &object), kNoInterface);

    ASSERT_EQ(getClassObject(kPropertyPageClassId, kClassFactoryInterfaceId, &object), kOk);
    std::unique_ptr<QWidget> page(static_cast<IClassFactory*>(object)->createInstance(nullptr));
    EXPECT_EQ(page->windowTitle(), "General");

    ASSERT_EQ(getClassObject(kControlClassId, kClassFactoryInterfaceId, &object), kOk);
    auto* factory = static_cast<IClassFactory*>(object);
    EXPECT_EQ(canUnloadNow(), kOk);
    {
        std::unique_ptr<QWidget> control(factory->createInstance(nullptr));
        EXPECT_EQ(canUnloadNow(), kFalse);
    }
    EXPECT_EQ(canUnloadNow(), kOk);
    factory->lockServer(true);
    EXPECT_EQ(canUnloadNow(), kFalse);
    factory->lockServer(false);
    EXPECT_EQ(canUnloadNow(), kOk);
}

TEST(DotwerkRegistration, UnregisteringRemovesTheClassUntilTheHostRegistersAgain) {
    ASSERT_EQ(registerControlFile(controlLibraryPath()), RegisterResult::Registered);
    const auto unregister = entryPoint<DllUnregisterServerFunction>("DllUnregisterServer");
    ASSERT_NE(unregister, nullptr);
    EXPECT_EQ(unregister(), kOk);
    EXPECT_TRUE(ComponentStore::serverPathForClass(kControlClassId).isEmpty());
    EXPECT_TRUE(ComponentStore::classForProgId(kControlProgId).isEmpty());
    EXPECT_FALSE(ComponentStore::value(QStringLiteral("TypeLib/%1/1.0/Default").arg(kTypeLibraryId))
                     .isValid());
    EXPECT_EQ(std::unique_ptr<QWidget>(createControlByClassId(kControlClassId, nullptr)), nullptr);

    Editor editor;
    EXPECT_NE(editor.control(), nullptr);
}

TEST(DotwerkRegistration, RegisteringReportsEachWayOfFailing) {
    EXPECT_EQ(registerControlFile(QStringLiteral("/nonexistent/libdotwerk.so")),
              RegisterResult::LoadFailed);
    QTemporaryDir dir;
    const QString notALibrary = dir.filePath(QStringLiteral("libfake.so"));
    QFile file(notALibrary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();
    EXPECT_EQ(registerControlFile(notALibrary), RegisterResult::LoadFailed);
    EXPECT_EQ(registerControlFile(QStringLiteral("/usr/lib/x86_64-linux-gnu/libQt6Core.so.6")),
              RegisterResult::NoEntryPoint);

    // A store under a plain file cannot be written: DllRegisterServer fails at
    // its first step, and creation gives up after the one registration.
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    QFile blockerFile(blocker);
    ASSERT_TRUE(blockerFile.open(QIODevice::WriteOnly));
    blockerFile.close();
    StoreRedirect redirect(blocker + QStringLiteral("/store"));
    const auto registerServer = entryPoint<DllRegisterServerFunction>("DllRegisterServer");
    ASSERT_NE(registerServer, nullptr);
    EXPECT_EQ(registerServer(), kSelfRegTypeLibraryError);
    const RegisterResult result = registerControlFile(controlLibraryPath());
    EXPECT_TRUE(result == RegisterResult::EntryPointFailed ||
                result == RegisterResult::StoreUnavailable);
    QString reason;
    EXPECT_EQ(
        std::unique_ptr<QWidget>(createDotwerkControl(nullptr, controlLibraryPath(), &reason)),
        nullptr);
    EXPECT_FALSE(reason.isEmpty());
}

TEST(DotwerkRegistration, LibraryRegisteredForTheClassMustServeIt) {
    // A store entry that names another library is not trusted.
    ASSERT_TRUE(
        ComponentStore::write({{QStringLiteral("CLSID/%1/InprocServer32").arg(kControlClassId),
                                QStringLiteral("/usr/lib/x86_64-linux-gnu/libQt6Core.so.6")}}));
    QString reason;
    EXPECT_EQ(std::unique_ptr<QWidget>(createControlByClassId(kControlClassId, nullptr, &reason)),
              nullptr);
    EXPECT_TRUE(reason.contains(QStringLiteral("does not serve"))) << reason.toStdString();
    // The host then registers the real library and succeeds.
    Editor editor;
    EXPECT_NE(editor.control(), nullptr);
}
