// Text fields through the real routing and real GL: editing keys, typing, the clipboard, the
// length limit, onChange and onSubmit counts, mouse selection, and sideways scrolling that
// keeps the caret in view and the text inside the field.
#include "trellis/gui/TextField.h"
#include "trellis/shell/Host.h"

#include "support/RoutedScene.h"
#include "trellis/gui/Clipboard.h"
#include <GLFW/glfw3.h>

using namespace trellis;

namespace {

const Color kField{{40, 40, 40, 255}}, kInk{{255, 255, 255, 255}};
const Color kSelection{{0, 128, 0, 255}}, kCaret{{255, 0, 0, 255}};

void count(void* counter, CallbackSender*) {
    ++*static_cast<int*>(counter);
}

// A field at (100, 100) pixels, 200 x 30, with 20-pixel text: each test-font glyph is 10
// pixels wide, the text starts 5 pixels in (a quarter of the size) and fills rows 105..125.
class TextFieldScene : public RoutedScene {
public:
    void SetUp() override {
        RoutedScene::SetUp();
        setClipboardHooks(nullptr, nullptr);
        writeClipboard("");
        field = new TextField("field", root, px(100), px(100), px(200), px(30));
        field->fontSize = px(20);
        field->bgColor = kField;
        field->fontColor = kInk;
        field->selectionColor = kSelection;
        field->caretColor = kCaret;
        field->changeCallback = {count, &changes};
        field->submitCallback = {count, &submits};
    }
    // What is drawn, but for the focus frame around the field.
    MatchedBox fieldBox(const std::vector<unsigned char>& pixels) {
        return boxWhere(pixels, [&](Color c) { return c != kBlack && c != field->focusColor; });
    }
    TextField* field = nullptr;
    int changes = 0, submits = 0;
};

// One step of a session: what it does, then the text and the count of onChange after it.
struct Step {
    const char* what;
    std::function<void(TextFieldScene&)> act;
    const char* text;
    int changes;
};

}  // namespace

TEST_F(TextFieldScene, EditsAsTheKeysSay) {
    const int shift = kKeyLeftShift, control = kKeyLeftControl;
    auto tapped = [](int key, std::vector<int> holding = {}) {
        return [key, holding](TextFieldScene& s) { s.tap(key, holding); };
    };
    auto typed = [](const char* text) { return [text](TextFieldScene& s) { s.type(text); }; };
    const Step steps[] = {
        {"click to focus", [](TextFieldScene& s) { s.clickAt(150, 115); }, "", 0},
        {"typing", typed("hello"), "hello", 5},
        {"Backspace at 0", [](TextFieldScene& s) { s.tap(kKeyHome), s.tap(kKeyBackspace); },
         "hello", 5},
        {"Delete at 0", tapped(kKeyDelete), "ello", 6},
        {"selection replaced",
         [](TextFieldScene& s) {
             s.tap(kKeyEnd), s.tap(kKeyLeft, {kKeyLeftShift}), s.tap(kKeyLeft, {kKeyLeftShift});
             s.type("X");
         },
         "elX", 7},
        {"no text characters",
         [](TextFieldScene&) { onCharEvent(9), onCharEvent(0x7F), onCharEvent(0xD800); }, "elX", 7},
        {"copy all, paste at the end",
         [=](TextFieldScene& s) {
             s.tap('A', {control}), s.tap('C', {control}), s.tap(kKeyEnd), s.tap('V', {control});
         },
         "elXelX", 8},
        {"paste cut to the room left",
         [=](TextFieldScene& s) { s.field->setMaxLength(8), s.tap('V', {control}); }, "elXelXel",
         9},
        {"paste without room", tapped('V', {control}), "elXelXel", 9},
        {"cut all", [=](TextFieldScene& s) { s.tap('A', {control}), s.tap('X', {control}); }, "",
         10},
        {"Backspace on nothing", tapped(kKeyBackspace), "", 10},
        {"the same text typed over itself",
         [=](TextFieldScene& s) { s.type("a"), s.tap(kKeyHome, {shift}), s.type("a"); }, "a", 11},
        {"Enter submits, changes nothing", tapped(kKeyEnter), "a", 11},
    };
    for (const Step& step : steps) {
        step.act(*this);
        EXPECT_EQ(field->text, step.text) << step.what;
        EXPECT_EQ(changes, step.changes) << step.what;
    }
    EXPECT_EQ(submits, 1);
    EXPECT_EQ(readClipboard(), "elXelXel");
}

// Keys the field does not edit with still stop at it, except Tab, which moves the focus on.
TEST_F(TextFieldScene, TakesKeysButNotTab) {
    static int keysLeftOver = 0;
    keysLeftOver = 0;
    userKeyHandler = [](int, int) { ++keysLeftOver; };
    auto* other = new TextField("other", root, px(100), px(200), px(200), px(30));
    clickAt(150, 115);
    tap('Q');
    EXPECT_EQ(keysLeftOver, 0);
    tap(kKeyTab);
    EXPECT_EQ(focusElement, other);
    type("z");
    EXPECT_EQ(other->text, "z");
    EXPECT_EQ(field->text, "");
    userKeyHandler = nullptr;
}

// Pressing and dragging selects between the nearest character boundaries; Shift+click extends.
// Spaces draw nothing, so the selection behind them shows.
TEST_F(TextFieldScene, SelectsWithTheMouse) {
    field->setText("ab    cdef");
    dragFromTo(126, 115, 163, 118);  // boundaries 2 (125) and 6 (165)
    EXPECT_EQ(field->edit.selectedText(), "    ");
    EXPECT_EQ(boxOf(drawn(), kSelection), solidBox(125, 105, 165, 125));
    moveTo(184, 115);
    onKey(kKeyLeftShift, 1);
    onMouseButton(0, 1);
    onMouseButton(0, 0);
    onKey(kKeyLeftShift, 0);
    EXPECT_EQ(field->edit.selectedText(), "    cd");
    type("!");
    EXPECT_EQ(field->text, "ab!ef");
    EXPECT_EQ(changes, 2);  // setText, then the typing
}

// A text wider than the field scrolls so that the caret stays in view, and nothing of it is
// drawn outside the field.
TEST_F(TextFieldScene, ScrollsSidewaysInsideItsRectangle) {
    clickAt(150, 115);
    type("012345678901234567890123456789");  // 300 pixels of text in 190 pixels of room
    auto pixels = drawn();
    EXPECT_EQ(fieldBox(pixels), solidBox(100, 100, 300, 130));
    EXPECT_EQ(boxOf(pixels, kCaret), solidBox(294, 105, 295, 125));  // one pixel from the end
    EXPECT_EQ(field->scrollX, px(111));
    const MatchedBox ink = boxOf(pixels, kInk);  // cut at the frame, ending at the caret
    EXPECT_EQ(std::make_pair(ink.left, ink.right), std::make_pair(101, 294));
    tap(kKeyHome);
    pixels = drawn();
    EXPECT_EQ(field->scrollX, 0);
    EXPECT_EQ(boxOf(pixels, kCaret), solidBox(105, 105, 106, 125));
    EXPECT_EQ(boxOf(pixels, kInk).left, 106);  // the text starts under the caret
    EXPECT_EQ(fieldBox(pixels), solidBox(100, 100, 300, 130));
    // Deleting from the end pulls the scrolled text back in.
    tap(kKeyEnd);
    for (int i = 0; i < 25; ++i)
        tap(kKeyBackspace);
    EXPECT_EQ(field->scrollX, 0);
}

// Characters beyond ASCII come through the host API as code points and are kept as UTF-8; keys
// pass and delete a letter with its marks, or an emoji sequence, whole; copying carries UTF-8.
TEST_F(TextFieldScene, TypesAndEditsUnicodeThroughTheHost) {
    const auto typed = [](std::vector<unsigned int> codes) {
        return [codes](TextFieldScene&) {
            for (unsigned int code : codes)
                EXPECT_TRUE(hostChar(code)) << code;
        };
    };
    const auto tapped = [](std::vector<int> keys, std::vector<int> holding = {}) {
        return [keys, holding](TextFieldScene& s) {
            for (int key : keys)
                s.tap(key, holding);
        };
    };
    const std::string grossStart = "Gr\xc3\xb6\xc3\x9f",
                      girl = "\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x91\xa7";
    const struct {
        const char* what;
        std::function<void(TextFieldScene&)> act;
        std::string text;
    } steps[] = {
        {"click to focus", [](TextFieldScene& s) { s.clickAt(150, 115); }, ""},
        {"typed", typed({'G', 'r', 0xF6, 0xDF, 'e'}), grossStart + "e"},
        {"a combining mark", typed({0x301}), grossStart + "e\xcc\x81"},
        {"Backspace takes the letter and its mark", tapped({kKeyBackspace}), grossStart},
        {"an emoji sequence", typed({0x1F469, 0x200D, 0x1F467}), grossStart + girl},
        {"Left passes it whole", tapped({kKeyLeft, kKeyBackspace}), "Gr\xc3\xb6" + girl},
        {"controls and surrogates refused", typed({9, 0x7F, 0x9B, 0xD800, 0x110000}),
         "Gr\xc3\xb6" + girl},
        {"selected by character", tapped({kKeyLeft, kKeyLeft}, {kKeyLeftShift}),
         "Gr\xc3\xb6" + girl},
        {"cut, pasted at the end",
         [](TextFieldScene& s) {
             s.tap('X', {kKeyLeftControl}), s.tap(kKeyEnd), s.tap('V', {kKeyLeftControl});
         },
         "G" + girl + "r\xc3\xb6"},
    };
    for (const auto& step : steps) {
        step.act(*this);
        EXPECT_EQ(field->text, step.text) << step.what;
    }
    EXPECT_EQ(readClipboard(), "r\xc3\xb6");
    // A click inside the emoji lands at one of its ends, never inside it.
    drawn();
    for (int x = 105; x < 200; x += 3) {
        clickAt(x, 115);
        const size_t caret = field->edit.caret();
        EXPECT_TRUE(caret <= 1 || caret >= 1 + girl.size()) << x;
    }
}

// An application that assigns the text directly has it taken up, without controls, and cut.
TEST_F(TextFieldScene, TakesUpATextTheApplicationAssigned) {
    field->setMaxLength(4);
    field->text = "ab\xc3\xa9\x01"
                  "cdef";
    drawn();
    EXPECT_EQ(field->text, "ab\xc3\xa9"
                           "c");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(field->edit.caret(), 5u);
}

// A host on GLFW copies to and pastes from the window system's clipboard.
TEST_F(TextFieldScene, UsesTheWindowClipboardOfAGlfwHost) {
    ASSERT_TRUE(initHostGui(kTestWindowWidth, kTestWindowHeight));
    clickAt(150, 115);
    type("copied");
    tap('A', {kKeyLeftControl});
    tap('C', {kKeyLeftControl});
    const char* held = glfwGetClipboardString(window);
    EXPECT_STREQ(held ? held : "(none)", "copied");
    glfwSetClipboardString(window, " and pasted");
    tap(kKeyEnd);
    tap('V', {kKeyLeftControl});
    EXPECT_EQ(field->text, "copied and pasted");
    setClipboardHooks(nullptr, nullptr);
}
