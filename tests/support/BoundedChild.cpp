#include "support/BoundedChild.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>

namespace testing_support {
namespace {

rlim_t addressSpaceNow() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

constexpr int kLimitsRefused = 99;

}  // namespace

BoundedRun runUnderLimits(const std::function<std::string()>& work, rlim_t extraBytes,
                          rlim_t cpuSeconds) {
    BoundedRun result;
    int channel[2];
    if (::pipe(channel) != 0) {
        result.death = "no pipe";
        return result;
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const rlim_t held = addressSpaceNow();
        const rlimit space{held + extraBytes, held + extraBytes};
        const rlimit cpu{cpuSeconds, cpuSeconds + 1};
        if (held == 0 || ::setrlimit(RLIMIT_AS, &space) != 0 || ::setrlimit(RLIMIT_CPU, &cpu) != 0)
            ::_exit(kLimitsRefused);
        const std::string report = work();
        const ssize_t written = ::write(channel[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    if (child < 0) {
        ::close(channel[0]);
        result.death = "no child";
        return result;
    }
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0)
        result.report.append(buffer, static_cast<size_t>(got));
    ::close(channel[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) != child) {
        result.death = "no child";
    } else if (WIFSIGNALED(status)) {
        result.death = WTERMSIG(status) == SIGXCPU
                           ? "killed: over " + std::to_string(cpuSeconds) + " s of CPU"
                           : "killed by signal " + std::to_string(WTERMSIG(status));
    } else if (WEXITSTATUS(status) != 0) {
        result.death = "exit " + std::to_string(WEXITSTATUS(status));
    } else {
        result.finished = true;
    }
    return result;
}

}  // namespace testing_support
