// Movable and closable windows, and the new elements' dialogue tags, loaded from a real file
// and driven through the real routing: title-bar drags with the on-screen clamp, the close
// button with onClose, and windows without the attributes left as they always were.
#include "support/RoutedScene.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/Window.h"

#include <cmath>
#include <string>

using namespace trellis;

namespace {

int closes = 0;

// The element registered under name, or null.
GuiElement* named(const char* name) {
    const auto found = elementRegistry.find(name);
    return found == elementRegistry.end() ? nullptr : found->second;
}

void countClose(void*, CallbackSender* sender) {
    closes += dynamic_cast<Window*>(sender) != nullptr;
}

// Pixels written as screen units: the loader snaps them back to the same pixels.
std::string at(int pixels) {
    return "'" + std::to_string(px(pixels)) + "'";
}

// "mover" at (200, 200) pixels, 300 x 200, movable and closable, holding a text field and a
// scrolling panel; "fixed" at (600, 200), 200 x 150, as the demo's windows are.
class WindowScene : public RoutedScene {
public:
    void SetUp() override {
        RoutedScene::SetUp();
        closes = 0;
        static int receiver;
        registerCallback("closed", countClose, &receiver);
        const std::string dialogue =
            "<window name='mover' title='Drag me' x=" + at(200) + " y=" + at(200) +
            " width=" + at(300) + " height=" + at(200) +
            " movable='1' closable='1' onClose='closed'>"
            "  <textfield name='entry' text='hello' maxLength='3' x=" +
            at(20) + " y=" + at(40) + " width=" + at(200) + " height=" + at(30) +
            "/>"
            "  <panel name='list' scroll='1' x=" +
            at(20) + " y=" + at(80) + " width=" + at(200) + " height=" + at(100) +
            "/>"
            "</window>"
            "<window name='fixed' title='Fixed' x=" +
            at(600) + " y=" + at(200) + " width=" + at(200) + " height=" + at(150) + "/>";
        loadText(dialogue);
        mover = dynamic_cast<Window*>(named("mover"));
        fixed = dynamic_cast<Window*>(named("fixed"));
        ASSERT_TRUE(mover && fixed);
    }
    // Where a window is, in pixels.
    std::pair<int, int> placeOf(const Window* window) {
        return {int(std::lround(window->x / pixelSize)), int(std::lround(window->y / pixelSize))};
    }
    Window *mover = nullptr, *fixed = nullptr;
};

}  // namespace

// Drags on the title bar, from and to pixels, and where the window is after each.
TEST_F(WindowScene, DragsByTheTitleBarAndStaysOnScreen) {
    struct Drag {
        int fromX, fromY, toX, toY, x, y;
    };
    const Drag drags[] = {
        {300, 210, 400, 260, 300, 250},
        {350, 260, -1000, -1000, -268, 0},  // 31 pixels on screen (32: snapping truncates)
        {10, 10, 5000, 5000, 993, 749},
        {1000, 760, 990, 700, 983, 689},
        {1000, 720, 900, 500, 983, 689},  // below the title bar: the window does not move
    };
    for (const Drag& d : drags) {
        dragFromTo(d.fromX, d.fromY, d.toX, d.toY);
        EXPECT_EQ(placeOf(mover), std::make_pair(d.x, d.y)) << d.fromX << ", " << d.fromY;
    }
    dragFromTo(700, 210, 800, 300);
    EXPECT_EQ(placeOf(fixed), std::make_pair(600, 200));  // not movable
}

// A press anywhere on a movable window (its title bar or a child) brings it to the front of
// its siblings; one on a window that is not movable changes no order.
TEST_F(WindowScene, APressRaisesAMovableWindow) {
    const auto owner = [](GuiElement* element) {
        while (element && !dynamic_cast<Window*>(element))
            element = element->parent;
        return element;
    };
    struct Press {
        int x, y;          // where, in pixels
        Window* front;     // the root's newest child after it
        Window* atMiddle;  // which window a press in both windows' overlap reaches
    };
    const std::vector<Press> presses = {
        {650, 210, fixed, fixed},  // the window that is not movable stays where it was
        {450, 330, mover, mover},  // the text field inside the movable one raises it
        {650, 210, mover, mover},  // and the other does not take its place
    };
    mover->setPosition(px(400), px(280));  // under fixed from x 600 to 700, y 280 to 350
    for (const Press& p : presses) {
        clickAt(p.x, p.y);
        EXPECT_EQ(root->children.front(), p.front) << p.x << ", " << p.y;
        moveTo(650, 320);
        EXPECT_EQ(owner(hoveredElement), p.atMiddle) << p.x << ", " << p.y;
    }
    EXPECT_EQ(root->children.size(), 2u);
}

// The file's tags built as written; the close button hides the window that is closable.
TEST_F(WindowScene, TheCloseButtonHidesAClosableWindow) {
    auto* entry = dynamic_cast<TextField*>(named("entry"));
    auto* list = dynamic_cast<Panel*>(named("list"));
    ASSERT_TRUE(entry && list);
    EXPECT_EQ(entry->edit.maxLength(), 3u);
    EXPECT_TRUE(list->scroll);
    EXPECT_TRUE(mover->movable && mover->closable);
    EXPECT_FALSE(fixed->movable || fixed->closable);
    clickAt(300, 255);
    ASSERT_EQ(focusElement, entry);
    clickAt(490, 210);  // the close button, one pixel in from the title bar's right end
    EXPECT_FALSE(mover->visible);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(focusElement, nullptr);
    EXPECT_EQ(hoveredElement, root);
    type("x");
    EXPECT_EQ(entry->text, "hel");
    clickAt(300, 255);  // where the window was
    EXPECT_EQ(focusElement, root);
    clickAt(790, 210);  // the other window's close button does nothing, as always
    EXPECT_TRUE(fixed->visible);
    EXPECT_EQ(closes, 1);
}

// Bad values get a line each, where they are, and a sane result.
TEST_F(WindowScene, ReportsBadValuesOfTheNewAttributes) {
    DiagnosticCollector collector;
    const char* dialogue = R"(<textfield name='f1' maxLength='-3' text='tab&#9;bed'/>
<textfield name='f2' maxLength='2.5' onSubmit='nobody'/>
<panel name='p' scroll='yes'/>
<window name='w' title='W' movable='true' closable='0' onClose='nobody' maxLength='4'/>
<window name='bare' closable='1'/>)";
    loadText(dialogue);
    std::vector<std::string> lines;
    for (const Diagnostic& d : collector.diagnostics())
        lines.push_back(formatDiagnostic(d).substr(formatDiagnostic(d).find(".xml:") + 5));
    const std::vector<std::string> expected = {
        "1:1: warning: attribute \"maxLength\" on <textfield name=\"f1\">: \"-3\" is not a whole "
        "number from 0 to 1000000; the field has no limit",
        "1:1: warning: attribute \"text\" on <textfield name=\"f1\">: \"tab\\x09bed\" is shown as "
        "\"tabbed\": control characters and malformed UTF-8 are left out, and the text is cut "
        "to maxLength",
        "2:1: warning: attribute \"onSubmit\" on <textfield name=\"f2\">: no callback named "
        "\"nobody\" is registered; the event does nothing",
        "2:1: warning: attribute \"maxLength\" on <textfield name=\"f2\">: \"2.5\" is not a whole "
        "number from 0 to 1000000; the field has no limit",
        "3:1: warning: attribute \"scroll\" on <panel name=\"p\">: \"yes\" counts as off: only "
        "\"1\" turns it on",
        "4:1: warning: attribute \"movable\" on <window name=\"w\">: \"true\" counts as off: only "
        "\"1\" turns it on",
        "4:1: warning: attribute \"onClose\" on <window name=\"w\">: no callback named \"nobody\" "
        "is registered; the event does nothing",
        "4:1: warning: attribute \"maxLength\" has no effect on <window name=\"w\">; ignored",
        "5:1: warning: attribute \"closable\" on <window name=\"bare\">: has no effect on a window "
        "without a title bar",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(dynamic_cast<TextField*>(named("f1"))->text, "tabbed");
    EXPECT_EQ(dynamic_cast<TextField*>(named("f2"))->edit.maxLength(), 0u);
    EXPECT_FALSE(dynamic_cast<Panel*>(named("p"))->scroll);
    EXPECT_FALSE(dynamic_cast<Window*>(named("w"))->movable);
}
