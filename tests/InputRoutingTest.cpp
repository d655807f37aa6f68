// Tests for input routing without a window: small trees built in code under a GuiRoot, the
// pointer, button and key handlers called directly, and every element event logged in order.
#include "app/InputRouting.h"
#include "app/GuiShell.h"
#include "app/ScreenUnits.h"
#include "gui/Button.h"
#include "gui/GuiRoot.h"
#include "support/GlTest.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

Events events;  // element events and application hooks, in the order they happened

void record(const std::string& who, const char* what, int a) {
    events.push_back(who + " " + what + " " + std::to_string(a));
}

void record(const std::string& who, const char* what, int a, int b) {
    events.push_back(who + " " + what + " " + std::to_string(a) + " " + std::to_string(b));
}

Events takeEvents() {
    Events taken;
    taken.swap(events);
    return taken;
}

void posHook(int x, int y) {
    record("hook", "pos", x, y);
}

void buttonHook(int button, int action) {
    record("hook", "button", button, action);
}

void keyHook(int key, int action) {
    record("hook", "key", key, action);
}

float px(int pixels) {
    return pixels * pixelSize;
}

// An element that logs every event the routing delivers to it.
class Probe : public GuiElement {
public:
    Probe(const char* name, GuiElement* parent, int x, int y, int width, int height)
        : GuiElement(name, parent, px(x), px(y), px(width), px(height)) {}

    void onMouseDown(int button) override { record(name, "down", button); }
    void onMouseUp(int button) override { record(name, "up", button); }
    void onClick(int button) override { record(name, "click", button); }
    void onMouseEnter() override { events.push_back(name + " enter"); }
    void onMouseLeave() override { events.push_back(name + " leave"); }
    bool onKeyDown(int key) override {
        record(name, "keydown", key);
        return consumesKeys;
    }
    bool onKeyUp(int key) override {
        record(name, "keyup", key);
        return consumesKeys;
    }

    bool consumesKeys = false;
};

// Screen units for a 1024 x 768 viewport and a fresh root; positions below are in pixels.
class Routing : public ::testing::Test {
protected:
    void SetUp() override {
        useScreenUnits();
        root = new GuiRoot();
        rootElement = root;
    }

    void TearDown() override {
        while (!owned.empty())
            destroy(owned.back());
        delete root;
        rootElement = nullptr;
        userMousePosHandler = userMouseButtonHandler = userKeyHandler = nullptr;
        events.clear();
    }

    Probe* probe(const char* name, GuiElement* parent, int x, int y, int width, int height) {
        return own(new Probe(name, parent, x, y, width, height));
    }

    template <typename T> T* own(T* element) {
        owned.push_back(element);
        return element;
    }

    void destroy(GuiElement* element) {
        owned.erase(std::remove(owned.begin(), owned.end(), element), owned.end());
        delete element;
    }

    static void pressAndRelease(int button) {
        onMouseButton(button, 1);
        onMouseButton(button, 0);
    }

    std::string hoveredName() const { return hoveredElement ? hoveredElement->name : "(none)"; }

    GuiRoot* root = nullptr;
    std::vector<GuiElement*> owned;  // destroyed newest first, children before parents
};

// Edges are tested at multiples of 64 pixels: those positions are exact in screen units, so
// the strict inside test sees the very edge, not a rounding error next to it.
TEST_F(Routing, PointerFindsTheDeepestVisibleElement) {
    Probe* a = probe("A", root, 64, 64, 128, 128);  // 64..192
    probe("A1", a, 64, 64, 32, 32);                 // 128..160 on screen
    probe("A2", a, 96, 16, 64, 32);                 // 160..224 x 80..112: sticks out of A
    probe("B", root, 256, 64, 128, 128);            // 256..384 x 64..192
    probe("C", root, 320, 128, 128, 128);           // newer than B and overlapping it
    Probe* hidden = probe("H", root, 300, 80, 40, 40);
    probe("H1", hidden, 10, 10, 20, 20);  // visible itself, but under an invisible parent
    hidden->visible = false;
    probe("Far", root, 900, 700, 64, 40);    // far outside the root's own 10 x 2 units
    probe("Neg", root, -100, -100, 80, 80);  // off screen: reported while a button is held
    probe("Huge", root, 2000, 1500, 100, 100);

    const struct {
        int x, y;
        const char* hovered;
        const char* why;
    } cases[] = {
        {10, 10, "GuiRoot", "background"},
        {100, 100, "A", "inside A"},
        {140, 140, "A1", "inside A's child"},
        {64, 100, "GuiRoot", "A's left edge"},
        {100, 64, "GuiRoot", "A's top edge"},
        {192, 150, "GuiRoot", "A's right edge"},
        {100, 192, "GuiRoot", "A's bottom edge"},
        {128, 140, "A", "A1's left edge"},
        {140, 128, "A", "A1's top edge"},
        {170, 96, "A2", "the part of A2 inside A"},
        {200, 96, "GuiRoot", "the part of A2 outside A"},
        {350, 150, "C", "overlap of B and the newer C"},
        {270, 150, "B", "B alone"},
        {320, 100, "B", "over invisible H and its visible child"},
        {930, 720, "Far", "root child outside the root's rectangle"},
        {-50, -50, "Neg", "negative position on an element"},
        {-5, -5, "GuiRoot", "negative position on nothing"},
        {2050, 1550, "Huge", "too large a position on an element"},
        {5000, 5000, "GuiRoot", "too large a position on nothing"},
        {INT_MAX, INT_MIN, "GuiRoot", "extreme position"},
    };
    for (const auto& c : cases) {
        onMousePos(c.x, c.y);
        EXPECT_EQ(hoveredName(), c.hovered) << c.why << " at " << c.x << ", " << c.y;
        EXPECT_FLOAT_EQ(pointerX, px(c.x));
        EXPECT_FLOAT_EQ(pointerY, px(c.y));
    }
    // The element the search starts from is never tested itself.
    EXPECT_EQ(findElementAt(a, 0, 0), a);
}

// The hit among overlapping siblings is the one drawn last, also after the tree changes.
TEST_F(Routing, HitAgreesWithPaintersOrder) {
    Probe* first = probe("First", root, 100, 100, 50, 50);
    probe("Second", root, 100, 100, 50, 50);
    Probe* third = probe("Third", root, 100, 100, 50, 50);
    onMousePos(120, 120);
    EXPECT_EQ(hoveredElement, third);
    EXPECT_EQ(hoveredElement, root->children.oldestFirst().back());

    root->removeChild(first);
    root->addChild(first);
    EXPECT_EQ(hoveredElement, third) << "the tree changing must not re-run the search";
    onMousePos(121, 120);
    EXPECT_EQ(hoveredElement, first);
    EXPECT_EQ(hoveredElement, root->children.oldestFirst().back());
}

// Enter comes before leave, moving within an element says nothing, and the position hook
// hears every report, last, in pixels.
TEST_F(Routing, EnterBeforeLeaveAndPositionHookOnEveryReport) {
    Probe* p = probe("P", root, 64, 64, 64, 64);
    probe("PC", p, 16, 16, 16, 16);  // 80..96 on screen
    probe("Q", root, 200, 64, 64, 64);
    userMousePosHandler = posHook;

    const struct {
        int x, y;
        Events expected;
    } steps[] = {
        {10, 10, {"hook pos 10 10"}},
        {70, 70, {"P enter", "hook pos 70 70"}},
        {75, 120, {"hook pos 75 120"}},
        {85, 85, {"PC enter", "P leave", "hook pos 85 85"}},
        {90, 90, {"hook pos 90 90"}},
        {210, 70, {"Q enter", "PC leave", "hook pos 210 70"}},
        {-3, 900, {"Q leave", "hook pos -3 900"}},
    };
    for (const auto& step : steps) {
        onMousePos(step.x, step.y);
        EXPECT_EQ(takeEvents(), step.expected) << step.x << ", " << step.y;
    }
}

// A click needs the press and the release over the same element; leaving in between is fine.
TEST_F(Routing, ClickNeedsPressAndReleaseOnTheSameElement) {
    probe("A", root, 64, 64, 64, 64);
    probe("B", root, 200, 64, 64, 64);
    for (int button : {0, 1, 2, 9}) {
        SCOPED_TRACE(button);
        const std::string n = " " + std::to_string(button);

        onMousePos(80, 80);
        takeEvents();
        onMouseButton(button, 1);
        onMousePos(210, 80);
        onMouseButton(button, 0);
        EXPECT_EQ(takeEvents(), (Events{"A down" + n, "B enter", "A leave", "B up" + n}));
        EXPECT_EQ(pressedElements[button], nullptr);

        onMousePos(80, 80);
        takeEvents();
        onMouseButton(button, 1);
        onMousePos(10, 10);
        onMousePos(90, 90);
        onMouseButton(button, 0);
        EXPECT_EQ(takeEvents(),
                  (Events{"A down" + n, "A leave", "A enter", "A up" + n, "A click" + n}));
        EXPECT_EQ(pressedElements[button], nullptr);

        // A release without a recorded press is no click.
        onMouseButton(button, 0);
        EXPECT_EQ(takeEvents(), (Events{"A up" + n}));
    }
}

// A Button held down with the left button shows its pressed look (one pixel right and down)
// only while the pointer is over it, and clicks when released there.
TEST_F(Routing, ButtonShowsPressedLookAgainOnReturn) {
    Button* button = own(new Button("Push", root, "Push", px(64), px(64), px(128), px(32)));
    static int clicks = 0;
    button->clickCallbacks[0] = {[](void*, CallbackSender*) { ++clicks; }, &clicks};
    auto expectLook = [&](bool pressed, const char* when) {
        EXPECT_EQ(button->pressed, pressed) << when;
        EXPECT_FLOAT_EQ(button->x, px(pressed ? 65 : 64)) << when;
        EXPECT_FLOAT_EQ(button->y, px(pressed ? 65 : 64)) << when;
    };

    onMousePos(100, 80);
    onMouseButton(0, 1);
    expectLook(true, "pressed");
    onMousePos(10, 10);
    expectLook(false, "pointer left");
    onMousePos(100, 80);
    expectLook(true, "pointer back");
    onMouseButton(0, 0);
    expectLook(false, "released");
    EXPECT_EQ(clicks, 1);

    // Held down elsewhere, or with another button, the Button is not pressed.
    onMousePos(10, 10);
    onMouseButton(0, 1);
    onMousePos(100, 80);
    expectLook(false, "entered with the left button held from the background");
    onMouseButton(0, 0);
    onMouseButton(1, 1);
    expectLook(false, "right press");
    onMouseButton(1, 0);
    EXPECT_EQ(clicks, 1);
}

// The focus follows left presses only, the background included.
TEST_F(Routing, OnlyLeftPressesMoveTheFocus) {
    Probe* a = probe("A", root, 64, 64, 64, 64);
    probe("B", root, 200, 64, 64, 64);
    onMousePos(80, 80);
    pressAndRelease(1);
    EXPECT_EQ(focusElement, nullptr);
    pressAndRelease(0);
    EXPECT_EQ(focusElement, a);
    onMousePos(210, 80);
    pressAndRelease(1);
    pressAndRelease(2);
    EXPECT_EQ(focusElement, a);
    onMousePos(10, 10);
    onMouseButton(0, 1);
    EXPECT_EQ(focusElement, root);
    EXPECT_EQ(focusElement->name, "GuiRoot");
}

// Keys go to the focus element, and to the application when it does not consume them.
TEST_F(Routing, KeysReachFocusThenTheApplication) {
    Probe* keeper = probe("Keeper", root, 200, 64, 64, 64);
    keeper->consumesKeys = true;
    probe("P", root, 64, 64, 64, 64);
    userKeyHandler = keyHook;

    onKey(65, 1);
    onKey(65, 0);
    EXPECT_EQ(takeEvents(), (Events{"hook key 65 1", "hook key 65 0"})) << "no focus element";

    onMousePos(80, 80);
    onMouseButton(0, 1);
    takeEvents();
    onKey(66, 1);
    onKey(66, 0);
    EXPECT_EQ(takeEvents(),
              (Events{"P keydown 66", "hook key 66 1", "P keyup 66", "hook key 66 0"}));

    onMousePos(210, 80);
    onMouseButton(0, 1);
    takeEvents();
    onKey(67, 1);
    onKey(67, 0);
    EXPECT_EQ(takeEvents(), (Events{"Keeper keydown 67", "Keeper keyup 67"}));

    onMousePos(80, 80);
    onMouseButton(0, 1);
    userKeyHandler = nullptr;
    takeEvents();
    onKey(68, 1);
    EXPECT_EQ(takeEvents(), (Events{"P keydown 68"})) << "unconsumed, no hook: dropped";
}

// Button numbers past the recorded range go to the application untouched by the routing.
TEST_F(Routing, ButtonsOutsideZeroToNineGoToTheApplication) {
    Probe* a = probe("A", root, 64, 64, 64, 64);
    userMouseButtonHandler = buttonHook;
    onMousePos(80, 80);
    onMouseButton(0, 1);
    onMouseButton(2, 1);
    takeEvents();
    const std::vector<GuiElement*> before(pressedElements, pressedElements + kMouseButtonCount);

    for (int button : {-1, 10, 99, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(button);
        EXPECT_FALSE(routeMouseButton(button, true));
        EXPECT_FALSE(routeMouseButton(button, false));
        onMouseButton(button, 1);
        onMouseButton(button, 0);
        const std::string b = std::to_string(button);
        EXPECT_EQ(takeEvents(), (Events{"hook button " + b + " 1", "hook button " + b + " 0"}));
    }
    EXPECT_EQ(std::vector<GuiElement*>(pressedElements, pressedElements + kMouseButtonCount),
              before);
    EXPECT_EQ(focusElement, a);
}

// Before any position report no element is hovered, and the fallback prints its one line.
TEST_F(Routing, ButtonBeforeAnyPositionIsUnhandled) {
    probe("A", root, 0, 0, 64, 64);
    userMouseButtonHandler = printUnhandled;
    testing::internal::CaptureStdout();
    onMouseButton(0, 1);
    onMouseButton(0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Gui didn't care\nGui didn't care\n");
    EXPECT_EQ(focusElement, nullptr);
    EXPECT_EQ(pressedElements[0], nullptr);
    EXPECT_TRUE(takeEvents().empty());

    // Once a position was reported, something always takes the event, the root at worst.
    onMousePos(100, 100);
    testing::internal::CaptureStdout();
    for (int button : {0, 1, 2, 7})
        pressAndRelease(button);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// Destroying an element clears the routing references to it and to its subtree, and no
// later event reaches it.
TEST_F(Routing, DestroyedElementsLeaveTheRoutingState) {
    for (bool destroyParent : {false, true}) {
        SCOPED_TRACE(destroyParent ? "parent destroyed" : "element destroyed");
        Probe* outer = probe("Outer", root, 64, 64, 256, 256);
        Probe* inner = probe("Inner", outer, 32, 32, 64, 64);  // 96..160 on screen
        Probe* other = probe("Other", root, 512, 64, 64, 64);
        onMousePos(540, 90);
        onMouseButton(2, 1);
        onMousePos(120, 120);
        onMouseButton(0, 1);
        onMouseButton(1, 1);
        ASSERT_EQ(hoveredElement, inner);

        destroy(destroyParent ? static_cast<GuiElement*>(outer) : inner);
        EXPECT_EQ(hoveredElement, nullptr);
        EXPECT_EQ(focusElement, nullptr);
        EXPECT_EQ(pressedElements[0], nullptr);
        EXPECT_EQ(pressedElements[1], nullptr);
        EXPECT_EQ(pressedElements[2], other);

        takeEvents();
        onMousePos(120, 120);
        onMouseButton(0, 0);
        onMouseButton(1, 0);
        const Events expected =
            destroyParent ? Events{} : Events{"Outer enter", "Outer up 0", "Outer up 1"};
        EXPECT_EQ(takeEvents(), expected);

        while (!owned.empty())
            destroy(owned.back());
        onMousePos(10, 10);
    }
}

}  // namespace
