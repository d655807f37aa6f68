// Tests for drawing text, read back from a hidden window: placement, colour, alignment and GL
// state with the test font; nothing at all without a font; and the debug lines that start-up
// and each frame draw with the baked font.
#include "app/GuiShell.h"
#include "app/InputRouting.h"
#include "app/ScreenUnits.h"
#include "font/TextureFont.h"
#include "gui/GuiElement.h"
#include "support/GlTest.h"
#include "support/PixelBox.h"
#include "support/TempFolder.h"
#include "support/TestFont.h"

#include <GL/gl.h>
#include <climits>
#include <cmath>
#include <fstream>
#include <unistd.h>

namespace {

// The frame with rows top..bottom - 1 cleared to black.
std::vector<unsigned char> blackOut(std::vector<unsigned char> frame, int top, int bottom) {
    const size_t row = size_t(kTestWindowWidth) * 4;
    for (size_t i = row * size_t(top); i < row * size_t(bottom); i += 4)
        std::copy_n(kBlack.rgba, 4, frame.begin() + long(i));
    return frame;
}

// The frame with every row outside top..bottom - 1 cleared to black.
std::vector<unsigned char> rowsOnly(const std::vector<unsigned char>& frame, int top, int bottom) {
    return blackOut(blackOut(frame, 0, top), bottom, kTestWindowHeight);
}

// The largest of red, green and blue in box; lit pixels must be grey, as white text on black is.
int brightest(const std::vector<unsigned char>& frame, const PixelBox& box) {
    int most = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const unsigned char* p = &frame[(size_t(y) * kTestWindowWidth + x) * 4];
            EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << "pixel " << x << "," << y;
            most = std::max(most, int(p[0]));
        }
    }
    return most;
}

bool inside(const std::vector<PixelBox>& boxes, int x, int y) {
    for (const PixelBox& b : boxes) {
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom)
            return true;
    }
    return false;
}

void expectState(GLenum capability, bool enabled) {
    EXPECT_EQ(glIsEnabled(capability) == GL_TRUE, enabled)
        << "capability 0x" << std::hex << capability;
}

// Text state the frame and the texts leave for whoever draws next.
void expectTextStateOff() {
    expectState(GL_TEXTURE_2D, false);
    expectState(GL_ALPHA_TEST, false);
    expectState(GL_BLEND, false);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

class TextDraw : public GlTest {
protected:
    void loadTestFont() {
        loadTextureFont(openBytes(encodeFontFile(makeTestFont())));
        ASSERT_TRUE(fontLoaded);
    }

    // Draws text in one frame and checks that exactly the pixels in boxes took colour.
    void expectDrawn(const char* text, float x, float y, float size, bool alignRight,
                     const std::vector<PixelBox>& boxes, Color colour) {
        beginFrame();
        glColor4ubv(colour.rgba);
        drawText(text, x, y, size, alignRight);
        expectTextStateOff();
        endFrame();
        const std::vector<unsigned char> shot = frame();
        int wrong = 0;
        for (int y = 0; y < kTestWindowHeight; ++y) {
            for (int x = 0; x < kTestWindowWidth; ++x) {
                const unsigned char* p = &shot[(size_t(y) * kTestWindowWidth + x) * 4];
                const Color want = inside(boxes, x, y) ? colour : kBlack;
                const Color got{{p[0], p[1], p[2], p[3]}};
                if (got != want && ++wrong == 1)
                    ADD_FAILURE() << '"' << text << "\": pixel " << x << "," << y << " is "
                                  << ::testing::PrintToString(got) << ", want "
                                  << ::testing::PrintToString(want);
            }
        }
        EXPECT_EQ(wrong, 0) << '"' << text << '"';
    }
};

// Each glyph is a quad size high and glyphWidth x size / lineHeight wide, in the current
// colour, from the given corner; a line feed goes back to the line's start one size lower;
// drawn tabs stop at multiples of 2 x size from x = 0; the space's faint texels fall to the
// alpha test; a byte without a record draws nothing and does not advance.
TEST_F(TextDraw, PlacesGlyphsInTheCurrentColour) {
    loadTestFont();
    struct Case {
        const char* text;
        float x, y, size;  // pixels
        bool alignRight;
        std::vector<PixelBox> boxes;
    };
    const Case cases[] = {
        {"AW", 100, 200, 20, false, {{100, 200, 130, 220}}},
        {"i", 0, 0, 40, false, {{0, 0, 10, 40}}},
        {"A B", 100, 200, 20, false, {{100, 200, 110, 220}, {120, 200, 130, 220}}},
        {"A\310A", 100, 200, 20, false, {{100, 200, 120, 220}}},  // byte 200 is code -56
        {"\tA\nA", 50, 100, 20, false, {{80, 100, 90, 120}, {50, 120, 60, 140}}},
        {"A\nWW", 300, 100, 20, true, {{260, 100, 270, 120}, {260, 120, 300, 140}}},
        {"W\n\nAi", 300, 100, 20, true, {{280, 100, 300, 120}, {280, 140, 295, 160}}},
    };
    const Color colour{{200, 100, 50, 255}};
    for (const Case& c : cases)
        expectDrawn(c.text, px(c.x), px(c.y), px(c.size), c.alignRight, c.boxes, colour);

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), textureName);
}

// Right alignment measures at the size given to the same call, and size 0 draws at the
// size drawn last.
TEST_F(TextDraw, AlignsRightAtTheSizeOfTheSameCall) {
    loadTestFont();
    const Color white{{255, 255, 255, 255}};
    drawText("", 0, 0, px(10), false);
    expectDrawn("WW", px(300), px(100), px(20), true, {{260, 100, 300, 120}}, white);
    expectDrawn("A", px(300), px(100), 0, true, {{290, 100, 300, 120}}, white);
}

// A font file that is missing or refused leaves no font and no texture; then text
// operations change nothing: no pixel, no GL state, no text size, no measured output.
TEST_F(TextDraw, DoesNothingWithoutAFont) {
    FontFileContents truncated = makeTestFont();
    truncated.texels.pop_back();
    FontFileContents noLineHeight = makeTestFont();
    noLineHeight.glyphs[0].glyphHeight = 0;
    loadTextureFont(nullptr);
    for (const FontFileContents& refused : {truncated, noLineHeight}) {
        loadTextureFont(openBytes(encodeFontFile(refused)));
        EXPECT_FALSE(fontLoaded);
    }
    EXPECT_EQ(glIsTexture(1), GL_FALSE);

    beginFrame();
    glColor3f(1, 1, 1);
    drawText("AW", px(100), px(100), px(20), false);
    drawText("AW\nA", px(300), px(100), 5, true);
    expectTextStateOff();
    GLint blendSource = 0, alphaFunction = 0, bound = 0;
    glGetIntegerv(GL_BLEND_SRC, &blendSource);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &alphaFunction);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(blendSource, GL_ONE);
    EXPECT_EQ(alphaFunction, GL_ALWAYS);
    EXPECT_EQ(bound, 0);
    endFrame();
    EXPECT_EQ(litBox(frame()), PixelBox{}) << "drew without a font";
    EXPECT_EQ(currentTextSize, 2.0f);

    float width = -1, height = -1;
    measureText("AW", 3, width, height);
    EXPECT_EQ(width, -1);
    EXPECT_EQ(height, -1);
    EXPECT_EQ(measureTextWidth("AW"), 0);
    GLuint next = 0;
    glGenTextures(1, &next);
    EXPECT_EQ(next, 1u) << "a refused font created a texture";
}

// Start-up and frames in a scratch working folder, as the demo runs in its run folder.
class DebugLines : public TextDraw {
protected:
    // Copies the demo's baked font from the build's run folder into the working folder.
    void useBakedFont() {
        char exe[PATH_MAX] = {};
        ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
        std::string baked = exe;
        baked = baked.substr(0, baked.rfind('/')) + "/../run/" + kFontFileName;
        std::ifstream in(baked, std::ios::binary);
        ASSERT_TRUE(in) << baked << " is missing: build the trellis-font target";
        std::ofstream(folder.path(kFontFileName), std::ios::binary) << in.rdbuf();
    }

    std::vector<unsigned char> drawOneFrame() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawFrame();
        glFinish();
        return frame();
    }

    TempFolder folder;
    WorkingDirectory workingDirectory{folder.root()};
};

// The debug lines are white, 2 units high and end at x = 132 units (pixel 1013.76): the hovered
// element's skin class at y = 91, the focus element's name at y = 94 and the pointer at y = 97;
// lines without an element are left out and the others keep their rows.
TEST_F(DebugLines, EndAtTheRightEdgeInTheirOwnRows) {
    useBakedFont();
    ASSERT_TRUE(initGui());
    ASSERT_TRUE(fontLoaded);
    pointerX = pointerY = 0;
    struct Line {
        int top, bottom;  // the rows whose centres lie within y .. y + 2 units
        const char* text;
    };
    const Line hovered{699, 714, "global"}, focused{722, 737, "GuiRoot"},
        pointer{745, 760, "0.000 / 0.000"};
    struct Case {
        GuiElement* hover;
        GuiElement* focus;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        {nullptr, nullptr, {pointer}},
        {rootElement, nullptr, {hovered, pointer}},
        {nullptr, rootElement, {focused, pointer}},
        {rootElement, rootElement, {hovered, focused, pointer}},
    };
    for (const Case& c : cases) {
        hoveredElement = c.hover;
        focusElement = c.focus;
        const std::vector<unsigned char> shot = drawOneFrame();
        expectTextStateOff();
        std::vector<unsigned char> rest = shot;
        for (const Line& line : c.lines) {
            SCOPED_TRACE(line.text);
            rest = blackOut(rest, line.top, line.bottom);
            const PixelBox box = litBox(rowsOnly(shot, line.top, line.bottom));
            // The last glyph's ink stops short of its advance, but not by much.
            EXPECT_LE(box.right, 1014);
            EXPECT_GE(box.right, 1005);
            // The first glyph starts one line width left of the edge.
            const float start = (132 - measureTextWidth(line.text)) / pixelSize;
            EXPECT_GE(box.left, int(std::floor(start)));
            EXPECT_LE(box.left, start + 4);
            EXPECT_GE(box.bottom - box.top, 8);
            EXPECT_GE(brightest(shot, box), 224) << "not white";
        }
        EXPECT_EQ(litBox(rest), PixelBox{}) << "drawn outside the expected lines";
        EXPECT_EQ(currentTextSize, 2.0f);
    }
}

// Start-up drops a font loaded before and, with no font file in the folder, stays without:
// frames then draw no text at all.
TEST_F(DebugLines, StartUpWithoutAFontFileDrawsNoText) {
    loadTestFont();
    ASSERT_TRUE(initGui());
    EXPECT_FALSE(fontLoaded);
    EXPECT_TRUE(glyphTable.empty());
    hoveredElement = focusElement = rootElement;
    EXPECT_EQ(litBox(drawOneFrame()), PixelBox{});
}

}  // namespace
