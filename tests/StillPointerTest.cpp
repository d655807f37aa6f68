// What lies under a pointer that does not move, through the real routing: after the wheel, a
// window dragged, elements shown, hidden, destroyed or moved, and a callback that changes the
// tree, a click lands on what is under the pointer now; a press held on an element that is
// closed or hidden is let go, and its drag ends there.
#include "support/RoutedScene.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/Slider.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"

#include <functional>

using namespace trellis;

namespace {

std::vector<std::string> clicks;  // names of the elements clicked, in order

// A flat element placed in pixels that logs its left clicks, then runs afterClick.
struct Spot : GuiElement {
    Spot(const char* name, GuiElement* parent, int x, int y, int w, int h)
        : GuiElement(name, parent, px(x), px(y), px(w), px(h)) {}
    void onClick(int button) override {
        if (button != 0)
            return;
        clicks.push_back(name);
        if (afterClick)
            afterClick();
    }
    std::function<void()> afterClick;
};

// "under" at (100, 100) pixels, 200 square, with "cover" over its middle; a scrolling panel at
// (400, 100), 200 x 100, over three rows 60 high; a movable window "tools" at (700, 100).
class StillPointer : public RoutedScene {
public:
    void SetUp() override {
        RoutedScene::SetUp();
        clicks.clear();
        under = new Spot("under", root, 100, 100, 200, 200);
        cover = new Spot("cover", root, 150, 150, 100, 100);
        auto* panel = new Panel("panel", root);
        panel->setRect(px(400), px(100), px(200), px(100));
        panel->scroll = true;
        for (int row = 0; row < 3; ++row)
            new Spot(("row" + std::to_string(row)).c_str(), panel, 0, 60 * row, 150, 60);
        tools = new Window("tools", root, "Tools");
        tools->setRect(px(700), px(100), px(300), px(150));
        tools->movable = true;
    }
    // The middle of the title bar, in pixels.
    int titleY() const { return 100 + int(tools->titleBar->height / pixelSize) / 2; }

    Spot *under = nullptr, *cover = nullptr;
    Window* tools = nullptr;
};

}  // namespace

TEST_F(StillPointer, AClickLandsOnWhatIsUnderThePointerNow) {
    struct Case {
        const char* what;
        int x, y;                          // where the pointer rests; y 0: on the title bar
        std::function<void()> change;      // what changes under it
        const char* hoveredAfter;          // at once after a routed change; null: not asked
        std::vector<std::string> clicked;  // by the change, then by a click without moving
        bool coverHidden = false;          // before the pointer comes to rest
    };
    const Case cases[] = {
        {"the wheel scrolls the panel",
         450,
         130,
         [] {
             for (int notch = 0; notch < 4; ++notch)
                 onScrollEvent(0, -1);
         },
         "row1",
         {"row1"}},
        {"a window dragged over a spot",
         710,
         0,
         [this] {
             onMouseButton(0, 1);
             onMousePos(150, titleY() + 100);
             onMouseButton(0, 0);
         },
         "",
         {}},
        {"hidden", 200, 200, [this] { cover->visible = false; }, nullptr, {"under"}},
        {"shown", 200, 200, [this] { cover->visible = true; }, nullptr, {"cover"}, true},
        {"destroyed", 200, 200, [this] { delete cover; }, nullptr, {"under"}},
        {"moved away",
         200,
         200,
         [this] { cover->setPosition(px(600), px(600)); },
         nullptr,
         {"under"}},
        {"a callback moves its element away",
         200,
         200,
         [this] {
             cover->afterClick = [this] { cover->setPosition(px(600), px(600)); };
             onMouseButton(0, 1);
             onMouseButton(0, 0);
         },
         "under",
         {"cover", "under"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        cover->visible = !c.coverHidden;
        moveTo(c.x, c.y ? c.y : titleY());
        c.change();
        if (c.hoveredAfter) {
            EXPECT_EQ(hoveredElement->name, c.hoveredAfter);
        }
        onMouseButton(0, 1);
        onMouseButton(0, 0);
        EXPECT_EQ(clicks, c.clicked);
    }
}

// The pressed look moves a button a pixel, but not from under the pointer at its corner.
TEST_F(StillPointer, AButtonPressedAtItsCornerStaysPressed) {
    auto* button = new Button("corner", root, "", px(100), px(400), px(80), px(30));
    moveTo(101, 401);
    onMouseButton(0, 1);
    EXPECT_TRUE(button->pressed);
    EXPECT_EQ(hoveredElement, button);
}

// A slider whose window goes away during a drag hears no more of it, however it went.
TEST_F(StillPointer, AHiddenElementLetsGoOfItsDrag) {
    static int changes = 0;
    static std::function<void()> onChange;
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"closed by its onChange", [this] { tools->close(); }},
        {"hidden by its onChange", [this] { tools->visible = false; }},
    };
    for (const auto& [what, away] : ways) {
        SCOPED_TRACE(what);
        TearDown();
        SetUp();
        changes = 0;
        onChange = away;
        auto* slider = new Slider("slider", tools, px(20), px(60), px(200), px(20));
        static int receiver;
        slider->changeCallback =
            Callback{[](void*, CallbackSender*) { ++changes, onChange(); }, &receiver};
        // The press on the track moves the thumb there: one change, and the window goes.
        moveTo(760, 170);
        onMouseButton(0, 1);
        EXPECT_FALSE(tools->visible);
        EXPECT_EQ(pressedElements[0], nullptr);
        moveTo(830, 170);
        moveTo(900, 170);
        onMouseButton(0, 0);
        EXPECT_EQ(changes, 1);
    }
}
