#include "codec/url/CurlLibrary.h"

#include <mutex>

namespace codec {

CurlLibrary::CurlLibrary(std::initializer_list<const char*> fileNames) {
    for (const char* name : fileNames) {
        if (!library_.open(name)) {
            error_ = library_.error();
            continue;
        }
        if (library_.resolve("curl_global_init", globalInit) &&
            library_.resolve("curl_easy_init", easyInit) &&
            library_.resolve("curl_easy_cleanup", easyCleanup) &&
            library_.resolve("curl_easy_setopt", easySetopt) &&
            library_.resolve("curl_easy_perform", easyPerform) &&
            library_.resolve("curl_easy_getinfo", easyGetinfo)) {
            error_.clear();
            return;
        }
        error_ = std::string(name) + ": not a usable libcurl";
        library_.close();
    }
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
