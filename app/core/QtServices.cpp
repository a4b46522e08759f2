#include "app/core/QtServices.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

namespace app {
namespace {

std::atomic<const QtServices*> given{nullptr};
std::atomic<const QtServices*> loaded{nullptr};

// The folder of the running program, with a trailing "/".
std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    std::string folder(path, static_cast<size_t>(length));
    return folder.substr(0, folder.rfind('/') + 1);
}

// Beside the program (the build tree's cli folder), where an installed
// program keeps its private libraries, and the build tree of this build.
std::vector<std::string> moduleCandidates() {
    const std::string name = GLYPHON_QT_MODULE_NAME;
    std::vector<std::string> candidates;
    if (const std::string folder = programFolder(); !folder.empty()) {
        candidates.push_back(folder + name);
        candidates.push_back(folder + GLYPHON_QT_MODULE_FROM_BIN "/" + name);
    }
    candidates.push_back(GLYPHON_QT_MODULE_BUILD_PATH);
    return candidates;
}

const QtServices* loadModule() {
    std::string why;
    for (const std::string& path : moduleCandidates()) {
        if (::access(path.c_str(), F_OK) != 0)
            continue;
        // Kept loaded for the rest of the run.
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            const char* error = ::dlerror();
            why = error ? error : path;
            continue;
        }
        using Entry = const QtServices* (*)();
        const auto entry = reinterpret_cast<Entry>(::dlsym(module, "glyphon_qt_services"));
        const QtServices* services = entry ? entry() : nullptr;
        if (services && services->version == QtServices::kVersion)
            return services;
        why = path + ": not a module of this build";
    }
    throw std::runtime_error(std::string("cannot load ") + GLYPHON_QT_MODULE_NAME +
                             (why.empty() ? std::string(" (not found)") : ": " + why));
}

}  // namespace

void useQtServices(const QtServices& services) {
    given.store(&services);
}

const QtServices* linkedQtServices() {
    return given.load();
}

const QtServices* qtServicesIfLoaded() {
    if (const QtServices* services = given.load())
        return services;
    return loaded.load();
}

const QtServices& qtServices() {
    if (const QtServices* services = qtServicesIfLoaded())
        return *services;
    // Loaded once, also when several threads ask at the same time.
    static const QtServices* const module = loadModule();
    loaded.store(module);
    return *module;
}

std::string trimmedText(std::string_view text) {
    return qtServices().trimmed(text);
}

std::string caseFoldedText(std::string_view text) {
    return qtServices().caseFolded(text);
}

}  // namespace app
