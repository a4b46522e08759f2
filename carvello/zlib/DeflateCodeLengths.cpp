#include "carvello/zlib/DeflateCodeLengths.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace carvello::deflate {
namespace {

constexpr int kNone = -1;

// Heap entry: the least count comes first; among equal counts the higher
// symbol, which is the Annex K choice of "largest V".
struct Entry {
    uint32_t count;
    uint16_t symbol;
};

// std::push_heap keeps the greatest element on top, so "greater" here means
// "less frequent".
bool lessUrgent(const Entry& a, const Entry& b) {
    if (a.count != b.count)
        return a.count > b.count;
    return a.symbol < b.symbol;
}

}  // namespace

void buildCodeLengths(std::span<const uint32_t> counts, unsigned maxBits,
                      std::span<uint8_t> lengths) {
    const size_t n = counts.size();
    if (n > kMaxAlphabet || lengths.size() != n || maxBits < 5 || maxBits > 15 ||
        (size_t{1} << maxBits) < n)
        throw std::logic_error("buildCodeLengths: bad arguments");
    std::fill(lengths.begin(), lengths.end(), uint8_t{0});

    std::array<Entry, kMaxAlphabet> heap;
    size_t heapSize = 0;
    for (size_t s = 0; s < n; ++s) {
        if (counts[s] != 0)
            heap[heapSize++] = Entry{counts[s], static_cast<uint16_t>(s)};
    }
    if (heapSize == 0)
        return;
    if (heapSize == 1) {
        lengths[heap[0].symbol] = 1;
        return;
    }
    std::make_heap(heap.begin(), heap.begin() + heapSize, lessUrgent);

    // Annex K.2, figure K.1: codeSize counts the merges above each symbol;
    // others links the symbols of one subtree.
    std::array<unsigned, kMaxAlphabet> codeSize{};
    std::array<int, kMaxAlphabet> others;
    others.fill(kNone);
    while (heapSize > 1) {
        std::pop_heap(heap.begin(), heap.begin() + heapSize, lessUrgent);
        const Entry v1 = heap[--heapSize];
        std::pop_heap(heap.begin(), heap.begin() + heapSize, lessUrgent);
        const Entry v2 = heap[--heapSize];
        int s = v1.symbol;
        ++codeSize[s];
        while (others[s] != kNone) {
            s = others[s];
            ++codeSize[s];
        }
        others[s] = v2.symbol;
        s = v2.symbol;
        ++codeSize[s];
        while (others[s] != kNone) {
            s = others[s];
            ++codeSize[s];
        }
        heap[heapSize++] = Entry{v1.count + v2.count, v1.symbol};
        std::push_heap(heap.begin(), heap.begin() + heapSize, lessUrgent);
    }

    // Figure K.2's count of codes per length (a tree over n symbols is at
    // most n - 1 deep), then figure K.3's move of long codes.
    std::array<unsigned, kMaxAlphabet + 1> bits{};
    unsigned deepest = 0;
    for (size_t s = 0; s < n; ++s) {
        if (codeSize[s] != 0) {
            ++bits[codeSize[s]];
            deepest = std::max(deepest, codeSize[s]);
        }
    }
    for (unsigned i = deepest; i > maxBits; --i) {
        while (bits[i] > 0) {
            unsigned j = i - 2;
            while (bits[j] == 0)
                --j;
            bits[i] -= 2;
            bits[i - 1] += 1;
            bits[j + 1] += 2;
            bits[j] -= 1;
        }
    }

    // Figure K.4's order, by a counting sort on the unlimited length: symbols
    // by length, equal lengths by symbol value.
    std::array<unsigned, kMaxAlphabet + 2> start{};
    for (size_t s = 0; s < n; ++s)
        ++start[codeSize[s] + 1];
    for (size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
    std::array<uint16_t, kMaxAlphabet> order;
    for (size_t s = 0; s < n; ++s)
        order[start[codeSize[s]]++] = static_cast<uint16_t>(s);

    // Unused symbols sort first (length 0); skip them.
    size_t k = 0;
    while (k < n && codeSize[order[k]] == 0)
        ++k;
    for (unsigned length = 1; length <= maxBits; ++length) {
        for (unsigned c = 0; c < bits[length]; ++c)
            lengths[order[k++]] = static_cast<uint8_t>(length);
    }
}

void buildCanonicalCodes(std::span<const uint8_t> lengths, std::span<uint16_t> codes) {
    if (codes.size() != lengths.size())
        throw std::logic_error("buildCanonicalCodes: bad arguments");
    std::array<unsigned, 16> perLength{};
    for (uint8_t l : lengths) {
        if (l > 15)
            throw std::logic_error("buildCanonicalCodes: code too long");
        ++perLength[l];
    }
    perLength[0] = 0;
    std::array<unsigned, 16> next{};
    unsigned code = 0;
    for (unsigned bits = 1; bits <= 15; ++bits) {
        code = (code + perLength[bits - 1]) << 1;
        next[bits] = code;
    }
    for (size_t s = 0; s < lengths.size(); ++s) {
        const unsigned l = lengths[s];
        if (l == 0) {
            codes[s] = 0;
            continue;
        }
        unsigned c = next[l]++;
        unsigned reversed = 0;
        for (unsigned b = 0; b < l; ++b) {
            reversed = (reversed << 1) | (c & 1);
            c >>= 1;
        }
        codes[s] = static_cast<uint16_t>(reversed);
    }
}

}  // namespace carvello::deflate
