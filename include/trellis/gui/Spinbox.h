// Spinbox: a numeric text field with up and down arrows, keeping its value within a range.
#pragma once

#include "trellis/gui/SliderRange.h"
#include "trellis/gui/TextField.h"

namespace trellis {

// A text field holding a number between min and max on steps of step (1 unless given), with two
// arrow buttons at its right end. The arrows, Up and Down, and the wheel move it a step; a typed
// value is taken on Enter, Tab, an arrow or the wheel: a number is clamped to the range and
// rounded to the step, anything else puts the last value back. Skinned as "spinbox" (a text
// field's colours, and arrowColor). valueCallback ("onChange") fires at each change of value.
class Spinbox : public TextField {
public:
    // From 0 to 100 in steps of 1, at 0.
    Spinbox(const char* name, GuiElement* parent, float x, float y, float width, float height);

    void draw() override;                     // the field, then the arrows
    bool record(DrawRecorder& out) override;  // the same, for a plain Spinbox
    // Adds min, max, step and value (made sane and reported as a slider's are) and onChange.
    void loadAttributes(const AttributeSource& element) override;
    void applySkin(SkinStore& store) override;     // adds arrowColor
    void onMouseDown(int button) override;         // left on an arrow: a step; else the field's
    bool onKeyDown(int key) override;              // Up, Down: a step; Enter, Tab: takes the text
    bool onChar(unsigned int codepoint) override;  // digits, sign, point and exponent only
    bool onScroll(float dx, float dy) override;    // a step per notch

    // Moves to v clamped and rounded to the step, showing it; fires valueCallback if it
    // changed. NaN puts the current value back. True when the value changed.
    bool setValue(double v);
    double value() const { return range.value; }  // the current value
    // Takes the typed text as the value (see the class comment); true when it changed.
    bool takeTypedValue();
    float arrowWidth() const;  // the width of the arrow buttons' column

    SliderRange range;       // bounds, step, value; always sane
    Color arrowColor;        // the arrow marks; the font colour unless the skin gives one
    Callback valueCallback;  // fired at every change of value

protected:
    float reservedRight() const override;  // the arrows' column, left of the frame

private:
    void describeArrows(DrawRecorder& out);
    void stepBy(double steps);  // takes the typed text, then moves that many steps
};

}  // namespace trellis
