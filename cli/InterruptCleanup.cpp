#include "cli/InterruptCleanup.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>
#include <thread>

#include "base/TemporaryFile.h"

namespace cli {
namespace {

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

// The pipe's end the handler writes the signal to once the cleaner runs;
// -1 before.
std::atomic<int> cleanerPipe{-1};

bool ignored(int signal) {
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

// Ends the program by `signal`, as if it had never been caught. Safe in a
// signal handler.
[[noreturn]] void endBy(int signal) {
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::pthread_kill(::pthread_self(), signal);
    ::_exit(128 + signal);  // not reached: the default action ends the program
}

// Runs on whichever thread the signal came to: only hands the signal on.
void onInterrupt(int signal) {
    const int pipe = cleanerPipe.load(std::memory_order_acquire);
    if (pipe < 0)
        endBy(signal);  // nothing to remove yet
    const auto byte = static_cast<unsigned char>(signal);
    const int saved = errno;
    while (::write(pipe, &byte, 1) < 0 && errno == EINTR) {
    }
    errno = saved;
}

// Starts the thread that cleans up after an interrupt: before the first
// temporary file, so that none is made before an interrupt removes it.
void startCleaner() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return;  // an interrupt then ends the program as it stands
    try {
        std::thread([from = ends[0]] {
            unsigned char signal = 0;
            for (;;) {
                const ssize_t got = ::read(from, &signal, 1);
                if (got == 1)
                    break;
                if (got < 0 && errno != EINTR)
                    return;
            }
            bitmap::removeUnfinishedTemporaryFiles();
            endBy(signal);
        }).detach();
    } catch (const std::system_error&) {
        ::close(ends[0]);
        ::close(ends[1]);
        return;
    }
    cleanerPipe.store(ends[1], std::memory_order_release);
}

}  // namespace

void cleanUpOnInterrupt() {
    // A reader that goes away (glyphon-cli ... | head) makes writes fail
    // instead of ending the program where it stands with its private folder
    // left behind; the failed output is reported by the exit status.
    ::signal(SIGPIPE, SIG_IGN);
    struct sigaction handling {};
    handling.sa_handler = onInterrupt;
    handling.sa_flags = SA_RESTART;
    // One interrupt at a time: a second one waits until the first is
    // handed on.
    sigemptyset(&handling.sa_mask);
    for (const int signal : kInterrupts)
        sigaddset(&handling.sa_mask, signal);
    for (const int signal : kInterrupts)
        if (!ignored(signal))
            ::sigaction(signal, &handling, nullptr);
    // The thread costs a few hundred microseconds to start: most commands
    // never make a temporary file, so it starts with the first.
    bitmap::beforeFirstScratchFile(startCleaner);
}

}  // namespace cli
