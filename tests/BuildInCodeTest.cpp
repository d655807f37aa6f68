// Tests for building in code: the one-call builders laid out by the containers, and C++
// callables as callbacks, bound by name like the (function, receiver) pairs.
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/layout/Build.h"
#include "trellis/layout/LayoutPass.h"
#include "trellis/shell/Host.h"

#include <string>

using namespace trellis;

namespace {

struct BuildInCode : ::testing::Test {
    void SetUp() override {
        useScreenUnits();
        rootElement = new GuiRoot();
    }
    void TearDown() override { destroyElement(rootElement); }
};

// The README's example: a window with a row of three buttons and a slider below them.
TEST_F(BuildInCode, AWindowWithARowOfButtonsAndASlider) {
    std::string log;
    auto* window = buildWindow("Tools", 10, 10, 40, 14);
    auto* column = buildColumn(window);
    auto* row = buildRow(column);
    for (const char* label : {"Cut", "Copy", "Paste"})
        buildButton(row, label, [&log, label](CallbackSender*) { log += label; });
    auto* slider = buildSlider(column, 0, 10, 4, [&log](CallbackSender* sender) {
        log += std::to_string(int(dynamic_cast<Slider*>(sender)->value()));
    });
    layOut(window);

    EXPECT_EQ(window->parent, rootElement);
    EXPECT_NEAR(column->y, titleBarHeight, pixelSize);
    const std::vector<GuiElement*>& buttons = row->children.oldestFirst();
    ASSERT_EQ(buttons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(buttons[i]->x, 13 * i, 2 * pixelSize) << i;  // 38 units less 2 spaces
        EXPECT_NEAR(buttons[i]->width, 12, 2 * pixelSize) << i;
        EXPECT_NEAR(buttons[i]->height, 3, pixelSize) << i;
    }
    EXPECT_NEAR(slider->x, 1, pixelSize);
    EXPECT_NEAR(slider->y, 1 + 3 + 1, pixelSize) << "below the row, spaced";
    EXPECT_NEAR(slider->width, 38, pixelSize);
    EXPECT_EQ(slider->value(), 4) << "the value given, reported to nobody";
    EXPECT_EQ(log, "");

    for (GuiElement* button : buttons)
        button->onClick(0);
    buttons[0]->onClick(1);  // no right-click callback: nothing
    slider->setValue(7);
    EXPECT_EQ(log, "CutCopyPaste7");
}

// Handlers and (function, receiver) pairs share one table and one set of names: the later
// registration of a name replaces the earlier, whichever its kind, and the event fires
// whatever was bound when the dialogue loaded.
TEST_F(BuildInCode, HandlersAndPairsShareTheCallbackNames) {
    static std::string log;
    static int receiver;
    log.clear();
    const CallbackFunction pair = [](void*, CallbackSender*) { log += "pair "; };
    const struct {
        const char* steps;  // h: a handler, p: a pair, e: an empty handler, in this order
        const char* fired;
    } cases[] = {
        {"h", "handler "}, {"p", "pair "}, {"hp", "pair "}, {"ph", "handler "}, {"he", ""}};
    TempFolder files;
    const std::string path = files.write("d.xml", "<button name='b' onLeftClick='go'/>");
    for (const auto& c : cases) {
        for (const char* step = c.steps; *step; ++step) {
            if (*step == 'p')
                registerCallback("go", pair, &receiver);
            else if (*step == 'h')
                registerCallback("go", [](CallbackSender*) { log += "handler "; });
            else
                registerCallback("go", CallbackHandler());
        }
        LoadedDialogue loaded = loadDialogueFile(path.c_str());
        log.clear();
        loaded.findElement("b")->onClick(0);
        EXPECT_EQ(log, c.fired) << c.steps;
        destroyDialogue(loaded);
    }
}

}  // namespace
