// Tests for text: measuring (line walk, tab stops, line feeds, missing glyphs, signed codes,
// size), and drawing it in pixels (placement, colour, alignment, no font, the pointer line).
#include "support/MatchedBox.h"
#include "support/TestFont.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/shell/GuiShell.h"

#include <GL/gl.h>

using namespace trellis;

// A hidden window whose working folder, where start-up looks for its files, is a scratch one.
class TextDraw : public GlTest {
protected:
    // Text at (x, y) and size in pixels fills the boxes in the current colour, and no more.
    void expectDrawn(const char* text, float x, float y, float size, bool alignRight,
                     const std::vector<MatchedBox>& boxes) {
        beginFrame();
        glColor3ub(200, 100, 50);
        drawText(text, px(x), px(y), px(size), alignRight);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D) || glIsEnabled(GL_ALPHA_TEST) ||
                     glIsEnabled(GL_BLEND));
        const auto drawn = frame();
        glClear(GL_COLOR_BUFFER_BIT);
        for (const MatchedBox& b : boxes)
            glRectf(px(b.left), px(b.top), px(b.right), px(b.bottom));
        endFrame();
        EXPECT_TRUE(frame() == drawn) << '"' << text << '"';
    }
    TempFolder folder;
    WorkingDirectory workingDirectory{folder.root()};
};

// Glyph quads, line feeds, tabs from x = 0, characters without a glyph, right alignment, size 0.
TEST_F(TextDraw, PlacesGlyphsInTheCurrentColour) {
    loadTextureFont(openBytes(encodeFontFile(makeTestFont())));
    drawText("", 0, 0, px(10), false);  // right alignment measures at its own call's size
    expectDrawn("A\nWW", 300, 100, 20, true, {{260, 100, 270, 120}, {260, 120, 300, 140}});
    expectDrawn("i", 300, 100, 0, true, {{295, 100, 300, 120}});  // size 0: the last one
    expectDrawn("AW", 100, 200, 20, false, {{100, 200, 130, 220}});
    expectDrawn("A\310A", 100, 200, 20, false, {{100, 200, 130, 220}});  // no 200: its '?'
    expectDrawn("\tA\nA", 50, 100, 20, false, {{80, 100, 90, 120}, {50, 120, 60, 140}});
}

// Start-up without a font file drops the font; text then changes no pixel, state or size.
TEST_F(TextDraw, DoesNothingWithoutAFont) {
    loadTextureFont(openBytes(encodeFontFile(makeTestFont())));
    ASSERT_TRUE(initGui());
    EXPECT_TRUE(!fontLoaded && glyphTable.empty());
    drawFrame();
    EXPECT_EQ(litBox(frame()), MatchedBox{}) << "debug lines without a font";
    expectDrawn("AW\nA", 300, 100, 30, true, {});
    GLint state[2] = {};
    glGetIntegerv(GL_BLEND_SRC, &state[0]);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &state[1]);
    EXPECT_TRUE(state[0] == GL_ONE && state[1] == GL_ALWAYS && currentTextSize != px(30));
    float width = -1, height = -1;
    measureText("AW", 3, width, height);
    EXPECT_TRUE(width == -1 && height == -1 && measureTextWidth("AW") == 0);
}

// The pointer line, alone, is white and ends at x = 132 units (pixel 1013.76) in its rows.
TEST_F(TextDraw, PointerLineEndsAtTheRightEdge) {
    // The run folder next to the test's own folder holds the font that trellis-font bakes.
    std::filesystem::current_path(std::filesystem::read_symlink("/proc/self/exe").parent_path() /
                                  "../run");
    ASSERT_TRUE(initGui() && fontLoaded);
    pointerX = pointerY = 0;
    drawFrame();
    const MatchedBox box = litBox(frame());
    const float start = (132 - measureTextWidth("0.000 / 0.000")) / pixelSize;
    EXPECT_TRUE(box.right <= 1014 && box.right >= 1005 && box.left >= int(start) &&
                box.left <= start + 4 && box.top >= 745 && box.bottom <= 760)
        << box;
    EXPECT_GT(boxWhere(frame(), [](Color c) { return c.red() > 224 && c.blue() > 224; }).count, 0);
}

// At size s glyphs are s / 2 wide, 'W' and byte 200 (code -56) s, 'i' s / 4, byte 127 none; tabs
// go to the next multiple of 2 x size, a full one from a stop; size 0 is the one drawText set.
// Text is UTF-8 ("\303\210" is U+00C8, code -56); bytes of no well-formed sequence are Latin-1;
// a character the font lacks is its '?'.
TEST_F(TextDraw, MeasuresLinesTabsAndGlyphs) {
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
