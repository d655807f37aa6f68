// Slider: a horizontal track with a thumb that picks a value between min and max.
#pragma once

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/SliderRange.h"

namespace trellis {

// A value in [min, max], optionally in steps from min, shown as a thumb on a track; moved by
// dragging the thumb, clicking the track, the arrow keys while focused and the wheel over it.
// Skinned as "slider": trackColor, fillColor (the track left of the thumb), thumbColor and
// focusColor; bgColor is not drawn.
class Slider : public GuiElement {
public:
    // A slider from 0 to 1 at 0, continuous, skinned as "slider".
    Slider(const char* name, GuiElement* parent, float x, float y, float width, float height);

    void draw() override;                     // track, filled part, bevelled thumb, focus frame
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain Slider
    // Adds min, max, value, step and onChange; values that make no sense are reported and
    // replaced as sanitizeSliderRange says.
    void loadAttributes(const AttributeSource& element) override;
    void
    applySkin(SkinStore& store) override;   // adds trackColor, fillColor, thumbColor, focusColor
    void onMouseDown(int button) override;  // left: grabs the thumb, or jumps to the pointer
    void onMouseDrag(float x, float y) override;  // moves the grabbed thumb
    bool onKeyDown(int key) override;  // Left/Down, Right/Up: one key step (stepsAway); Home, End
    bool onScroll(float dx, float dy) override;  // one key step per notch (stepsAway)
    bool isFocusable() const override;           // true

    // Takes minimum, maximum and step from settings (made sane as sanitizeSliderRange does)
    // and brings the value into them, firing changeCallback if it changed.
    void setRange(double minimum, double maximum, double step = 0);
    // Moves to v, clamped to the range and rounded to the step; fires changeCallback only
    // when the value changes. A NaN is ignored. True when the value changed.
    bool setValue(double v);
    double value() const { return range.value; }  // the current value
    float thumbWidth() const;                     // the thumb's width, local units
    float thumbCentre() const;                    // local x of the thumb's centre
    double valueAt(float x) const;                // the value whose thumb centre is at local x

    SliderRange range;                       // bounds, step and value; always sane
    Color trackColor{{90, 90, 90, 255}};     // the track
    Color fillColor{{70, 130, 200, 255}};    // the track left of the thumb
    Color thumbColor{{220, 220, 220, 255}};  // the thumb, bevelled like a button
    Color focusColor;                        // the focus frame
    Callback changeCallback;                 // fired at every change of value

private:
    void describe(DrawRecorder& out);  // the look, for draw and record alike
    float grabOffset = 0;              // pointer x less the thumb centre when the thumb was grabbed
};

}  // namespace trellis
