#include "base/SharedLibrary.h"

#include <dlfcn.h>

namespace bitmap {

SharedLibrary::~SharedLibrary() {
    close();
}

bool SharedLibrary::open(const char* fileName) {
    close();
    handle_ = ::dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (handle_ != nullptr) {
        error_.clear();
        return true;
    }
    const char* why = ::dlerror();
    error_ = why != nullptr ? why : fileName;
    return false;
}

void SharedLibrary::close() {
    if (handle_ != nullptr)
        ::dlclose(handle_);
    handle_ = nullptr;
}

void* SharedLibrary::symbol(const char* name) const {
    return handle_ != nullptr ? ::dlsym(handle_, name) : nullptr;
}

}  // namespace bitmap
