#pragma once

#include <sys/resource.h>

#include <functional>
#include <string>

// Address sanitizer builds reserve far more address space than any limit
// these helpers set, so tests that rely on the limits skip there.
#if defined(__SANITIZE_ADDRESS__)
#define GLYPHON_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLYPHON_ADDRESS_SANITIZER 1
#endif
#endif

namespace testing_support {

// How work run in a limited child process ended.
struct BoundedRun {
    bool finished = false;  // the child ran the work to its end
    std::string report;     // what the work returned
    std::string death;      // how the child died otherwise ("killed: over 1 s of CPU", ...)
};

// Runs `work` in a forked child whose address space may grow by
// `extraBytes` beyond what the child holds when it starts, and which may
// use `cpuSeconds` of processor time; the text the work returns comes back
// through a pipe.
BoundedRun runUnderLimits(const std::function<std::string()>& work,
                          rlim_t extraBytes = rlim_t{64} << 20, rlim_t cpuSeconds = 1);

}  // namespace testing_support
