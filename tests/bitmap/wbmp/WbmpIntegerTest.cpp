#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "bitmap/formats/WBMPCoder.h"

using bitmap::decodeWbmpInteger;
using bitmap::encodeWbmpInteger;
using Bytes = std::vector<uint8_t>;

namespace {

struct Coded {
    uint32_t value;
    Bytes bytes;
};

const std::vector<Coded>& knownCodes() {
    static const std::vector<Coded> codes = {
        {0, {0x00}},
        {1, {0x01}},
        {100, {0x64}},
        {127, {0x7F}},
        {128, {0x81, 0x00}},
        {200, {0x81, 0x48}},
        {16383, {0xFF, 0x7F}},
        {16384, {0x81, 0x80, 0x00}},
        {2097151, {0xFF, 0xFF, 0x7F}},
        {2097152, {0x81, 0x80, 0x80, 0x00}},
        {0x12345678, {0x81, 0x91, 0xD1, 0xAC, 0x78}},
        {UINT32_MAX, {0x8F, 0xFF, 0xFF, 0xFF, 0x7F}},
    };
    return codes;
}

}  // namespace

TEST(WbmpInteger, EncodesKnownValues) {
    for (const auto& c : knownCodes())
        EXPECT_EQ(encodeWbmpInteger(c.value), c.bytes) << c.value;
}

TEST(WbmpInteger, DecodesKnownValuesAndAdvances) {
    for (const auto& c : knownCodes()) {
        size_t at = 0;
        const auto value = decodeWbmpInteger(c.bytes, at);
        ASSERT_TRUE(value.has_value()) << c.value;
        EXPECT_EQ(*value, c.value);
        EXPECT_EQ(at, c.bytes.size());
    }
}

TEST(WbmpInteger, DecodesConsecutiveFieldsFromAnOffset) {
    const Bytes bytes = {0xAA, 0x81, 0x00, 0x09, 0x81, 0x48, 0x33};
    size_t at = 1;
    EXPECT_EQ(decodeWbmpInteger(bytes, at), 128u);
    EXPECT_EQ(at, 3u);
    EXPECT_EQ(decodeWbmpInteger(bytes, at), 9u);
    EXPECT_EQ(at, 4u);
    EXPECT_EQ(decodeWbmpInteger(bytes, at), 200u);
    EXPECT_EQ(at, 6u);
}

TEST(WbmpInteger, RoundTripsAroundEveryGroupBoundary) {
    for (int shift = 0; shift <= 32; shift += 7) {
        const uint64_t edge = uint64_t{1} << shift;
        for (int64_t delta = -2; delta <= 2; ++delta) {
            const int64_t v = static_cast<int64_t>(edge) + delta;
            if (v < 0 || v > UINT32_MAX)
                continue;
            const auto value = static_cast<uint32_t>(v);
            const Bytes bytes = encodeWbmpInteger(value);
            // Every byte but the last carries the continuation bit.
            for (size_t i = 0; i < bytes.size(); ++i)
                EXPECT_EQ((bytes[i] & 0x80) != 0, i + 1 < bytes.size()) << value;
            size_t expectedLength = 1;
            for (uint64_t rest = value >> 7; rest != 0; rest >>= 7)
                ++expectedLength;
            EXPECT_EQ(bytes.size(), expectedLength) << value;
            size_t at = 0;
            EXPECT_EQ(decodeWbmpInteger(bytes, at), value);
        }
    }
}

TEST(WbmpInteger, AcceptsLeadingZeroGroups) {
    const Bytes bytes = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x05};
    size_t at = 0;
    EXPECT_EQ(decodeWbmpInteger(bytes, at), 5u);
    EXPECT_EQ(at, bytes.size());
}

TEST(WbmpInteger, RefusesUnterminatedAndOverlongIntegers) {
    const std::vector<Bytes> broken = {
        {},
        {0x81},
        {0x81, 0x80},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        {0x90, 0x80, 0x80, 0x80, 0x00},        // 2^32
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},  // 42 bits
    };
    for (const auto& bytes : broken) {
        size_t at = 0;
        EXPECT_FALSE(decodeWbmpInteger(bytes, at).has_value()) << bytes.size();
        EXPECT_EQ(at, 0u) << "position moved on failure";
    }
    const Bytes one = {0x05};
    size_t past = 1;
    EXPECT_FALSE(decodeWbmpInteger(one, past).has_value());
    EXPECT_EQ(past, 1u);
}
