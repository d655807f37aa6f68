// Tests for text elements, title bars, buttons and windows: skins and geometry without GL, then
// bevels, frames and aligned text read back from a hidden window.
#include "support/MatchedBox.h"
#include "support/TestFont.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"
#include "trellis/skin/Reskin.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

using namespace trellis;

namespace {

// Constructors skin partly (a text element only "fontColor", under "global"; the "X" fills its
// square); re-skins add sizes, keep name sections first; frame colours come from the skin, the
// frame itself does not; title bar geometry.
TEST(ElementClassesTest, WindowPartsSkinsAndGeometry) {
    useScreenUnits();
    skinStore = {{"global", {{"fontSize", "2.3"}, {"fontColor", "102030ff"}}},
                 {"button", {{"fontSize", "1.5"}, {"bgColor", "000003ff"}}},
                 {"ok", {{"bgColor", "11223344"}}},
                 {"window", {{"border", "0"}, {"borderColor", "ff0000ff"}}}};
    TextElement text("", nullptr, "plain", 0, 0, 10, 3);
    Window window("w", nullptr, "Title");
    Button ok("ok", &window, "OK", 0, 0, 3, 1);
    const TitleBar& bar = *window.titleBar;
    Button& close = *bar.closeButton;
    EXPECT_EQ(text.fontSize, px(15));  // 2 units, the default
    EXPECT_EQ(text.fontColor, (Color{{0x10, 0x20, 0x30, 255}}));
    EXPECT_EQ(close.fontSize, close.height);
    for (float width : {230, 307, 115}) {  // the 30-unit default, then after setRect
        EXPECT_EQ(ok.bgColor, (Color{{0x11, 0x22, 0x33, 0x44}}));
        EXPECT_TRUE(window.border);
        EXPECT_EQ(window.borderColor, (Color{{255, 0, 0, 255}}));  // the skin gives the colour
        EXPECT_EQ((std::vector<float>{window.width, bar.width, bar.height, bar.y, close.x, close.y,
                                      close.width, close.height}),
                  (std::vector<float>{px(width), px(width), px(19), 0, px(width - 18), px(1),
                                      px(17), px(17)}));
        reskinTree(&text, skinStore);
        reskinTree(&window, skinStore);
        window.setRect(10, 20, width == 230 ? 40 : 15, 30);
    }
    EXPECT_EQ(text.fontSize, 2.3f);
    EXPECT_EQ(close.fontSize, 1.5f);
}

struct ElementClassesDrawTest : GlTest {};

// Bevel lit 1.4x top and left, shaded 0.6x; the left button's press: 1 px on, shades swapped.
// A textured button has no bevel; a window's frame lies 3 px outside it, only with border set.
TEST_F(ElementClassesDrawTest, BevelsAndFrames) {
    using Case = std::array<unsigned char, 5>;  // background, light, dark, buttons down and up
    for (auto [bg, light, dark, down, up] :
         {Case{255, 255, 153, 1, 1}, {100, 140, 60, 0, 0}, {100, 60, 140, 0, 1}}) {
        Button button("b", nullptr, nullptr, px(100), px(100), px(40), px(20));
        button.bgColor = Color{{bg, bg, bg, 255}};
        button.onMouseDown(down);
        button.onMouseDown(down);  // moves once only
        button.onMouseUp(up);
        const int d = button.pressed;
        auto at = [&](int x, int y) { return pixel(x + d, y + d).red(); };
        EXPECT_EQ(litBox(drawnTree(&button)), (MatchedBox{99 + d, 100 + d, 140 + d, 121 + d, 857}));
        EXPECT_EQ(
            (std::vector<int>{at(120, 110), at(120, 101), at(99, 110), at(120, 120), at(139, 110)}),
            (std::vector<int>{bg, light, light, dark, dark}));
    }
    Button textured("b", nullptr, nullptr, px(100), px(100), px(40), px(20));
    const GLubyte white[] = {255, 255, 255, 255};
    glGenTextures(1, &textured.texture);
    glBindTexture(GL_TEXTURE_2D, textured.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    EXPECT_EQ(litBox(drawnTree(&textured)), solidBox(100, 100, 140, 120));
    Window window("w", nullptr, nullptr);
    window.setRect(px(200), px(150), px(100), px(60));
    EXPECT_EQ(litBox(drawnTree(&window)), solidBox(197, 147, 303, 213));
    window.border = false;
    EXPECT_EQ(litBox(drawnTree(&window)), solidBox(200, 150, 300, 210));
}

// "AB" at 16 px is a solid square; a quarter-size inset only with room; overflow snaps to 0.
TEST_F(ElementClassesDrawTest, TextAlignmentPlacesTheTextBox) {
    loadTextureFont(openBytes(encodeFontFile(makeTestFont())));
    auto textBox = [&](int width, int height, TextAlign h, TextAlign v) {
        TextElement element("", nullptr, "AB", px(300), px(300), px(width), px(height));
        element.fontColor = Color{{255, 0, 0, 255}};
        element.fontSize = px(16);
        element.hAlign = h;
        element.vAlign = v;
        return boxOf(drawnTree(&element), element.fontColor);
    };
    auto at = [](int dx, int dy) { return solidBox(300 + dx, 300 + dy, 316 + dx, 316 + dy); };
    const int wide[] = {4, 12, 20}, narrow[] = {0, -2, -5}, tall[] = {4, 7, 10};
    for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(textBox(40, 24, TextAlign(a), TextAlign::Center), at(wide[a], 4));
        EXPECT_EQ(textBox(10, 24, TextAlign(a), TextAlign::Center), at(narrow[a], 4));
        EXPECT_EQ(textBox(40, 30, TextAlign::Start, TextAlign(a)), at(4, tall[a]));
    }
    EXPECT_EQ(textBox(19, 24, TextAlign::End, TextAlign::Center), at(3, 4));
}

}  // namespace
