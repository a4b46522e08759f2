#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "bitmap/ImageProc.h"
#include "cli/Cli.h"
#include "support/TestSupport.h"

// Running glyphon-cli's commands in process, for the tests of the suites
// that link the command-line code.
namespace testing_support {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

// Saves a w x h grey BMP whose columns run from black on the left to white
// on the right; returns the path.
inline std::string writeGradientBmp(const std::string& path, int w, int h) {
    auto dib = makeGreyDib(w, h, 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            setPixel(dib, x, y, (x * 255) / std::max(1, w - 1));
    bitmap::ImageProc proc;
    EXPECT_TRUE(proc.saveBitmap(path, dib));
    return path;
}

}  // namespace testing_support
