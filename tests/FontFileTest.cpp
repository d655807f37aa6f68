// Tests for the font file reader: good files round-trip, and short, inconsistent or random
// files are refused without touching the result. No GL.
#include "support/TestFont.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace {

using Bytes = std::vector<unsigned char>;

bool parses(const Bytes& bytes) {
    FontFileContents out;
    return parseFontFile(bytes.data(), bytes.size(), out);
}

// Reads bytes through the stream reader, from a real file.
bool reads(const Bytes& bytes, FontFileContents& out) {
    return readFontFile(openBytes(bytes), out);
}

// A file with the given header and as many records and texels as the header asks for (within
// reason), so that only the header itself can be at fault.
Bytes fileWithHeader(const GlfHeader& header) {
    FontFileContents font = makeTestFont();
    font.header = header;
    const long records = long(header.lastChar) - header.firstChar + 1;
    font.glyphs.resize(size_t(std::clamp(records, 1L, 512L)), font.glyphs[0]);
    const long texels = long(std::max(header.textureWidth, 0)) * std::max(header.textureHeight, 0);
    font.texels.assign(size_t(std::min(texels, 1L << 20)) * 2, 255);
    return encodeFontFile(font);
}

// Reading a good file gives back what was encoded, through memory and through a file; bytes
// after the texels are ignored.
TEST(FontFile, RoundTripsAndIgnoresTrailingBytes) {
    const Bytes bytes = encodeFontFile(makeTestFont());
    ASSERT_EQ(bytes.size(), 24u + 95 * 24 + 8 * 8 * 2);
    Bytes withTail = bytes;
    withTail.insert(withTail.end(), {1, 2, 3, 4, 5});
    for (const Bytes& file : {bytes, withTail}) {
        FontFileContents parsed, read;
        ASSERT_TRUE(parseFontFile(file.data(), file.size(), parsed));
        ASSERT_TRUE(reads(file, read));
        EXPECT_EQ(encodeFontFile(parsed), bytes);
        EXPECT_EQ(encodeFontFile(read), bytes);
    }
    FontFileContents parsed;
    parseFontFile(bytes.data(), bytes.size(), parsed);
    EXPECT_EQ(parsed.header.textureName, 77);
    EXPECT_EQ(parsed.header.lastChar, 126);
    EXPECT_EQ(parsed.glyphs.at('W' - 32).glyphWidth, kTestLineHeight);
    EXPECT_EQ(parsed.texels.at(9), 12);  // second texel of the row: transparent half starts at 4
    // Little-endian on disk, whatever the host: textureWidth 8 is 08 00 00 00.
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 8), (Bytes{8, 0, 0, 0}));
}

// Every truncation of a valid file is refused, and a refused read leaves its result alone.
TEST(FontFile, RejectsEveryPrefixOfAValidFile) {
    const Bytes bytes = encodeFontFile(makeTestFont());
    FontFileContents previous;
    previous.header.textureName = 42;
    for (size_t size = 0; size < bytes.size(); ++size) {
        const Bytes prefix(bytes.begin(), bytes.begin() + long(size));
        FontFileContents out = previous;
        EXPECT_FALSE(parseFontFile(prefix.data(), prefix.size(), out)) << size << " bytes";
        EXPECT_FALSE(reads(prefix, out)) << size << " bytes";
        EXPECT_EQ(out.header.textureName, 42);
        EXPECT_TRUE(out.glyphs.empty() && out.texels.empty());
    }
    FontFileContents out;
    EXPECT_FALSE(readFontFile(nullptr, out));
}

// Header fields: the glyph range must come from signed 8-bit codes and the texture sides
// must lie in 1..8192; the limits themselves are fine.
TEST(FontFile, ChecksEachHeaderField) {
    struct Case {
        const char* what;
        std::function<void(GlfHeader&)> edit;
        bool valid;
    };
    const Case cases[] = {
        {"the test font", [](GlfHeader&) {}, true},
        {"one glyph", [](GlfHeader& h) { h.lastChar = h.firstChar; }, true},
        {"all 256 codes", [](GlfHeader& h) { h.firstChar = -128, h.lastChar = 127; }, true},
        {"8192 wide", [](GlfHeader& h) { h.textureWidth = 8192, h.textureHeight = 1; }, true},
        {"8192 high", [](GlfHeader& h) { h.textureWidth = 1, h.textureHeight = 8192; }, true},
        {"lastChar below firstChar", [](GlfHeader& h) { h.lastChar = h.firstChar - 1; }, false},
        {"firstChar below -128", [](GlfHeader& h) { h.firstChar = -129; }, false},
        {"lastChar above 127", [](GlfHeader& h) { h.lastChar = 128; }, false},
        {"widest range", [](GlfHeader& h) { h.firstChar = INT_MIN, h.lastChar = INT_MAX; }, false},
        {"width 0", [](GlfHeader& h) { h.textureWidth = 0; }, false},
        {"width negative", [](GlfHeader& h) { h.textureWidth = -8; }, false},
        {"width 8193", [](GlfHeader& h) { h.textureWidth = 8193; }, false},
        {"height 0", [](GlfHeader& h) { h.textureHeight = 0; }, false},
        {"height negative", [](GlfHeader& h) { h.textureHeight = INT_MIN; }, false},
        {"height 8193", [](GlfHeader& h) { h.textureHeight = 8193; }, false},
    };
    for (const Case& c : cases) {
        GlfHeader header = makeTestFont().header;
        c.edit(header);
        const Bytes file = fileWithHeader(header);
        FontFileContents out;
        EXPECT_EQ(isValidFontHeader(header), c.valid) << c.what;
        EXPECT_EQ(parses(file), c.valid) << c.what;
        EXPECT_EQ(reads(file, out), c.valid) << c.what;
    }
}

// Only record 0's glyphHeight is the line height; it must be a positive finite number.
TEST(FontFile, ChecksTheLineHeightAndTheTexelBlock) {
    const float inf = std::numeric_limits<float>::infinity();
    for (float height : {0.0f, -0.0f, -kTestLineHeight, std::nanf(""), inf, -inf}) {
        FontFileContents font = makeTestFont();
        font.glyphs[0].glyphHeight = height;
        EXPECT_FALSE(parses(encodeFontFile(font))) << height;
    }
    FontFileContents font = makeTestFont();
    font.glyphs[1].glyphHeight = std::nanf("");
    EXPECT_TRUE(parses(encodeFontFile(font)));

    // A header that promises the largest texel block, with none of it in the file.
    font.header.textureWidth = font.header.textureHeight = kMaxFontTextureSize;
    font.texels.clear();
    FontFileContents out;
    EXPECT_FALSE(reads(encodeFontFile(font), out));
}

// Random files never load; randomly damaged good files either fail or read back as exactly
// the bytes the reader consumed.
TEST(FontFile, SurvivesRandomAndDamagedFiles) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        Bytes noise(size_t(random() % 3000));
        for (unsigned char& b : noise)
            b = static_cast<unsigned char>(byte(random));
        EXPECT_FALSE(parses(noise)) << "round " << round;
    }
    const Bytes good = encodeFontFile(makeTestFont());
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        Bytes damaged = good;
        for (int hits = 1 + int(random() % 4); hits > 0; --hits)
            damaged[random() % (round % 2 ? 24 : damaged.size())] ^= 1u << (random() % 8);
        FontFileContents out;
        if (parseFontFile(damaged.data(), damaged.size(), out)) {
            ++accepted;
            const Bytes again = encodeFontFile(out);
            ASSERT_LE(again.size(), damaged.size());
            EXPECT_TRUE(std::equal(again.begin(), again.end(), damaged.begin())) << round;
        }
    }
    EXPECT_GT(accepted, 0);  // damage to records and texels alone is not the reader's business
}

}  // namespace
