// An interrupted glyphon-cli leaves no temporary file or folder behind, and
// reads a named pipe like a file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/CliRun.h"
#include "support/TestSupport.h"

using testing_support::TempDir;

namespace {

namespace fs = std::filesystem;

// Starts glyphon-cli with TMPDIR pointing at `tmp`.
pid_t startCli(const std::string& tmp, std::vector<std::string> args) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("TMPDIR", tmp.c_str(), 1);
        const std::string program = testing_support::cliPath();
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    return child;
}

// Waits (at most 20 s) until the folder holds `wanted` entries or more.
bool waitForEntries(const std::string& folder, size_t wanted) {
    for (int i = 0; i < 2000; ++i) {
        size_t count = 0;
        for (auto it = fs::recursive_directory_iterator(folder); it != fs::end(it); ++it)
            ++count;
        if (count >= wanted)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// Each interrupt, arriving while the picture is still being read from a
// pipe: the copy of the input is removed, and the program ends by that
// signal.
TEST(CliInterrupt, RemovesItsTemporaryFilesAndFolder) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        TempDir tmp, work;
        const std::string pipe = work.file("in.bmp");
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        const pid_t cli = startCli(tmp.path(), {"convert", pipe, "-o", work.file("out.wbmp")});
        ASSERT_GT(cli, 0);
        // Opening blocks until the program opens the pipe for reading.
        const int writer = ::open(pipe.c_str(), O_WRONLY);
        ASSERT_GE(writer, 0);
        ASSERT_EQ(::write(writer, "BM", 2), 2);
        // The copy of the input (the private folder is made only when a
        // file is put into it).
        EXPECT_TRUE(waitForEntries(tmp.path(), 1));
        ::kill(cli, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(cli, &status, 0), cli);
        ::close(writer);
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_TRUE(fs::is_empty(tmp.path())) << "signal " << signal;
        EXPECT_FALSE(fs::exists(work.file("out.wbmp")));
    }
}

// Before the program has made any file an interrupt ends it at once, by
// that signal: here while it waits for a writer to open the pipe it reads.
TEST(CliInterrupt, BeforeAnyFileItEndsAtOnce) {
    TempDir tmp, work;
    const std::string pipe = work.file("in.bmp");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const pid_t cli = startCli(tmp.path(), {"info", pipe});
    ASSERT_GT(cli, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ::kill(cli, SIGINT);
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 1000 && ended == 0; ++i) {
        ended = ::waitpid(cli, &status, WNOHANG);
        if (ended == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (ended == 0) {
        ::kill(cli, SIGKILL);
        ::waitpid(cli, &status, 0);
        FAIL() << "the interrupt did not end the program";
    }
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGINT);
    EXPECT_TRUE(fs::is_empty(tmp.path()));
}

// Standard output whose reader has gone: the run goes on to its end, removes
// its private folder and fails.
TEST(CliInterrupt, AClosedOutputPipeFailsTheRunAndLeavesNothingBehind) {
    TempDir tmp, work;
    const std::string picture = testing_support::writeGradientBmp(work.file("g.bmp"), 30, 20);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);
    const pid_t cli = ::fork();
    if (cli == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::setenv("TMPDIR", tmp.path().c_str(), 1);
        const std::string program = testing_support::cliPath();
        ::execl(program.c_str(), program.c_str(), "convert", picture.c_str(), "-o",
                work.file("out.wbmp").c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(cli, &status, 0), cli);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_TRUE(fs::is_empty(tmp.path()));
    EXPECT_TRUE(fs::exists(work.file("out.wbmp")));
}

TEST(CliInterrupt, ANamedPipeAndStandardInputReadLikeFiles) {
    TempDir tmp, work;
    const std::string picture = testing_support::writeGradientBmp(work.file("g.bmp"), 30, 20);
    const std::string pipe = work.file("in.bmp");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const pid_t cli = startCli(tmp.path(), {"convert", pipe, "-o", work.file("out.wbmp")});
    {
        std::ofstream writer(pipe, std::ios::binary);
        writer << std::ifstream(picture, std::ios::binary).rdbuf();
    }
    int status = 0;
    ASSERT_EQ(::waitpid(cli, &status, 0), cli);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(fs::exists(work.file("out.wbmp")));
    EXPECT_TRUE(fs::is_empty(tmp.path()));

    const std::string cli_ = testing_support::quote(testing_support::cliPath());
    const auto info = testing_support::runCommand("cat " + testing_support::quote(picture) + " | " +
                                                  cli_ + " info -");
    EXPECT_EQ(info.out, "-\tbmp\t30\t20\t8\n");
    const auto convert = testing_support::runCommand(
        "cat " + testing_support::quote(picture) + " | " + cli_ + " convert - -o " +
        testing_support::quote(work.file("stdin.wbmp")));
    EXPECT_EQ(convert.exitCode, 0) << convert.err;
    EXPECT_TRUE(fs::exists(work.file("stdin.wbmp")));
}

}  // namespace
