// Tests for the named callback table (keys, binding by copy, replacement) and the demo's
// changeSkin callback fired by a window and by buttons, with a skin file in a temp working
// folder. No GL: screen units only.
#include "gui/CallbackTable.h"
#include "app/ChangeSkin.h"
#include "app/GuiShell.h"
#include "gui/Button.h"
#include "gui/GuiRoot.h"
#include "gui/TitleBar.h"
#include "gui/Window.h"
#include "skin/SkinStore.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

int firstReceiver = 0, secondReceiver = 0;

void first(void*, CallbackSender*) {}
void second(void*, CallbackSender*) {}

bool isBoundTo(const Callback& callback, CallbackFunction function, void* receiver) {
    return callback.function == function && callback.receiver == receiver;
}

// ============================================================================================
// The table
// ============================================================================================

// Keys are whole, case-sensitive texts, the empty one included; null never binds.
TEST(CallbackTableTest, KeysAreExactTexts) {
    registerCallback("", first, &firstReceiver);
    registerCallback("changeSkin", second, &secondReceiver);

    Callback slot;
    EXPECT_TRUE(bindCallback("", slot));
    EXPECT_TRUE(isBoundTo(slot, first, &firstReceiver));
    for (const char* miss : {"changeskin", "ChangeSkin", "changeSkin ", " changeSkin"}) {
        Callback untouched;
        EXPECT_FALSE(bindCallback(miss, untouched)) << miss;
        EXPECT_TRUE(isBoundTo(untouched, nullptr, nullptr)) << miss;
    }
    EXPECT_FALSE(bindCallback(nullptr, slot));
    EXPECT_TRUE(isBoundTo(slot, first, &firstReceiver));
    EXPECT_EQ(callbackTable.size(), 2u) << "binding never adds an entry";
}

// A bound slot holds a copy: a failed bind leaves it alone, and registering the name again
// replaces the entry for later binds only.
TEST(CallbackTableTest, BindingCopiesAndRegisteringAgainReplaces) {
    registerCallback("action", first, &firstReceiver);
    Callback early;
    ASSERT_TRUE(bindCallback("action", early));
    EXPECT_FALSE(bindCallback("unregistered", early));
    EXPECT_TRUE(isBoundTo(early, first, &firstReceiver));

    registerCallback("action", second, &secondReceiver);
    Callback late;
    ASSERT_TRUE(bindCallback("action", late));
    EXPECT_TRUE(isBoundTo(late, second, &secondReceiver));
    EXPECT_TRUE(isBoundTo(early, first, &firstReceiver));
    EXPECT_EQ(callbackTable.size(), 1u);
}

// ============================================================================================
// The demo's changeSkin
// ============================================================================================

// A window with a title and two buttons, styled from a skin file in the working folder whose
// "test" skin names only the window and button classes.
class ChangeSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write(kSkinFileName, R"(
<skin name='default'>
  <window bgColor='101010ff'/>
  <title bgColor='202020ff'/>
  <button bgColor='303030ff' fontColor='ffffffff'/>
</skin>
<skin name='test'>
  <window bgColor='a0a0a0ff'/>
  <button bgColor='b0b0b0ff'/>
</skin>)");
        useScreenUnits();
        loadSkin("default");
        rootElement = new GuiRoot();
        window = new Window("panel", rootElement, "Panel");
        clicked = new Button("clicked", window, "Apply", 1, 4, 10, 3);
        bystander = new Button("bystander", window, "Cancel", 12, 4, 10, 3);
        registerCallback("changeSkin", changeSkin, &demoApplication);
        bindCallback("changeSkin", window->mouseDownCallback);
        bindCallback("changeSkin", clicked->clickCallbacks[0]);
        bindCallback("changeSkin", bystander->clickCallbacks[0]);
    }

    // Whether every element shows the "test" skin (title bars keep "default"'s colour).
    void expectTestSkin() const {
        EXPECT_EQ(window->bgColor, (Color{{0xa0, 0xa0, 0xa0, 0xff}}));
        EXPECT_EQ(window->titleBar->bgColor, (Color{{0x20, 0x20, 0x20, 0xff}}));
        for (const Button* button : {clicked, bystander, window->titleBar->closeButton}) {
            EXPECT_EQ(button->bgColor, (Color{{0xb0, 0xb0, 0xb0, 0xff}})) << button->text;
            EXPECT_EQ(button->fontColor, (Color{{0xff, 0xff, 0xff, 0xff}})) << button->text;
        }
    }

    TempFolder folder;
    WorkingDirectory inFolder{folder.root()};
    int demoApplication = 0;
    Window* window = nullptr;
    Button* clicked = nullptr;
    Button* bystander = nullptr;
};

// Fired by a window's mouse-down, changeSkin restyles the whole tree and relabels nothing.
TEST_F(ChangeSkinTest, FromAWindowRestylesWithoutRelabelling) {
    ASSERT_EQ(clicked->bgColor, (Color{{0x30, 0x30, 0x30, 0xff}}));
    window->onMouseDown(0);
    expectTestSkin();
    EXPECT_EQ(window->titleBar->text, "Panel");
    EXPECT_EQ(clicked->text, "Apply");
    EXPECT_EQ(bystander->text, "Cancel");
}

// Fired by a button's click, it also relabels that button alone; firing again changes nothing
// more.
TEST_F(ChangeSkinTest, FromAButtonRelabelsOnlyThatButton) {
    clicked->onClick(0);
    expectTestSkin();
    EXPECT_EQ(clicked->text, "Pushover");
    EXPECT_EQ(bystander->text, "Cancel");
    clicked->onClick(0);
    expectTestSkin();
    EXPECT_EQ(clicked->text, "Pushover");
}

}  // namespace
