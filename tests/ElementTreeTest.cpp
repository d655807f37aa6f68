// Tests for the element tree without GL: snapping, hit tests, children, shading, clicks, names,
// and the named callbacks files bind.
#include "support/MatchedBox.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/shell/GuiShell.h"

using namespace trellis;

using Elements = std::vector<GuiElement*>;

// Snapping to the nearest pixel, halves up, negatives toward zero; whole pixels stay put.
TEST(ElementTree, SnappingHitTestsAndShading) {
    useScreenUnits();
    EXPECT_TRUE(snapToPixel(2.5f) == px(19) && snapToPixel(0.4f) == px(3));  // 2.4739583, 0.390625
    for (auto [pixels, snapped] : {std::pair{-7.68f, -7}, {0.5f, 1}, {0.49f, 0}, {-1.7f, -1}})
        EXPECT_EQ(snapToPixel(px(pixels)), px(snapped)) << pixels;
    for (int n = 0; n <= kTestWindowWidth; ++n)
        ASSERT_EQ(snapToPixel(px(n)), px(n)) << n;
    // containsPoint is strict on all four edges; scaleColor clamps, truncates and keeps alpha.
    GuiElement box("box", nullptr, px(10), px(20), px(30), px(40));
    EXPECT_TRUE(box.containsPoint(px(10.5f), px(20.5f)) && box.containsPoint(px(39.5f), px(59.5f)));
    for (auto [x, y] : {std::pair{10, 40}, {40, 40}, {25, 20}, {25, 60}})
        EXPECT_FALSE(box.containsPoint(px(x), px(y))) << x << ", " << y;
    EXPECT_EQ(scaleColor({{200, 100, 0, 7}}, 1.4f), (Color{{255, 140, 0, 7}}));
    EXPECT_EQ(scaleColor({{255, 1, 10, 0}}, 0.6f), (Color{{153, 0, 6, 0}}));
}

// addChild twice lists a child twice and removeChild drops both; clicks beyond 0..9 do nothing.
TEST(ElementTree, ChildListsAndClicks) {
    useScreenUnits();
    GuiElement parent("parent", nullptr, 0, 0, 10, 10), first("first", &parent, 0, 0, 1, 1),
        second("second", &parent, 0, 0, 1, 1);
    parent.addChild(&first);
    EXPECT_EQ(parent.children.oldestFirst(), (Elements{&first, &second, &first}));
    parent.removeChild(&first);
    EXPECT_TRUE(parent.children.oldestFirst() == Elements{&second} && first.parent == nullptr);
    CallbackSender* senders[kClickCallbackCount] = {};
    auto keep = [](void* into, CallbackSender* s) { *static_cast<CallbackSender**>(into) = s; };
    for (int i = 0; i < kClickCallbackCount; ++i)
        parent.clickCallbacks[i] = {keep, &senders[i]};
    for (int button : {-1, kClickCallbackCount, 1000, 3})
        parent.onClick(button);
    for (int i = 0; i < kClickCallbackCount; ++i)
        EXPECT_EQ(senders[i], i == 3 ? &parent : nullptr) << "button " << i;
}

// Names stay with the first holder past a duplicate's end; orphans are left without a parent.
TEST(ElementTree, RegistryAndDestruction) {
    useScreenUnits();
    GuiRoot root;
    rootElement = &root;
    GuiElement loose("loose", nullptr, 0, 0, 1, 1), stray("loose", nullptr, 0, 0, 1, 1);
    delete new GuiElement("loose", nullptr, 0, 0, 1, 1);
    EXPECT_TRUE(elementRegistry.at("GuiRoot") == &root && elementRegistry.at("loose") == &loose);
    EXPECT_EQ(root.children.oldestFirst(), (Elements{&loose, &stray})) << "a taken name joins too";
    // An element owns its children: deleting it deletes the subtree and frees every name.
    auto* owner = new GuiElement("owner", &loose, 0, 0, 1, 1);
    new GuiElement("owned", new GuiElement("middle", owner, 0, 0, 1, 1), 0, 0, 1, 1);
    delete owner;
    EXPECT_TRUE(loose.children.empty());
    for (const char* name : {"owner", "middle", "owned"})
        EXPECT_EQ(elementRegistry.count(name), 0u) << name;
    rootElement = nullptr;
}

// Callback keys are exact, case-sensitive texts, the empty one too; a failed bind leaves a slot
// alone.
TEST(CallbackTable, BindsExactNamesOnly) {
    static int one, two;  // receivers, which tell the entries apart
    const auto noop = [](void*, CallbackSender*) {};
    registerCallback("", noop, &one);
    registerCallback("changeSkin", noop, &two);
    Callback slot;
    EXPECT_TRUE(bindCallback("", slot));
    for (const char* miss : {"changeskin", "changeSkin ", "unregistered"})
        EXPECT_FALSE(bindCallback(miss, slot)) << miss;
    EXPECT_FALSE(bindCallback(nullptr, slot));
    EXPECT_EQ(slot.receiver, &one);
}
