// Tests for text elements, title bars, buttons and windows without GL: what each constructor
// takes from the skin store and when, re-skinning, geometry on a 768-pixel grid, and the
// button's pressed state.
#include "app/InputRouting.h"
#include "app/ScreenUnits.h"
#include "gui/Button.h"
#include "gui/TitleBar.h"
#include "gui/Window.h"
#include "skin/Reskin.h"
#include "skin/SkinStore.h"
#include "support/GlTest.h"
#include "support/TreeTeardown.h"

#include <gtest/gtest.h>

namespace {

class ElementClassesTest : public ::testing::Test {
protected:
    void SetUp() override { useScreenUnits(); }

    // A length in whole pixels of the 768-pixel grid; fails if it is off the grid.
    static int pixels(float units) {
        const float exact = units / pixelSize;
        const int whole = static_cast<int>(exact + 0.5f);
        EXPECT_NEAR(exact, whole, 1e-3) << units << " units is not on the pixel grid";
        return whole;
    }
};

// A plain text element reads only "fontColor" while it is built, under "global" since its
// skin class is not set yet; the full applySkin of a re-skin then takes "fontSize" unsnapped.
TEST_F(ElementClassesTest, TextElementTakesFontSizeOnlyAtTheFirstReskin) {
    setSkinAttribute("global", "fontSize", "2.3");
    setSkinAttribute("global", "fontColor", "102030ff");
    setSkinAttribute("button", "fontColor", "ff0000ff");
    setSkinAttribute("label", "fontSize", "3.3");

    TextElement plain("", nullptr, "plain", 0, 0, 10, 3);
    TextElement label("label", nullptr, nullptr, 0, 0, 10, 3);
    for (TextElement* element : {&plain, &label}) {
        EXPECT_EQ(element->fontSize, snapToPixel(2.0f));
        EXPECT_EQ(element->fontColor, (Color{{0x10, 0x20, 0x30, 255}}));
        EXPECT_EQ(element->hAlign, TextAlign::Start);
        EXPECT_EQ(element->vAlign, TextAlign::Center);
    }
    EXPECT_EQ(label.text, "");

    reskinTree(&plain, skinStore);
    reskinTree(&label, skinStore);
    EXPECT_EQ(plain.fontSize, 2.3f);
    EXPECT_NE(plain.fontSize, snapToPixel(2.3f));
    EXPECT_EQ(label.fontSize, 3.3f);
}

// Every attribute GuiElement's applySkin reads reaches its field; what no section holds is
// left as it is, also at later re-skins.
TEST_F(ElementClassesTest, ApplySkinSetsFoundFieldsAndLeavesTheRest) {
    Button button("b", nullptr, "B", 0, 0, 3, 1);
    button.u0 = 0.25f;
    button.fontColor = Color{{1, 2, 3, 4}};
    setSkinAttribute("b", "bgColor", "ff8000c0");
    setSkinAttribute("button", "texture", "7");
    setSkinAttribute("global", "v0", "0.125");
    setSkinAttribute("global", "u1", "0.5");
    setSkinAttribute("global", "v1", "abc");
    reskinTree(&button, skinStore);
    EXPECT_EQ(button.bgColor, (Color{{255, 128, 0, 192}}));
    EXPECT_EQ(button.texture, 7u);
    EXPECT_EQ(button.u0, 0.25f);
    EXPECT_EQ(button.v0, 0.125f);
    EXPECT_EQ(button.u1, 0.5f);
    EXPECT_EQ(button.v1, 0.0f);
    EXPECT_EQ(button.fontColor, (Color{{1, 2, 3, 4}}));

    setSkinAttribute("b", "bgColor", "");  // found, so applied: transparent black
    reskinTree(&button, skinStore);
    EXPECT_EQ(button.bgColor, (Color{{0, 0, 0, 0}}));
}

// Each class reads its own section: window, title bar and close button are skinned as
// "window", "title" and "button", and the close button's "X" fills its square until a
// re-skin finds a size for it in its empty-name section, "button" or "global".
TEST_F(ElementClassesTest, WindowPartsTakeTheirClassSectionsAndCloseButtonSize) {
    setSkinAttribute("window", "bgColor", "000001ff");
    setSkinAttribute("title", "bgColor", "000002ff");
    setSkinAttribute("title", "fontSize", "1.75");
    setSkinAttribute("button", "bgColor", "000003ff");
    setSkinAttribute("button", "fontSize", "1.5");
    Window window("w", nullptr, "Title");
    ASSERT_NE(window.titleBar, nullptr);
    Button* close = window.titleBar->closeButton;
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(window.bgColor.blue(), 1);
    EXPECT_EQ(window.titleBar->bgColor.blue(), 2);
    EXPECT_EQ(window.titleBar->fontSize, 1.75f);
    EXPECT_EQ(window.titleBar->text, "Title");
    EXPECT_EQ(close->bgColor.blue(), 3);
    EXPECT_EQ(close->text, "X");
    EXPECT_EQ(close->hAlign, TextAlign::Center);
    EXPECT_EQ(close->fontSize, close->height);

    reskinTree(&window, skinStore);
    EXPECT_EQ(close->fontSize, 1.5f);
    setSkinAttribute("", "fontSize", "1.25");
    reskinTree(&window, skinStore);
    EXPECT_EQ(close->fontSize, 1.25f);
    EXPECT_EQ(window.titleBar->fontSize, 1.25f);  // the title bar's name is empty too
    destroyTree(window.titleBar);  // the window on the stack does not own its parts
}

// A name section outranks the class and "global" at construction and at every re-skin;
// a window's frame is never skinned, even by attributes of those names.
TEST_F(ElementClassesTest, ReskinsKeepNameSectionsAndWindowFrames) {
    setSkinAttribute("okButton", "bgColor", "11223344");
    setSkinAttribute("button", "bgColor", "ffffffff");
    setSkinAttribute("window", "borderColor", "ff0000ff");
    setSkinAttribute("window", "border", "0");
    Window window("w", nullptr, nullptr);
    Button ok("okButton", &window, "OK", 0, 0, 3, 1);
    EXPECT_EQ(window.titleBar, nullptr);
    EXPECT_EQ(window.borderColor, (Color{{172, 172, 172, 255}}));
    EXPECT_TRUE(window.border);
    EXPECT_EQ(ok.bgColor, (Color{{0x11, 0x22, 0x33, 0x44}}));

    window.border = false;
    window.borderColor = Color{{1, 2, 3, 4}};
    for (const char* classColor : {"00ff00ff", "0000ffff"}) {
        setSkinAttribute("button", "bgColor", classColor);
        setSkinAttribute("global", "bgColor", classColor);
        reskinTree(&window, skinStore);
        EXPECT_EQ(ok.bgColor, (Color{{0x11, 0x22, 0x33, 0x44}}));
        EXPECT_FALSE(window.border);
        EXPECT_EQ(window.borderColor, (Color{{1, 2, 3, 4}}));
    }
}

// At 768 pixels the title bar is 19 pixels high and as wide as the window; the close button
// is a 17-pixel square one pixel in from its top, right and bottom. setRect and setSize keep
// that at the new width, without moving the title bar or resizing the button.
TEST_F(ElementClassesTest, TitleBarAndCloseButtonFollowTheWindowWidth) {
    Window window("w", nullptr, "Title");
    TitleBar& bar = *window.titleBar;
    const Button& close = *bar.closeButton;
    EXPECT_NEAR(bar.height, 2.4739583f, 1e-6);
    auto expectLayout = [&](int windowWidth) {
        EXPECT_EQ(pixels(window.width), windowWidth);
        EXPECT_EQ(pixels(bar.width), windowWidth);
        EXPECT_EQ(pixels(bar.height), 19);
        EXPECT_EQ(pixels(bar.x), 0);
        EXPECT_EQ(pixels(bar.y), 0);
        EXPECT_EQ(pixels(close.width), 17);
        EXPECT_EQ(pixels(close.height), 17);
        EXPECT_EQ(pixels(close.y), 1);
        EXPECT_EQ(pixels(close.x + close.width), windowWidth - 1);
    };
    expectLayout(230);  // the 30-unit default width
    window.setRect(10, 20, 40, 30);
    expectLayout(307);
    EXPECT_EQ(pixels(window.height), 230);
    window.setSize(15, 5);
    expectLayout(115);

    Window untitled("u", nullptr, nullptr);
    untitled.setRect(1, 1, 5, 5);
    EXPECT_EQ(untitled.titleBar, nullptr);
    destroyTree(window.titleBar);  // the window on the stack does not own its parts
}

// The pressed state moves the button one pixel right and down, once; the left button presses
// and releases it, any button fires the mouse-down callback, and leaving releases it.
TEST_F(ElementClassesTest, ButtonPressedState) {
    Button button("b", nullptr, "B", 1, 2, 3, 1);
    int mouseDowns = 0;
    button.mouseDownCallback = {[](void* count, CallbackSender*) { ++*static_cast<int*>(count); },
                                &mouseDowns};
    const float restX = button.x, restY = button.y, width = button.width;
    auto expectState = [&](bool pressed, int downs) {
        EXPECT_EQ(button.pressed, pressed);
        EXPECT_EQ(pixels(button.x - restX), pressed ? 1 : 0);
        EXPECT_EQ(pixels(button.y - restY), pressed ? 1 : 0);
        EXPECT_EQ(button.width, width);
        EXPECT_EQ(mouseDowns, downs);
    };
    button.setPressed(true);
    button.setPressed(true);
    expectState(true, 0);
    button.setPressed(false);
    button.setPressed(false);
    expectState(false, 0);

    button.onMouseDown(1);
    expectState(false, 1);
    button.onMouseDown(0);
    expectState(true, 2);
    button.onMouseUp(1);
    expectState(true, 2);
    button.onMouseUp(0);
    expectState(false, 2);

    button.onMouseEnter();  // the left button did not go down here
    expectState(false, 2);
    pressedElements[0] = &button;
    button.onMouseEnter();
    expectState(true, 2);
    button.onMouseLeave();
    expectState(false, 2);
    button.onMouseLeave();
    expectState(false, 2);
    pressedElements[0] = nullptr;
}

}  // namespace
