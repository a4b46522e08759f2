#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/TestSupport.h"

// Reads a type-0 WBMP file on its own, so the tests check what was written
// without the program's reader.
namespace appui_test {

struct Wbmp {
    int width = 0;
    int height = 0;
    std::vector<std::vector<bool>> white;  // [y][x]
};

inline std::optional<Wbmp> readWbmp(const std::string& path) {
    const std::vector<uint8_t> bytes = testing_support::readFile(path);
    size_t at = 0;
    const auto next = [&]() -> std::optional<uint8_t> {
        if (at >= bytes.size())
            return std::nullopt;
        return bytes[at++];
    };
    const auto multiByte = [&]() -> std::optional<int> {
        int value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto byte = next();
            if (!byte)
                return std::nullopt;
            value = (value << 7) | (*byte & 0x7F);
            if (!(*byte & 0x80))
                return value;
        }
        return std::nullopt;
    };
    const auto type = next();
    const auto fixHeader = next();
    if (!type || *type != 0 || !fixHeader || *fixHeader != 0)
        return std::nullopt;
    const auto width = multiByte();
    const auto height = multiByte();
    if (!width || !height)
        return std::nullopt;
    Wbmp wbmp{*width, *height, {}};
    const size_t stride = (static_cast<size_t>(*width) + 7) / 8;
    if (bytes.size() != at + stride * static_cast<size_t>(*height))
        return std::nullopt;
    for (int y = 0; y < *height; ++y) {
        std::vector<bool> row;
        for (int x = 0; x < *width; ++x)
            row.push_back((bytes[at + y * stride + x / 8] >> (7 - x % 8)) & 1);
        wbmp.white.push_back(row);
    }
    return wbmp;
}

}  // namespace appui_test
