#pragma once

#include <string>

namespace bitmap {

// A shared library opened at run time (dlopen), closed with the object: for
// libraries only some runs need, which then cost the others nothing.
class SharedLibrary {
public:
    SharedLibrary() = default;
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Opens `fileName` (a name the loader looks up, or a path); false, with
    // the loader's message in error(), when it does not load.
    bool open(const char* fileName);
    void close();
    bool isOpen() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }

    // Points `function` at the library's symbol `name`; false when the
    // library has none.
    template <typename Function>
    bool resolve(const char* name, Function& function) const {
        function = reinterpret_cast<Function>(symbol(name));
        return function != nullptr;
    }

private:
    void* symbol(const char* name) const;

    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace bitmap
