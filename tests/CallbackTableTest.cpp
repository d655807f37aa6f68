// Tests for the named callback table and the demo's changeSkin, without GL.
#include "trellis/gui/CallbackTable.h"
#include "app/ChangeSkin.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/SkinFile.h"

using namespace trellis;

static int one, two;  // receivers, which tell the entries apart
static void noop(void*, CallbackSender*) {}

// Keys are exact, case-sensitive texts, the empty one too; a failed bind leaves a slot alone.
TEST(CallbackTableTest, BindsExactNamesOnly) {
    registerCallback("", noop, &one);
    registerCallback("changeSkin", noop, &two);
    Callback slot;
    EXPECT_TRUE(bindCallback("", slot));
    for (const char* miss : {"changeskin", "changeSkin ", "unregistered"})
        EXPECT_FALSE(bindCallback(miss, slot)) << miss;
    EXPECT_FALSE(bindCallback(nullptr, slot));
    EXPECT_EQ(slot.receiver, &one);
}

// changeSkin restyles the tree whoever fires it, and relabels the sender only if a button.
TEST(ChangeSkinTest, RestylesTheTreeAndRelabelsOnlyAButtonSender) {
    TempFolder folder;
    folder.write(kSkinFileName, "<skin name='test'><button bgColor='b0b0b0ff'/></skin>");
    WorkingDirectory inFolder(folder.root());
    useScreenUnits();
    Button* button = new Button("apply", rootElement = new GuiRoot(), "Apply", 1, 4, 10, 3);
    changeSkin(&one, rootElement);
    EXPECT_EQ(button->bgColor, (Color{{0xb0, 0xb0, 0xb0, 0xff}}));
    EXPECT_EQ(button->text, "Apply");
    changeSkin(&one, button);
    EXPECT_EQ(button->text, "Pushover");
}
