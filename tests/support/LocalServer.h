#pragma once

#include <sys/types.h>

#include <string>

// A loopback server process started from tests/codec/url/serve.py; stopped when
// the object goes away.
class LocalServer {
public:
    enum class Kind { http, ftp };
    LocalServer(Kind kind, const std::string& folder);
    ~LocalServer();
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:PORT" + path (or ftp://).
    std::string url(const std::string& path) const;

private:
    void stop();

    pid_t pid_ = -1;
    int port_ = 0;
    Kind kind_;
};

// A port on 127.0.0.1 that nothing listens on.
int closedPort();
