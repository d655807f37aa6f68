// Tests for measuring text with the loaded test font: line walk, tab stops, line feeds, bytes
// without a glyph, and which size is used when none is given.
#include "font/TextureFont.h"
#include "support/GlTest.h"
#include "support/TestFont.h"

namespace {

// The test font in a hidden window (loading creates its texture). At size s a glyph is s / 2
// wide, 'W' s wide and 'i' s / 4 wide.
class TextMeasure : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        loadTextureFont(openBytes(encodeFontFile(makeTestFont())));
        ASSERT_TRUE(fontLoaded);
    }

    // Width and height of text at size, checked to agree with measureTextWidth at that size.
    std::pair<float, float> measure(const char* text, float size) {
        float width = -1, height = -1;
        measureText(text, size, width, height);
        if (size == currentTextSize) {
            EXPECT_FLOAT_EQ(measureTextWidth(text), width) << '"' << text << '"';
        }
        return {width, height};
    }
};

// Widths are those of the widest line; heights count lines, a trailing line feed included.
// Tabs go to the next multiple of 2 x size from the start of the line, a pen on a stop moves a
// whole tab; bytes without a record take no room.
TEST_F(TextMeasure, WalksLinesTabsAndGlyphs) {
    struct Case {
        const char* text;
        float size, width, height;
    };
    const Case cases[] = {
        {"", 2, 0, 2},
        {"A", 2, 1, 2},
        {"A", 3, 1.5f, 3},
        {"AW i", 4, 9, 4},
        {"AAA\n", 2, 3, 4},
        {"A\nWWW\nAi", 2, 6, 6},
        {"\n\n", 1, 0, 3},
        {"WWAi\t", 2, 8, 2},
        {"WWWW\t", 2, 12, 2},
        {"\t", 2, 4, 2},
        {"\t\t", 3, 12, 3},
        {"WWWW\n\tA", 2, 8, 4},
        {"AAA\n\t\tA", 2, 9, 4},
        {"A\310A", 2, 2, 2},  // byte 200 is code -56, below the font's range
        {"\x7F\x80\xFF", 2, 0, 2},
    };
    for (const Case& c : cases) {
        auto [width, height] = measure(c.text, c.size);
        EXPECT_FLOAT_EQ(width, c.width) << '"' << c.text << "\" at " << c.size;
        EXPECT_FLOAT_EQ(height, c.height) << '"' << c.text << "\" at " << c.size;
    }
}

// Size 0 means the current text size: 2 at first, then whatever drawText last set;
// measuring with an explicit size leaves it alone.
TEST_F(TextMeasure, SizeZeroUsesTheCurrentTextSize) {
    EXPECT_EQ(measure("AW", 0), std::make_pair(3.0f, 2.0f));
    EXPECT_EQ(measure("AW", 6), std::make_pair(9.0f, 6.0f));
    EXPECT_EQ(currentTextSize, 2.0f);
    EXPECT_FLOAT_EQ(measureTextWidth("AW"), 3);

    drawText("", 0, 0, 3, false);  // even empty text takes the size
    EXPECT_EQ(measure("AW", 0), std::make_pair(4.5f, 3.0f));
    EXPECT_FLOAT_EQ(measureTextWidth("AW"), 4.5f);
    drawText("A", 0, 0, 0, false);
    EXPECT_EQ(currentTextSize, 3.0f);
}

// A byte is looked up as a signed 8-bit code: with a font reaching down to -128, bytes 128 to
// 255 have glyphs.
TEST_F(TextMeasure, LooksUpBytesAsSignedCodes) {
    FontFileContents font = makeTestFont();
    font.header.firstChar = -128;
    font.header.lastChar = 127;
    font.glyphs.insert(font.glyphs.begin(), 160, font.glyphs[0]);
    font.glyphs.push_back(font.glyphs[0]);
    font.glyphs[200 - 256 + 128].glyphWidth = kTestLineHeight;  // code -56, byte 200
    loadTextureFont(openBytes(encodeFontFile(font)));
    EXPECT_FLOAT_EQ(measureTextWidth("\310"), 2);
    EXPECT_FLOAT_EQ(measureTextWidth("\200\377\177"), 3);
}

}  // namespace
