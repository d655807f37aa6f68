// Tests for the routing of Tab focus, typed characters, the wheel and drags, through the real
// handlers on small trees, and the focus frame's pixels.
#include "support/MatchedBox.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/shell/Host.h"

#include <GL/gl.h>

#include <cmath>
#include <tuple>
#include <utility>

using namespace trellis;

static std::vector<std::string> events;  // what elements and hooks heard, in order

// An element placed in pixels that logs characters, wheel turns and drags, taking what it is
// told to take.
struct Probe : GuiElement {
    Probe(const char* name, GuiElement* parent, int x, int y, int w, int h, bool focusable = false)
        : GuiElement(name, parent, px(x), px(y), px(w), px(h)), focusable(focusable) {}
    bool isFocusable() const override { return focusable; }
    bool onChar(unsigned int c) override { return log("char " + std::to_string(c)), takes; }
    bool onScroll(float dx, float dy) override {
        return log("wheel " + std::to_string(int(dx)) + " " + std::to_string(int(dy))), takes;
    }
    void onMouseDrag(float x, float y) override {
        log("drag " + std::to_string(std::lround(x / pixelSize)) + " " +
            std::to_string(std::lround(y / pixelSize)));
    }
    bool onKeyDown(int key) override { return key == kKeyTab && takes; }
    void log(const std::string& what) { events.push_back(name + " " + what); }
    bool focusable;
    bool takes = false;
};

struct FocusRouting : ::testing::Test {
    void SetUp() override {
        useScreenUnits();
        events.clear();
        rootElement = root = new GuiRoot();
        userKeyHandler = [](int key, int action) {
            events.push_back("key " + std::to_string(key) + " " + std::to_string(action));
        };
        userCharHandler = [](unsigned int c) { events.push_back("char " + std::to_string(c)); };
        userScrollHandler = [](double dx, double dy) {
            events.push_back("wheel " + std::to_string(int(dx)) + " " + std::to_string(int(dy)));
        };
    }
    void TearDown() override {
        delete root;
        userKeyHandler = nullptr, userCharHandler = nullptr, userScrollHandler = nullptr;
        heldModifiers = 0;
    }
    static void tab(bool back = false) {
        if (back)
            onKey(kKeyLeftShift, 1);
        onKey(kKeyTab, 1);
        onKey(kKeyTab, 0);
        if (back)
            onKey(kKeyLeftShift, 0);
    }
    GuiRoot* root = nullptr;
};

// Tab walks the focusable elements in document order (parents first, older siblings first),
// skipping hidden subtrees, and wraps; Shift+Tab walks back; from outside the order Tab starts
// at the first and Shift+Tab at the last.
TEST_F(FocusRouting, TabMovesFocusInDocumentOrderAndWraps) {
    Probe* a = new Probe("A", root, 0, 0, 300, 300, true);
    new Probe("A1", a, 10, 10, 20, 20, true);
    Probe* plain = new Probe("P", a, 40, 10, 100, 100);
    new Probe("P1", plain, 10, 10, 20, 20, true);
    Probe* hidden = new Probe("H", root, 400, 0, 50, 50, true);
    new Probe("H1", hidden, 5, 5, 5, 5, true);
    hidden->visible = false;
    new Probe("B", root, 500, 0, 50, 50, true);
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i)
        tab(), order.push_back(focusElement->name);
    EXPECT_EQ(order, (std::vector<std::string>{"A", "A1", "P1", "B", "A"}));
    order.clear();
    for (int i = 0; i < 3; ++i)
        tab(true), order.push_back(focusElement->name);
    EXPECT_EQ(order, (std::vector<std::string>{"B", "P1", "A1"}));
    EXPECT_EQ(heldModifiers, 0);
    for (const auto& [start, back, expected] :
         {std::tuple<GuiElement*, bool, const char*>{root, false, "A"}, {plain, true, "B"}}) {
        focusElement = start;
        tab(back);
        EXPECT_EQ(focusElement->name, expected);
    }
    // Every Tab press was taken; only the releases (and Shift) reached the application.
    for (const std::string& heard : events)
        EXPECT_NE(heard, "key 258 1");
}

// Without any focusable element Tab is an ordinary key, as it always was; a focus element that
// consumes Tab keeps the focus.
TEST_F(FocusRouting, TabIsAnOrdinaryKeyWithoutFocusableElements) {
    Probe* only = new Probe("Only", root, 10, 10, 50, 50);
    focusElement = only;
    tab();
    EXPECT_EQ(std::exchange(events, {}), (std::vector<std::string>{"key 258 1", "key 258 0"}));
    EXPECT_EQ(focusElement, only);
    Probe* greedy = new Probe("Greedy", root, 100, 10, 50, 50, true);
    new Probe("Other", root, 200, 10, 50, 50, true);
    greedy->takes = true;
    focusElement = greedy;
    tab();
    EXPECT_EQ(focusElement, greedy);
}

// Characters go to the focus element, and what it does not take to the application; wheel turns
// go to the element under the pointer and up through its parents until one takes them; a drag
// reaches the element the left button went down on, in its own coordinates, until the release.
TEST_F(FocusRouting, CharactersWheelAndDragsReachTheirElements) {
    Probe* outer = new Probe("O", root, 64, 64, 256, 256, true);
    Probe* middle = new Probe("M", outer, 32, 32, 128, 128);
    new Probe("I", middle, 16, 16, 32, 32);  // 112..144 on screen
    outer->takes = true;
    const std::tuple<char, int, int, std::vector<std::string>> script[] = {
        {'c', 97, 0, {"char 97"}},  // no focus element yet
        {'m', 120, 130, {}},
        {'w', 0, -2, {"I wheel 0 -2", "M wheel 0 -2", "O wheel 0 -2"}},
        {'b', 0, 1, {}},
        {'c', 0x263A, 0, {"I char 9786", "char 9786"}},
        {'m', 130, 120, {"I drag 18 8"}},
        {'m', 10, 600, {"I drag -102 488"}},  // outside the element, still its drag
        {'b', 0, 0, {}},
        {'m', 120, 130, {}},
        {'b', 1, 1, {}},  // other buttons drag nothing
        {'m', 125, 130, {}},
        {'b', 1, 0, {}},
        {'m', 400, 400, {}},
        {'w', 3, 1, {"wheel 3 1"}},  // over the root alone: nobody takes it
        {'k', kKeyTab, 1, {}},
        {'c', 98, 0, {"O char 98"}}};
    for (const auto& [op, a, b, expected] : script) {
        if (op == 'c')
            onCharEvent(static_cast<unsigned int>(a));
        else if (op == 'w')
            onScrollEvent(a, b);
        else if (op == 'm')
            onMousePos(a, b);
        else if (op == 'b')
            onMouseButton(a, b);
        else
            onKey(a, b);
        EXPECT_EQ(std::exchange(events, {}), expected) << op << " " << a << " " << b;
    }
    // The host API answers whether the interface took them.
    EXPECT_EQ(std::pair(hostChar(99), hostScroll(0, 1)), std::pair(true, false));
    onMousePos(120, 130);
    EXPECT_TRUE(hostScroll(0, 1));
    EXPECT_TRUE(interfaceTookLastEvent());
}

class FocusFrame : public GlTest {};

// The frame is a one-pixel ring with a one-pixel gap around the element, in the given colour.
TEST_F(FocusFrame, IsAOnePixelRingOnePixelOutside) {
    const Color amber = kDefaultFocusColor;
    beginFrame();
    glTranslatef(px(100), px(50), 0);
    drawFocusFrame(px(40), px(20), amber);
    endFrame();
    const auto image = frame();
    EXPECT_EQ(boxOf(image, amber), (MatchedBox{98, 48, 142, 72, 2 * 44 + 2 * 22}));
    EXPECT_EQ(pixel(99, 49), kBlack);
    EXPECT_EQ(pixel(100, 50), kBlack);
}
