// The desktop program ends on SIGTERM and SIGHUP as it does on its Exit
// command: it removes its temporary files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

// True once the process has a handler of its own for `signal` (its
// SigCgt mask in /proc), waiting at most 20 s.
bool waitUntilCaught(pid_t process, int signal) {
    const std::string status = "/proc/" + std::to_string(process) + "/status";
    for (int i = 0; i < 2000; ++i) {
        std::ifstream in(status);
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with("SigCgt:") &&
                (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1))
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(ProgramSignals, TermAndHangupRemoveTheTemporaryFiles) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        TempDir tmp, config;
        const char* const temporary[] = {"TMPEdit1.bmp", "TMPClipboard.bmp", "TMPUndo.bmp"};
        for (const char* name : temporary)
            std::ofstream(tmp.file(name)) << "x";
        const pid_t program = ::fork();
        ASSERT_GE(program, 0);
        if (program == 0) {
            ::setenv("TMPDIR", tmp.path().c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::execl(GLYPHON_PROGRAM_PATH, GLYPHON_PROGRAM_PATH, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ASSERT_TRUE(waitUntilCaught(program, signal));
        ::kill(program, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(program, &status, 0), program);
        ASSERT_TRUE(WIFEXITED(status)) << "signal " << signal;
        EXPECT_EQ(WEXITSTATUS(status), 0);
        for (const char* name : temporary)
            EXPECT_FALSE(fs::exists(tmp.file(name))) << name << ", signal " << signal;
    }
}

}  // namespace
