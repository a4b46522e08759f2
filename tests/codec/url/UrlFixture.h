#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "codec/url/DownloadProgress.h"
#include "support/LocalServer.h"
#include "support/TestSupport.h"

// Pictures to serve in one folder, the system's temporary folder pointed at
// a folder of its own (so leftovers can be counted), and an HTTP server.
class UrlTest : public ::testing::Test {
protected:
    UrlTest();
    ~UrlTest() override;

    // Names of the files in the temporary folder.
    std::vector<std::string> temporaryFiles() const;
    std::vector<std::string> filesIn(const std::string& folder) const;

    testing_support::TempDir served;
    testing_support::TempDir temporary;
    testing_support::TempDir work;
    std::vector<uint8_t> pictureBytes;  // served as files/pic.bmp, 40 x 30
    LocalServer http{LocalServer::Kind::http, served.path()};

private:
    std::string oldTmpdir_;
    bool hadTmpdir_ = false;
};

// Records what a download reports.
struct ProgressRecorder : codec::DownloadProgress {
    void started() override { events.push_back("started"); }
    void connecting(const std::string& url) override { events.push_back("connecting " + url); }
    void received(uint64_t soFar, uint64_t total) override {
        if (events.empty() || events.back() != "received")
            events.push_back("received");
        counts.push_back(soFar);
        totals.push_back(total);
    }
    void finished() override { events.push_back("finished"); }

    std::vector<std::string> events;
    std::vector<uint64_t> counts;
    std::vector<uint64_t> totals;
};
