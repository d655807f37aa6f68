// The prefix-width index of a text field, following a real editing model through edits anywhere
// in a UTF-8 text of many blocks, against a walk over every character.
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

// Whole widths beyond ASCII too; a combining mark has none.
float wideWidth(unsigned int codepoint) {
    return codepoint == 0x301 ? 0.0f : float(codepoint % 5 + 1);
}

// Where each character starts (and the text's end), and its x, walking the text.
struct Walk {
    std::vector<size_t> starts;
    std::vector<float> xs;
};
Walk walked(const std::string& text, const PrefixWidths::WidthTable& widths) {
    Walk walk{{0}, {0}};
    for (size_t i = 0, length = 0; i < text.size(); i += length) {
        const unsigned int c = decodeUtf8(text, i, length);
        walk.starts.push_back(i + length);
        walk.xs.push_back(walk.xs.back() + (c < 0x80 ? widths[c] : wideWidth(c)));
    }
    return walk;
}

// The nearest character start by a walk: the first of those as near.
size_t walkedNearest(const Walk& walk, float x) {
    size_t best = 0;
    for (size_t i = 1; i < walk.xs.size(); ++i)
        if (std::fabs(walk.xs[i] - x) < std::fabs(walk.xs[best] - x))
            best = i;
    return walk.starts[best];
}

size_t walkedFirst(const Walk& walk, float x, bool orAt) {
    for (size_t i = 0; i < walk.xs.size(); ++i)
        if (orAt ? walk.xs[i] >= x : walk.xs[i] > x)
            return walk.starts[i];
    return walk.starts.back() + 1;
}

}  // namespace

// Typing, deleting and pasting over selections anywhere, in text with characters of one to four
// bytes, blocks splitting and merging: the index keeps every character's x, and finds character
// starts by x, as a walk over the whole text does.
TEST(PrefixWidths, FollowsEditsAnywhereInALongText) {
    const PrefixWidths::WidthTable widths = wholeWidths();
    TextEditModel model;
    std::string start;
    const unsigned int wide[] = {0xE9, 0x301, 0x4E2D, 0x1F600};
    for (int i = 0; i < 5000; ++i)
        i % 11 ? start.push_back(char(32 + i * 7 % 95)) : appendUtf8(start, wide[i % 4]);
    model.setText(start);
    PrefixWidths index;
    index.reset(model.text(), widths, wideWidth);
    std::mt19937 random(19);
    const auto below = [&](size_t n) { return size_t(random() % n); };
    for (int round = 0; round < 200; ++round) {
        const size_t before = model.revision(), size = model.text().size();
        model.moveTo(below(size + 1), false);
        switch (round % 4) {
        case 0:
            model.typeCharacter(round % 8 ? unsigned(33 + below(90)) : wide[below(4)]);
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
            model.insert(std::string(below(1500), char('a' + round % 26)) + "\xe4\xb8\xad");
        }
        if (model.revision() != before) {
            ASSERT_EQ(model.revision(), before + 1) << "one edit, one change";
            const TextEditModel::Change& change = model.lastChange();
            index.replace(change.start, change.removed, change.inserted);
        }
        const Walk walk = walked(model.text(), widths);
        ASSERT_EQ(index.size(), model.text().size());
        ASSERT_EQ(index.total(), walk.xs.back()) << "round " << round;
        for (size_t i = round % 25 ? round % 7 : 0; i < walk.xs.size(); i += round % 25 ? 97 : 1)
            ASSERT_EQ(index.offset(walk.starts[i]), walk.xs[i]) << round << ", character " << i;
        // Before the text, past it, on an x (characters without width share it) and between.
        const float total = walk.xs.back(), at = walk.xs[below(walk.xs.size())];
        for (float x : {-3.0f, 0.0f, at, at + 0.5f, at - 1.5f, total, total + 9, total / 3}) {
            EXPECT_EQ(index.nearest(x), walkedNearest(walk, x)) << round << " " << x;
            EXPECT_EQ(index.firstAtOrAbove(x), walkedFirst(walk, x, true)) << round << " " << x;
            EXPECT_EQ(index.firstAbove(x), walkedFirst(walk, x, false)) << round << " " << x;
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
