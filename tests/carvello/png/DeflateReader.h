#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A small, independent reader of zlib streams for the tests: it decodes
// stored, fixed and dynamic blocks and records what each block contains, so
// tests can check the encoder's choices and not only its output bytes.
namespace pngwrite_test {

struct Token {
    unsigned length = 0;    // 0 for a literal
    unsigned distance = 0;  // or the literal byte
    bool operator==(const Token&) const = default;
};

inline Token literal(uint8_t byte) {
    return {0, byte};
}
inline Token match(unsigned length, unsigned distance) {
    return {length, distance};
}

struct Block {
    bool final = false;
    unsigned type = 0;
    unsigned hlit = 0, hdist = 0, hclen = 0;
    std::vector<uint8_t> literalLengths;     // hlit entries
    std::vector<uint8_t> distanceLengths;    // hdist entries
    std::vector<uint8_t> codeLengthLengths;  // 19 entries, by symbol
    std::vector<Token> tokens;
};

struct Stream {
    uint8_t cmf = 0, flg = 0;
    std::vector<Block> blocks;
    std::vector<uint8_t> data;
    uint32_t adler = 0;   // as stored
    size_t trailing = 0;  // bytes after the Adler-32
};

// Throws std::runtime_error with a description on any malformed stream.
Stream readZlib(std::span<const uint8_t> bytes);

}  // namespace pngwrite_test
