// Check boxes and labels through the real routing with real GL: toggling by click and Space,
// onChange counts, the mark and the focus frame on screen, and label lines placed by "align".
#include "support/RoutedScene.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/CheckBox.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/Label.h"

using namespace trellis;

namespace {

const Color red{{255, 0, 0, 255}}, green{{0, 255, 0, 255}}, white{{255, 255, 255, 255}};

}  // namespace

// Two 200 x 20 px check boxes at (100, 100) and (100, 140), with 16 px captions.
class CheckBoxScene : public RoutedScene {
protected:
    void SetUp() override {
        RoutedScene::SetUp();
        for (int i = 0; i < 2; ++i) {
            boxes[i] = new CheckBox(i ? "second" : "first", root, "Caption", px(100),
                                    px(100 + 40 * i), px(200), px(20));
            boxes[i]->fontSize = px(16);
            boxes[i]->checkColor = red;
            boxes[i]->focusColor = green;
            boxes[i]->changeCallback = {
                [](void* count, CallbackSender*) { ++*static_cast<int*>(count); }, &changes[i]};
        }
    }
    std::vector<bool> states() const { return {boxes[0]->checked, boxes[1]->checked}; }
    std::vector<int> counts() const { return {changes[0], changes[1]}; }

    CheckBox* boxes[2] = {};
    int changes[2] = {};
};

// A left click (press and release on the box) or Space while focused toggles and fires
// onChange; other buttons, other keys, and a press released elsewhere do not.
TEST_F(CheckBoxScene, ClickAndSpaceToggle) {
    const std::tuple<char, int, std::vector<bool>, std::vector<int>> script[] = {
        {'c', 0, {true, false}, {1, 0}},    // click on the caption side of the first
        {'s', 0, {false, false}, {2, 0}},   // Space: the first has the focus
        {'r', 0, {false, false}, {2, 0}},   // right click
        {'x', 0, {false, false}, {2, 0}},   // pressed on the first, released on the second
        {'t', 0, {false, false}, {2, 0}},   // Tab: the focus moves on to the second
        {'s', 0, {false, true}, {2, 1}},    // Space toggles the second now
        {'k', 0, {false, true}, {2, 1}},    // Enter does nothing
        {'c', 1, {false, false}, {2, 2}}};  // click on the second
    for (const auto& [op, which, expected, count] : script) {
        const int y = 110 + 40 * which;
        if (op == 'c')
            clickAt(250, y);
        else if (op == 's')
            tap(kKeySpace);
        else if (op == 'r')
            moveTo(105, y), onMouseButton(1, 1), onMouseButton(1, 0);
        else if (op == 'x')
            moveTo(105, 110), onMouseButton(0, 1), moveTo(105, 150), onMouseButton(0, 0);
        else if (op == 't')
            tap(kKeyTab);
        else
            tap(kKeyEnter);
        EXPECT_EQ(states(), expected) << op;
        EXPECT_EQ(counts(), count) << op;
    }
}

// The mark shows only when checked, inside the box; the focus frame only around the focused one.
TEST_F(CheckBoxScene, MarkAndFocusFrameOnScreen) {
    EXPECT_EQ(boxOf(drawn(), red), MatchedBox{});
    boxes[0]->setChecked(true);
    const MatchedBox mark = boxOf(drawn(), red);
    EXPECT_GT(mark.count, 10);
    EXPECT_TRUE(mark.left >= 100 && mark.right <= 116 && mark.top >= 102 && mark.bottom <= 118)
        << mark;
    EXPECT_EQ(changes[0], 0) << "setChecked is quiet";
    EXPECT_EQ(boxOf(drawn(), green), MatchedBox{});
    tap(kKeyTab);
    tap(kKeyTab, {kKeyRightShift});  // backwards from the first wraps to the second
    EXPECT_EQ(focusElement, boxes[1]);
    EXPECT_EQ(boxOf(drawn(), green), (MatchedBox{98, 138, 302, 162, 2 * 204 + 2 * 22}));
}

// Each line of a label is placed by its own width: flush left, centred or flush right; the
// block is centred vertically; nothing but the text is drawn.
TEST_F(RoutedScene, LabelLinesFollowTheAlignment) {
    const auto built =
        loadText("<label name='l' x='0' y='0' width='10' height='10' align='right'/>\n"
                 "<label name='m' align='middle'/>\n");
    ASSERT_EQ(built.size(), 2u);
    EXPECT_EQ(static_cast<Label*>(built[0])->hAlign, TextAlign::End);
    EXPECT_EQ(static_cast<Label*>(built[1])->hAlign, TextAlign::Start) << "unknown: unchanged";
    delete built[0], delete built[1];
    // "AB" is 20 px wide and "ABCD" 40 px at 20 px; two lines are 40 px high in a 60 px label.
    Label* label = new Label("", root, "AB\nABCD", px(100), px(100), px(200), px(60));
    label->fontSize = px(20);
    label->fontColor = white;
    label->bgColor = red;
    const std::tuple<TextAlign, int, int> cases[] = {
        {TextAlign::Start, 100, 100}, {TextAlign::Center, 190, 180}, {TextAlign::End, 280, 260}};
    for (const auto& [align, first, second] : cases) {
        label->hAlign = align;
        const auto image = drawn();
        EXPECT_EQ(boxWhere(image, [](Color c) { return c != kBlack; }),
                  (MatchedBox{std::min(first, second), 110, std::max(first + 20, second + 40), 150,
                            20 * 20 + 40 * 20}))
            << int(align);
        EXPECT_EQ(pixel(first, 110), white);
        EXPECT_EQ(pixel(second + 39, 149), white);
    }
}
