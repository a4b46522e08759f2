#include "support/LocalServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

#include "support/TestSupport.h"

namespace {

// The Debian interpreter carries pyftpdlib; another python3 on PATH may not.
const char* python() {
    return ::access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
}

}  // namespace

LocalServer::LocalServer(Kind kind, const std::string& folder) : kind_(kind) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("pipe");
    const std::string script = testing_support::sourceDir() + "/tests/codec/url/serve.py";
    const char* mode = kind == Kind::http ? "http" : "ftp";
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execlp(python(), python(), script.c_str(), mode, folder.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    std::FILE* out = ::fdopen(pipeFds[0], "r");
    if (!out || std::fscanf(out, "%d", &port_) != 1)
        port_ = 0;
    if (out)
        std::fclose(out);
    if (port_ <= 0) {
        stop();
        throw std::runtime_error("the test server did not start");
    }
}

LocalServer::~LocalServer() {
    stop();
}

void LocalServer::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

std::string LocalServer::url(const std::string& path) const {
    return std::string(kind_ == Kind::http ? "http" : "ftp") +
           "://127.0.0.1:" + std::to_string(port_) + path;
}

int closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);  // bound but never listening, and now released
    return ntohs(address.sin_port);
}
