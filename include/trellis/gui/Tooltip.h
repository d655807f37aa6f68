// Tooltip: the small text box shown near the pointer after it rests on an element with a tooltip.
#pragma once

#include "trellis/gui/TextElement.h"

namespace trellis {

// How long the pointer rests on an element before its tooltip shows, in seconds.
constexpr double kTooltipDelay = 0.6;

// A framed text over everything else: the root's newest child, never hit by the pointer.
// Skinned as "tooltip" (bgColor, fontColor, borderColor).
class Tooltip : public TextElement {
public:
    // Under the root, showing text, sized to it.
    explicit Tooltip(const char* text);
    ~Tooltip() override;  // no longer the tooltip shown

    void draw() override;                                        // quad, text, one-pixel frame
    bool record(DrawRecorder& out) override;                     // the same, for a plain Tooltip
    void applySkin(SkinStore& store) override;                   // adds borderColor
    bool containsPoint(float, float) override { return false; }  // the pointer passes through

    Color borderColor{{80, 80, 80, 255}};  // the frame

private:
    void describe(DrawRecorder& out);
};

// Moves the tooltip clock to now (seconds from any fixed origin; the shell passes its frame
// time): shows the tooltip of the hovered element (or its nearest ancestor that has one) once
// the pointer has rested on it for kTooltipDelay, kept wholly inside the layout area; hides it
// when the pointer moves to another element or a button is held.
void updateTooltip(double now);

// The tooltip on screen, or null.
Tooltip* shownTooltip();

}  // namespace trellis
