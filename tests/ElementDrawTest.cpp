// Pixel tests for drawing the element tree: quads, textures, frames, order, hiding, deep trees.
#include "support/MatchedBox.h"
#include "trellis/gui/GuiRoot.h"

#include <GL/gl.h>

using namespace trellis;

const Color red{{255, 0, 0, 255}}, white{{255, 255, 255, 255}}, grey{{128, 128, 128, 255}},
    yellow{{255, 255, 0, 255}}, cyan{{0, 255, 255, 255}}, pink{{255, 0, 255, 255}};

class ElementDraw : public GlTest {
protected:
    // A new element, owned by its parent (and so by the root).
    GuiElement& add(GuiElement* parent, float x, float y, float w, float h, Color color) {
        GuiElement* element = new GuiElement("", parent, px(x), px(y), px(w), px(h));
        element->bgColor = color;
        return *element;
    }
    const bool unitsFixed = (useScreenUnits(), true);  // before the root snaps its rectangle
    GuiRoot root;
};

// Snapped and textured quads in painter's order, invisible subtrees skipped, the root unseen.
TEST_F(ElementDraw, DrawsSnappedTexturedQuadsInPaintersOrder) {
    EXPECT_EQ(litBox(drawnTree(&root)), MatchedBox{});
    const Color texels[] = {yellow, cyan, pink, yellow};  // rows from t = 0
    glBindTexture(GL_TEXTURE_2D, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    add(&root, 500, 20, 20, 20, white).texture = 7;  // any name: it samples what is bound
    GuiElement& part = add(&root, 530, 20, 20, 20, white);
    part.texture = 7, part.u0 = 0.5f, part.v1 = 0.5f;  // the top-right texel only
    add(&root, 560, 20, 20, 20, grey);
    GuiElement& first = add(&root, 200.4f, 199.6f, 40.3f, 39.8f, red);
    add(&first, 0, 0, 15, 15, cyan);
    add(&root, 220, 220, 40, 40, cyan);
    add(&add(&first, -5, 50, 10, 10, white), 0, 0, 5, 5, white).parent->visible = false;
    const auto image = drawnTree(&root);
    EXPECT_EQ(boxOf(image, red), (MatchedBox{200, 200, 240, 240, 40 * 40 - 15 * 15 - 20 * 20}));
    EXPECT_EQ(boxOf(image, white), MatchedBox{});
    EXPECT_EQ(boxOf(image, grey), solidBox(560, 20, 580, 40));
    EXPECT_EQ((std::vector{pixel(517, 22), pixel(502, 37), pixel(532, 22), pixel(547, 37)}),
              (std::vector{cyan, pink, cyan, cyan}));
}

// drawBorder's frame: 3 px for 0.4 units, outside, light top and left, dark right and bottom.
TEST_F(ElementDraw, BorderIsABevelledFrameOutsideTheRectangle) {
    GuiElement& box = add(&root, 100, 100, 40, 30, cyan);
    beginFrame();
    glTranslatef(box.x, box.y, 0);
    box.draw();
    box.drawBorder({{150, 120, 90, 255}}, 0.4f);
    endFrame();
    EXPECT_EQ(litBox(frame()), (MatchedBox{97, 97, 143, 133, 46 * 36}));
    // Red above 150 on the light sides, below on the dark, either side of two mitres too.
    const int at[][3] = {{120, 97, 1},  {97, 115, 1},  {141, 97, 1}, {97, 131, 1},
                         {142, 115, 0}, {120, 132, 0}, {142, 98, 0}, {98, 132, 0}};
    for (auto [x, y, light] : at)
        EXPECT_EQ(pixel(x, y).red() > 150, light == 1) << x << ", " << y;
}

// 200 levels 3 px apart, and each level's later child, drawn after its deep subtree, in place.
TEST_F(ElementDraw, DeepTreeDrawsEveryLevelInPlace) {
    auto colour = [](int level, bool later) { return Color{{uint8_t(level), later, 90, 255}}; };
    std::vector<GuiElement*> levels{&root};
    for (int level = 0; level < 200; ++level)
        levels.push_back(&add(levels.back(), 3, 3, 2, 2, colour(level, false)));
    for (int level = 0; level < 200; ++level)
        add(levels[level + 1], 60, 0, 2, 2, colour(level, true));
    const auto image = drawnTree(&root);
    for (int level : {0, 22, 23, 24, 25, 32, 100, 199}) {
        const int at = 3 * (level + 1);
        EXPECT_EQ(boxOf(image, colour(level, false)), solidBox(at, at, at + 2, at + 2)) << level;
        EXPECT_EQ(boxOf(image, colour(level, true)), solidBox(at + 60, at, at + 62, at + 2));
    }
}
