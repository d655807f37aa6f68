// Spinboxes: steps by arrows, keys and wheel, and typed values checked against the range.
#include "trellis/gui/Spinbox.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <typeinfo>

namespace trellis {

Spinbox::Spinbox(const char* name, GuiElement* parent, float x, float y, float width, float height)
    : TextField(name, parent, x, y, width, height) {
    skinClass = "spinbox";
    Spinbox::applySkin(skinStore);
    range.maximum = 100;
    range.step = 1;
    setText(numberText(range.value));
}

void Spinbox::applySkin(SkinStore& store) {
    TextField::applySkin(store);
    // Marked in the text's colour unless the skin says otherwise, so that they show on any face.
    arrowColor = fontColor;
    applySkinColor(skinSectionsOf(store, *this), "arrowColor", arrowColor);
}

void Spinbox::loadAttributes(const AttributeSource& element) {
    TextField::loadAttributes(element);
    // The field's onChange hears every keystroke; the spinbox's hears changes of value.
    valueCallback = changeCallback;
    changeCallback = Callback();
    readRangeAttributes(element, range, true);
    setText(numberText(range.value));
}

float Spinbox::arrowWidth() const {
    return std::min(width, snapToPixel(height * 0.8f));
}

float Spinbox::reservedRight() const {
    // The text stops where the arrows' face begins.
    return std::max(arrowWidth() - pixelSize, 0.0f);
}

bool Spinbox::setValue(double v) {
    const double next = v == v ? range.constrain(v) : range.value;
    const bool changed = next != range.value;
    range.value = next;
    setText(numberText(next));
    if (changed)
        valueCallback.fire(this);
    return changed;
}

bool Spinbox::takeTypedValue() {
    const char* typed = text.c_str();
    char* end = nullptr;
    const double v = std::strtod(typed, &end);
    // Only a whole finite number counts; anything else shows the value it had.
    const bool number = end != typed && *end == '\0' && std::isfinite(v);
    return setValue(number ? v : range.value);
}

void Spinbox::stepBy(double steps) {
    takeTypedValue();
    setValue(range.stepsAway(steps));
}

void Spinbox::onMouseDown(int button) {
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    if (button == 0 && pointerX - originX >= width - arrowWidth()) {
        stepBy(pointerY - originY < height * 0.5f ? 1 : -1);
        GuiElement::onMouseDown(button);
        return;
    }
    TextField::onMouseDown(button);
}

bool Spinbox::onKeyDown(int key) {
    switch (key) {
    case kKeyUp:
        stepBy(1);
        return true;
    case kKeyDown:
        stepBy(-1);
        return true;
    case kKeyEnter:
        takeTypedValue();
        return TextField::onKeyDown(key);
    case kKeyTab:
        takeTypedValue();
        return false;
    default:
        return TextField::onKeyDown(key);
    }
}

bool Spinbox::onChar(unsigned int codepoint) {
    // Other characters are taken and dropped: they cannot be part of a number.
    if (codepoint < 128 && std::strchr("0123456789+-.eE", int(codepoint)))
        return TextField::onChar(codepoint);
    return true;
}

bool Spinbox::onScroll(float dx, float dy) {
    stepBy(dy != 0 ? dy : dx);
    return true;
}

void Spinbox::draw() {
    ImmediateRecorder now;
    describe(now);
    describeArrows(now);
}

bool Spinbox::record(DrawRecorder& out) {
    if (typeid(*this) != typeid(Spinbox))
        return false;
    describe(out);
    describeArrows(out);
    return true;
}

void Spinbox::describeArrows(DrawRecorder& out) {
    const float p = pixelSize, aw = arrowWidth(), left = width - aw,
                middle = snapToPixel(height / 2);
    const Color face = scaleColor(bgColor, 0.88f);
    RecordedVertex quads[16];
    rectVertices(left, p, width - p, height - p, face, quads);
    rectVertices(left, middle, width - p, middle + p, frameColor, quads + 4);
    // Two triangles, each a quad with its last corner doubled.
    const float cx = left + aw * 0.5f, r = std::max(aw * 0.22f, p);
    const float upY = middle * 0.5f, downY = middle + (height - middle) * 0.5f;
    const RecordedVertex marks[8] = {
        {cx, upY - r * 0.6f, 0, 0, arrowColor},       {cx - r, upY + r * 0.6f, 0, 0, arrowColor},
        {cx + r, upY + r * 0.6f, 0, 0, arrowColor},   {cx + r, upY + r * 0.6f, 0, 0, arrowColor},
        {cx - r, downY - r * 0.6f, 0, 0, arrowColor}, {cx, downY + r * 0.6f, 0, 0, arrowColor},
        {cx + r, downY - r * 0.6f, 0, 0, arrowColor}, {cx + r, downY - r * 0.6f, 0, 0, arrowColor}};
    std::copy(marks, marks + 8, quads + 8);
    out.quads(quads, 16, false);
}

}  // namespace trellis
