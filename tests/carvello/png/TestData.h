#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Inputs and peer checks shared by the PNG-writing tests.
namespace pngwrite_test {

// Bytes from a fixed pseudo-random sequence.
std::vector<uint8_t> randomBytes(size_t count, uint32_t seed);
// English-like text with repeats at many distances.
std::vector<uint8_t> textBytes(size_t count);
// Rows of a smooth picture with some noise, as PNG rows look.
std::vector<uint8_t> pictureBytes(size_t count);

// Inflates each zlib stream with python3's zlib module; an entry is empty
// and `ok` false when zlib refused the stream.
struct Inflated {
    bool ok = false;
    std::vector<uint8_t> data;
};
std::vector<Inflated> inflateWithPythonZlib(const std::vector<std::vector<uint8_t>>& streams);

bool havePythonZlib();

}  // namespace pngwrite_test
