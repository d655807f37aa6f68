// The controls a dialogue offers beyond buttons and fields (radio groups, spinboxes, dropdowns,
// progress bars, separators, icon buttons) and what every element takes (visible, enabled,
// tooltip, modal windows, a text field's password, placeholder and align), loaded from a file
// and driven through the real routing, with pixels read back where the look is the point.
#include "support/CollectedMessages.h"
#include "support/RoutedScene.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/Clipboard.h"
#include "trellis/gui/Dropdown.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/ProgressBar.h"
#include "trellis/gui/RadioButton.h"
#include "trellis/gui/Spinbox.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/Tooltip.h"

#include <cmath>
#include <functional>

using namespace trellis;

namespace {

constexpr int kKeyA = 'A', kKeyC = 'C', kKeyX = 'X';

const char* const kDialogue = R"(
<window name="w" x="0" y="0" width="130" height="95">
  <radio name="r1" group="g" text="One" x="2" y="4" width="12" height="2.5" checked="1" onChange="count"/>
  <radio name="r2" group="g" text="Two" x="2" y="7" width="12" height="2.5" onChange="count"/>
  <radio name="r3" group="g" text="Three" x="2" y="10" width="12" height="2.5" enabled="0" onChange="count"/>
  <radio name="r4" group="g" text="Four" x="2" y="13" width="12" height="2.5" onChange="count"/>
  <spinbox name="sp" min="0" max="10" step="2" value="4" x="20" y="4" width="12" height="3" onChange="count"/>
  <dropdown name="dd" x="40" y="4" width="14" height="2.5" onChange="count" tooltip="Pick a colour">
    <option text="Red"/><option text="Green" selected="1"/><option text="Blue"/>
  </dropdown>
  <button name="ib" image="@DATA@/gallery.png" x="40" y="9" width="4" height="4" onLeftClick="count"/>
  <button name="off" text="Off" enabled="0" x="60" y="4" width="8" height="3" onLeftClick="count"
          bgColor="ff0000ff" fontColor="0000ffff"/>
  <button name="hid" text="Hidden" visible="0" x="60" y="9" width="8" height="3" onLeftClick="count"/>
  <textfield name="pw" password="1" text="secret" x="20" y="30" width="20" height="3"/>
  <textfield name="ph" placeholder="Your name" x="20" y="35" width="20" height="3"
             bgColor="ffffffff" fontColor="00ff00ff"/>
  <progress name="pg" min="0" max="200" value="50" x="20" y="45" width="40" height="2"/>
  <dropdown name="many" x="70" y="48" width="14" height="2.5" onChange="count">@OPTIONS@</dropdown>
</window>
)";

class ControlsScene : public RoutedScene {
protected:
    void SetUp() override {
        RoutedScene::SetUp();
        registerCallback(
            "count",
            [](void* self, CallbackSender* sender) {
                auto* scene = static_cast<ControlsScene*>(self);
                ++scene->calls;
                scene->lastSender = static_cast<GuiElement*>(sender)->name;
            },
            this);
        std::string text = kDialogue;
        text.replace(text.find("@DATA@"), 6, std::string(TRELLIS_SOURCE_DIR) + "/data");
        // More options than fit above or below the dropdown.
        std::string options;
        for (int i = 0; i < 60; ++i)
            options += "<option text='Option " + std::to_string(i) + "'/>";
        text.replace(text.find("@OPTIONS@"), 9, options);
        loadText(text);
    }
    template <typename T = GuiElement> T* named(const char* name) {
        return dynamic_cast<T*>(elementRegistry.at(name));
    }
    // The pixel at fraction (fx, fy) of the element's rectangle.
    std::pair<int, int> pixelAt(const char* name, float fx = 0.5f, float fy = 0.5f) {
        GuiElement* e = named(name);
        float ex = 0, ey = 0;
        elementScreenPosition(e, ex, ey);
        return {int(std::lround((ex + fx * e->width) / pixelSize)),
                int(std::lround((ey + fy * e->height) / pixelSize))};
    }
    void click(const char* name, float fx = 0.5f, float fy = 0.5f) {
        const auto [x, y] = pixelAt(name, fx, fy);
        clickAt(x, y);
    }
    void wheel(const char* name, float notches) {
        const auto [x, y] = pixelAt(name);
        moveTo(x, y);
        onScrollEvent(0, notches);
    }
    std::string radios() {
        std::string state;
        for (const char* name : {"r1", "r2", "r3", "r4"})
            state += named<RadioButton>(name)->checked ? '1' : '0';
        return state;
    }

    int calls = 0;
    std::string lastSender;
};

}  // namespace

// Each row is some input and what it leaves: the controls' state and the callbacks it fired.
TEST_F(ControlsScene, InputThroughTheRoutingMovesEachControl) {
    auto* spin = named<Spinbox>("sp");
    auto* drop = named<Dropdown>("dd");
    const struct Row {
        const char* what;
        std::function<void()> input;
        std::function<std::string()> state;
        std::string expected;
        int callbacks;  // how many the input fired
    } rows[] = {
        {"radio click", [&] { click("r2", 0.05f); }, [&] { return radios(); }, "0100", 1},
        {"radio Down skips the disabled one", [&] { tap(kKeyDown); }, [&] { return radios(); },
         "0001", 1},
        {"radio Down wraps", [&] { tap(kKeyDown); }, [&] { return radios(); }, "1000", 1},
        {"checked radio clicked again", [&] { click("r1", 0.05f); }, [&] { return radios(); },
         "1000", 0},
        {"disabled radio clicked", [&] { click("r3", 0.05f); }, [&] { return radios(); }, "1000",
         0},
        {"spinbox up arrow", [&] { click("sp", 0.95f, 0.25f); }, [&] { return spin->text; }, "6",
         1},
        {"spinbox down arrow", [&] { click("sp", 0.95f, 0.75f); }, [&] { return spin->text; }, "4",
         1},
        {"Up, Up, Up stops at max", [&] { tap(kKeyUp), tap(kKeyUp), tap(kKeyUp), tap(kKeyUp); },
         [&] { return spin->text; }, "10", 3},
        {"wheel two notches down", [&] { wheel("sp", -2); }, [&] { return spin->text; }, "6", 1},
        {"typed 7 rounds to the step",
         [&] { tap(kKeyA, {kKeyLeftControl}), type("7x"), tap(kKeyEnter); },
         [&] { return spin->text; }, "8", 1},
        {"typed -5 clamps", [&] { tap(kKeyA, {kKeyLeftControl}), type("-5"), tap(kKeyEnter); },
         [&] { return spin->text; }, "0", 1},
        {"typed garbage puts the value back",
         [&] { tap(kKeyA, {kKeyLeftControl}), type("1e"), tap(kKeyTab); },
         [&] { return spin->text; }, "0", 0},
        {"dropdown shows the selected option", [] {}, [&] { return drop->text; }, "Green", 0},
        {"click opens, Down and Enter choose", [&] { click("dd"), tap(kKeyDown), tap(kKeyEnter); },
         [&] { return drop->text + (drop->isOpen() ? " open" : ""); }, "Blue", 1},
        {"a row of the open list is clicked",
         [&] {
             click("dd");
             const auto [x, y] = pixelAt("dd", 0.5f, 1.5f);  // the first row, under the button
             clickAt(x, y);
         },
         [&] { return drop->text + (drop->isOpen() ? " open" : ""); }, "Red", 1},
        {"Escape shuts it unchanged", [&] { click("dd"), tap(kKeyDown), tap(kKeyEscape); },
         [&] { return drop->text + (drop->isOpen() ? " open" : ""); }, "Red", 0},
        {"a click outside the open list only shuts it", [&] { click("dd"), click("pg"); },
         [&] { return drop->text + (drop->isOpen() ? " open" : ""); }, "Red", 0},
        {"Up and Down choose while shut",
         [&] { focusElement = drop, tap(kKeyDown), tap(kKeyUp), tap(kKeyUp); },
         [&] { return drop->text; }, "Red", 2},
        {"a list longer than the room scrolls by the wheel; a click takes the row shown",
         [&] {
             click("many");
             const auto [x, y] = pixelAt("many", 0.5f, 1.5f);  // the first row shown
             moveTo(x, y);
             onScrollEvent(0, -2);
             clickAt(x, y);
         },
         [&] { return named<Dropdown>("many")->text; }, "Option 6", 1},
        {"Down past the rows shown, then Enter",
         [&] {
             click("many");
             for (int i = 0; i < 30; ++i)
                 tap(kKeyDown);
             tap(kKeyEnter);
         },
         [&] { return named<Dropdown>("many")->text; }, "Option 36", 1},
        {"the icon of an icon button takes no press from it", [&] { click("ib"); },
         [&] { return lastSender; }, "ib", 1},
        {"a disabled button hears nothing", [&] { click("off"); }, [&] { return lastSender; }, "ib",
         0},
        {"a hidden button is not hit", [&] { click("hid"); }, [&] { return lastSender; }, "ib", 0},
    };
    for (const Row& row : rows) {
        const int before = calls;
        row.input();
        EXPECT_EQ(row.state(), row.expected) << row.what;
        EXPECT_EQ(calls - before, row.callbacks) << row.what;
    }
    // Tab passes the disabled and the hidden elements by.
    focusElement = nullptr;
    for (int i = 0; i < 12; ++i) {
        tap(kKeyTab);
        EXPECT_TRUE(focusElement != named("off") && focusElement != named("r3") &&
                    focusElement != named("hid"));
    }
}

// A password field shows no text and gives none to the clipboard; a placeholder shows dim only
// while the field is empty and unfocused; a disabled element is drawn faded toward its
// background; the progress bar fills its share.
TEST_F(ControlsScene, LooksOfPasswordPlaceholderDisabledAndProgress) {
    auto* pw = named<TextField>("pw");
    writeClipboard("before");
    focusElement = pw;
    tap(kKeyA, {kKeyLeftControl});
    tap(kKeyC, {kKeyLeftControl});
    tap(kKeyX, {kKeyLeftControl});
    EXPECT_EQ(readClipboard(), "before");
    EXPECT_EQ(pw->text, "secret");
    focusElement = nullptr;
    const Color dim{{128, 255, 128, 255}}, purple{{128, 0, 128, 255}}, blue{{0, 0, 255, 255}};
    std::vector<unsigned char> frame = drawn();
    const auto [phX, phY] = pixelAt("ph", 0, 0);
    const MatchedBox placeholder = boxOf(frame, dim);
    EXPECT_GT(placeholder.count, 0);
    EXPECT_GE(placeholder.left, phX);
    EXPECT_GE(placeholder.top, phY);
    EXPECT_GT(boxOf(frame, purple).count, 0) << "the disabled button's text, faded";
    EXPECT_EQ(boxOf(frame, blue).count, 0) << "nothing in the disabled button's own colour";
    auto* bar = named<ProgressBar>("pg");
    const MatchedBox fill = boxOf(frame, bar->fillColor);
    EXPECT_NEAR(fill.right - fill.left, bar->width / pixelSize / 4, 1);
    click("ph");
    EXPECT_EQ(boxOf(drawn(), dim).count, 0) << "focused: no placeholder";
    // A spinbox scrolls its text clear of its arrows: the caret after a long number shows.
    auto* spin = named<Spinbox>("sp");
    spin->caretColor = Color{{255, 0, 255, 255}};
    click("sp", 0.2f);
    type("12345678901234567890");
    const MatchedBox caret = boxOf(drawn(), spin->caretColor);
    EXPECT_GT(caret.count, 0) << "the caret hidden under the arrows";
    EXPECT_LE(caret.right, pixelAt("sp", 1, 0).first - int(spin->arrowWidth() / pixelSize));
}

// Tooltips show after the delay, stay inside the screen and go when the pointer leaves; a modal
// window keeps input and Tab to itself while shown.
TEST_F(ControlsScene, TooltipsAndModalWindows) {
    const auto [x, y] = pixelAt("dd");
    moveTo(x, y);
    updateTooltip(10);
    updateTooltip(10 + kTooltipDelay / 2);
    EXPECT_EQ(shownTooltip(), nullptr);
    updateTooltip(10 + kTooltipDelay * 1.01);
    ASSERT_NE(shownTooltip(), nullptr);
    EXPECT_EQ(shownTooltip()->text, "Pick a colour");
    moveTo(2, 700);
    updateTooltip(11);
    EXPECT_EQ(shownTooltip(), nullptr);
    // At the far corner the tooltip is moved back on screen.
    auto* corner = new Button("corner", root, "", layoutAreaWidth() - px(10),
                              layoutAreaHeight() - px(10), px(10), px(10));
    corner->tooltip = "A rather long tooltip text";
    moveTo(int(layoutAreaWidth() / pixelSize) - 2, int(layoutAreaHeight() / pixelSize) - 2);
    updateTooltip(20);
    updateTooltip(21);
    ASSERT_NE(shownTooltip(), nullptr);
    Tooltip* tip = shownTooltip();
    EXPECT_LE(tip->x + tip->width, layoutAreaWidth());
    EXPECT_LE(tip->y + tip->height, layoutAreaHeight());
    EXPECT_GE(tip->x, 0);

    loadText("<window name='m' title='Sure?' modal='1' x='70' y='50' width='30' height='20'>"
             "<button name='yes' text='Yes' x='2' y='5' width='8' height='3' "
             "onLeftClick='count'/></window>");
    const int before = calls;
    click("ib");
    EXPECT_EQ(calls, before) << "outside the modal window";
    click("yes");
    EXPECT_EQ(lastSender, "yes");
    for (int i = 0; i < 4; ++i) {
        tap(kKeyTab);
        EXPECT_EQ(focusElement, named("yes"));
    }
    named("m")->visible = false;
    click("ib");
    EXPECT_EQ(lastSender, "ib") << "hidden, the modal window blocks nothing";
}

// Values that make no sense are repaired and reported at their element; nothing here is an
// unknown attribute any more.
TEST_F(ControlsScene, BadValuesAreSafeAndReported) {
    DiagnosticCollector collected;
    loadText("<spinbox name='s1' min='10' max='0' value='30'/>\n"
             "<progress name='p1' value='-4' max='nan'/>\n"
             "<radio name='lonely' text='Alone'/>\n"
             "<radio name='a' group='h' checked='1'/><radio name='b' group='h' checked='1'/>\n"
             "<dropdown name='d'><option text='x' selected='1'/><option text='y' selected='1'/>"
             "</dropdown>\n"
             "<panel><option text='stray'/></panel>\n"
             "<button name='e' enabled='no' visible='1' tooltip=''/>\n");
    EXPECT_TRUE(mentionsAll(collected, {"1: attribute \"max\"", "1: attribute \"value\"",
                                        "2: attribute \"max\"", "2: attribute \"value\"",
                                        "3: attribute \"group\"", "4: attribute \"checked\"",
                                        "5: attribute \"selected\"", "6: attribute \"text\"",
                                        "7: attribute \"enabled\""}));
    EXPECT_EQ(listed(collected).find("unknown"), std::string::npos) << listed(collected);
    auto* s1 = named<Spinbox>("s1");
    EXPECT_EQ(std::vector<double>({s1->range.minimum, s1->range.maximum, s1->value()}),
              std::vector<double>({0, 10, 10}));
    EXPECT_EQ(s1->text, "10");
    EXPECT_EQ(named<ProgressBar>("p1")->range.value, 0);
    EXPECT_EQ(std::pair(named<RadioButton>("a")->checked, named<RadioButton>("b")->checked),
              std::pair(false, true));
    EXPECT_EQ(named<Dropdown>("d")->text, "y");
    EXPECT_TRUE(named("e")->enabled) << "\"no\" is not \"0\": the flag stays on, reported";
}
