// Tests for the element tree without GL: pixel snapping, element geometry, child lists, colour
// shading, callbacks and the element name registry.
#include "app/GuiShell.h"
#include "app/ScreenUnits.h"
#include "gui/ElementRegistry.h"
#include "gui/GuiRoot.h"
#include "support/GlTest.h"
#include "support/PixelBox.h"

#include <memory>
#include <vector>

namespace {

// The element registered under name, or null.
GuiElement* registered(const std::string& name) {
    auto found = elementRegistry.find(name);
    return found == elementRegistry.end() ? nullptr : found->second;
}

// The child list, newest first.
std::vector<GuiElement*> childrenOf(const GuiElement& element) {
    return {element.children.begin(), element.children.end()};
}

// Screen units of a 1024 x 768 window; no root unless a test builds one.
class ElementTree : public ::testing::Test {
protected:
    void SetUp() override { useScreenUnits(); }
    void TearDown() override { rootElement = nullptr; }
};

// Remembers how often a callback ran and for which sender; it is its own receiver.
struct Firing {
    int count = 0;
    CallbackSender* sender = nullptr;
};

void recordFiring(void* receiver, CallbackSender* sender) {
    auto* firing = static_cast<Firing*>(receiver);
    ++firing->count;
    firing->sender = sender;
}

// An element that logs every setRect reaching it through the virtual slot.
struct RectLogger : GuiElement {
    using GuiElement::GuiElement;
    void setRect(float newX, float newY, float newWidth, float newHeight) override {
        calls.push_back({newX, newY, newWidth, newHeight});
        GuiElement::setRect(newX, newY, newWidth, newHeight);
    }
    std::vector<std::vector<float>> calls;
};

// Snapping at 768 pixels: nearest pixel with halves going up, negatives truncated toward zero.
TEST_F(ElementTree, SnapToPixelMatchesTheGrid) {
    struct {
        float units, snapped;
    } unitCases[] = {{2.5f, 2.4739583f},
                     {0.4f, 0.390625f},
                     {-1.0f, -0.91145831f},
                     {10.0f, 10.026041f},
                     {0.0f, 0.0f}};
    for (auto c : unitCases)
        EXPECT_FLOAT_EQ(snapToPixel(c.units), c.snapped) << c.units << " units";

    struct {
        float pixels, snappedPixels;
    } pixelCases[] = {{0.5f, 1}, {0.49f, 0}, {1.7f, 2}, {-1.7f, -1}, {-0.6f, 0}, {10.0f, 10}};
    for (auto c : pixelCases)
        EXPECT_EQ(snapToPixel(px(c.pixels)), px(c.snappedPixels)) << c.pixels << " px";
    EXPECT_EQ(snapToPixel(-1.0f), px(-7));

    // setRect snaps again whatever it is handed, so whole pixels must stay put.
    for (int n = 0; n <= kTestWindowWidth; ++n)
        ASSERT_EQ(snapToPixel(px(n)), px(n)) << n << " px";
}

// Construction and setRect snap all four values; setSize and setPosition go through the
// virtual setRect and keep the other pair.
TEST_F(ElementTree, GeometryIsSnappedAndRoutedThroughSetRect) {
    RectLogger element("logger", nullptr, 10.0f, 2.5f, 0.4f, -1.0f);
    EXPECT_EQ(element.x, px(77));
    EXPECT_EQ(element.y, px(19));
    EXPECT_EQ(element.width, px(3));
    EXPECT_EQ(element.height, px(-7));
    EXPECT_TRUE(element.calls.empty());

    element.setSize(2.5f, 0.4f);
    element.setPosition(px(4), 1.0f);
    ASSERT_EQ(element.calls.size(), 2u);
    EXPECT_EQ(element.calls[0], (std::vector<float>{px(77), px(19), 2.5f, 0.4f}));
    EXPECT_EQ(element.calls[1], (std::vector<float>{px(4), 1.0f, px(19), px(3)}));
    EXPECT_EQ(element.x, px(4));
    EXPECT_EQ(element.y, px(8));
    EXPECT_EQ(element.width, px(19));
    EXPECT_EQ(element.height, px(3));
}

// A point on any of the four edges is outside; the test is in the parent's coordinates.
TEST_F(ElementTree, ContainsPointIsStrictOnEveryEdge) {
    GuiElement element("box", nullptr, px(10), px(20), px(30), px(40));
    const float left = px(10), top = px(20), right = px(40), bottom = px(60);
    const float midX = px(25), midY = px(40), in = px(0.5f);
    struct {
        float x, y;
        bool inside;
    } cases[] = {
        {midX, midY, true},       {left + in, top + in, true}, {right - in, bottom - in, true},
        {left, midY, false},      {right, midY, false},        {midX, top, false},
        {midX, bottom, false},    {left, top, false},          {right, bottom, false},
        {left - in, midY, false}, {midX, bottom + in, false},  {px(5), px(5), false},
    };
    for (auto c : cases)
        EXPECT_EQ(element.containsPoint(c.x, c.y), c.inside)
            << "(" << c.x / pixelSize << ", " << c.y / pixelSize << ") px";
}

// The child list keeps the newest first, repeats included; removeChild drops every copy.
TEST_F(ElementTree, AddChildAndRemoveChild) {
    GuiElement parent("parent", nullptr, 0, 0, 10, 10);
    GuiElement first("first", &parent, 0, 0, 1, 1);
    GuiElement second("second", &parent, 0, 0, 1, 1);
    EXPECT_EQ(childrenOf(parent), (std::vector<GuiElement*>{&second, &first}));
    EXPECT_EQ(first.parent, &parent);

    parent.addChild(&first);
    EXPECT_EQ(childrenOf(parent), (std::vector<GuiElement*>{&first, &second, &first}));

    parent.removeChild(&first);
    EXPECT_EQ(childrenOf(parent), (std::vector<GuiElement*>{&second}));
    EXPECT_EQ(first.parent, nullptr);
    EXPECT_EQ(second.parent, &parent);
}

// Shading scales red, green and blue, clamps at 255, truncates and keeps alpha.
TEST_F(ElementTree, ScaleColor) {
    struct {
        Color in;
        float factor;
        Color out;
    } cases[] = {
        {{{172, 172, 172, 255}}, 1.4f, {{240, 240, 240, 255}}},
        {{{172, 172, 172, 255}}, 0.6f, {{103, 103, 103, 255}}},
        {{{200, 100, 0, 7}}, 1.4f, {{255, 140, 0, 7}}},
        {{{255, 1, 10, 0}}, 0.6f, {{153, 0, 6, 0}}},
    };
    for (auto c : cases)
        EXPECT_EQ(scaleColor(c.in, c.factor), c.out) << c.factor;
}

// Callbacks fire only with a receiver, hand the element over as sender, and click numbers
// outside the ten slots are ignored.
TEST_F(ElementTree, EventsFireTheirCallbacks) {
    GuiElement element("clicky", nullptr, 0, 0, 1, 1);
    Firing noReceiver;
    element.mouseDownCallback = {recordFiring, nullptr};
    element.onMouseDown(0);
    EXPECT_EQ(noReceiver.count, 0);

    Firing down;
    element.mouseDownCallback = {recordFiring, &down};
    for (int button : {0, 1, 7})
        element.onMouseDown(button);
    EXPECT_EQ(down.count, 3);
    EXPECT_EQ(down.sender, static_cast<CallbackSender*>(&element));

    Firing clicks[kClickCallbackCount];
    for (int i = 0; i < kClickCallbackCount; ++i)
        element.clickCallbacks[i] = {recordFiring, &clicks[i]};
    for (int button : {-1, kClickCallbackCount, 1000})
        element.onClick(button);
    for (int i = 0; i < kClickCallbackCount; ++i) {
        EXPECT_EQ(clicks[i].count, 0);
        element.onClick(i);
        EXPECT_EQ(clicks[i].count, 1) << "button " << i;
        EXPECT_EQ(clicks[i].sender, static_cast<CallbackSender*>(&element));
    }
    EXPECT_EQ(down.count, 3);
    EXPECT_FALSE(element.onKeyDown('A'));
    EXPECT_FALSE(element.onKeyUp('A'));
}

// The root takes "GuiRoot" and hangs nowhere; later parentless elements hang from it only
// when their name is free; the first of several same-named elements holds the name.
TEST_F(ElementTree, RegistryKeepsTheFirstOfEachName) {
    GuiRoot root;
    EXPECT_EQ(registered("GuiRoot"), &root);
    EXPECT_EQ(root.parent, nullptr);
    EXPECT_TRUE(root.children.empty());
    rootElement = &root;

    GuiElement loose("loose", nullptr, 0, 0, 1, 1);
    GuiElement stray("loose", nullptr, 0, 0, 1, 1);
    EXPECT_EQ(loose.parent, &root);
    EXPECT_EQ(stray.parent, nullptr);
    EXPECT_EQ(childrenOf(root), (std::vector<GuiElement*>{&loose}));
    EXPECT_EQ(registered("loose"), &loose);

    GuiElement twin1("twin", &loose, 0, 0, 1, 1);
    GuiElement twin2("twin", &loose, 0, 0, 1, 1);
    GuiElement blank1("", &loose, 0, 0, 1, 1);
    GuiElement blank2("", &loose, 0, 0, 1, 1);
    GuiElement blank3("", &twin2, 0, 0, 1, 1);
    EXPECT_EQ(childrenOf(loose), (std::vector<GuiElement*>{&blank2, &blank1, &twin2, &twin1}));
    EXPECT_EQ(registered("twin"), &twin1);
    EXPECT_EQ(registered(""), &blank1);
    EXPECT_EQ(blank3.parent, &twin2);
    EXPECT_EQ(childrenOf(root), (std::vector<GuiElement*>{&loose}));
}

// Destroying an element lets go of its parent, its name and its children: a duplicate's end
// keeps the holder's entry, the holder's end frees the name, and children are not left
// pointing at freed memory.
TEST_F(ElementTree, DestructionReleasesNameParentAndChildren) {
    GuiElement parent("parent", nullptr, 0, 0, 10, 10);
    GuiElement holder("name", &parent, 0, 0, 1, 1);
    auto duplicate = std::make_unique<GuiElement>("name", &parent, 0, 0, 1, 1);
    duplicate.reset();
    EXPECT_EQ(registered("name"), &holder);
    EXPECT_EQ(childrenOf(parent), (std::vector<GuiElement*>{&holder}));

    auto owner = std::make_unique<GuiElement>("owner", &parent, 0, 0, 1, 1);
    GuiElement orphan1("orphan", owner.get(), 0, 0, 1, 1);
    GuiElement orphan2("", owner.get(), 0, 0, 1, 1);
    owner.reset();
    EXPECT_EQ(orphan1.parent, nullptr);
    EXPECT_EQ(orphan2.parent, nullptr);
    EXPECT_EQ(registered("owner"), nullptr);
    EXPECT_EQ(childrenOf(parent), (std::vector<GuiElement*>{&holder}));

    GuiElement reborn("owner", &parent, 0, 0, 1, 1);
    EXPECT_EQ(registered("owner"), &reborn);
}

}  // namespace
