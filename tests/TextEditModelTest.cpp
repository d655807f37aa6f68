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
        {"abc", 0, "i", "d\xc3\xa9" "f\x01g\n", "abcd\xc3\xa9" "fg", 8, 8, 1},  // controls out
        {"abc", 0, "ai", "\xc3\xe2\x82\xed\xa0\x80\xe0\x80\xaf", "abc", 3, 0, 0},  // bad UTF-8
        {"", 5, "i", "Gr\xc3\xb6\xc3\x9f" "e!", "Gr\xc3\xb6\xc3\x9f" "e", 7, 7, 1},  // 5 characters
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
    EXPECT_FALSE(model.typeCharacter(0x4E2D));
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

// Characters a reader sees as one (a letter and its marks, Hangul jamo, emoji joined by ZWJ or
// with a skin tone, flags, an Indic vowel sign) are passed, deleted and selected whole.
TEST(TextEditModel, EditsWholeClusters) {
    const std::string acute = "e\xcc\x81", ring = "A\xcc\x8a", family =
        "\xf0\x9f\x91\xa8\xe2\x80\x8d\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x91\xa7";
    const std::string germany = "\xf0\x9f\x87\xa9\xf0\x9f\x87\xaa",
                      france = "\xf0\x9f\x87\xab\xf0\x9f\x87\xb7";
    const std::string jamo = "\xe1\x84\x80\xe1\x85\xa1\xe1\x86\xa8",
                      thumb = "\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd", ki = "\xe0\xa4\x95\xe0\xa4\xbf";
    const struct {
        std::string start;
        const char* script;  // as replay reads it, after the caret is put at the end
        std::string text;
        size_t caret, anchor;
        std::string selected;
    } cases[] = {
        {"x" + acute, "b", "x", 1, 1, ""},
        {"x" + acute + "y", "hrd", "xy", 1, 1, ""},
        {"x" + acute + "y", "hRR", "x" + acute + "y", 4, 0, "x" + acute},
        {"x" + acute + "y", "lL", "x" + acute + "y", 1, 4, acute},
        {ring + "\xc3\x85", "b", ring, 3, 3, ""},
        {ring + "\xc3\x85", "hd", "\xc3\x85", 0, 0, ""},
        {"a" + family + "b", "lb", "ab", 1, 1, ""},
        {"a" + family, "hrR", "a" + family, 19, 1, family},
        {germany + france, "b", germany, 8, 8, ""},
        {germany + france, "hd", france, 0, 0, ""},
        {"\xea\xb0\x80" + jamo, "b", "\xea\xb0\x80", 3, 3, ""},
        {thumb + "\xef\xb8\x8f", "b", "", 0, 0, ""},
        {ki + "x", "lb", "x", 0, 0, ""},
    };
    for (const auto& c : cases) {
        TextEditModel model;
        model.setText(c.start);
        replay(model, c.script);
        EXPECT_EQ(model.text(), c.text) << c.script;
        EXPECT_EQ(std::pair(model.caret(), model.anchor()), std::pair(c.caret, c.anchor)) << c.script;
        EXPECT_EQ(model.selectedText(), c.selected) << c.script;
    }
    // A position inside a cluster, or inside one character, is taken back to its start.
    TextEditModel model;
    model.setText("x" + acute + family);
    for (size_t inside : {2u, 3u, 5u, 12u})
        EXPECT_EQ((model.moveTo(inside, false), model.caret()), inside < 4 ? 1u : 4u) << inside;
    EXPECT_EQ(model.length(), 8u);
}

// Each byte that starts no well-formed sequence (a stray continuation, a cut sequence, an
// overlong form, a surrogate, a code past U+10FFFF) reads as one replacement character, and
// encoding gives back what decoding read.
TEST(TextEditModel, MalformedUtf8CountsOneReplacementPerBadByte) {
    const unsigned int bad = kReplacementCharacter;
    const struct {
        const char* utf8;
        std::vector<unsigned int> read;
    } cases[] = {
        {"a\xe2\x82\xac\xc3\xff\xe2\x82", {'a', 0x20AC, bad, bad, bad, bad}},
        {"\xc0\xaf\xe0\x80\xaf", {bad, bad, bad, bad, bad}},
        {"\xed\xa0\x80\xed\x9f\xbf", {bad, bad, bad, 0xD7FF}},
        {"\xf4\x90\x80\x80\xf4\x8f\xbf\xbf", {bad, bad, bad, bad, 0x10FFFF}},
        {"\x80\xf0\x9f\x98\x80\xf0\x9f\x98", {bad, 0x1F600, bad, bad, bad}},
    };
    for (const auto& c : cases) {
        std::vector<unsigned int> seen;
        forEachCodepoint(c.utf8, [&](unsigned int codepoint) { seen.push_back(codepoint); });
        EXPECT_EQ(seen, c.read) << c.utf8;
        EXPECT_EQ(countCharacters(c.utf8), c.read.size()) << c.utf8;
        std::string encoded;
        for (unsigned int codepoint : seen)
            appendUtf8(encoded, codepoint);
        seen.clear();
        forEachCodepoint(encoded, [&](unsigned int codepoint) { seen.push_back(codepoint); });
        EXPECT_EQ(seen, c.read) << c.utf8;
    }
}
