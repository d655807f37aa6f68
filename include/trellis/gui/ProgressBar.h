// ProgressBar: a bar filled from the left as far as its value lies between min and max.
#pragma once

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/SliderRange.h"

namespace trellis {

// A read-only bar: bgColor behind, fillColor over the done part, a one-pixel frame in
// frameColor; skinned as "progress". Takes no keyboard focus.
class ProgressBar : public GuiElement {
public:
    // From 0 to 1 at 0.
    ProgressBar(const char* name, GuiElement* parent, float x, float y, float width, float height);

    void draw() override;                     // background, fill, frame
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain ProgressBar
    // Adds min, max and value, made sane and reported as a slider's are.
    void loadAttributes(const AttributeSource& element) override;
    void applySkin(SkinStore& store) override;  // adds fillColor and frameColor

    void setValue(double v);  // v clamped to the range; NaN ignored
    float fillWidth() const;  // how wide the fill is drawn, whole pixels

    SliderRange range;                       // bounds and value, always sane (no step)
    Color fillColor{{70, 160, 90, 255}};     // the done part
    Color frameColor{{110, 110, 110, 255}};  // the frame

private:
    void describe(DrawRecorder& out);
};

}  // namespace trellis
