// Pixel tests for the element classes in a hidden window: the button's bevel and pressed look,
// the window frame, and text placement with a synthetic font of solid glyphs.
#include "font/TextureFont.h"
#include "gui/Button.h"
#include "gui/Window.h"
#include "support/GlTest.h"
#include "support/PixelBox.h"
#include "support/TestFont.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

class ElementClassesDrawTest : public GlTest {
protected:
    // Draws element alone over black.
    void drawAlone(GuiElement& element) {
        beginFrame();
        element.drawTree();
        endFrame();
    }
};

// The bevel is lit at the top and left and shaded at the bottom and right: 1.4 times the
// background clamps at 255, 0.6 times 255 gives 153. The lines lie on pixel boundaries, so
// the left and bottom ones land just outside the quad and the others just inside.
TEST_F(ElementClassesDrawTest, ButtonBevelShades) {
    const struct {
        unsigned char background, light, dark;
    } cases[] = {{255, 255, 153}, {100, 140, 60}};
    for (const auto& c : cases) {
        Button button("b", nullptr, nullptr, px(100), px(100), px(40), px(20));
        button.bgColor = Color{{c.background, c.background, c.background, 255}};
        drawAlone(button);
        const Color light{{c.light, c.light, c.light, 255}}, dark{{c.dark, c.dark, c.dark, 255}};
        SCOPED_TRACE(int(c.background));
        EXPECT_EQ(pixel(120, 110), button.bgColor);
        EXPECT_EQ(pixel(120, 101), light);  // top, one pixel down
        EXPECT_EQ(pixel(99, 110), light);   // left
        EXPECT_EQ(pixel(120, 120), dark);   // bottom
        EXPECT_EQ(pixel(139, 110), dark);   // right
        // Nothing else: the quad, the left line below the top one, the bottom line.
        EXPECT_EQ(litBox(frame()), (PixelBox{99, 100, 140, 121, 40 * 20 + 19 + 38}));
    }
}

// Pressed, the whole button, bevel included, stands one pixel right and down with the two
// shades swapped.
TEST_F(ElementClassesDrawTest, PressedLookMovesAndSwapsShades) {
    Button button("b", nullptr, nullptr, px(100), px(100), px(40), px(20));
    button.bgColor = Color{{100, 100, 100, 255}};
    drawAlone(button);
    const std::vector<unsigned char> resting = frame();
    button.setPressed(true);
    drawAlone(button);
    const std::vector<unsigned char> pressed = frame();
    auto swapped = [](unsigned char v) -> unsigned char {
        return v == 140 ? 60 : v == 60 ? 140 : v;
    };
    int bevelPixels = 0;
    for (int y = 95; y < 125; ++y) {
        for (int x = 95; x < 145; ++x) {
            const unsigned char* was = &resting[(size_t(y) * kTestWindowWidth + x) * 4];
            const unsigned char* now = &pressed[(size_t(y + 1) * kTestWindowWidth + x + 1) * 4];
            bevelPixels += was[0] == 140 || was[0] == 60;
            for (int k = 0; k < 4; ++k)
                ASSERT_EQ(now[k], k < 3 ? swapped(was[k]) : was[k]) << "resting " << x << ", " << y;
        }
    }
    EXPECT_GT(bevelPixels, 100);
}

// A textured button is its quad alone: no bevel line inside or around it.
TEST_F(ElementClassesDrawTest, TexturedButtonHasNoBevel) {
    GLuint white = 0;
    const unsigned char texel[4] = {255, 255, 255, 255};
    glGenTextures(1, &white);
    glBindTexture(GL_TEXTURE_2D, white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);

    Button button("b", nullptr, nullptr, px(100), px(100), px(40), px(20));
    button.bgColor = Color{{100, 100, 100, 255}};
    button.texture = white;
    drawAlone(button);
    const std::vector<unsigned char> drawn = frame();
    EXPECT_EQ(litBox(drawn), solidBox(100, 100, 140, 120));
    EXPECT_EQ(boxOf(drawn, button.bgColor), solidBox(100, 100, 140, 120));
}

// The frame lies outside the window's rectangle, three pixels wide at 768 pixels, and is
// drawn only while border is set.
TEST_F(ElementClassesDrawTest, WindowFrameSurroundsTheRectangle) {
    Window window("w", nullptr, nullptr);
    window.setRect(px(200), px(150), px(100), px(60));
    window.bgColor = Color{{0, 0, 200, 255}};
    drawAlone(window);
    const std::vector<unsigned char> framed = frame();
    EXPECT_EQ(litBox(framed), solidBox(197, 147, 303, 213));
    EXPECT_EQ(boxOf(framed, window.bgColor), solidBox(200, 150, 300, 210));

    window.border = false;
    drawAlone(window);
    EXPECT_EQ(litBox(frame()), solidBox(200, 150, 300, 210));
}

// Text placement along both axes, with the test font's solid glyphs half as wide as the line
// is high, so the drawn text's bounding box is exactly where it was placed.
// At 16 pixels the text "AB" is 16 x 16 pixels and the inset is 4 pixels. Negative offsets
// are snapped toward zero: an overflow by 6 pixels draws 5 past the edge.
TEST_F(ElementClassesDrawTest, TextAlignmentPlacesTheTextBox) {
    loadTextureFont(openBytes(encodeFontFile(makeTestFont())));
    ASSERT_TRUE(fontLoaded);

    using A = TextAlign;
    const struct {
        int width, height;
        TextAlign h, v;
        int dx, dy;  // top-left of the text in the element, pixels
    } cases[] = {
        {40, 24, A::Start, A::Center, 4, 4},   {21, 24, A::Start, A::Center, 4, 4},
        {19, 24, A::Start, A::Center, 0, 4},   {10, 24, A::Start, A::Center, 0, 4},
        {40, 24, A::Center, A::Center, 12, 4}, {16, 24, A::Center, A::Center, 0, 4},
        {10, 24, A::Center, A::Center, -2, 4}, {40, 24, A::End, A::Center, 20, 4},
        {19, 24, A::End, A::Center, 3, 4},     {10, 24, A::End, A::Center, -5, 4},
        {40, 30, A::Start, A::Start, 4, 4},    {40, 18, A::Start, A::Start, 4, 0},
        {40, 30, A::Start, A::End, 4, 10},     {40, 18, A::Start, A::End, 4, 2},
        {40, 30, A::Start, A::Center, 4, 7},   {40, 10, A::Start, A::Center, 4, -2},
    };
    const Color red{{255, 0, 0, 255}};
    for (const auto& c : cases) {
        TextElement element("", nullptr, "AB", px(300), px(300), px(c.width), px(c.height));
        element.bgColor = kBlack;
        element.fontColor = red;
        element.fontSize = px(16);
        element.hAlign = c.h;
        element.vAlign = c.v;
        drawAlone(element);
        const int left = 300 + c.dx, top = 300 + c.dy;
        EXPECT_EQ(boxOf(frame(), red), solidBox(left, top, left + 16, top + 16))
            << c.width << " x " << c.height << ", align " << int(c.h) << " / " << int(c.v);
    }

    // Empty text draws only the quad and leaves the current text size alone.
    TextElement empty("", nullptr, "", px(300), px(300), px(40), px(24));
    empty.fontSize = px(30);
    drawAlone(empty);
    EXPECT_EQ(currentTextSize, px(16));
    EXPECT_EQ(litBox(frame()), solidBox(300, 300, 340, 324));
}

}  // namespace
