#pragma once

#include <QString>

namespace dotwerk {

// What DllRegisterServer and DllUnregisterServer record in the component
// store for the library at `libraryPath`. Each returns false when the store
// could not be written.
bool registerTypeLibrary(const QString& libraryPath);
bool registerClasses(const QString& libraryPath);
bool unregisterClasses();
bool unregisterTypeLibrary();

}  // namespace dotwerk
