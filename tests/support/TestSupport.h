#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bitmap/Dib.h"

// Helpers shared by the test executables.
namespace testing_support {

// A fresh folder under the system temporary folder, removed with its
// contents when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string& name) const;

private:
    std::string path_;
};

std::vector<uint8_t> readFile(const std::string& path);
// The file's bytes as a string (pages, reports).
std::string readText(const std::string& path);
void writeFile(const std::string& path, std::span<const uint8_t> bytes);
void writeFile(const std::string& path, const std::string& text);

struct CommandResult {
    int exitCode = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs a shell command line, capturing both output streams.
CommandResult runCommand(const std::string& commandLine);

// True when a program of that name is on PATH.
bool hasTool(const std::string& name);

// Shell-quotes one argument.
std::string quote(const std::string& argument);

// A picture with a colour table of 2^bits entries: grey ramp by default.
bitmap::Dib makeGreyDib(int width, int height, int bits = 8);

// Pixel index at (x, y) with y counted from the top row.
int pixelAt(const bitmap::Dib& dib, int x, int y);
void setPixel(bitmap::Dib& dib, int x, int y, int index);

// Reads a binary PBM (P4) or PGM (P5) file as netpbm writes it: values are
// returned top row first, one byte per pixel (for PBM 1 = black).
struct Netpbm {
    int width = 0;
    int height = 0;
    int maxValue = 0;
    std::vector<uint8_t> values;
};
Netpbm readNetpbm(const std::string& path);

// PSNR in dB of two equally long 8-bit sample arrays; 99 when equal.
double psnr(std::span<const uint8_t> a, std::span<const uint8_t> b);

// Path of the built glyphon-cli and of the source tree.
std::string cliPath();
std::string sourceDir();

}  // namespace testing_support
