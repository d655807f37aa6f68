// LinearContainer: a container that sets its children one after another along one axis, the
// base of Row and Column.
#pragma once

#include "trellis/layout/Container.h"

namespace trellis {

// Children one after another, spacing apart, inside the padding. Along the axis each child
// takes its width (or height) in units, its content's size when "auto", a percentage of the
// room inside the padding, or, when "fill", an equal share of what the others leave; across it,
// the same, except that "fill" and a stretching align take the whole room.
class LinearContainer : public Container {
public:
    // horizontal: a row; otherwise a column.
    LinearContainer(const char* name, GuiElement* parent, const char* skinClass, bool horizontal);

    void arrange() override;                                   // places the visible children
    void measure(float& width, float& height) const override;  // their sizes, spacing, padding

    const bool horizontal;  // along x (a row) or along y (a column)
};

}  // namespace trellis
