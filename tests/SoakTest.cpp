// Soak test of input routing: a million pointer, button and key events over a generated tree of
// a few thousand elements, with skin switches among them, checking the routing state after
// every event and the skin store's and heap's size across repeated switches of one skin.
#include "app/GuiShell.h"
#include "app/InputRouting.h"
#include "app/ScreenUnits.h"
#include "gui/Button.h"
#include "gui/CallbackTable.h"
#include "gui/ElementRegistry.h"
#include "gui/GuiRoot.h"
#include "gui/Window.h"
#include "skin/Reskin.h"
#include "skin/SkinStore.h"
#include "support/GlTest.h"
#include "support/Sanitizers.h"
#include "support/TempFolder.h"
#include "support/TreeTeardown.h"

#include <malloc.h>
#include <random>
#include <string>

namespace {

constexpr int kEvents = 1000000;
#ifdef TRELLIS_UNDER_ASAN
// The heap arena then belongs to the sanitizer's allocator, which mallinfo2 does not see.
constexpr bool kMeasureHeap = false;
#else
constexpr bool kMeasureHeap = true;
#endif
constexpr int kSwitchEvery = 25000;  // events between two skin switches
constexpr int kWindows = 40;
constexpr int kButtonsPerWindow = 16;
constexpr int kLeavesPerButton = 3;

const char* const kSkins = R"(<skin name='default'>
  <global bgColor='1b212bff' fontColor='e4ebf5ff' fontSize='2'/>
  <button bgColor='46597aff'/><window bgColor='283241ff'/>
</skin>
<skin name='test'>
  <global bgColor='fbefd9ff'/><button bgColor='e9a84cff' fontSize='3' texture='1'/>
  <title fontColor='fff3e0ff'/><button3 u0='0.25' v1='0.75'/>
</skin>)";

std::string skinPath;
int skinSwitches = 0;
int unhandledButtons = 0;
int unhandledKeys = 0;

void switchSkin() {
    loadSkin("test", skinPath.c_str());
    reskinTree(rootElement, skinStore);
    ++skinSwitches;
}

struct Receiver {
} receiver;

void switchSkinCallback(void*, CallbackSender*) {
    switchSkin();
}

void countButton(int, int) {
    ++unhandledButtons;
}

void countKey(int, int) {
    ++unhandledKeys;
}

size_t skinStoreBytes() {
    size_t bytes = 0;
    for (const auto& [section, attributes] : skinStore) {
        bytes += section.size();
        for (const auto& [name, value] : attributes)
            bytes += name.size() + value.size();
    }
    return bytes;
}

// Overlapping titled windows across the screen and past its edges, each holding buttons with
// plain elements and nested buttons in them: a few thousand elements, some hidden.
void buildTree(std::mt19937& random) {
    std::uniform_real_distribution<float> spot(-10.0f, 130.0f), size(8.0f, 50.0f);
    int count = 0;
    for (int w = 0; w < kWindows; ++w) {
        const std::string windowName = "window" + std::to_string(w);
        Window* window = new Window(windowName.c_str(), rootElement, "Title");
        window->setRect(spot(random), spot(random) * 0.75f, size(random), size(random));
        for (int b = 0; b < kButtonsPerWindow; ++b) {
            const std::string name = "button" + std::to_string(count++);
            Button* button =
                new Button(name.c_str(), window, "B", float(b % 4) * 6, 3 + float(b / 4) * 4, 7, 5);
            button->visible = b % 7 != 3;
            if (count % 97 == 0)
                bindCallback("switchSkin", button->clickCallbacks[0]);
            for (int l = 0; l < kLeavesPerButton; ++l) {
                GuiElement* leaf = new GuiElement(nullptr, button, float(l) * 2, 1, 3, 2);
                if (l == 0)
                    new Button(nullptr, leaf, "", 0.5f, 0.5f, 1, 1);
            }
        }
    }
}

}  // namespace

// Random pointer reports (past the window's edges too), presses and releases of buttons 0 to 11,
// and keys, with a skin switch every few thousand events and from a few bound buttons.
TEST(SoakTest, MillionRoutedEventsWithSkinSwitchesKeepRoutingAndMemoryStable) {
    useScreenUnits();
    TempFolder folder;
    skinPath = folder.write("skins.xml", kSkins);
    loadSkin("default", skinPath.c_str());
    registerCallback("switchSkin", switchSkinCallback, &receiver);
    userMouseButtonHandler = countButton;
    userKeyHandler = countKey;
    rootElement = new GuiRoot();
    std::mt19937 random(20261206);
    buildTree(random);
    std::vector<GuiElement*> all;
    collectTree(rootElement, all);
    ASSERT_GT(all.size(), 3000u);

    // The pointer ranges past every edge of the 1024 x 768 window, as it does while a button
    // is held; buttons 8 to 11 reach past the routed range.
    std::uniform_int_distribution<int> pixelX(-50, 1100), pixelY(-50, 820), kind(0, 99);
    std::uniform_int_distribution<int> mouseButton(0, 11), key(0, 400);
    bool held[12] = {};
    int expectedUnhandledButtons = 0, keyEvents = 0;
    size_t storeBytes = 0, heapAfterFirstSwitch = 0;
    onMousePos(0, 0);  // as installing the pointer handler reports the pointer at once

    for (int event = 0; event < kEvents; ++event) {
        if (event % kSwitchEvery == kSwitchEvery - 1) {
            switchSkin();
            if (skinSwitches == 1) {
                storeBytes = skinStoreBytes();
                heapAfterFirstSwitch = mallinfo2().uordblks;
            }
            ASSERT_EQ(skinStoreBytes(), storeBytes) << "after switch " << skinSwitches;
        }
        const int what = kind(random);
        if (what < 60) {
            onMousePos(pixelX(random), pixelY(random));
            ASSERT_NE(hoveredElement, nullptr);
        } else if (what < 88) {
            const int button = mouseButton(random);
            const bool press = !held[button];
            held[button] = press;
            if (button >= kMouseButtonCount)
                ++expectedUnhandledButtons;
            onMouseButton(button, press ? 1 : 0);
            if (button >= kMouseButtonCount)
                continue;
            if (press) {
                ASSERT_EQ(pressedElements[button], hoveredElement) << "event " << event;
                if (button == 0) {
                    ASSERT_EQ(focusElement, hoveredElement);
                }
            } else {
                ASSERT_EQ(pressedElements[button], nullptr) << "event " << event;
            }
        } else {
            onKey(key(random), kind(random) % 2);
            ++keyEvents;
        }
    }
    for (int button = 0; button < 12; ++button) {
        if (held[button]) {
            expectedUnhandledButtons += button >= kMouseButtonCount;
            onMouseButton(button, 0);
        }
    }
    for (GuiElement* pressed : pressedElements)
        EXPECT_EQ(pressed, nullptr);
    // No element consumes keys, and every routed button found a hovered element.
    EXPECT_EQ(unhandledKeys, keyEvents);
    EXPECT_EQ(unhandledButtons, expectedUnhandledButtons);
    EXPECT_GE(skinSwitches, kEvents / kSwitchEvery);
    if (kMeasureHeap) {
        // A leaked parse of the skin file alone would add a few kilobytes a switch.
        EXPECT_LT(mallinfo2().uordblks, heapAfterFirstSwitch + 16 * 1024)
            << mallinfo2().uordblks - heapAfterFirstSwitch;
    }

    // Tearing the tree down leaves nothing behind in the routing state or the registry.
    destroyTree(rootElement);
    rootElement = nullptr;
    EXPECT_EQ(hoveredElement, nullptr);
    EXPECT_EQ(focusElement, nullptr);
    EXPECT_TRUE(elementRegistry.empty());
}
