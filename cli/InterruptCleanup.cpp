#include "cli/InterruptCleanup.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

#include "bitmap/TemporaryFile.h"

namespace cli {
namespace {

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

bool ignored(int signal) {
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

[[noreturn]] void endBy(int signal) {
    ::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::pthread_kill(::pthread_self(), signal);
    ::_exit(128 + signal);  // not reached: the default action ends the program
}

}  // namespace

void cleanUpOnInterrupt() {
    // A reader that goes away (glyphon-cli ... | head) makes writes fail
    // instead of ending the program where it stands with its private folder
    // left behind; the failed output is reported by the exit status.
    ::signal(SIGPIPE, SIG_IGN);
    sigset_t taken;
    sigemptyset(&taken);
    for (const int signal : kInterrupts) {
        if (!ignored(signal))
            sigaddset(&taken, signal);
    }
    if (::pthread_sigmask(SIG_BLOCK, &taken, nullptr) != 0)
        return;
    std::thread([taken] {
        int signal = 0;
        while (::sigwait(&taken, &signal) != 0) {
        }
        bitmap::removeUnfinishedTemporaryFiles();
        endBy(signal);
    }).detach();
}

}  // namespace cli
