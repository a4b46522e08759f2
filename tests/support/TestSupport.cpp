#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bitmap/ImageProc.h"

namespace testing_support {

namespace fs = std::filesystem;

namespace {

// Every test process, and every program it starts, keeps its settings (the
// program's settings store and phone table) in a folder of its own instead
// of the user's configuration.
class IsolatedConfiguration {
public:
    IsolatedConfiguration() {
        std::string pattern = (fs::temp_directory_path() / "glyphon-test-config-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            folder_ = pattern;
            ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        }
    }
    ~IsolatedConfiguration() {
        std::error_code ignored;
        if (!folder_.empty())
            fs::remove_all(folder_, ignored);
    }

private:
    std::string folder_;
};

const IsolatedConfiguration isolatedConfiguration;

}  // namespace

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "glyphon-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const {
    return path_ + "/" + name;
}

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::string& path) {
    const auto bytes = readFile(path);
    return {bytes.begin(), bytes.end()};
}

void writeFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void writeFile(const std::string& path, const std::string& text) {
    writeFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

namespace {
std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

CommandResult runCommand(const std::string& commandLine) {
    TempDir scratch;
    const std::string outPath = scratch.file("out");
    const std::string errPath = scratch.file("err");
    const std::string full = "( " + commandLine + " ) >" + quote(outPath) + " 2>" + quote(errPath);
    CommandResult result;
    const int status = std::system(full.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = slurp(outPath);
    result.err = slurp(errPath);
    return result;
}

bool hasTool(const std::string& name) {
    return std::system(("command -v " + quote(name) + " >/dev/null 2>&1").c_str()) == 0;
}

std::string quote(const std::string& argument) {
    std::string q = "'";
    for (char c : argument) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

bitmap::Dib makeGreyDib(int width, int height, int bits) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<uint16_t>(bits);
    auto dib = bitmap::Dib::create(h);
    if (!dib)
        throw std::runtime_error("cannot create DIB");
    bitmap::ImageProc proc;
    if (bits <= 8)
        proc.makeGrayShadesPalette(dib->palette(), bits);
    return std::move(*dib);
}

namespace {

void requireIndexedDepth(const bitmap::Dib& dib, const char* what) {
    if (dib.bitCount() != 1 && dib.bitCount() != 4 && dib.bitCount() != 8)
        throw std::runtime_error(std::string(what) + ": unsupported depth");
}

}  // namespace

int pixelAt(const bitmap::Dib& dib, int x, int y) {
    requireIndexedDepth(dib, "pixelAt");
    return dib.view().index(x, y);
}

void setPixel(bitmap::Dib& dib, int x, int y, int index) {
    requireIndexedDepth(dib, "setPixel");
    dib.view().setIndex(x, y, index);
}

Netpbm readNetpbm(const std::string& path) {
    const auto bytes = readFile(path);
    size_t at = 0;
    auto token = [&]() {
        std::string t;
        while (at < bytes.size()) {
            const char c = static_cast<char>(bytes[at]);
            if (c == '#') {
                while (at < bytes.size() && bytes[at] != '\n')
                    ++at;
            } else if (isspace(static_cast<unsigned char>(c))) {
                if (!t.empty())
                    break;
                ++at;
            } else {
                t += c;
                ++at;
            }
        }
        return t;
    };
    Netpbm img;
    const std::string magic = token();
    img.width = std::stoi(token());
    img.height = std::stoi(token());
    if (magic == "P4") {
        img.maxValue = 1;
    } else if (magic == "P5") {
        img.maxValue = std::stoi(token());
    } else {
        throw std::runtime_error("unsupported netpbm file " + path);
    }
    ++at;  // the single whitespace after the header
    img.values.resize(static_cast<size_t>(img.width) * img.height);
    if (magic == "P4") {
        const size_t rowBytes = (static_cast<size_t>(img.width) + 7) / 8;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x)
                img.values[static_cast<size_t>(y) * img.width + x] =
                    (bytes.at(at + y * rowBytes + x / 8) >> (7 - x % 8)) & 1;
    } else {
        for (size_t i = 0; i < img.values.size(); ++i)
            img.values[i] = bytes.at(at + i);
    }
    return img;
}

std::string cliPath() {
    return GLYPHON_CLI_PATH;
}
std::string sourceDir() {
    return GLYPHON_SOURCE_DIR;
}

double psnr(std::span<const uint8_t> a, std::span<const uint8_t> b) {
    double sum = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const double d = static_cast<double>(a[i]) - static_cast<double>(b[i]);
        sum += d * d;
    }
    if (a.size() != b.size())
        return 0;
    if (sum == 0)
        return 99;
    return 10 * std::log10(255.0 * 255.0 * static_cast<double>(a.size()) / sum);
}

}  // namespace testing_support
