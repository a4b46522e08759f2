#include "tests/carvello/png/ReferenceMatcher.h"

#include <algorithm>
#include <array>
#include <limits>

namespace pngwrite_test {

std::vector<std::vector<Token>> referenceBlocks(std::span<const uint8_t> data, int level) {
    const std::array<size_t, 4> limits{1, 64, 128, std::numeric_limits<size_t>::max()};
    const size_t chainLimit = limits.at(static_cast<size_t>(level));
    const size_t n = data.size();
    auto hash = [&](size_t p) {
        return (data[p] & 0x1F) | ((data[p + 1] * 32) & 0x3FF) | ((data[p + 2] * 1024) & 0x7FFF);
    };
    std::vector<std::vector<size_t>> chains(32768);
    std::vector<std::vector<Token>> blocks(1);
    size_t entries = 0;
    auto add = [&](Token t, size_t size) {
        blocks.back().push_back(t);
        entries += size;
    };
    size_t p = 0;
    size_t inserted = 0;
    while (n - p >= 3) {
        for (; inserted < p; ++inserted)
            chains[hash(inserted)].push_back(inserted);
        const auto& chain = chains[hash(p)];
        const size_t available = std::min<size_t>(258, n - p);
        size_t bestLength = 0, bestDistance = 0, examined = 0;
        for (auto it = chain.rbegin(); it != chain.rend() && examined < chainLimit; ++it) {
            const size_t distance = p - *it;
            if (distance > 32768)
                break;
            ++examined;
            const size_t limit = std::min(available, distance);
            size_t run = 0;
            while (run < limit && data[*it + run] == data[p + run])
                ++run;
            if (run >= 3 && run > bestLength) {
                bestLength = run;
                bestDistance = distance;
                if (run == available)
                    break;
            }
        }
        if (bestLength >= 3) {
            add(match(static_cast<unsigned>(bestLength), static_cast<unsigned>(bestDistance)), 2);
            p += bestLength;
        } else {
            add(literal(data[p]), 1);
            ++p;
        }
        if (entries >= 16383) {
            blocks.emplace_back();
            entries = 0;
        }
    }
    for (; p < n; ++p)
        add(literal(data[p]), 1);
    return blocks;
}

}  // namespace pngwrite_test
