// Tests for the demo's changeSkin callback, without GL.
#include "app/ChangeSkin.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/SkinFile.h"

using namespace trellis;

static int receiver;  // the demo's receiver holds nothing either

// changeSkin restyles the tree whoever fires it, and relabels the sender only if a button.
TEST(ChangeSkinTest, RestylesTheTreeAndRelabelsOnlyAButtonSender) {
    TempFolder folder;
    folder.write(kSkinFileName, "<skin name='test'><button bgColor='b0b0b0ff'/></skin>");
    WorkingDirectory inFolder(folder.root());
    useScreenUnits();
    Button* button = new Button("apply", rootElement = new GuiRoot(), "Apply", 1, 4, 10, 3);
    changeSkin(&receiver, rootElement);
    EXPECT_EQ(button->bgColor, (Color{{0xb0, 0xb0, 0xb0, 0xff}}));
    EXPECT_EQ(button->text, "Apply");
    changeSkin(&receiver, button);
    EXPECT_EQ(button->text, "Pushover");
}
