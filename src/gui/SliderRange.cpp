// Slider values: clamping, steps, and repairing what a file gave.
#include "trellis/gui/SliderRange.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace trellis {

namespace {

// A float as the file might have written it: shortest that reads back the same.
std::string numberText(float v) {
    std::ostringstream out;
    out.precision(9);
    out << v;
    return out.str();
}

}  // namespace

float SliderRange::constrain(float v) const {
    // Double precision, so that bounds near the float limits do not overflow their difference.
    const double low = minimum, high = maximum;
    if (std::isnan(v) || v <= low || !(high > low))
        return minimum;
    if (v >= high)
        return maximum;
    double at = v;
    if (step > 0)
        at = low + std::round((at - low) / step) * double(step);
    return static_cast<float>(std::clamp(at, low, high));
}

float SliderRange::keyStep() const {
    return step > 0 ? step : static_cast<float>((double(maximum) - minimum) / 20);
}

float SliderRange::fraction() const {
    const double span = double(maximum) - minimum;
    return span > 0 ? static_cast<float>((double(value) - minimum) / span) : 0.0f;
}

float SliderRange::valueAtFraction(float f) const {
    const double along = std::clamp(double(f), 0.0, 1.0);
    return constrain(static_cast<float>(minimum + along * (double(maximum) - minimum)));
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
        const float kept = sane.value < sane.minimum ? sane.minimum : sane.maximum;
        problems.push_back({"value", numberText(sane.value) + " lies outside the range [" +
                                         numberText(sane.minimum) + ", " +
                                         numberText(sane.maximum) + "]; " + numberText(kept) +
                                         " is used"});
    }
    sane.value = sane.constrain(sane.value);
    return sane;
}

}  // namespace trellis
