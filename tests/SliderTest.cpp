// Sliders: the range kept sane (clamping, steps, NaN and reversed ranges from a file), and the
// slider driven through the real routing with real GL: track clicks, drags, keys, the wheel,
// and onChange fired exactly for changes of value.
#include "trellis/gui/Slider.h"
#include "support/CollectedMessages.h"
#include "support/RoutedScene.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/SliderRange.h"

#include <cmath>
#include <limits>

using namespace trellis;

namespace {

const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

std::vector<std::string> attributesOf(const std::vector<SliderProblem>& problems) {
    std::vector<std::string> names;
    for (const SliderProblem& problem : problems)
        names.push_back(problem.attribute);
    return names;
}

}  // namespace

// Whatever a file gives, the result has finite bounds in order, a usable step and a value in
// range; every repair is named, and sane settings pass untouched.
TEST(SliderRange, SanitizingRepairsEveryBadSettingAndSaysWhich) {
    struct Case {
        SliderRange given, expected;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {{0, 10, 0, 5}, {0, 10, 0, 5}, {}},
        {{0, 10, 3, 5}, {0, 10, 3, 6}, {}},  // rounded to the step silently
        {{kNan, 10, 0, 5}, {0, 10, 0, 5}, {"min"}},
        {{-kInf, 10, 0, 5}, {0, 10, 0, 5}, {"min"}},
        {{2, kNan, 0, 2.5f}, {2, 3, 0, 2.5f}, {"max"}},
        {{0, kInf, 0, 5}, {0, 1, 0, 1}, {"max", "value"}},
        {{10, 0, 0, 3}, {0, 10, 0, 3}, {"max"}},  // reversed: swapped
        {{0, 10, -1, 5}, {0, 10, 0, 5}, {"step"}},
        {{0, 10, kNan, 5}, {0, 10, 0, 5}, {"step"}},
        {{0, 10, 0, kNan}, {0, 10, 0, 0}, {"value"}},
        {{0, 10, 0, 15}, {0, 10, 0, 10}, {"value"}},
        {{0, 10, 0, -kInf}, {0, 10, 0, 0}, {"value"}},
        {{5, 5, 0, 7}, {5, 5, 0, 5}, {"value"}},
        {{kNan, kNan, kNan, kNan}, {0, 1, 0, 0}, {"min", "max", "step", "value"}},
        {{-3e38f, 3e38f, 0, 0}, {-3e38f, 3e38f, 0, 0}, {}},
    };
    for (const Case& c : cases) {
        std::vector<SliderProblem> problems;
        const SliderRange sane = sanitizeSliderRange(c.given, problems);
        const auto fields = [](const SliderRange& r) {
            return std::vector<double>{r.minimum, r.maximum, r.step, r.value};
        };
        EXPECT_EQ(fields(sane), fields(c.expected)) << c.given.minimum << " " << c.given.maximum
                                                    << " " << c.given.step << " " << c.given.value;
        EXPECT_EQ(attributesOf(problems), c.problems) << c.given.minimum << " " << c.given.value;
        for (const SliderProblem& problem : problems)
            EXPECT_FALSE(problem.what.empty());
    }
    // Half the widest range is still finite: no overflow on the way.
    const SliderRange wide{-3e38f, 3e38f, 0, 0};
    EXPECT_TRUE(std::isfinite(wide.keyStep()) && wide.keyStep() > 0);
    EXPECT_EQ(wide.valueAtFraction(1), 3e38f);
}

// Values are clamped to the bounds and rounded to the nearest step; the ends stay reachable.
TEST(SliderRange, ConstrainClampsAndRoundsToSteps) {
    const SliderRange stepped{0, 10, 2.5f, 0}, continuous{-1, 1, 0, 0};
    const std::pair<float, float> steppedCases[] = {{-1, 0},  {3.7f, 2.5f}, {3.8f, 5}, {9.9f, 10},
                                                    {11, 10}, {kNan, 0},    {kInf, 10}};
    for (const auto& [v, expected] : steppedCases)
        EXPECT_EQ(stepped.constrain(v), expected) << v;
    const SliderRange uneven{0, 10, 3, 0};  // 10 is no step, but the end is still reachable
    EXPECT_EQ(std::vector({uneven.constrain(9.9f), uneven.constrain(10), uneven.constrain(8)}),
              std::vector<double>({9, 10, 9}));
    EXPECT_EQ(continuous.constrain(0.123f), 0.123f);
    EXPECT_EQ(continuous.keyStep(), 0.1);
}

// A 200 x 20 px slider at (100, 100) from 0 to 100: a 10 px thumb travelling 190 px.
class SliderScene : public RoutedScene {
protected:
    void SetUp() override {
        RoutedScene::SetUp();
        slider = new Slider("s", root, px(100), px(100), px(200), px(20));
        slider->setRange(0, 100);
        slider->changeCallback = {[](void* count, CallbackSender*) { ++*static_cast<int*>(count); },
                                  &changes};
    }
    // The left edge of the thumb, from the pixels drawn.
    int thumbLeft() { return boxOf(drawn(), slider->thumbColor).left; }
    // The screen x of the thumb's centre for value v.
    static int centreFor(float v) { return 100 + 5 + int(std::lround(v * 1.9f)); }

    Slider* slider = nullptr;
    int changes = 0;
};

// Track clicks jump, drags follow the pointer keeping the grab, keys and the wheel step; the
// callback fires once per change and never for an unchanged value.
TEST_F(SliderScene, MouseKeysAndWheelChangeTheValueWithinRange) {
    clickAt(205, 110);  // on the track: the thumb's centre jumps under the pointer
    EXPECT_NEAR(slider->value(), 100 * (105 - 5) / 190.0f, 1e-4);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(focusElement, slider);
    slider->setValue(50);
    changes = 0;
    // Grabbed 3 px right of the centre: the thumb moves as far as the pointer does.
    moveTo(centreFor(50) + 3, 110);
    onMouseButton(0, 1);
    EXPECT_EQ(changes, 0) << "grabbing the thumb moves nothing";
    moveTo(centreFor(50) + 3 + 19, 400);  // far below: still dragging
    EXPECT_NEAR(slider->value(), 60, 1e-4);
    moveTo(centreFor(50) + 3 + 19, 110);  // same x: no change, no callback
    moveTo(1000, 110);                    // beyond the end: the maximum
    onMouseButton(0, 0);
    moveTo(50, 110);  // released: no more dragging
    EXPECT_EQ(slider->value(), 100);
    EXPECT_EQ(changes, 2);
    const std::tuple<char, int, double, int> script[] = {
        {'k', kKeyLeft, 95, 3}, {'k', kKeyHome, 0, 4},  {'k', kKeyLeft, 0, 4},
        {'k', kKeyUp, 5, 5},    {'k', kKeyEnd, 100, 6}, {'k', kKeyRight, 100, 6},
        {'w', -2, 90, 7},       {'w', 5, 100, 8},       {'w', 1, 100, 8}};
    for (const auto& [op, what, value, count] : script) {
        if (op == 'k') {
            tap(what);
        } else {
            moveTo(200, 110);
            onScrollEvent(0, what);
        }
        EXPECT_EQ(std::pair(slider->value(), changes), std::pair(value, count)) << op << what;
    }
    EXPECT_EQ(thumbLeft(), 290);  // at the maximum the thumb ends at the right edge
    slider->setValue(0);
    EXPECT_EQ(thumbLeft(), 100);
}

// With a step the value moves in steps: drags round to the nearest, keys and wheel by one step.
TEST_F(SliderScene, StepsRoundDragsAndSizeKeyMoves) {
    slider->setRange(0, 100, 25);
    clickAt(centreFor(40), 110);
    EXPECT_EQ(slider->value(), 50);
    tap(kKeyRight);
    EXPECT_EQ(slider->value(), 75);
    moveTo(200, 110);
    onScrollEvent(0, -1);
    EXPECT_EQ(slider->value(), 50);
    EXPECT_EQ(changes, 3);
    slider->setRange(0, 10);  // shrinking the range pulls the value in, and says so
    EXPECT_EQ(std::pair(slider->value(), changes), std::pair(10.0, 4));
}

// Keys and the wheel go to the neighbouring reachable value (min + k * step, or max itself), in
// ranges where a float has no room for the steps.
TEST_F(SliderScene, KeysReachEveryStepOfWideAndUnevenRanges) {
    struct Case {
        double minimum, maximum, step, start;
        char op;  // 'k': a key, 'w': wheel notches
        int what;
        double expected;
    };
    const Case cases[] = {
        {0, 1e8, 1, 16777216, 'k', kKeyRight, 16777217},
        {0, 1e8, 1, 16777217, 'k', kKeyLeft, 16777216},
        {0, 1e8, 1, 99999999, 'k', kKeyUp, 1e8},
        {1e7, 1e7 + 16, 0.1, 1e7, 'k', kKeyRight, 1e7 + 0.1},
        {1e7, 1e7 + 16, 0.1, 1e7 + 16, 'k', kKeyLeft, 1e7 + 15.9},
        {1e7, 1e7 + 16, 0.1, 1e7 + 8, 'w', -2, 1e7 + 7.8},
        {0, 10, 3, 10, 'k', kKeyLeft, 9},
        {0, 10, 3, 9, 'k', kKeyRight, 10},
        {0, 10, 3, 10, 'k', kKeyRight, 10},
        {0, 10, 3, 0, 'k', kKeyDown, 0},
        {0, 10, 3, 10, 'w', -1, 9},
        {0, 10, 3, 10, 'w', -2, 6},
        {0, 10, 3, 3, 'w', 5, 10},
    };
    clickAt(205, 110);  // for the keyboard focus
    for (const Case& c : cases) {
        slider->setRange(c.minimum, c.maximum, c.step);
        slider->setValue(c.start);
        if (c.op == 'k') {
            tap(c.what);
        } else {
            moveTo(200, 110);
            onScrollEvent(0, c.what);
        }
        EXPECT_DOUBLE_EQ(slider->value(), c.expected)
            << "[" << c.minimum << ", " << c.maximum << "] step " << c.step << " from " << c.start
            << ": " << c.op << c.what;
    }
}

// Bad numbers in a file are reported and repaired; the slider still works.
TEST_F(SliderScene, FileValuesAreRepairedAndReported) {
    DiagnosticCollector collected;
    const auto built =
        loadText("<slider name='a' min='nan' max='5' value='9' x='1' y='1' width='20'/>\n"
                 "<slider name='b' min='10' max='0' value='3' step='-2'/>\n"
                 "<slider name='c' min='0' max='4' value='2' step='1'/>\n");
    ASSERT_EQ(built.size(), 3u);
    const auto rangeOf = [](GuiElement* element) {
        const SliderRange& r = static_cast<Slider*>(element)->range;
        return std::vector<double>{r.minimum, r.maximum, r.step, r.value};
    };
    EXPECT_EQ(rangeOf(built[0]), (std::vector<double>{0, 5, 0, 5}));
    EXPECT_EQ(rangeOf(built[1]), (std::vector<double>{0, 10, 0, 3}));
    EXPECT_EQ(rangeOf(built[2]), (std::vector<double>{0, 4, 1, 2}));
    EXPECT_EQ(collected.count(Severity::Warning), 4u) << listed(collected);
    EXPECT_TRUE(mentionsAll(collected, {"\"min\"", "\"value\"", "swapped", "\"step\""}));
}
