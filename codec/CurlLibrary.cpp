#include "codec/CurlLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace codec {
namespace {

template <typename Function>
bool resolve(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    return function != nullptr;
}

}  // namespace

CurlLibrary::CurlLibrary(std::initializer_list<const char*> fileNames) {
    for (const char* name : fileNames) {
        void* handle = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = ::dlerror();
            error_ = why ? why : name;
            continue;
        }
        if (resolve(handle, "curl_global_init", globalInit) &&
            resolve(handle, "curl_easy_init", easyInit) &&
            resolve(handle, "curl_easy_cleanup", easyCleanup) &&
            resolve(handle, "curl_easy_setopt", easySetopt) &&
            resolve(handle, "curl_easy_perform", easyPerform) &&
            resolve(handle, "curl_easy_getinfo", easyGetinfo)) {
            handle_ = handle;
            error_.clear();
            return;
        }
        error_ = std::string(name) + ": not a usable libcurl";
        ::dlclose(handle);
    }
}

CurlLibrary::~CurlLibrary() {
    if (handle_)
        ::dlclose(handle_);
}

const CurlLibrary& systemCurl() {
    // Kept open for the life of the program: curl's global state lives in it.
    static const CurlLibrary* library = [] {
        static CurlLibrary opened{"libcurl.so.4", "libcurl-gnutls.so.4"};
        if (opened.ok())
            opened.globalInit(CURL_GLOBAL_DEFAULT);
        return &opened;
    }();
    return *library;
}

}  // namespace codec
