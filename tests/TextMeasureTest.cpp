// Tests for measuring text: line walk, tab stops, line feeds, missing glyphs, signed codes, size.
#include "support/GlTest.h"
#include "support/TestFont.h"
#include "trellis/font/TextureFont.h"

using namespace trellis;

class TextMeasure : public GlTest {};  // loading a font creates its texture

// At size s glyphs are s / 2 wide, 'W' and byte 200 (code -56) s, 'i' s / 4, byte 127 none; tabs
// go to the next multiple of 2 x size, a full one from a stop; size 0 is the one drawText set.
// Text is UTF-8 ("\303\210" is U+00C8, code -56); bytes of no well-formed sequence are Latin-1;
// a character the font lacks is its '?'.
TEST_F(TextMeasure, WalksLinesTabsAndGlyphs) {
    FontFileContents font = makeTestFont();
    font.header.firstChar = -128;
    font.glyphs.insert(font.glyphs.begin(), 160, font.glyphs[0]);
    font.glyphs[200 - 256 + 128].glyphWidth = kTestLineHeight;
    loadTextureFont(openBytes(encodeFontFile(font)));
    // clang-format off
    const struct {
        const char* text;
        float size, width, height;
    } cases[] = {{"", 2, 0, 2},           {"A", 3, 1.5f, 3},       {"AAA\n", 2, 3, 4},
                 {"A\nWWW\nAi", 2, 6, 6}, {"WWAi\t", 2, 8, 2},     {"WWWW\t", 2, 12, 2},
                 {"\t\t", 3, 12, 3},      {"AAA\n\t\tA", 2, 9, 4}, {"A\177A", 2, 2, 2},
                 {"\310\377", 2, 3, 2},   {"AW", 0, 3, 2},         {"\303\210", 2, 2, 2},
                 {"A\302\205", 2, 2, 2},  {"A\346\227\245", 2, 2, 2},
                 {"\355\240\200", 2, 3, 2}};
    // clang-format on
    for (auto c : cases) {
        float width = -1, height = -1;
        measureText(c.text, c.size, width, height);
        EXPECT_FLOAT_EQ(width, c.width) << '"' << c.text << "\" at " << c.size;
        EXPECT_FLOAT_EQ(height, c.height) << '"' << c.text << "\" at " << c.size;
    }
    drawText("", 0, 0, 3, false);
    EXPECT_FLOAT_EQ(measureTextWidth("AW"), 4.5f);
}
