// Tests for the value-text parsers that skins and dialogues share: hexadecimal colours,
// decimal unsigned numbers and reals, with 32-bit results on a 64-bit unsigned long.
#include "skin/SkinValues.h"

#include "support/GlTest.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kMax32 = 4294967295u;

// Colours: strtoul base 16 read as RRGGBBAA, saturating at FFFFFFFF like a 32-bit strtoul.
TEST(SkinValues, ColorTextFollowsStrtoulAsThirtyTwoBits) {
    const Color orange{{255, 128, 0, 192}}, white{{255, 255, 255, 255}};
    const struct {
        const char* text;
        Color expected;
    } cases[] = {
        {"ff8000c0", orange},
        {"0xff8000c0", orange},
        {"0XFF8000C0", orange},
        {" \t\nff8000c0", orange},
        {"ff8000c0 trailing", orange},
        {"000ff8000c0", orange},  // leading zeros are not significant digits
        {"ff", {{0, 0, 0, 255}}},
        {"+ff", {{0, 0, 0, 255}}},
        {"", {{0, 0, 0, 0}}},
        {"0x", {{0, 0, 0, 0}}},
        {"zz8000c0", {{0, 0, 0, 0}}},
        {"nothing", {{0, 0, 0, 0}}},
        {"ffffffff", white},
        {"1ff8000c0", white},             // nine significant digits saturate, not wrap
        {"123456789abc", white},          // still within 64 bits
        {"ffffffffffffffffffff", white},  // beyond 64 bits too
        {"-1", white},                    // a 32-bit strtoul negates within 32 bits
        {"-ff", {{255, 255, 255, 1}}},
        {"-1ff8000c0", white},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseColorText(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(parseColorText(nullptr), (Color{{0, 0, 0, 0}}));
}

// Texture names: strtoul base 10, saturating at the 32-bit maximum.
TEST(SkinValues, UnsignedTextFollowsStrtoulAsThirtyTwoBits) {
    const struct {
        const char* text;
        uint32_t expected;
    } cases[] = {
        {"7", 7},
        {" 12", 12},
        {"+5", 5},
        {"12abc", 12},
        {"0x10", 0},  // base 10 stops at the x
        {"", 0},
        {"abc", 0},
        {"4294967295", kMax32},
        {"4294967296", kMax32},
        {"18446744073709551615", kMax32},
        {"99999999999999999999999", kMax32},
        {"-1", kMax32},
        {"-2", kMax32 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseUnsignedText(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(parseUnsignedText(nullptr), 0u);
}

// Reals: as atof reads them, then narrowed to float.
TEST(SkinValues, RealTextFollowsAtof) {
    const struct {
        const char* text;
        float expected;
    } cases[] = {
        {"0.5", 0.5f},  {" 2.3", 2.3f}, {"-1.25", -1.25f}, {".25", 0.25f}, {"1e1", 10.0f},
        {"3abc", 3.0f}, {"abc", 0.0f},  {"", 0.0f},        {"-", 0.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseRealText(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(parseRealText(nullptr), 0.0f);
}

}  // namespace
