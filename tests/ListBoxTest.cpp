// List boxes driven through the real routing: selection by clicks, modifiers, keys and the
// wheel, single and multiple; only the rows in view drawn, whatever the length; bad files safe.
#include "trellis/gui/ListBox.h"

#include "support/CollectedMessages.h"
#include "support/RoutedScene.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/DrawRecorder.h"

#include <cmath>

using namespace trellis;

namespace {

// Counts what a list records, and keeps the texts.
struct CountingRecorder : DrawRecorder {
    void quads(const RecordedVertex*, int, bool) override {}
    void lines(const RecordedVertex*, int) override {}
    void text(const char* text, float, float, float, const Color&) override {
        texts.push_back(text);
    }
    void pictureQuads(const RecordedVertex*, int, unsigned int, bool) override {}
    void pushClip(float, float, float, float) override {}
    void popClip() override {}
    std::vector<std::string> texts;
};

void count(void* counter, CallbackSender*) {
    ++*static_cast<int*>(counter);
}

}  // namespace

// A 200 x 100 px list at (100, 100) with rows 20 px high: five rows in view.
class ListBoxScene : public RoutedScene {
protected:
    ListBox* makeList(size_t items, bool multiple) {
        delete list;
        list = new ListBox("list", root, px(100), px(100), px(200), px(100));
        list->fontSize = px(16);
        list->multiple = multiple;
        std::vector<std::string> texts;
        for (size_t i = 0; i < items; ++i)
            texts.push_back("Item " + std::to_string(i));
        list->setItems(std::move(texts));
        changes = submits = 0;
        list->changeCallback = {count, &changes};
        list->submitCallback = {count, &submits};
        return list;
    }
    // The screen y of the middle of row, as scrolled now.
    int rowY(size_t row) const {
        return 100 + int(std::lround((float(row) * list->rowHeight() - list->scrolled()) /
                                     pixelSize)) + 10;
    }

    ListBox* list = nullptr;
    int changes = 0, submits = 0;
};

// Every way of selecting, in single and multiple lists: what ends selected, how often onChange
// and onSubmit fired, and the row at the top of the view.
TEST_F(ListBoxScene, ClicksKeysAndWheelSelectAsModifiersSay) {
    enum Op { Click, ShiftClick, CtrlClick, DoubleClick, Key, ShiftKey, Wheel };
    struct Step {
        Op op;
        int what;  // a row, a key or wheel notches
    };
    struct Case {
        bool multiple;
        std::vector<Step> steps;
        std::vector<size_t> selected;
        int changes, submits;
        size_t top;
    };
    const Case cases[] = {
        {false, {{Click, 2}}, {2}, 1, 0, 0},
        {false, {{Click, 2}, {Click, 2}}, {2}, 1, 1, 0},  // a double click submits
        {false, {{DoubleClick, 3}, {Click, 3}}, {3}, 1, 1, 0},  // a third press starts over
        {false, {{Click, 1}, {Key, kKeyDown}, {Key, kKeyDown}}, {3}, 3, 0, 0},
        {false, {{Click, 1}, {CtrlClick, 3}, {ShiftClick, 4}}, {4}, 3, 0, 0},
        {false, {{Click, 1}, {Key, kKeyEnd}}, {19}, 2, 0, 15},
        {false, {{Click, 1}, {Key, kKeyEnd}, {Key, kKeyHome}}, {0}, 3, 0, 0},
        {false, {{Click, 1}, {Key, kKeyPageDown}, {Key, kKeyPageDown}}, {11}, 3, 0, 7},
        {false, {{Click, 4}, {Key, kKeyUp}, {Key, kKeyEnter}}, {3}, 2, 1, 0},
        {false, {{Click, 0}, {Key, kKeyUp}, {Key, kKeySpace}}, {0}, 1, 0, 0},
        {false, {{Wheel, -2}, {Click, 0}}, {2}, 1, 0, 2},  // 3 units a notch: two pass two rows
        {false, {{Wheel, 5}, {Click, 0}}, {0}, 1, 0, 0},
        {true, {{Click, 1}, {CtrlClick, 3}, {CtrlClick, 4}}, {1, 3, 4}, 3, 0, 0},
        {true, {{Click, 1}, {ShiftClick, 4}}, {1, 2, 3, 4}, 2, 0, 0},
        {true, {{Click, 4}, {ShiftKey, kKeyUp}, {ShiftKey, kKeyUp}}, {2, 3, 4}, 3, 0, 0},
        {true, {{Click, 1}, {CtrlClick, 1}}, {}, 2, 0, 0},  // no double click with Ctrl
        {true, {{Click, 2}, {Key, kKeySpace}, {Key, kKeySpace}}, {2}, 3, 0, 0},
        {true, {{Click, 1}, {CtrlClick, 3}, {Key, kKeyDown}}, {4}, 3, 0, 0},
        {true, {{Click, 3}, {CtrlClick, 1}, {ShiftClick, 4}}, {1, 2, 3, 4}, 3, 0, 0},
        {true, {{Click, 0}, {ShiftKey, kKeyEnd}}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
                                                   14, 15, 16, 17, 18, 19}, 2, 0, 15},
    };
    for (size_t c = 0; c < std::size(cases); ++c) {
        const Case& test = cases[c];
        makeList(20, test.multiple);
        for (const Step& step : test.steps) {
            const int y = rowY(list->rowAt(0) + size_t(step.what));
            switch (step.op) {
            case Click:
                clickAt(150, y);
                break;
            case ShiftClick:
                onKey(kKeyLeftShift, 1), clickAt(150, y), onKey(kKeyLeftShift, 0);
                break;
            case CtrlClick:
                onKey(kKeyLeftControl, 1), clickAt(150, y), onKey(kKeyLeftControl, 0);
                break;
            case DoubleClick:
                clickAt(150, y), clickAt(150, y);
                break;
            case Key:
                tap(step.what);
                break;
            case ShiftKey:
                tap(step.what, {kKeyLeftShift});
                break;
            case Wheel:
                moveTo(150, 150);
                onScrollEvent(0, step.what);
                break;
            }
        }
        EXPECT_EQ(list->selectedIndices(), test.selected) << "case " << c;
        EXPECT_EQ(std::vector<int>({changes, submits}),
                  std::vector<int>({test.changes, test.submits}))
            << "case " << c;
        EXPECT_EQ(list->rowAt(0), test.top) << "case " << c;
    }
}

// Only the rows in view are recorded, as many for 100,000 items as for 100, and the selection is
// drawn where its row is, after scrolling to the far end.
TEST_F(ListBoxScene, OnlyRowsInViewAreDrawnWhateverTheLength) {
    for (size_t items : {size_t(100), size_t(100000)}) {
        makeList(items, false);
        CountingRecorder first;
        list->record(first);
        EXPECT_EQ(first.texts, (std::vector<std::string>{"Item 0", "Item 1", "Item 2", "Item 3",
                                                         "Item 4"}));
        clickAt(150, rowY(0));
        tap(kKeyEnd);
        CountingRecorder last;
        list->record(last);
        ASSERT_EQ(last.texts.size(), 5u) << items;
        EXPECT_EQ(last.texts.back(), "Item " + std::to_string(items - 1));
        // The last row, selected, fills the bottom 20 px left of the scroll bar.
        const MatchedBox mark = boxOf(drawn(), list->selectionColor);
        const int barLeft = 300 - int(std::lround(list->barWidth / pixelSize));
        EXPECT_EQ(std::vector<int>({mark.left, mark.top, mark.right, mark.bottom}),
                  std::vector<int>({100, 180, barLeft, 200}))
            << items;
    }
}

// Bad input is safe: an empty list takes keys, clicks and the wheel without selecting; indices
// beyond the end select nothing; a file's out-of-range or broken selected index and unknown
// children are reported, the rest loads.
TEST_F(ListBoxScene, EmptyListsBadIndicesAndBadFilesAreSafe) {
    makeList(0, true);
    clickAt(150, 110);
    for (int key : {kKeyDown, kKeyUp, kKeyEnd, kKeyPageDown, kKeySpace, kKeyEnter})
        tap(key, {kKeyLeftShift});
    onScrollEvent(0, -3);
    list->select(7);
    EXPECT_EQ(std::vector<int>({int(list->selectedCount()), changes, submits}),
              std::vector<int>({0, 0, 0}));
    EXPECT_EQ(list->selectedIndex(), ListBox::kNone);
    EXPECT_EQ(list->item(3), "");
    drawn();

    DiagnosticCollector collected;
    const auto built = loadText(
        "<listbox name='a' selected='1'><item text='x'/><item text='y'/>"
        "<item text='z' selected='1'/></listbox>\n"
        "<listbox name='b' selected='9'><item text='x'/><itme text='q'/></listbox>\n"
        "<listbox name='c' selected='-1' multiple='1'><item text='x' selected='1'/>"
        "<item selected='1' colour='red'/></listbox>\n");
    ASSERT_EQ(built.size(), 3u);
    const auto stateOf = [](GuiElement* element) {
        auto* l = static_cast<ListBox*>(element);
        return std::pair(l->itemCount(), l->selectedIndices());
    };
    EXPECT_EQ(stateOf(built[0]), std::pair(size_t(3), std::vector<size_t>{2}));
    EXPECT_EQ(stateOf(built[1]), std::pair(size_t(1), std::vector<size_t>{}));
    EXPECT_EQ(stateOf(built[2]), std::pair(size_t(2), std::vector<size_t>{0, 1}));
    // An index beyond the items selects nothing, silently: the items are still to come when
    // the index is read.
    EXPECT_EQ(collected.count(Severity::Warning), 3u) << listed(collected);
    EXPECT_TRUE(mentionsAll(collected, {"\"selected\"", "<itme>", "\"colour\""}));
}
