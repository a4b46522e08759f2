#pragma once

#include <curl/curl.h>

#include <string>

#include "base/SharedLibrary.h"

// The system's libcurl, opened when the first download needs it rather than
// linked: a run that downloads nothing (most of them) does not pay for
// loading it and the TLS libraries behind it.
namespace codec {

class CurlLibrary {
public:
    // Opens the first of the given file names that loads and has every
    // function used here.
    explicit CurlLibrary(std::initializer_list<const char*> fileNames);

    bool ok() const { return library_.isOpen(); }
    // Why it could not be opened (the loader's message).
    const std::string& error() const { return error_; }

    CURLcode (*globalInit)(long flags) = nullptr;
    CURL* (*easyInit)() = nullptr;
    void (*easyCleanup)(CURL*) = nullptr;
    CURLcode (*easySetopt)(CURL*, CURLoption, ...) = nullptr;
    CURLcode (*easyPerform)(CURL*) = nullptr;
    CURLcode (*easyGetinfo)(CURL*, CURLINFO, ...) = nullptr;

private:
    bitmap::SharedLibrary library_;
    std::string error_;
};

// The system's libcurl (libcurl.so.4, or the GnuTLS build), opened and
// initialised once, on first use, from any thread.
const CurlLibrary& systemCurl();

}  // namespace codec
