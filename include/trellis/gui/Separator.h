// Separator: a grooved line across its rectangle, horizontal or vertical by its shape.
#pragma once

#include "trellis/gui/GuiElement.h"

namespace trellis {

// A two-pixel groove (a dark line over a light one) through the middle of the element, along its
// longer side; bgColor is not drawn. Skinned as "separator" (lineColor, the dark line).
class Separator : public GuiElement {
public:
    // A separator w x h; the default shape, given by the loader, is a horizontal one.
    Separator(const char* name, GuiElement* parent, float x, float y, float width, float height);

    void draw() override;                             // the groove
    bool record(DrawRecorder& out) override;          // the same, for a plain Separator
    void applySkin(SkinStore& store) override;        // adds lineColor
    bool vertical() const { return height > width; }  // runs up and down

    Color lineColor{{128, 128, 128, 255}};  // the dark line; the light one is lighter

private:
    void describe(DrawRecorder& out);
};

}  // namespace trellis
