// Scrolling panels through the real routing and real GL: children clipped to the panel (and to
// an enclosing panel), hit testing that never reaches a clipped-away child, the wheel, and the
// scroll bar's thumb dragged or the track clicked.
#include "support/RoutedScene.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/TextField.h"
#include "trellis/render/Renderer.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

using namespace trellis;

namespace {

const Color kRed{{255, 0, 0, 255}}, kGreen{{0, 255, 0, 255}}, kBlue{{0, 0, 255, 255}};
const Color kYellow{{255, 255, 0, 255}}, kTrack{{90, 90, 90, 255}}, kThumb{{200, 200, 200, 255}};

// A flat element of one colour, placed in pixels.
GuiElement* block(const char* name, GuiElement* parent, int x, int y, int w, int h, Color color) {
    auto* element = new GuiElement(name, parent, px(x), px(y), px(w), px(h));
    element->bgColor = color;
    return element;
}

// A scrolling panel at (100, 100) pixels, 200 x 100, with a 10-pixel bar, over three blocks
// 240 pixels tall together: 140 pixels to scroll, a thumb of 42 and 58 pixels of travel.
class PanelScene : public RoutedScene {
public:
    void SetUp() override {
        RoutedScene::SetUp();
        panel = new Panel("panel", root);
        panel->setRect(px(100), px(100), px(200), px(100));
        panel->scroll = true;
        panel->bgColor = Color{{30, 30, 30, 255}};
        panel->barWidth = px(10);
        panel->barColor = kTrack;
        panel->thumbColor = kThumb;
        a = block("A", panel, 0, 0, 200, 60, kRed);
        b = block("B", panel, 0, 60, 150, 60, kGreen);
        c = block("C", panel, 0, 120, 150, 120, kBlue);
    }
    Panel* panel = nullptr;
    GuiElement *a = nullptr, *b = nullptr, *c = nullptr;
};

}  // namespace

TEST_F(PanelScene, ClipsChildrenToThePanelAndAnEnclosingOne) {
    auto* inner = new Panel("inner", panel);  // reaches 40 pixels below the outer panel
    inner->setRect(px(160), px(80), px(30), px(60));
    inner->scroll = true;
    inner->barWidth = px(10);
    inner->barColor = kTrack;
    block("Y", inner, 0, 0, 100, 200, kYellow);
    const auto pixels = drawn();
    EXPECT_EQ(boxOf(pixels, kRed), solidBox(100, 100, 290, 160));  // cut by the bar
    EXPECT_EQ(boxOf(pixels, kGreen), solidBox(100, 160, 250, 200));
    EXPECT_EQ(boxOf(pixels, kBlue), MatchedBox{});
    EXPECT_EQ(boxOf(pixels, kYellow), solidBox(260, 180, 280, 200));  // both clips at once
    EXPECT_EQ(litBox(pixels), solidBox(100, 100, 300, 200));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
}

TEST_F(PanelScene, DrawsTheBarOnlyWhenTheContentIsTaller) {
    auto pixels = drawn();
    EXPECT_EQ(boxOf(pixels, kTrack).left, 290);
    EXPECT_EQ(boxOf(pixels, kThumb), solidBox(291, 101, 299, 141));
    c->visible = false;  // 120 pixels of content left in 100
    panel->setSize(px(200), px(130));
    pixels = drawn();
    EXPECT_EQ(boxOf(pixels, kTrack), MatchedBox{});
    EXPECT_EQ(boxOf(pixels, kRed), solidBox(100, 100, 300, 160));  // the bar's column is free
    panel->scroll = false;  // a plain container clips nothing
    c->visible = true;
    EXPECT_EQ(boxOf(drawn(), kBlue), solidBox(100, 220, 250, 340));
}

// Points given in pixels, the element hovered there, before and after the wheel scrolls.
TEST_F(PanelScene, HitTestingFollowsTheClipAndTheScroll) {
    static int wheelLeftOver = 0;
    wheelLeftOver = 0;
    userScrollHandler = [](double, double) { ++wheelLeftOver; };
    auto* plain = new Panel("plain", root);
    plain->setRect(px(400), px(100), px(100), px(100));
    auto hoveredAt = [this](int x, int y) {
        moveTo(x, y);
        return hoveredElement->name;
    };
    EXPECT_EQ(hoveredAt(120, 120), "A");
    EXPECT_EQ(hoveredAt(295, 120), "panel");    // A runs under the bar: the bar wins
    EXPECT_EQ(hoveredAt(120, 230), "GuiRoot");  // C lies there, clipped away
    moveTo(150, 150);
    onScrollEvent(0, -1);  // one notch towards the user: 23 pixels down the content
    EXPECT_FLOAT_EQ(panel->childrenScrollY(), px(23));
    EXPECT_EQ(hoveredAt(120, 150), "B");
    onScrollEvent(0, -100);
    EXPECT_FLOAT_EQ(panel->childrenScrollY(), px(140));
    EXPECT_EQ(boxOf(drawn(), kBlue), solidBox(100, 100, 250, 200));
    EXPECT_EQ(hoveredAt(120, 110), "C");
    onScrollEvent(0, 100);
    EXPECT_FLOAT_EQ(panel->childrenScrollY(), 0);
    EXPECT_EQ(wheelLeftOver, 0);
    moveTo(450, 150);
    onScrollEvent(0, 1);  // the plain panel leaves the wheel to the application
    EXPECT_EQ(wheelLeftOver, 1);
    userScrollHandler = nullptr;
}

TEST_F(PanelScene, TheBarDragsAndJumps) {
    dragFromTo(295, 110, 295, 139);  // the thumb down by 29 of its 58 pixels of travel
    EXPECT_FLOAT_EQ(panel->childrenScrollY(), px(70));
    EXPECT_EQ(boxOf(drawn(), kThumb), solidBox(291, 130, 299, 170));
    dragFromTo(295, 110, 295, 60);  // grabbed on the track above: the thumb's middle comes
    EXPECT_FLOAT_EQ(panel->childrenScrollY(),
                    0);  // under the pointer, then follows it up and stops
    clickAt(295, 190);
    EXPECT_FLOAT_EQ(panel->childrenScrollY(), px(140));
    dragFromTo(150, 150, 150, 120);  // a drag on the content does not scroll
    EXPECT_FLOAT_EQ(panel->childrenScrollY(), px(140));
}

// The batched renderer hands panels and text fields over to their own drawing, in place: a
// scrolled panel with a text field inside draws the same as with the immediate renderer.
TEST_F(PanelScene, BothRenderersDrawTheSame) {
    auto* field = new TextField("field", panel, px(10), px(130), px(120), px(30));
    field->setText("a text wider than its field, scrolled to its end");
    panel->scrollTo(px(90));
    focusElement = field;
    setFrameReuse(false);
    const auto immediate = renderedBy(root, Renderer::Immediate);
    const auto batched = renderedBy(root, Renderer::Batched);
    setRenderer(Renderer::Immediate);
    EXPECT_TRUE(immediate == batched);
    EXPECT_EQ(boxOf(batched, kBlue).bottom, 200);  // clipped by the batched path too
}

// A context whose window origin is at the upper left (as trellis-render's) rasterises upside
// down in memory; the clips must turn with it.
TEST_F(PanelScene, ClipsWithTheWindowOriginAtTheUpperLeft) {
    const auto upright = drawn();
    glClipControl(GL_UPPER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
    const auto turned = drawn();
    glClipControl(GL_LOWER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
    const size_t row = size_t(kTestWindowWidth) * 4;
    std::vector<unsigned char> turnedBack(turned.size());
    for (int y = 0; y < kTestWindowHeight; ++y)
        std::copy_n(turned.begin() + row * y, row,
                    turnedBack.begin() + row * (kTestWindowHeight - 1 - y));
    EXPECT_TRUE(turnedBack == upright);
}

// Tab into a field scrolled out of sight scrolls the panel just far enough to show it.
TEST_F(PanelScene, TabScrollsTheFocusIntoView) {
    new TextField("near", panel, px(10), px(10), px(100), px(30));
    auto* far = new TextField("far", panel, px(10), px(200), px(100), px(30));
    clickAt(150, 120);
    tap(kKeyTab);
    EXPECT_EQ(focusElement, far);
    EXPECT_FLOAT_EQ(panel->childrenScrollY(), px(130));  // its bottom at the panel's bottom
    tap(kKeyTab, {kKeyLeftShift});
    EXPECT_FLOAT_EQ(panel->childrenScrollY(), px(10));  // its top at the panel's top
}
