#pragma once

#include <QString>

class QWidget;

namespace dotwerk {

// Results of registerControlFile.
enum class RegisterResult : int {
    Registered = 0,
    StoreUnavailable = 1,  // the component store cannot be used
    LoadFailed = 2,        // the library could not be loaded
    NoEntryPoint = 3,      // it has no DllRegisterServer
    EntryPointFailed = 4,  // DllRegisterServer reported a failure
};

// Loads a control library and runs its DllRegisterServer. A relative name is
// taken relative to the program's folder.
RegisterResult registerControlFile(const QString& fileName);

// Creates an instance of a registered class as a child of `parent`: looks
// the library up in the component store, checks its plugin metadata, loads
// it and asks its class object. Null when any step fails; `reason` then says
// which.
QWidget* createControlByClassId(const char* classId, QWidget* parent, QString* reason = nullptr);

// The library file beside the program, registered when creation fails.
QString defaultControlLibrary();

// Creates the Dotwerk control as a host does: by class id; when that fails,
// registers `libraryToRegister` (by default the one beside the program) and
// tries once more. Null when the control still cannot be created.
QWidget* createDotwerkControl(QWidget* parent, const QString& libraryToRegister = {},
                              QString* reason = nullptr);

}  // namespace dotwerk
