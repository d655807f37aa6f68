// Sliders: drawing the track and thumb, and moving the value by mouse, keys and wheel.
#include "trellis/gui/Slider.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <cmath>

namespace trellis {

Slider::Slider(const char* name, GuiElement* parent, float x, float y, float width, float height)
    : GuiElement(name, parent, x, y, width, height), focusColor(kDefaultFocusColor) {
    skinClass = "slider";
    Slider::applySkin(skinStore);
}

void Slider::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "trackColor", trackColor);
    applySkinColor(sections, "fillColor", fillColor);
    applySkinColor(sections, "thumbColor", thumbColor);
    applySkinColor(sections, "focusColor", focusColor);
}

void Slider::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    readRangeAttributes(element, range, true);
    bindCallback(textAttribute(element, "onChange"), changeCallback);
}

void Slider::setRange(double minimum, double maximum, double step) {
    std::vector<SliderProblem> ignored;
    SliderRange given = range;
    given.minimum = minimum, given.maximum = maximum, given.step = step;
    const double before = range.value;
    range = sanitizeSliderRange(given, ignored);
    if (range.value != before)
        changeCallback.fire(this);
}

bool Slider::setValue(double v) {
    if (v != v)
        return false;
    const double next = range.constrain(v);
    if (next == range.value)
        return false;
    range.value = next;
    changeCallback.fire(this);
    return true;
}

float Slider::thumbWidth() const {
    return std::min(width, std::max(snapToPixel(height * 0.5f), 3 * pixelSize));
}

float Slider::thumbCentre() const {
    const float half = thumbWidth() * 0.5f;
    return half + static_cast<float>(range.fraction()) * (width - 2 * half);
}

double Slider::valueAt(float localX) const {
    const float half = thumbWidth() * 0.5f, travel = width - 2 * half;
    return range.valueAtFraction(travel > 0 ? (double(localX) - half) / travel : 0.0);
}

void Slider::draw() {
    drawDescribed(&Slider::describe);
}

bool Slider::record(DrawRecorder& out) {
    return recordDescribed<Slider>(out, &Slider::describe, false);
}

void Slider::describe(DrawRecorder& out) {
    const float p = pixelSize, w = width, h = height;
    const float thumb = thumbWidth();
    const float thumbLeft = snapToPixel(thumbCentre() - thumb * 0.5f);
    const float centre = thumbLeft + snapToPixel(thumb * 0.5f);
    const float trackHeight = std::max(snapToPixel(h * 0.25f), 2 * p);
    const float trackTop = snapToPixel((h - trackHeight) * 0.5f);
    RecordedVertex quads[12];
    rectVertices(0, trackTop, centre, trackTop + trackHeight, fillColor, quads);
    rectVertices(centre, trackTop, w, trackTop + trackHeight, trackColor, quads + 4);
    rectVertices(thumbLeft, 0, thumbLeft + thumb, h, thumbColor, quads + 8);
    out.quads(quads, 12, false);
    // Raised like a button: light along the top and left, dark along the bottom and right, on
    // the pixel centres inside the thumb.
    const Color light = scaleColor(thumbColor, 1.4f), dark = scaleColor(thumbColor, 0.6f);
    const float half = p * 0.5f, right = thumbLeft + thumb;
    RecordedVertex bevel[8];
    lineVertices(thumbLeft, half, right, half, light, bevel);
    lineVertices(thumbLeft + half, 0, thumbLeft + half, h, light, bevel + 2);
    lineVertices(thumbLeft + p, h - half, right, h - half, dark, bevel + 4);
    lineVertices(right - half, p, right - half, h, dark, bevel + 6);
    out.lines(bevel, 8);
    if (hasKeyboardFocus(this))
        recordFocusFrame(out, w, h, focusColor);
}

void Slider::onMouseDown(int button) {
    if (button == 0) {
        float originX = 0, originY = 0;
        elementScreenPosition(this, originX, originY);
        const float at = pointerX - originX, centre = thumbCentre();
        // On the thumb it keeps its hold; on the track the thumb jumps to the pointer first.
        if (std::abs(at - centre) <= thumbWidth() * 0.5f) {
            grabOffset = at - centre;
        } else {
            grabOffset = 0;
            setValue(valueAt(at));
        }
    }
    GuiElement::onMouseDown(button);
}

void Slider::onMouseDrag(float localX, float) {
    setValue(valueAt(localX - grabOffset));
}

bool Slider::onKeyDown(int key) {
    switch (key) {
    case kKeyLeft:
    case kKeyDown:
        setValue(range.stepsAway(-1));
        return true;
    case kKeyRight:
    case kKeyUp:
        setValue(range.stepsAway(1));
        return true;
    case kKeyHome:
        setValue(range.minimum);
        return true;
    case kKeyEnd:
        setValue(range.maximum);
        return true;
    default:
        return false;
    }
}

bool Slider::onScroll(float dx, float dy) {
    const float notches = dy != 0 ? dy : dx;
    setValue(range.stepsAway(notches));
    return true;
}

bool Slider::isFocusable() const {
    return true;
}

}  // namespace trellis
