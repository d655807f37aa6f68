// Tests for the dialogue loader: trees, attributes and skin sections built from files on disk
// (files that build nothing are in HostApiTest).
#include "trellis/dialogue/DialogueLoader.h"
#include "support/MatchedBox.h"
#include "support/TempFolder.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/Reskin.h"

#include <gtest/gtest.h>

using namespace trellis;

namespace {

using Floats = std::vector<float>;
using Elements = std::vector<GuiElement*>;
void noop(void*, CallbackSender*) {}

struct DialogueLoaderTest : ::testing::Test {
    void SetUp() override {
        useScreenUnits();
        rootElement = new GuiRoot();
    }
    void load(const std::string& xml) { loadDialogue(files.write("d.xml", xml).c_str()); }
    const Elements& topLevel() const { return rootElement->children.oldestFirst(); }
    template <class T> T* find(const std::string& name) const {
        return dynamic_cast<T*>(elementRegistry.count(name) ? elementRegistry.at(name) : nullptr);
    }
    static Floats rect(GuiElement* e) { return {e->x, e->y, e->width, e->height}; }
    static Floats px4(int x, int y, int w, int h) { return {px(x), px(y), px(w), px(h)}; }
    TempFolder files;
};

// Classes, parents, order, snapped rectangles, callbacks known at load time, hidden unknown tags.
TEST_F(DialogueLoaderTest, BuildsTheTreeTheFileDescribes) {
    int r[4];
    const char* names[] = {"down", "left", "right", "middle"};
    for (int i = 0; i < 4; ++i)
        registerCallback(names[i], noop, &r[i]);
    load(R"(<window name='main' title='Demo' x='10' y='10' width='40' height='30'>
  <button name='skin' onMouseDown='down' onLeftClick='left' onRightClick='right' onMiddleClick='middle'/>
  <button name='outer' onMouseDown='Down' onLeftClick='late'>
    <frame name='frame' bgColor='123456ff'><button name='hidden'/></frame>
    <window name='inner'><button name='deepest'/></window>
  </button>
</window><group><window name='hiddenWindow'/></group><button name='loose'/>)");
    registerCallback("late", noop, &r[1]);
    auto *window = find<Window>("main"), *inner = find<Window>("inner");
    auto *skin = find<Button>("skin"), *outer = find<Button>("outer");
    ASSERT_TRUE(window && inner && skin && outer && window->titleBar);
    EXPECT_EQ(topLevel(), (Elements{window, find<Button>("loose")}));
    EXPECT_EQ(window->children.oldestFirst(), (Elements{window->titleBar, skin, outer}));
    EXPECT_EQ(outer->children.oldestFirst(), Elements{inner});
    EXPECT_EQ(rect(window), px4(77, 77, 307, 230));  // from 76.8, 307.2 and 230.4 px
    EXPECT_EQ(window->titleBar->width, window->width) << "follows the width loaded after it";
    EXPECT_EQ(
        (std::vector<void*>{skin->mouseDownCallback.receiver, skin->clickCallbacks[0].receiver,
                            skin->clickCallbacks[1].receiver, skin->clickCallbacks[2].receiver,
                            outer->mouseDownCallback.receiver, outer->clickCallbacks[0].receiver}),
        (std::vector<void*>{&r[0], &r[1], &r[2], &r[3], nullptr, nullptr}));
    EXPECT_EQ(skinStore.count("frame") + skinStore.count("main"), 0u) << "styles stay with elements";
}

// Only "0" turns a frame off; absent attributes keep defaults; six hex digits read as 00RRGGBB.
TEST_F(DialogueLoaderTest, AttributeValuesAsWritten) {
    load(R"(<window name='0' border='0'/><window name='false' border='false'/>
<window name='00' border='00'/><window name='empty' border='' borderColor='8080c0'/>
<button name='bare' x='2.5'/>)");
    for (const char* name : {"0", "false", "00", "empty"}) {
        ASSERT_NE(find<Window>(name), nullptr) << name;
        EXPECT_EQ(find<Window>(name)->border, name != std::string("0")) << name;
        EXPECT_EQ(find<Window>(name)->titleBar, nullptr) << name;
    }
    EXPECT_EQ(find<Window>("empty")->borderColor, (Color{{0, 0x80, 0x80, 0xc0}}));
    EXPECT_EQ(find<Button>("bare")->text, "");
    EXPECT_EQ(rect(find<Button>("bare")), px4(19, 0, 23, 8));  // x 19.2 px, 3 x 1 units
}

// Own styles: "texture" only through them, none for unnamed elements nor for an empty name (whose
// section every title bar and close button reads), each its own for duplicate names.
TEST_F(DialogueLoaderTest, NamedElementsStyleThroughTheirSections) {
    skinStore = {{"button", {{"fontSize", "2.1"}}}, {"title", {{"bgColor", "00ff00ff"}}}};
    load(R"(<button name='twin' texture='7' fontSize='2.3' bgColor='111111ff'/>
<button name='twin' bgColor='333333ff'/><button texture='7'/>
<button name='' bgColor='ff0000ff' fontSize='5'/><window title='T' bgColor='123456ff'/>)");
    ASSERT_EQ(topLevel().size(), 5u);
    auto *first = dynamic_cast<Button*>(topLevel()[0]),
         *unnamed = dynamic_cast<Button*>(topLevel()[2]),
         *empty = dynamic_cast<Button*>(topLevel()[3]);
    auto* window = dynamic_cast<Window*>(topLevel()[4]);
    ASSERT_TRUE(first && unnamed && empty && window && window->titleBar);
    EXPECT_EQ((std::vector{empty->bgColor, window->titleBar->bgColor}),
              (std::vector{Color{{0xff, 0, 0, 0xff}}, Color{{0, 0xff, 0, 0xff}}}));
    EXPECT_EQ(empty->fontSize, px(38));
    EXPECT_EQ(find<Button>("twin"), first);
    EXPECT_EQ((Floats{float(first->texture), float(unnamed->texture)}), (Floats{7, 0}));
    EXPECT_EQ((Floats{first->fontSize, unnamed->fontSize}), (Floats{px(18), px(16)}));
    EXPECT_EQ(window->bgColor, (Color{{0x12, 0x34, 0x56, 0xff}}));
    EXPECT_EQ(skinStore.count(""), 0u);
    reskinTree(rootElement, skinStore);
    EXPECT_EQ(first->bgColor, (Color{{0x11, 0x11, 0x11, 0xff}})) << "its own, not its twin's";
    EXPECT_EQ((Floats{first->fontSize, unnamed->fontSize}), (Floats{2.3f, 2.1f}));
    EXPECT_EQ(window->titleBar->bgColor, (Color{{0, 0xff, 0, 0xff}}));
    EXPECT_EQ(window->titleBar->closeButton->fontSize, 2.1f);
}

// A font size that is no finite number above zero, written in the dialogue or in a skin, counts
// as absent: the lookup goes on to the next skin section, and without a usable size the element
// keeps its own. (Text at size 0 takes the size of the text drawn before it; a negative size
// draws mirrored.)
TEST_F(DialogueLoaderTest, UnusableFontSizesCountAsAbsent) {
    skinStore = {{"button", {{"fontSize", "2.1"}}}};
    const struct {
        const char* size;
        float loaded, reskinned;  // snapped unless to 0; at a re-skin, unsnapped or "button"'s
        bool usable;              // as a skin's value
    } cases[] = {
        {"3", px(23), 3.0f, true},     {"nan", px(16), 2.1f, false}, {"0", px(16), 2.1f, false},
        {"-2", px(16), 2.1f, false},   {"inf", px(16), 2.1f, false}, {"1e39", px(16), 2.1f, false},
        {"none", px(16), 2.1f, false}, {"0.01", 0.01f, 0.01f, true}, {"-inf", px(16), 2.1f, false},
    };
    std::string dialogue = "<button name='plain'/>";
    for (const auto& c : cases)
        dialogue += std::string("<button name='") + c.size + "' fontSize='" + c.size + "'/>";
    load(dialogue);
    for (const auto& c : cases) {
        ASSERT_NE(find<Button>(c.size), nullptr) << c.size;
        EXPECT_EQ(find<Button>(c.size)->fontSize, c.loaded) << c.size;
    }
    reskinTree(rootElement, skinStore);
    for (const auto& c : cases)
        EXPECT_EQ(find<Button>(c.size)->fontSize, c.reskinned) << c.size;
    Button* plain = find<Button>("plain");
    float kept = plain->fontSize;
    for (const auto& c : cases) {
        skinStore["button"]["fontSize"] = c.size;
        reskinTree(rootElement, skinStore);
        kept = c.usable ? std::stof(c.size) : kept;
        EXPECT_EQ(plain->fontSize, kept) << c.size;
    }
}

}  // namespace
