// Slider values: clamping, steps, and repairing what a file gave.
#include "trellis/gui/SliderRange.h"

#include "trellis/gui/AttributeSource.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace trellis {

std::string numberText(double v) {
    // Plain digits for every number that has a short plain form: 10, not 1e+01.
    const bool plain = std::fabs(v) < 1e15 && (v == 0 || std::fabs(v) >= 1e-5);
    std::ostringstream out;
    for (int digits = 1; digits <= 17; ++digits) {
        out.str("");
        out.precision(digits);
        out << v;
        if (std::strtod(out.str().c_str(), nullptr) == v &&
            !(plain && out.str().find('e') != std::string::npos))
            break;
    }
    return out.str();
}

double SliderRange::halfSpan() const {
    // Halves, so that bounds near the limits of a double do not overflow their difference.
    return maximum / 2 - minimum / 2;
}

double SliderRange::stepsFromMinimum(double v) const {
    return (v / 2 - minimum / 2) / (step / 2);
}

double SliderRange::constrain(double v) const {
    if (std::isnan(v) || v <= minimum || !(maximum > minimum))
        return minimum;
    if (v >= maximum)
        return maximum;
    double at = v;
    if (step > 0)
        at = minimum + std::round(stepsFromMinimum(v)) * step;
    return std::clamp(at, minimum, maximum);
}

double SliderRange::keyStep() const {
    return step > 0 ? step : halfSpan() / 10;
}

double SliderRange::stepsAway(double presses) const {
    if (!(step > 0))
        return constrain(value + presses * keyStep());
    const double whole = std::round(presses);
    if (std::isnan(whole) || whole == 0)
        return value;
    const double direction = whole > 0 ? 1 : -1;
    const auto stepAt = [this](double index) { return minimum + index * step; };
    const auto beyond = [&](double v) { return direction > 0 ? v > value : v < value; };
    // The nearest step may lie on either side of the value, or be the value: at most two more
    // tries reach the first one beyond it.
    double index = std::round(stepsFromMinimum(value));
    for (int tries = 0; tries < 2 && !beyond(stepAt(index)); ++tries)
        index += direction;
    // Steps too fine for a double to tell apart from the value leave it where it is.
    if (!beyond(stepAt(index)))
        return value;
    // Past the last step lies maximum itself, which is reachable too; before the first, minimum.
    return std::clamp(stepAt(index + (whole - direction)), minimum, maximum);
}

double SliderRange::fraction() const {
    const double half = halfSpan();
    return half > 0 ? (value / 2 - minimum / 2) / half : 0.0;
}

double SliderRange::valueAtFraction(double f) const {
    const double along = std::clamp(f, 0.0, 1.0) * halfSpan();
    // Twice the half way along, unless that overflows in the widest ranges.
    const double twice = along * 2;
    return constrain(std::isfinite(twice) ? minimum + twice : minimum + along + along);
}

SliderRange sanitizeSliderRange(SliderRange given, std::vector<SliderProblem>& problems) {
    SliderRange sane = given;
    if (!std::isfinite(sane.minimum)) {
        problems.push_back({"min", numberText(given.minimum) + " is no finite number; 0 is used"});
        sane.minimum = 0;
    }
    if (!std::isfinite(sane.maximum)) {
        sane.maximum = sane.minimum + 1;
        problems.push_back({"max", numberText(given.maximum) + " is no finite number; " +
                                       numberText(sane.maximum) + " is used"});
    }
    if (sane.minimum > sane.maximum) {
        problems.push_back({"max", "the range runs backwards (min " + numberText(sane.minimum) +
                                       ", max " + numberText(sane.maximum) +
                                       "); the two are swapped"});
        std::swap(sane.minimum, sane.maximum);
    }
    if (!(sane.step >= 0) || !std::isfinite(sane.step)) {
        problems.push_back({"step", numberText(given.step) +
                                        " is no step (a finite number, 0 or more); the slider is "
                                        "continuous"});
        sane.step = 0;
    }
    if (std::isnan(sane.value)) {
        problems.push_back(
            {"value", "nan is no number; min (" + numberText(sane.minimum) + ") is used"});
        sane.value = sane.minimum;
    } else if (sane.value < sane.minimum || sane.value > sane.maximum) {
        const double kept = sane.value < sane.minimum ? sane.minimum : sane.maximum;
        problems.push_back({"value", numberText(sane.value) + " lies outside the range [" +
                                         numberText(sane.minimum) + ", " +
                                         numberText(sane.maximum) + "]; " + numberText(kept) +
                                         " is used"});
    }
    sane.value = sane.constrain(sane.value);
    return sane;
}

void readRangeAttributes(const AttributeSource& element, SliderRange& range, bool withStep) {
    SliderRange given = range;
    readNumberAttribute(element, "min", given.minimum);
    readNumberAttribute(element, "max", given.maximum);
    if (withStep)
        readNumberAttribute(element, "step", given.step);
    given.value = given.minimum;  // where a file that gives no value starts
    readNumberAttribute(element, "value", given.value);
    std::vector<SliderProblem> problems;
    range = sanitizeSliderRange(given, problems);
    for (const SliderProblem& problem : problems)
        element.reportValue(problem.attribute, problem.what);
}

}  // namespace trellis
