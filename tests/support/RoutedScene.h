// Test support: a hidden GL window with the test font and a fresh root, driven through the
// real input routing (pointer in pixels, buttons, keys, characters, the wheel) and drawn
// without the debug lines; dialogues loaded from text.
#pragma once

#include "support/MatchedBox.h"
#include "support/TestFont.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"

#include <string>

namespace trellis {

class RoutedScene : public GlTest {
public:
    void SetUp() override {
        GlTest::SetUp();
        loadTextureFont(openBytes(encodeFontFile(makeTestFont())));
        rootElement = root = new GuiRoot();
        heldModifiers = 0;
    }
    void TearDown() override {
        delete root;
        releaseGlyphTable();
        GlTest::TearDown();
    }

    // The pointer to pixel (x, y), as the window reports it.
    void moveTo(int x, int y) { onMousePos(x, y); }
    // A left click at (x, y).
    void clickAt(int x, int y) {
        moveTo(x, y);
        onMouseButton(0, 1);
        onMouseButton(0, 0);
    }
    // A left-button drag from one pixel to another, in steps, released at the end.
    void dragFromTo(int fromX, int fromY, int toX, int toY) {
        moveTo(fromX, fromY);
        onMouseButton(0, 1);
        moveTo((fromX + toX) / 2, (fromY + toY) / 2);
        moveTo(toX, toY);
        onMouseButton(0, 0);
    }
    // A key pressed and released, with the given modifier keys held around it.
    void tap(int key, const std::vector<int>& holding = {}) {
        for (int modifier : holding)
            onKey(modifier, 1);
        onKey(key, 1);
        onKey(key, 0);
        for (int modifier : holding)
            onKey(modifier, 0);
    }
    // Each code point of text typed as a character (text is taken as Latin-1 bytes).
    void type(const std::string& text) {
        for (unsigned char c : text)
            onCharEvent(c);
    }
    // The tree drawn on black, read back.
    std::vector<unsigned char> drawn() { return drawnTree(root); }

    // Loads dialogue text, saved as dialogue.xml in the scratch folder, under the root; the
    // top-level elements built (a failed load fails the test).
    std::vector<GuiElement*> loadText(const std::string& text) {
        std::vector<GuiElement*> built;
        EXPECT_TRUE(loadDialogue(scratch.write("dialogue.xml", text).c_str(), root, built)) << text;
        return built;
    }

    GuiRoot* root = nullptr;
    TempFolder scratch;  // the test's own files
};

}  // namespace trellis
