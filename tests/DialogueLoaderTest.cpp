// Tests for the dialogue loader: the trees that dialogue files written to a temp folder build
// under the root, the attributes each element takes, the copy of a named element's attributes
// into its skin section, and the files that build nothing. No GL: screen units only.
#include "dialogue/DialogueLoader.h"
#include "app/GuiShell.h"
#include "app/ScreenUnits.h"
#include "gui/Button.h"
#include "gui/CallbackTable.h"
#include "gui/ElementRegistry.h"
#include "gui/GuiRoot.h"
#include "gui/TitleBar.h"
#include "gui/Window.h"
#include "skin/Reskin.h"
#include "skin/SkinStore.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// n whole pixels in screen units, exactly as snapping computes them.
float px(int n) {
    return static_cast<float>(n) * pixelSize;
}

// An element's x, y, width and height, to compare with pixelRect.
std::vector<float> rectOf(const GuiElement* element) {
    return {element->x, element->y, element->width, element->height};
}
std::vector<float> pixelRect(int x, int y, int width, int height) {
    return {px(x), px(y), px(width), px(height)};
}

Color rgba(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
    return Color{{r, g, b, a}};
}

bool isEmpty(const Callback& callback) {
    return !callback.function && !callback.receiver;
}

bool isBoundTo(const Callback& callback, CallbackFunction function, void* receiver) {
    return callback.function == function && callback.receiver == receiver;
}

CallbackSender* lastSender = nullptr;
void recordSender(void*, CallbackSender* sender) {
    lastSender = sender;
}

class DialogueLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        useScreenUnits();
        rootElement = new GuiRoot();
    }

    // Writes xml as the dialogue file and loads it.
    void load(const std::string& xml) {
        loadDialogue(files.write("testDialogue.xml", xml).c_str());
    }

    // The root's children in the order they were attached.
    const std::vector<GuiElement*>& topLevel() const { return rootElement->children.oldestFirst(); }

    // The element registered under name, as class T (null if absent or of another class).
    template <class T> T* find(const std::string& name) const {
        auto found = elementRegistry.find(name);
        return found == elementRegistry.end() ? nullptr : dynamic_cast<T*>(found->second);
    }

    // The skin store's value for attribute in section, or "(absent)".
    static std::string section(const std::string& name, const std::string& attribute) {
        auto found = skinStore.find(name);
        if (found == skinStore.end() || !found->second.count(attribute))
            return "(absent)";
        return found->second.at(attribute);
    }

    TempFolder files;
};

// ============================================================================================
// The tree
// ============================================================================================

// A window with a caption and two buttons, and a button of its own: classes, parents, order,
// snapped rectangles, colours, the title bar, bound callbacks and the copied skin sections.
TEST_F(DialogueLoaderTest, BuildsTheTreeTheFileDescribes) {
    int receiver = 0;
    registerCallback("changeSkin", recordSender, &receiver);
    load(R"(
<window name='mainWindow' title='Demo' x='10' y='10' width='40' height='30' bgColor='303030e0'
        borderColor='8080c0ff'>
  <button name='skinButton' text='Change skin' x='2' y='5' width='14' height='3'
          onLeftClick='changeSkin'/>
  <button name='quietButton' text='Nothing' x='2' y='10' width='14' height='3'
          fontColor='ffff00ff'/>
</window>
<button name='looseButton' text='Top level' x='60' y='10' width='12' height='3'/>)");

    ASSERT_EQ(topLevel().size(), 2u);
    auto* window = dynamic_cast<Window*>(topLevel()[0]);
    auto* loose = dynamic_cast<Button*>(topLevel()[1]);
    ASSERT_TRUE(window && loose);
    EXPECT_EQ(rootElement->children.front(), loose) << "the newest child comes first";
    EXPECT_EQ(window->parent, rootElement);
    EXPECT_EQ(loose->parent, rootElement);

    // 10 units = 76.8 px -> 77; 40 -> 307.2 -> 307; 30 -> 230.4 -> 230.
    EXPECT_EQ(window->name, "mainWindow");
    EXPECT_EQ(rectOf(window), pixelRect(77, 77, 307, 230));
    EXPECT_EQ(window->bgColor, rgba(0x30, 0x30, 0x30, 0xe0));
    EXPECT_EQ(window->borderColor, rgba(0x80, 0x80, 0xc0, 0xff));
    EXPECT_TRUE(window->border);

    // The title bar came with the constructor, so it is the oldest child, and it follows the
    // width that loadAttributes set afterwards.
    TitleBar* title = window->titleBar;
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "Demo");
    EXPECT_EQ(title->width, window->width);
    EXPECT_EQ(title->closeButton->x, title->width + pixelSize - title->height);

    auto* skin = find<Button>("skinButton");
    auto* quiet = find<Button>("quietButton");
    ASSERT_TRUE(skin && quiet);
    EXPECT_EQ(window->children.oldestFirst(), (std::vector<GuiElement*>{title, skin, quiet}));
    EXPECT_EQ(skin->parent, window);
    EXPECT_EQ(skin->text, "Change skin");
    // 2 -> 15.36 -> 15; 5 -> 38.4 -> 38; 14 -> 107.52 -> 108; 3 -> 23.04 -> 23.
    EXPECT_EQ(rectOf(skin), pixelRect(15, 38, 108, 23));
    EXPECT_EQ(quiet->y, px(77));
    EXPECT_EQ(quiet->fontColor, rgba(255, 255, 0, 255));
    EXPECT_EQ(loose->text, "Top level");
    EXPECT_EQ(loose->x, px(461));

    EXPECT_TRUE(isBoundTo(skin->clickCallbacks[0], recordSender, &receiver));
    for (const GuiElement* element :
         std::vector<GuiElement*>{window, title->closeButton, quiet, loose}) {
        EXPECT_TRUE(isEmpty(element->mouseDownCallback)) << element->name;
        for (const Callback& slot : element->clickCallbacks)
            EXPECT_TRUE(isEmpty(slot)) << element->name;
    }
    skin->onClick(0);
    EXPECT_EQ(lastSender, skin);

    // Every attribute of a named element reached its section, the loader's own ones included.
    EXPECT_EQ(section("mainWindow", "title"), "Demo");
    EXPECT_EQ(section("mainWindow", "borderColor"), "8080c0ff");
    EXPECT_EQ(section("skinButton", "onLeftClick"), "changeSkin");
    EXPECT_EQ(section("looseButton", "name"), "looseButton");
}

// Elements nest inside buttons too, and the walk climbs back out of several levels at once
// to attach the next sibling to the right parent.
TEST_F(DialogueLoaderTest, NestsInsideButtonsAndClimbsBackOut) {
    load(R"(
<button name='outer' text='Outer' width='20' height='10'>
  <button name='inner' text='Inner'/>
  <window name='innerWindow' title='Inside'>
    <button name='deepest'/>
  </window>
</button>
<button name='next'/>)");

    auto* outer = find<Button>("outer");
    auto* innerWindow = find<Window>("innerWindow");
    ASSERT_TRUE(outer && innerWindow);
    EXPECT_EQ(find<Button>("inner")->parent, outer);
    EXPECT_EQ(innerWindow->parent, outer);
    EXPECT_EQ(find<Button>("deepest")->parent, innerWindow);
    EXPECT_EQ(topLevel(), (std::vector<GuiElement*>{outer, find<Button>("next")}));
}

// A tag other than window and button builds nothing and hides its content, at the top and
// inside a window, yet its own attributes still reach the skin store under its name.
TEST_F(DialogueLoaderTest, UnknownTagHidesItsContentButFillsItsSection) {
    load(R"(
<window name='host'>
  <panel name='panel' bgColor='123456ff' note='kept'>
    <button name='hiddenButton' bgColor='654321ff'/>
  </panel>
  <button name='shownButton'/>
</window>
<group name='group'><window name='hiddenWindow'/></group>
<button name='lastButton'/>)");

    auto* host = find<Window>("host");
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->children.oldestFirst(),
              (std::vector<GuiElement*>{find<Button>("shownButton")}));
    EXPECT_EQ(topLevel(), (std::vector<GuiElement*>{host, find<Button>("lastButton")}));
    EXPECT_EQ(elementRegistry.count("hiddenButton") + elementRegistry.count("hiddenWindow"), 0u);
    EXPECT_EQ(elementRegistry.count("panel") + elementRegistry.count("group"), 0u);

    EXPECT_EQ(section("panel", "bgColor"), "123456ff");
    EXPECT_EQ(section("panel", "note"), "kept");
    EXPECT_EQ(section("group", "name"), "group");
    EXPECT_EQ(skinStore.count("hiddenButton"), 0u) << "hidden content is never visited";
}

// ============================================================================================
// Attribute values
// ============================================================================================

// Only the exact text "0" turns a frame off; a window without "title" gets no title bar.
TEST_F(DialogueLoaderTest, BorderFlagAndMissingTitle) {
    load(R"(
<window name='zero' border='0'/>
<window name='falseWord' border='false'/>
<window name='doubleZero' border='00'/>
<window name='emptyText' border=''/>
<window name='absent'/>)");

    const struct {
        const char* name;
        bool border;
    } cases[] = {{"zero", false},
                 {"falseWord", true},
                 {"doubleZero", true},
                 {"emptyText", true},
                 {"absent", true}};
    for (const auto& c : cases) {
        auto* window = find<Window>(c.name);
        ASSERT_NE(window, nullptr) << c.name;
        EXPECT_EQ(window->border, c.border) << c.name;
        EXPECT_EQ(window->titleBar, nullptr) << c.name;
        EXPECT_TRUE(window->children.empty()) << c.name;
    }
}

// Colours as written (six digits fill from the alpha end, no hex digits give zero), numbers
// as far as they read, a missing "text", and the loader's default button rectangle.
TEST_F(DialogueLoaderTest, ColoursNumbersAndDefaultsAsWritten) {
    load(R"(
<button name='sixDigits' bgColor='ff8000' fontColor='00ff00'/>
<window name='sixDigitFrame' borderColor='8080c0'/>
<button name='noDigits' bgColor='zz' fontColor=''/>
<button name='onlyX' x='2.5'/>
<button name='partlyNumbers' x='4abc' y='high' width='wide' height='2e0'/>)");

    auto* six = find<Button>("sixDigits");
    ASSERT_NE(six, nullptr);
    EXPECT_EQ(six->bgColor, rgba(0, 0xff, 0x80, 0));
    EXPECT_EQ(six->fontColor, rgba(0, 0, 0xff, 0));
    EXPECT_EQ(find<Window>("sixDigitFrame")->borderColor, rgba(0, 0x80, 0x80, 0xc0));
    EXPECT_EQ(find<Button>("noDigits")->bgColor, rgba(0, 0, 0, 0));
    EXPECT_EQ(find<Button>("noDigits")->fontColor, rgba(0, 0, 0, 0));

    // A button starts at 0, 0, 3 x 1: 3 -> 23.04 -> 23 px, 1 -> 7.68 -> 8 px.
    auto* onlyX = find<Button>("onlyX");
    EXPECT_EQ(onlyX->text, "");
    EXPECT_EQ(rectOf(onlyX), pixelRect(19, 0, 23, 8));  // x 2.5 -> 19.2 px

    // "4abc" reads as 4 -> 30.72 px; "2e0" as 2 -> 15.36 px.
    EXPECT_EQ(rectOf(find<Button>("partlyNumbers")), pixelRect(31, 0, 23, 15));
}

// loadAttributes never reads "texture": only a named element's section carries it to the
// constructor's applySkin. The unnamed button proves it, as it keeps no section.
TEST_F(DialogueLoaderTest, TextureTakesEffectOnlyThroughTheNameSection) {
    load(R"(
<button name='textured' texture='7' u1='0.5'/>
<button texture='7' u1='0.5'/>)");

    ASSERT_EQ(topLevel().size(), 2u);
    auto* named = dynamic_cast<Button*>(topLevel()[0]);
    auto* unnamed = dynamic_cast<Button*>(topLevel()[1]);
    ASSERT_TRUE(named && unnamed);
    EXPECT_EQ(named->texture, 7u);
    EXPECT_EQ(unnamed->texture, 0u);
    EXPECT_EQ(unnamed->u1, 0.5f) << "loadAttributes does read the texture coordinates";
}

// loadAttributes snaps the font size, given or not; a re-skin then applies the section's
// text as it stands, unsnapped.
TEST_F(DialogueLoaderTest, FontSizeSnappedAtLoadUnsnappedAfterReskin) {
    setSkinAttribute("button", "fontSize", "2.1");
    load(R"(
<button name='sized' fontSize='2.3'/>
<button name='plain'/>)");

    auto* sized = find<Button>("sized");
    auto* plain = find<Button>("plain");
    ASSERT_TRUE(sized && plain);
    EXPECT_EQ(sized->fontSize, px(18));  // 2.3 -> 17.664 px
    EXPECT_EQ(plain->fontSize, px(16));  // the skin's 2.1 -> 16.128 px
    reskinTree(rootElement, skinStore);
    EXPECT_EQ(sized->fontSize, 2.3f);
    EXPECT_EQ(plain->fontSize, 2.1f);
}

// ============================================================================================
// Callbacks, duplicates and unnamed elements
// ============================================================================================

// Each event attribute binds its own slot, on any class; unregistered names (a registration
// after loading comes too late) leave slots empty.
TEST_F(DialogueLoaderTest, BindsEachEventSlotOnlyForRegisteredNames) {
    int down = 0, left = 0, right = 0, middle = 0;
    registerCallback("down", recordSender, &down);
    registerCallback("left", recordSender, &left);
    registerCallback("right", recordSender, &right);
    registerCallback("middle", recordSender, &middle);
    load(R"(
<window name='bound' onMouseDown='down' onLeftClick='left' onRightClick='right'
        onMiddleClick='middle'/>
<button name='stray' onMouseDown='Down' onLeftClick='nobody' onRightClick=''/>)");
    registerCallback("nobody", recordSender, &left);

    auto* bound = find<Window>("bound");
    auto* stray = find<Button>("stray");
    ASSERT_TRUE(bound && stray);
    EXPECT_TRUE(isBoundTo(bound->mouseDownCallback, recordSender, &down));
    EXPECT_TRUE(isBoundTo(bound->clickCallbacks[0], recordSender, &left));
    EXPECT_TRUE(isBoundTo(bound->clickCallbacks[1], recordSender, &right));
    EXPECT_TRUE(isBoundTo(bound->clickCallbacks[2], recordSender, &middle));
    EXPECT_TRUE(isEmpty(bound->clickCallbacks[3]));
    EXPECT_TRUE(isEmpty(stray->mouseDownCallback));
    for (const Callback& slot : stray->clickCallbacks)
        EXPECT_TRUE(isEmpty(slot));
}

// Two elements of one name are both built; the registry keeps the first; their one section
// holds the union, the later value winning, and styles both of them.
TEST_F(DialogueLoaderTest, DuplicateNamesShareOneSection) {
    load(R"(
<button name='twin' text='first' bgColor='111111ff' fontColor='222222ff'/>
<button name='twin' text='second' bgColor='333333ff' fontSize='3'/>)");

    ASSERT_EQ(topLevel().size(), 2u);
    auto* first = dynamic_cast<Button*>(topLevel()[0]);
    auto* second = dynamic_cast<Button*>(topLevel()[1]);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(find<Button>("twin"), first);
    EXPECT_EQ(second->text, "second");
    EXPECT_EQ(section("twin", "bgColor"), "333333ff");
    EXPECT_EQ(section("twin", "fontColor"), "222222ff");
    EXPECT_EQ(section("twin", "text"), "second");
    EXPECT_EQ(second->fontColor, rgba(0x22, 0x22, 0x22, 0xff)) << "from the first's attribute";

    reskinTree(rootElement, skinStore);
    EXPECT_EQ(first->bgColor, rgba(0x33, 0x33, 0x33, 0xff));
    EXPECT_EQ(first->fontSize, 3.0f);
}

// An element without a name is built with an empty name and takes its attributes, but keeps
// no section: the empty-named section that title bars and close buttons read stays absent,
// and a re-skin restyles the element from its class. An unnamed unknown tag is skipped with
// its content, and the walk goes on.
TEST_F(DialogueLoaderTest, UnnamedElementsAreBuiltWithoutASection) {
    setSkinAttribute("window", "bgColor", "0000ffff");
    setSkinAttribute("title", "bgColor", "00ff00ff");
    load(R"(
<window title='Untitled' x='2' bgColor='123456ff'>
  <button text='inner' fontColor='abcdefff' onLeftClick='nothing'/>
</window>
<group><button name='hiddenInGroup'/></group>
<button name='named'/>)");

    ASSERT_EQ(topLevel().size(), 2u);
    auto* window = dynamic_cast<Window*>(topLevel()[0]);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(topLevel()[1], find<Button>("named"));
    EXPECT_EQ(elementRegistry.count("hiddenInGroup"), 0u);
    EXPECT_EQ(window->name, "");
    EXPECT_EQ(window->x, px(15));
    EXPECT_EQ(window->bgColor, rgba(0x12, 0x34, 0x56, 0xff));
    ASSERT_EQ(window->children.size(), 2u);
    auto* inner = dynamic_cast<Button*>(window->children.front());
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->text, "inner");
    EXPECT_EQ(inner->fontColor, rgba(0xab, 0xcd, 0xef, 0xff));
    EXPECT_EQ(skinStore.count(""), 0u);

    reskinTree(rootElement, skinStore);
    EXPECT_EQ(window->bgColor, rgba(0, 0, 0xff, 0xff));
    EXPECT_EQ(window->titleBar->bgColor, rgba(0, 0xff, 0, 0xff));
    EXPECT_EQ(inner->fontColor, rgba(0xab, 0xcd, 0xef, 0xff)) << "no skin value to replace it";
}

// ============================================================================================
// Files that build nothing
// ============================================================================================

// A missing file, a directory in its place, a malformed document (TinyXML keeps the part it
// parsed) and documents without elements build nothing and touch no section.
TEST_F(DialogueLoaderTest, UnloadableFilesBuildNothing) {
    std::filesystem::create_directory(files.path("folder"));
    const std::string paths[] = {
        files.path("missing.xml"),
        files.path("folder"),
        files.write("malformed.xml", "<window name='w'><button name='b'></window>"),
        files.write("unclosed.xml", "<window name='w' title='T'>"),
        files.write("empty.xml", ""),
        files.write("textFirst.xml", "hello <window name='w'/>"),
    };
    for (const std::string& file : paths) {
        loadDialogue(file.c_str());
        EXPECT_TRUE(rootElement->children.empty()) << file;
        EXPECT_TRUE(skinStore.empty()) << file;
        EXPECT_EQ(elementRegistry.size(), 1u) << file << ": only GuiRoot";
    }
}

}  // namespace
