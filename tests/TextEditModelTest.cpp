// Tests for the one-line editing model: edits, selections, the length limit and filtering.
#include "trellis/gui/TextEditModel.h"

#include <gtest/gtest.h>

using namespace trellis;

namespace {

// Replays a script of one-letter edits on model: t<c> types c, i inserts the given paste,
// b backspace, d delete, l/r/h/e move left, right, home, end (upper case: with Shift), a
// select all. Returns how many steps changed the text.
int replay(TextEditModel& model, const std::string& script, const std::string& paste = "") {
    int changes = 0;
    for (size_t i = 0; i < script.size(); ++i) {
        const char step = script[i];
        bool changed = false;
        switch (step) {
        case 't':
            changed = model.typeCharacter(static_cast<unsigned char>(script[++i]));
            break;
        case 'i':
            changed = model.insert(paste);
            break;
        case 'b':
            changed = model.backspace();
            break;
        case 'd':
            changed = model.deleteForward();
            break;
        case 'l':
        case 'L':
            model.moveLeft(step == 'L');
            break;
        case 'r':
        case 'R':
            model.moveRight(step == 'R');
            break;
        case 'h':
        case 'H':
            model.moveHome(step == 'H');
            break;
        case 'e':
        case 'E':
            model.moveEnd(step == 'E');
            break;
        case 'a':
            model.selectAll();
            break;
        }
        changes += changed;
    }
    return changes;
}

struct EditCase {
    const char* start;   // the text before, caret at its end
    size_t maxLength;    // 0: none
    const char* script;  // see replay
    const char* paste;   // what i inserts
    const char* text;    // the text after
    size_t caret, anchor;
    int changes;  // steps that changed the text
};

}  // namespace

TEST(TextEditModel, EditsAsAScriptDescribes) {
    const EditCase cases[] = {
        {"", 0, "tatbtc", "", "abc", 3, 3, 3},
        {"abc", 0, "hb", "", "abc", 0, 0, 0},               // Backspace at 0: nothing
        {"abc", 0, "d", "", "abc", 3, 3, 0},                // Delete at the end: nothing
        {"abc", 0, "hdd", "", "c", 0, 0, 2},                // Delete at the start
        {"abc", 0, "llb", "", "bc", 0, 0, 1},               // Backspace in the middle
        {"abcdef", 0, "lLLtX", "", "abcXf", 4, 4, 1},       // typing replaces the selection
        {"abcdef", 0, "HtZ", "", "Z", 1, 1, 1},             // Shift+Home selects all before
        {"abcdef", 0, "hRRb", "", "cdef", 0, 0, 1},         // Backspace deletes the selection
        {"abcdef", 0, "hRRRl", "", "abcdef", 0, 0, 0},      // Left collapses to the start
        {"abcdef", 0, "hRRRr", "", "abcdef", 3, 3, 0},      // Right collapses to the end
        {"abcdef", 0, "LLE", "", "abcdef", 6, 6, 0},        // Shift+End back: nothing selected
        {"abc", 0, "ai", "xyz", "xyz", 3, 3, 1},            // paste replaces the selection
        {"ab", 5, "i", "123456", "ab123", 5, 5, 1},         // paste cut to the room left
        {"abcde", 5, "i", "x", "abcde", 5, 5, 0},           // no room: nothing
        {"abcde", 5, "tx", "", "abcde", 5, 5, 0},           // typing at the limit: nothing
        {"abcde", 5, "LLi", "wxyz", "abcwx", 5, 5, 1},      // room includes the selection
        {"abc", 0, "i", "d\xc3\xa9" "f\x01g\n", "abcdfg", 6, 6, 1},  // undrawable skipped
        {"abc", 0, "ai", "\xe2\x82\xac", "abc", 3, 0, 0},   // nothing drawable: no change
        {"abc", 0, "t\x7f", "", "abc", 3, 3, 0},            // DEL is refused
        {"abc", 0, "Lta", "", "aba", 3, 3, 1},
        {"abc", 0, "Ltc", "", "abc", 3, 3, 0},              // same text again: no change
        {"", 0, "bdlrhe", "", "", 0, 0, 0},                 // empty text: all harmless
    };
    for (const EditCase& c : cases) {
        TextEditModel model;
        model.setMaxLength(c.maxLength);
        model.setText(c.start);
        const int changes = replay(model, c.script, c.paste);
        EXPECT_EQ(model.text(), c.text) << c.start << " / " << c.script;
        EXPECT_EQ(model.caret(), c.caret) << c.start << " / " << c.script;
        EXPECT_EQ(model.anchor(), c.anchor) << c.start << " / " << c.script;
        EXPECT_EQ(changes, c.changes) << c.start << " / " << c.script;
    }
}

TEST(TextEditModel, TheCharacterTestDecidesWhatEnters) {
    // Only digits, as a font with nothing else would allow.
    TextEditModel model([](unsigned int c) { return c >= '0' && c <= '9'; });
    model.setText("a1b2");
    EXPECT_EQ(model.text(), "12");
    EXPECT_FALSE(model.typeCharacter('x'));
    EXPECT_FALSE(model.typeCharacter(0x4E2D));  // beyond one byte, whatever the test says
    EXPECT_TRUE(model.typeCharacter('3'));
    EXPECT_EQ(model.text(), "123");
}

TEST(TextEditModel, ALimitCutsTextAndKeepsTheCaretInside) {
    TextEditModel model;
    model.setText("abcdefgh");
    model.moveTo(2, false);
    model.moveTo(7, true);
    model.setMaxLength(4);
    EXPECT_EQ(model.text(), "abcd");
    EXPECT_EQ(model.anchor(), 2u);
    EXPECT_EQ(model.caret(), 4u);
    model.setText("0123456789");
    EXPECT_EQ(model.text(), "0123");
}

TEST(TextEditModel, MalformedUtf8CountsOneReplacementPerBadByte) {
    std::vector<unsigned int> seen;
    forEachCodepoint("a\xe2\x82\xac\xc3\xff\xe2\x82", [&](unsigned int c) { seen.push_back(c); });
    const std::vector<unsigned int> expected = {'a', 0x20AC, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD};
    EXPECT_EQ(seen, expected);
}
