// SliderRange: a slider's bounds, step and value, kept sane: the value always in range.
#pragma once

#include <string>
#include <vector>

namespace trellis {

class AttributeSource;

// A value between minimum and maximum, on the steps minimum + k * step (the two ends are always
// reachable), or anywhere in between when step is 0. Doubles, so that a wide range still has
// room for every step (a float has none between 16,777,216 and the next even number).
struct SliderRange {
    double minimum = 0;  // lower bound, finite
    double maximum = 1;  // upper bound, finite, not below minimum
    double step = 0;     // 0: continuous; else finite and above zero
    double value = 0;    // within [minimum, maximum]

    // v clamped to the bounds and rounded to the nearest step; minimum for NaN.
    double constrain(double v) const;
    // How far one arrow key or wheel notch moves: the step, or a twentieth of the range.
    double keyStep() const;
    // The value that many key presses away (negative: towards minimum; rounded to whole presses
    // when there is a step): with a step, each press goes to the neighbouring reachable value,
    // the steps and maximum itself; without, each moves by keyStep. Stays within the bounds.
    double stepsAway(double presses) const;
    // Where value lies between the bounds, 0 to 1 (0 when they are equal).
    double fraction() const;
    // The value at fraction f (clamped to 0 to 1) of the way from minimum to maximum.
    double valueAtFraction(double f) const;

private:
    double halfSpan() const;                  // half of maximum - minimum, without overflow
    double stepsFromMinimum(double v) const;  // (v - minimum) / step, without overflow
};

// A number as a file might write it: the shortest text that reads back as v.
std::string numberText(double v);

// One thing wrong with settings a file gave, by attribute ("min", "max", "step", "value").
struct SliderProblem {
    const char* attribute;  // the attribute at fault
    std::string what;       // what was wrong and what is used instead
};

// given made sane, telling each repair in problems: a non-finite minimum becomes 0 and a
// non-finite maximum minimum + 1; bounds the wrong way round are swapped; a step that is
// negative or not finite becomes 0; a value that is NaN becomes the minimum, and one outside
// the bounds the nearer bound. A value between the bounds is rounded to the step silently.
SliderRange sanitizeSliderRange(SliderRange given, std::vector<SliderProblem>& problems);

// Reads "min", "max", "value" (and "step" when withStep) into range, made sane, reporting each
// repair sanitizeSliderRange makes; a missing value starts at min.
void readRangeAttributes(const AttributeSource& element, SliderRange& range, bool withStep);

}  // namespace trellis
