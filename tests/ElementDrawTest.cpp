// Pixel tests for drawing the element tree in a hidden window: snapped quads, textured quads,
// bevelled frames, painter's order, hidden subtrees, the empty root and very deep trees.
#include "app/GuiShell.h"
#include "app/ScreenUnits.h"
#include "gui/GuiRoot.h"
#include "support/GlTest.h"
#include "support/PixelBox.h"

#include <GL/gl.h>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Gradients are interpolated, so shaded pixels may be off by one in each channel.
::testing::AssertionResult closeTo(Color actual, Color expected) {
    for (int i = 0; i < 4; ++i)
        if (std::abs(actual.rgba[i] - expected.rgba[i]) > 1)
            return ::testing::AssertionFailure() << ::testing::PrintToString(actual) << " is not "
                                                 << ::testing::PrintToString(expected);
    return ::testing::AssertionSuccess();
}

// The hidden window with a root as start-up builds it, and elements placed in whole pixels.
class ElementDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure())
            return;  // no window, so no pixel grid to build elements on
        root = std::make_unique<GuiRoot>();
        rootElement = root.get();
    }

    void TearDown() override {
        while (!elements.empty())  // newest first, so children go before their parents
            elements.pop_back();
        rootElement = nullptr;
        root.reset();
        GlTest::TearDown();
    }

    // A flat quad of color at (x, y) pixels from its parent's corner, w x h pixels.
    GuiElement& add(GuiElement* parent, int x, int y, int w, int h, Color color) {
        elements.push_back(std::make_unique<GuiElement>("", parent, px(x), px(y), px(w), px(h)));
        elements.back()->bgColor = color;
        return *elements.back();
    }

    void drawRoot() {
        beginFrame();
        root->drawTree();
        endFrame();
    }

    std::unique_ptr<GuiRoot> root;
    std::vector<std::unique_ptr<GuiElement>> elements;
};

// The real pixel grid of a 768-pixel-high viewport, and the two lengths snapped to it.
TEST_F(ElementDraw, ScreenUnitsComeFromTheViewport) {
    EXPECT_FLOAT_EQ(pixelSize, 0.13020833f);
    EXPECT_FLOAT_EQ(titleBarHeight, 2.4739583f);
    EXPECT_FLOAT_EQ(borderWidth, 0.390625f);
    EXPECT_DOUBLE_EQ(screenWidthUnits(), 100.0 * 1024 / 768);
}

// Quads given in arbitrary units fill exactly their snapped pixels; an empty one nothing.
TEST_F(ElementDraw, QuadFillsItsSnappedPixels) {
    struct {
        float x, y, width, height;
        PixelBox expected;
    } cases[] = {
        {10.0f, 2.5f, 5.0f, 1.0f, solidBox(77, 19, 115, 27)},
        {0.4f, 20.0f, 0.4f, 0.4f, solidBox(3, 154, 6, 157)},
        {-1.0f, 40.0f, 2.0f, 2.0f, solidBox(0, 307, 8, 322)},  // starts 7 px off screen
        {50.0f, 50.0f, 0.0f, 3.0f, PixelBox{}},
    };
    unsigned char shade = 10;
    for (auto& c : cases) {
        elements.push_back(
            std::make_unique<GuiElement>("", root.get(), c.x, c.y, c.width, c.height));
        elements.back()->bgColor = {{shade, 200, 100, 255}};
        shade += 10;
    }
    drawRoot();
    const auto image = frame();
    shade = 10;
    for (auto& c : cases) {
        EXPECT_EQ(boxOf(image, {{shade, 200, 100, 255}}), c.expected) << c.x << ", " << c.y;
        shade += 10;
    }
}

// A textured quad samples the bound texture between (u0, v0) at its top-left and (u1, v1)
// at its bottom-right, and the next flat quad is not textured.
TEST_F(ElementDraw, TexturedQuadSamplesTheBoundTexture) {
    const Color red{{255, 0, 0, 255}}, green{{0, 255, 0, 255}}, blue{{0, 0, 255, 255}},
        yellow{{255, 255, 0, 255}}, grey{{128, 128, 128, 255}};
    const Color texels[] = {red, green, blue, yellow};  // rows from t = 0
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);

    struct {
        float u0, v0, u1, v1;
        Color topLeft, topRight, bottomLeft, bottomRight;
    } cases[] = {
        {0, 0, 1, 1, red, green, blue, yellow},
        {1, 1, 0, 0, yellow, blue, green, red},
        {0.5f, 0, 1, 0.5f, green, green, green, green},
    };
    int left = 20;
    for (auto& c : cases) {
        GuiElement& quad = add(root.get(), left, 20, 20, 20, {{255, 255, 255, 255}});
        quad.texture = 7;  // only a switch: the quad samples whatever is bound
        quad.u0 = c.u0, quad.v0 = c.v0, quad.u1 = c.u1, quad.v1 = c.v1;
        left += 30;
    }
    add(root.get(), left, 20, 20, 20, grey);
    drawRoot();

    left = 20;
    for (auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "u " << c.u0 << ".." << c.u1 << ", v " << c.v0 << ".." << c.v1);
        EXPECT_EQ(pixel(left + 2, 22), c.topLeft);
        EXPECT_EQ(pixel(left + 17, 22), c.topRight);
        EXPECT_EQ(pixel(left + 2, 37), c.bottomLeft);
        EXPECT_EQ(pixel(left + 17, 37), c.bottomRight);
        left += 30;
    }
    EXPECT_EQ(boxOf(frame(), grey), solidBox(left, 20, left + 20, 40));
    glDeleteTextures(1, &name);
}

// An element that frames itself, as a window does.
struct Framed : GuiElement {
    Framed(GuiElement* parent, int x, int y, int w, int h, float frameWidth)
        : GuiElement("framed", parent, px(x), px(y), px(w), px(h)), frameWidth(frameWidth) {}
    void draw() override {
        GuiElement::draw();
        drawBorder(frameColor, frameWidth);
    }
    Color frameColor{{150, 120, 90, 255}};
    float frameWidth;
};

// The frame lies outside the rectangle, 3 px for 0.4 units, shading from the colour at the
// rectangle to 1.4x (top, left) or 0.6x (right, bottom) at its outer edge, with mitred
// corners; a width under half a pixel draws no frame at all.
TEST_F(ElementDraw, BorderIsABevelledFrameOutsideTheRectangle) {
    const Color inside{{0, 0, 255, 255}};
    Framed framed(root.get(), 100, 100, 40, 30, 0.4f);
    Framed bare(root.get(), 300, 100, 40, 30, 0.06f);
    framed.bgColor = bare.bgColor = inside;

    // Smooth shading across 3 px: pixel k out from the rectangle has its centre at (k + 0.5) / 3.
    const Color n = framed.frameColor, light = scaleColor(n, 1.4f), dark = scaleColor(n, 0.6f);
    auto shade = [n](Color outer, int k) {
        Color c = n;
        for (int i = 0; i < 3; ++i)
            c.rgba[i] = n.rgba[i] + (outer.rgba[i] - n.rgba[i]) * (k + 0.5f) / 3 + 0.5f;
        return c;
    };
    struct {
        int x, y;  // relative to the rectangle's top-left pixel; it is 40 x 30 px
        Color expected;
    } cases[] = {
        {0, 0, inside},
        {39, 29, inside},
        {20, -1, shade(light, 0)},
        {20, -3, shade(light, 2)},
        {20, -4, kBlack},
        {-1, 15, shade(light, 0)},
        {-3, 15, shade(light, 2)},
        {-4, 15, kBlack},
        {40, 15, shade(dark, 0)},
        {42, 15, shade(dark, 2)},
        {43, 15, kBlack},
        {20, 30, shade(dark, 0)},
        {20, 32, shade(dark, 2)},
        {20, 33, kBlack},
        // Top-right mitre: the top quad above the diagonal, the right quad below it.
        {41, -3, shade(light, 2)},
        {42, -2, shade(dark, 2)},
        // Bottom-left mitre: the left quad above the diagonal, the bottom quad below it.
        {-3, 31, shade(light, 2)},
        {-2, 32, shade(dark, 2)},
        // The outer corner pixels sit on the mitre diagonals, and GL's tie rule gives each
        // to one quad only: the top-right one to the right quad (dark, though the top quad
        // comes later), the bottom-left one to the bottom quad.
        {42, -3, shade(dark, 2)},
        {-3, 32, shade(dark, 2)},
        {-3, -3, shade(light, 2)},
        {42, 32, shade(dark, 2)},
    };
    drawRoot();
    for (auto c : cases)
        EXPECT_TRUE(closeTo(pixel(100 + c.x, 100 + c.y), c.expected)) << c.x << ", " << c.y;

    // Everything drawn: the 3 px frame all round the first, no frame round the second.
    EXPECT_EQ(litBox(frame()), (PixelBox{97, 97, 340, 133, 46 * 36 + 40 * 30}));
}

// Siblings are drawn oldest first and children after their parent, so later ones cover
// earlier ones; attaching a child again draws it again, on top.
TEST_F(ElementDraw, LaterSiblingsCoverEarlierOnes) {
    const Color red{{255, 0, 0, 255}}, green{{0, 255, 0, 255}}, blue{{0, 0, 255, 255}};
    GuiElement& first = add(root.get(), 10, 10, 40, 40, red);
    add(&first, 0, 0, 15, 15, blue);
    add(root.get(), 30, 30, 40, 40, green);
    struct {
        int x, y;
        Color before, after;  // before and after first is attached a second time
    } cases[] = {
        {12, 12, blue, blue},   {27, 27, red, red},     {45, 45, green, red},
        {65, 65, green, green}, {5, 5, kBlack, kBlack},
    };
    drawRoot();
    for (auto c : cases)
        EXPECT_EQ(pixel(c.x, c.y), c.before) << c.x << ", " << c.y;
    root->addChild(&first);
    drawRoot();
    for (auto c : cases)
        EXPECT_EQ(pixel(c.x, c.y), c.after) << c.x << ", " << c.y;
}

// An invisible child hides its whole subtree; drawTree called on it directly still draws it.
TEST_F(ElementDraw, InvisibleChildrenAreNotDrawn) {
    const Color shown{{0, 200, 0, 255}}, hidden{{200, 0, 0, 255}}, below{{0, 0, 200, 255}};
    GuiElement& parent = add(root.get(), 10, 10, 100, 100, shown);
    GuiElement& invisible = add(&parent, 10, 10, 30, 30, hidden);
    add(&invisible, 5, 5, 10, 10, below);
    add(root.get(), 200, 10, 20, 20, hidden).visible = false;
    invisible.visible = false;
    drawRoot();
    auto image = frame();
    EXPECT_EQ(boxOf(image, shown), solidBox(10, 10, 110, 110));
    EXPECT_EQ(litBox(image), solidBox(10, 10, 110, 110));

    beginFrame();
    glTranslatef(parent.x, parent.y, 0);
    invisible.drawTree();
    endFrame();
    image = frame();
    EXPECT_EQ(boxOf(image, hidden), (PixelBox{20, 20, 50, 50, 30 * 30 - 10 * 10}));
    EXPECT_EQ(boxOf(image, below), solidBox(25, 25, 35, 35));
}

// The root has no look of its own: alone, it leaves the whole frame at the clear colour.
TEST_F(ElementDraw, RootDrawsNothing) {
    drawRoot();
    EXPECT_EQ(litBox(frame()), PixelBox{});
}

// 200 levels, each 3 px right of and below its parent, far past OpenGL's guaranteed 32
// model-view entries: every level lands on its pixels, elements drawn after a deep subtree
// land on theirs, and the matrix stack is left as it was, without a GL error.
TEST_F(ElementDraw, DeepTreeDrawsEveryLevelInPlace) {
    constexpr int kLevels = 200;
    auto levelColor = [](int level) { return Color{{uint8_t(level), 255, 90, 255}}; };
    auto markerColor = [](int level) { return Color{{255, uint8_t(level), 255, 255}}; };
    std::vector<GuiElement*> levels;
    GuiElement* parent = root.get();
    for (int level = 0; level < kLevels; ++level)
        levels.push_back(parent = &add(parent, 3, 3, 2, 2, levelColor(level)));
    // Newer children, so drawn after the rest of the chain below their parent.
    const int marked[] = {10, 23, 24, 150};
    for (int level : marked)
        add(levels[level], 60, 0, 2, 2, markerColor(level));

    beginFrame();
    GLint depthBefore = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    while (glGetError() != GL_NO_ERROR) {
    }
    root->drawTree();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    endFrame();

    const auto image = frame();
    for (int level : {0, 1, 22, 23, 24, 25, 30, 31, 32, 33, 64, 100, 150, 198, 199}) {
        const int at = 3 * (level + 1);
        EXPECT_EQ(boxOf(image, levelColor(level)), solidBox(at, at, at + 2, at + 2))
            << "level " << level;
    }
    for (int level : marked) {
        const int at = 3 * (level + 1);
        EXPECT_EQ(boxOf(image, markerColor(level)), solidBox(at + 60, at, at + 62, at + 2))
            << "marker below level " << level;
    }
}

}  // namespace
