// Tests for the font file reader: round trips, and short, invalid or random files refused.
#include "support/TestFont.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>

using namespace trellis;

using Bytes = std::vector<unsigned char>;

// Whether bytes read as a font, from memory and from a file alike; a refusal touches nothing.
static bool reads(const Bytes& bytes) {
    FontFileContents parsed, read;
    parsed.header.textureName = read.header.textureName = 42;
    const bool parses = parseFontFile(bytes.data(), bytes.size(), parsed);
    EXPECT_EQ(readFontFile(openBytes(bytes), read), parses);
    EXPECT_TRUE(parses || (parsed.header.textureName == 42 && read.header.textureName == 42 &&
                           parsed.glyphs.empty() && read.glyphs.empty() && read.texels.empty()));
    return parses;
}

// A good file reads back as written, whatever follows it; no prefix of it and no noise loads.
TEST(FontFile, ReadsGoodFilesAndRefusesBadOnes) {
    const Bytes bytes = encodeFontFile(makeTestFont());
    Bytes withTail = bytes;
    withTail.insert(withTail.end(), {1, 2, 3});
    FontFileContents read;
    ASSERT_TRUE(reads(withTail) && parseFontFile(withTail.data(), withTail.size(), read));
    EXPECT_EQ(encodeFontFile(read), bytes);
    for (size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(reads(Bytes(bytes.begin(), bytes.begin() + long(size)))) << size << " bytes";
    std::mt19937 random(20240611);
    for (int round = 0; round < 2000; ++round) {
        Bytes noise(random() % 3000);
        std::generate(noise.begin(), noise.end(), [&] { return static_cast<uint8_t>(random()); });
        EXPECT_FALSE(parseFontFile(noise.data(), noise.size(), read)) << "round " << round;
    }
    // Codes within -128..127, sides in 1..8192 with their texels, a finite line height above 0.
    // First and last code, width, height, valid; the last row holds little of its texel block.
    const int headers[][5] = {
        {-128, 127, 8192, 1, 1}, {32, 31, 8, 8, 0},           {-129, 32, 8, 8, 0},
        {32, 128, 8, 8, 0},      {INT_MIN, INT_MAX, 8, 8, 0}, {32, 126, 0, 8, 0},
        {32, 126, 8, -8, 0},     {32, 126, 8193, 8, 0},       {32, 126, 8192, 8192, 0}};
    for (auto [first, last, width, height, valid] : headers) {
        FontFileContents font = makeTestFont();
        font.header = {0, width, height, first, last, 0};
        font.glyphs.resize(size_t(std::clamp(long(last) - first + 1, 1L, 256L)), font.glyphs[0]);
        font.texels.assign(size_t(std::clamp(width * height, 0, 1 << 17)) * 2, 255);
        EXPECT_EQ(reads(encodeFontFile(font)), valid == 1) << first << " " << width;
    }
    for (float height : {0.0f, -kTestLineHeight, NAN, INFINITY}) {
        FontFileContents font = makeTestFont();
        font.glyphs[0].glyphHeight = height;
        EXPECT_FALSE(reads(encodeFontFile(font))) << height;
    }
}
