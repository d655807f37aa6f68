// Soak test: a million routed input events over thousands of elements, with skin switches.
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/Window.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/Reskin.h"
#include "trellis/skin/SkinFile.h"

#include <malloc.h>
#include <random>

using namespace trellis;

// Random pointer reports past the window's edges, buttons 0 to 11 and keys; a skin every 25,000.
TEST(SoakTest, MillionRoutedEventsKeepRoutingAndMemoryStable) {
    useScreenUnits();
    TempFolder folder;
    const auto skins = folder.write("s.xml", "<skin name='test'><button fontSize='3'/></skin>");
    rootElement = new GuiRoot();
    // 40 windows in and past the screen, of 16 buttons (some hidden) of 3 boxed buttons: 4,600.
    for (int w = 0; w < 40; ++w) {
        Window* window = new Window(nullptr, rootElement, "Title");
        window->setRect(w % 8 * 17 - 9, w / 8 * 19 - 5, 20 + w % 5 * 7, 15 + w % 3 * 9);
        for (int b = 0; b < 16; ++b) {
            Button* button = new Button(nullptr, window, "B", b % 4 * 6, 3 + b / 4 * 4, 7, 5);
            button->visible = b % 7 != 3;
            for (float l : {0, 2, 4})
                new Button(nullptr, new GuiElement(nullptr, button, l, 1, 3, 2), "", 0, 0, 1, 1);
        }
    }
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> x(-50, 1100), y(-50, 820), kind(0, 99), pick(0, 11);
    SkinStore afterOneSwitch;
    size_t heapAfterOneSwitch = 0;  // mallinfo2 reads 0 under AddressSanitizer
    for (int event = 1; event <= 1000000; ++event) {
        if (event % 25000 == 0) {
            loadSkin("test", skins.c_str());
            reskinTree(rootElement, skinStore);
            if (event == 25000)
                afterOneSwitch = skinStore, heapAfterOneSwitch = mallinfo2().uordblks;
            ASSERT_EQ(skinStore, afterOneSwitch) << event;
        }
        if (const int what = kind(random); what < 60) {
            onMousePos(x(random), y(random));
            ASSERT_NE(hoveredElement, nullptr);
        } else if (const int button = pick(random), action = what % 2; what < 88) {
            onMouseButton(button, action);
            ASSERT_TRUE(button >= kMouseButtonCount ||
                        pressedElements[button] == (action ? hoveredElement : nullptr));
        } else {
            onKey(what, action);
        }
    }
    EXPECT_LT(mallinfo2().uordblks, heapAfterOneSwitch + 16 * 1024) << "grew across switches";
}
