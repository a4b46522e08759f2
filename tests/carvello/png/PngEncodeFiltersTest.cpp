// The encoder's row filters and its run score.
#include <gtest/gtest.h>

#include <vector>

#include "carvello/png/PngEncodeFilters.h"

namespace {

using namespace carvello::png_filter;

TEST(PngEncodeFilters, EachFilterOnAWorkedRow) {
    // Two pixels of 2 bytes; the row above given.
    const std::vector<uint8_t> row{10, 20, 30, 50};
    const std::vector<uint8_t> above{5, 100, 40, 10};
    struct Case {
        Type type;
        std::vector<uint8_t> expected;
    };
    const std::vector<Case> cases{
        {kNone, {10, 20, 30, 50}},
        {kSub, {10, 20, 20, 30}},
        {kUp, {5, 176, 246, 40}},
        // (left + above) / 2: (0+5)/2=2, (0+100)/2=50, (10+40)/2=25, (20+10)/2=15
        {kAverage, {8, 226, 5, 35}},
        // Paeth: x0 a=0 b=5 c=0 -> p=5, pa=5 pb=0 -> b=5 -> 5
        //        x1 a=0 b=100 c=0 -> b -> 20-100=176
        //        x2 a=10 b=40 c=5 -> p=45, pa=35 pb=5 pc=40 -> b=40 -> 246
        //        x3 a=20 b=10 c=100 -> p=-70, pa=90 pb=80 pc=170 -> b=10 -> 40
        {kPaeth, {5, 176, 246, 40}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> out(4);
        filterRow(c.type, row, above, 2, out);
        EXPECT_EQ(out, c.expected) << int(c.type);
    }
}

TEST(PngEncodeFilters, PaethTiesPreferLeftThenAbove) {
    std::vector<uint8_t> out(2);
    // One-byte pixels. x1: a=7 b=7 c=7 -> all distances 0 -> left.
    filterRow(kPaeth, std::vector<uint8_t>{7, 9}, std::vector<uint8_t>{7, 7}, 1, out);
    EXPECT_EQ(out[1], 9 - 7);
    // x1: a=4 b=8 c=6 -> p=6, pa=2 pb=2 pc=0 -> c (6).
    filterRow(kPaeth, std::vector<uint8_t>{4, 9}, std::vector<uint8_t>{6, 8}, 1, out);
    EXPECT_EQ(out[1], 9 - 6);
    // x1: a=2 b=6 c=0 -> p=8, pa=6 pb=2 pc=8 -> above (6).
    filterRow(kPaeth, std::vector<uint8_t>{2, 9}, std::vector<uint8_t>{0, 6}, 1, out);
    EXPECT_EQ(out[1], 9 - 6);
    // pa == pb < pc: left wins. a=5 b=5 c=0 -> p=10, pa=5 pb=5 pc=10.
    filterRow(kPaeth, std::vector<uint8_t>{5, 9}, std::vector<uint8_t>{0, 5}, 1, out);
    EXPECT_EQ(out[1], 9 - 5);
    EXPECT_THROW(filterRow(kSub, std::vector<uint8_t>{1, 2}, std::vector<uint8_t>{1}, 1, out),
                 std::logic_error);
}

TEST(PngEncodeFilters, RunScoreCountsFiveEqualBytes) {
    struct Case {
        std::vector<uint8_t> bytes;
        size_t score;
    };
    const std::vector<Case> cases{
        {{}, 0},
        {{1, 1, 1, 1}, 0},
        {{1, 1, 1, 1, 1}, 1},
        {{1, 1, 1, 1, 1, 1, 1}, 3},
        {{1, 1, 1, 1, 2, 2, 2, 2, 2}, 1},
        {{0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0}, 2},
        {{1, 2, 1, 2, 1, 2, 1, 2}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(runScore(c.bytes), c.score) << c.bytes.size();
}

}  // namespace
