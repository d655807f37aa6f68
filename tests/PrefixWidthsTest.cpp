// The prefix-width index of a text field, following a real editing model through edits anywhere
// in a text of many blocks, against a walk over every position.
#include "trellis/gui/PrefixWidths.h"
#include "trellis/gui/TextEditModel.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace trellis;

namespace {

// Whole widths, so that any order of summing gives the same x; some characters have none.
PrefixWidths::WidthTable wholeWidths() {
    PrefixWidths::WidthTable widths{};
    for (int code = 32; code < 127; ++code)
        widths[code] = float(code % 7);
    return widths;
}

// The x of every position, walking the text.
std::vector<float> walkedOffsets(const std::string& text, const PrefixWidths::WidthTable& widths) {
    std::vector<float> offsets{0};
    for (char c : text)
        offsets.push_back(offsets.back() + widths[static_cast<unsigned char>(c)]);
    return offsets;
}

// The nearest position by a walk: the first of those as near.
size_t walkedNearest(const std::vector<float>& offsets, float x) {
    size_t best = 0;
    for (size_t i = 1; i < offsets.size(); ++i)
        if (std::fabs(offsets[i] - x) < std::fabs(offsets[best] - x))
            best = i;
    return best;
}

size_t walkedFirst(const std::vector<float>& offsets, float x, bool orAt) {
    for (size_t i = 0; i < offsets.size(); ++i)
        if (orAt ? offsets[i] >= x : offsets[i] > x)
            return i;
    return offsets.size();
}

}  // namespace

// Typing, deleting and pasting over selections anywhere, blocks splitting and merging: the
// index keeps every x, and finds positions by x, as a walk over the whole text does.
TEST(PrefixWidths, FollowsEditsAnywhereInALongText) {
    const PrefixWidths::WidthTable widths = wholeWidths();
    TextEditModel model;
    std::string start;
    for (int i = 0; i < 5000; ++i)
        start.push_back(char(32 + i * 7 % 95));
    model.setText(start);
    PrefixWidths index;
    index.reset(model.text(), widths);
    std::mt19937 random(19);
    const auto below = [&](size_t n) { return size_t(random() % n); };
    for (int round = 0; round < 200; ++round) {
        const size_t before = model.revision(), size = model.text().size();
        model.moveTo(below(size + 1), false);
        switch (round % 4) {
        case 0:
            model.typeCharacter(unsigned(33 + below(90)));
            break;
        case 1:
            model.backspace();
            break;
        case 2:
            model.moveTo(model.caret() + below(700) - 350, true);
            model.deleteSelection();
            break;
        default:
            model.moveTo(model.caret() + below(40), true);
            model.insert(std::string(below(1500), char('a' + round % 26)));
        }
        if (model.revision() != before) {
            ASSERT_EQ(model.revision(), before + 1) << "one edit, one change";
            const TextEditModel::Change& change = model.lastChange();
            index.replace(change.start, change.removed, change.inserted);
        }
        const std::vector<float> offsets = walkedOffsets(model.text(), widths);
        ASSERT_EQ(index.size(), model.text().size());
        ASSERT_EQ(index.total(), offsets.back()) << "round " << round;
        for (size_t p = round % 25 ? round % 7 : 0; p < offsets.size(); p += round % 25 ? 97 : 1)
            ASSERT_EQ(index.offset(p), offsets[p]) << "round " << round << ", position " << p;
        // Before the text, past it, on an x (characters without width share it) and between.
        const float total = offsets.back(), at = offsets[below(offsets.size())];
        for (float x : {-3.0f, 0.0f, at, at + 0.5f, at - 1.5f, total, total + 9, total / 3}) {
            EXPECT_EQ(index.nearest(x), walkedNearest(offsets, x)) << round << " " << x;
            EXPECT_EQ(index.firstAtOrAbove(x), walkedFirst(offsets, x, true)) << round << " " << x;
            EXPECT_EQ(index.firstAbove(x), walkedFirst(offsets, x, false)) << round << " " << x;
        }
    }
    EXPECT_EQ(index.nearest(std::numeric_limits<float>::quiet_NaN()), 0u);
    model.selectAll();
    model.deleteSelection();
    index.replace(0, model.lastChange().removed, 0);
    EXPECT_EQ(std::vector<size_t>({index.size(), index.nearest(5), index.firstAtOrAbove(0)}),
              std::vector<size_t>({0, 0, 0}));
    EXPECT_EQ(index.total(), 0);
}
