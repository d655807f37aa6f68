// Container: an element that places its children itself, inside its padding, with spacing
// between them; the base of Row, Column and Grid.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <vector>

namespace trellis {

// Where children sit across a container's axis (in a grid: within their cells).
enum class ContainerAlign {
    Start,    // left or top
    Center,   // centred
    End,      // right or bottom
    Stretch,  // as wide (or high) as the room, unless given in percent
};

// A container of laid-out children. It draws its quad only when its own name's or skin class's
// style section gives it a bgColor that is not transparent: by default it shows nothing.
class Container : public GuiElement {
public:
    // At the origin, sized to its content ("auto") until told otherwise, skinned as skinClass.
    Container(const char* name, GuiElement* parent, const char* skinClass);

    void draw() override;                       // the quad, when it has a colour to show
    bool record(DrawRecorder& out) override;    // the same, for a batching renderer
    void applySkin(SkinStore& store) override;  // bgColor (own sections), padding, spacing
    void loadAttributes(const AttributeSource& element) override;  // adds padding, spacing, align

    // Sizes and places the visible children inside the padding, as the container's kind says;
    // the layout calls it once the container's own rectangle is settled.
    virtual void arrange() = 0;
    // The room the visible children ask for, padding and spacing included.
    virtual void measure(float& width, float& height) const = 0;

    float padding = 0;                             // units kept free inside each edge
    float spacing = 0;                             // units between neighbouring children
    ContainerAlign align = ContainerAlign::Start;  // placement across the axis

protected:
    std::vector<GuiElement*> shownChildren() const;  // the visible children, oldest first
    // Places child at (x, y) with size (w, h) if that changes its rectangle.
    static void place(GuiElement& child, float x, float y, float w, float h);
    // Where a child of size extent sits in room starting at start, as align says; stretched
    // children fill the room.
    float alignedStart(float start, float room, float extent) const;
};

}  // namespace trellis
