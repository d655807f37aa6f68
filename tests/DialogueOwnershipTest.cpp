// Tests that a dialogue owns the styles and names it brings: two dialogues with the same names
// keep their own colours, destroying one leaves the other whole, a reload reads the file as it
// stands, and elements built in code with a taken name still join the tree.
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/Window.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/shell/Host.h"
#include "trellis/style/SkinStore.h"

#include <gtest/gtest.h>

using namespace trellis;

namespace {

const Color kClassBg{{0x46, 0x59, 0x7a, 0xff}}, kClassFont{{0xee, 0xf3, 0xfa, 0xff}};
const Color kRed{{0xaa, 0, 0, 0xff}}, kGreen{{0, 0xaa, 0, 0xff}}, kBlue{{0, 0, 0xbb, 0xff}};

struct DialogueOwnership : ::testing::Test {
    void SetUp() override {
        useScreenUnits();
        rootElement = new GuiRoot();
        setSkinAttribute("button", "bgColor", "46597aff");
        setSkinAttribute("button", "fontColor", "eef3faff");
    }
    void TearDown() override {
        destroyElement(rootElement);
        skinStore.clear();
    }
    LoadedDialogue load(const std::string& file, const std::string& xml) {
        LoadedDialogue loaded = loadDialogueFile(files.write(file, xml).c_str());
        EXPECT_TRUE(loaded.loaded);
        return loaded;
    }
    static Button* okOf(const LoadedDialogue& dialogue) {
        return dynamic_cast<Button*>(dialogue.findElement("ok"));
    }
    TempFolder files;
};

// Each step of a session with two dialogues that both name a button "ok", and the colours each
// "ok" shows afterwards (after a re-skin too), with the one that findElement names.
TEST_F(DialogueOwnership, SameNamesInTwoDialoguesStayApart) {
    LoadedDialogue first =
        load("a.xml", "<button name='ok' bgColor='aa0000ff' fontColor='00aa00ff'/>");
    LoadedDialogue second =
        load("b.xml", "<window name='w'><button name='ok' bgColor='0000bbff'/></window>");
    Button *a = okOf(first), *b = okOf(second);
    ASSERT_TRUE(a && b && a != b);
    EXPECT_EQ(first.findElement("w"), nullptr) << "a dialogue looks only within itself";
    for (bool reskinned : {false, true}) {
        if (reskinned)
            reskinTree(rootElement, skinStore);
        EXPECT_EQ(a->bgColor, kRed);
        EXPECT_EQ(a->fontColor, kGreen);
        EXPECT_EQ(b->bgColor, kBlue);
        EXPECT_EQ(b->fontColor, kClassFont) << "not the other dialogue's fontColor";
        EXPECT_EQ(findElement("ok"), a) << "the first built holds the name";
    }
    destroyDialogue(first);
    EXPECT_EQ(findElement("ok"), b) << "the name passes to the live one";
    reskinTree(rootElement, skinStore);
    EXPECT_EQ(b->bgColor, kBlue);
    EXPECT_EQ(b->fontColor, kClassFont);
    // Nothing of the destroyed dialogue is left for a button of that name built in code.
    Button* late = new Button("ok", nullptr, "late", 0, 0, 3, 1);
    EXPECT_EQ(late->bgColor, kClassBg);
    EXPECT_EQ(late->fontColor, kClassFont);
    destroyDialogue(second);
    EXPECT_EQ(findElement("ok"), late);
    EXPECT_EQ(skinStore.count("ok"), 0u) << "dialogues write nothing into the shared store";
}

// A file loaded again after an edit: what the file no longer says no longer applies.
TEST_F(DialogueOwnership, ReloadReadsTheFileAsItStands) {
    const struct {
        const char* xml;
        Color bg;
    } edits[] = {
        {"<button name='ok' bgColor='aa0000ff'/>", kRed},
        {"<button name='ok'/>", kClassBg},
        {"<button name='ok' bgColor='0000bbff'/>", kBlue},
    };
    LoadedDialogue loaded;
    for (const auto& edit : edits) {
        destroyDialogue(loaded);
        loaded = load("d.xml", edit.xml);
        ASSERT_NE(okOf(loaded), nullptr) << edit.xml;
        reskinTree(rootElement, skinStore);
        EXPECT_EQ(okOf(loaded)->bgColor, edit.bg) << edit.xml;
    }
}

// Elements built in code under a name already held join the tree all the same, and the name
// goes to the oldest live holder when its holder is destroyed.
TEST_F(DialogueOwnership, TakenNamesBuiltInCodeStayInTheTree) {
    Window* window = new Window("w", nullptr, "Titled");  // its title bar holds the name ""
    Button* first = new Button("", nullptr, "one", 0, 0, 3, 1);
    Button* second = new Button("", nullptr, "two", 0, 0, 3, 1);
    Button* sameAsWindow = new Button("w", nullptr, "three", 0, 0, 3, 1);
    for (GuiElement* element : {first, second, sameAsWindow})
        EXPECT_EQ(element->parent, rootElement);
    EXPECT_EQ(rootElement->children.size(), 4u);
    destroyElement(window);
    EXPECT_EQ(findElement("w"), sameAsWindow);
    EXPECT_EQ(findElement(""), first) << "the oldest of the name still alive";
    destroyElement(first);
    EXPECT_EQ(findElement(""), second);
    destroyElement(second);
    EXPECT_EQ(findElement(""), nullptr);
}

}  // namespace
