// Tests for input routing without a window: handlers called directly on small trees, events logged.
#include "trellis/gui/InputRouting.h"
#include "support/GlTest.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/shell/GuiShell.h"

#include <tuple>
#include <utility>

using namespace trellis;

static std::vector<std::string> events;  // element events and application hooks, in order

static const auto say = [](std::string s, int a) { events.push_back(s + " " + std::to_string(a)); };

// An element placed in pixels that logs every event the routing delivers to it.
struct Probe : GuiElement {
    Probe(const char* name, GuiElement* parent, int x, int y, int w, int h)
        : GuiElement(name, parent, x * pixelSize, y * pixelSize, w * pixelSize, h * pixelSize) {}
    void onMouseDown(int button) override { say(name + " down", button); }
    void onMouseUp(int button) override { say(name + " up", button); }
    void onClick(int button) override { say(name + " click", button); }
    void onMouseEnter() override { events.push_back(name + " enter"); }
    void onMouseLeave() override { events.push_back(name + " leave"); }
    bool onKeyDown(int key) override { return say(name + " keydown", key), eatsKeys; }
    bool onKeyUp(int key) override { return say(name + " keyup", key), eatsKeys; }
    bool eatsKeys = false;
};

struct Routing : ::testing::Test {
    void SetUp() override { useScreenUnits(), rootElement = root = new GuiRoot(); }
    GuiRoot* root = nullptr;
};

// Hits; edges lie on multiples of 64 pixels, exact in screen units, to meet the strict test.
TEST_F(Routing, PointerFindsTheNewestDeepestVisibleElement) {
    Probe* a = new Probe("A", root, 64, 64, 128, 128);
    new Probe("A1", a, 64, 64, 32, 32);  // 128..160 on screen
    new Probe("A2", a, 96, 16, 64, 32);  // 160..224 x 80..112: sticks out of A
    new Probe("B", root, 256, 64, 128, 128);
    Probe* hidden = new Probe("H", root, 300, 80, 40, 40);
    new Probe("H1", hidden, 10, 10, 20, 20);  // visible, but under an invisible parent
    hidden->visible = false;
    new Probe("C", root, 320, 128, 128, 128);  // newer than B, drawn after it, overlapping it
    const std::tuple<int, int, const char*> cases[] = {
        {140, 140, "A1"},     {64, 100, "GuiRoot"}, {140, 128, "A"}, {170, 96, "A2"},
        {200, 96, "GuiRoot"}, {350, 150, "C"},      {320, 100, "B"}, {-64, 5000, "GuiRoot"}};
    for (const auto& [x, y, hovered] : cases) {
        onMousePos(x, y);
        EXPECT_EQ(hoveredElement->name, hovered) << x << ", " << y;
    }
    EXPECT_EQ(root->children.oldestFirst().back()->name, "C");  // the hit is drawn last
}

// One session of moves (m x y), buttons (b button action) and keys (k key action).
TEST_F(Routing, EventsReachElementsAndHooksInOrder) {
    new Probe("PC", new Probe("P", root, 64, 64, 64, 64), 16, 16, 16, 16);  // 80..96 on screen
    (new Probe("K", root, 300, 64, 64, 64))->eatsKeys = true;
    userMousePosHandler = [](int x, int y) { say("pos " + std::to_string(x), y); };
    userMouseButtonHandler = [](int b, int action) { say("button " + std::to_string(b), action); };
    userKeyHandler = [](int key, int action) { say("key " + std::to_string(key), action); };
    const std::tuple<char, int, int, decltype(events)> script[] = {
        {'b', 0, 1, {"button 0 1"}},  // before any position: nothing hovered
        {'m', 70, 70, {"P enter", "pos 70 70"}},
        {'m', 75, 120, {"pos 75 120"}},
        {'m', 85, 85, {"PC enter", "P leave", "pos 85 85"}},
        {'b', 1, 1, {"PC down 1"}},
        {'k', 66, 1, {"key 66 1"}},  // a right press does not focus
        {'b', 0, 1, {"PC down 0"}},
        {'k', 67, 0, {"PC keyup 67", "key 67 0"}},
        {'m', 310, 80, {"K enter", "PC leave", "pos 310 80"}},
        {'b', 0, 0, {"K up 0"}},  // released elsewhere: no click, and the press forgotten
        {'m', 85, 85, {"PC enter", "K leave", "pos 85 85"}},
        {'b', 0, 0, {"PC up 0"}},
        {'b', 10, 1, {"button 10 1"}},  // beyond the routed buttons
        {'b', -1, 0, {"button -1 0"}},
        {'m', 310, 80, {"K enter", "PC leave", "pos 310 80"}},
        {'b', 0, 1, {"K down 0"}},
        {'k', 68, 1, {"K keydown 68"}},  // consumed
        {'m', 10, 10, {"K leave", "pos 10 10"}},
        {'m', 310, 80, {"K enter", "pos 310 80"}},
        {'b', 0, 0, {"K up 0", "K click 0"}},  // left and came back: still a click
        {'m', 10, 10, {"K leave", "pos 10 10"}},
        {'b', 0, 1, {}}};
    for (const auto& [op, a, b, expected] : script) {
        op == 'm' ? onMousePos(a, b) : op == 'b' ? onMouseButton(a, b) : onKey(a, b);
        EXPECT_EQ(std::exchange(events, {}), expected) << op << " " << a << " " << b;
    }
    EXPECT_EQ(focusElement, root);
}

// Destroying an element, or its parent, clears the routing references into the subtree.
TEST_F(Routing, DestroyedElementsLeaveTheRoutingState) {
    Probe* outer = new Probe("Outer", root, 64, 64, 256, 256);
    Probe* inner = new Probe("Inner", outer, 32, 32, 64, 64);  // 96..160 on screen
    new Probe("Spare", outer, 128, 32, 64, 64);                // 192..256
    Probe* other = new Probe("Other", root, 512, 64, 64, 64);
    for (GuiElement* gone : std::initializer_list<GuiElement*>{inner, outer}) {
        onMousePos(540, 90);
        onMouseButton(2, 1);
        onMousePos(gone == inner ? 120 : 220, 120);
        onMouseButton(0, 1);
        delete gone;
        EXPECT_EQ(
            std::vector({hoveredElement, focusElement, pressedElements[0], pressedElements[2]}),
            std::vector<GuiElement*>({nullptr, nullptr, nullptr, other}));
    }
    EXPECT_EQ(elementRegistry.count("Spare"), 0u);  // Outer took its other child along
}

// The demo's fallback prints its one message for a button event before any pointer report.
TEST(PrintUnhandled, SaysGuiDidNotCare) {
    userMouseButtonHandler = printUnhandled;
    testing::internal::CaptureStdout();
    onMouseButton(0, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Gui didn't care\n");
}
