// The layout pass: lengths in percent, auto and fill worked out into elements' rectangles, and
// containers' children placed, for a subtree or the whole interface.
#pragma once

namespace trellis {

class GuiElement;

// The size element's content asks for: a container's children with its padding and spacing, a
// text element's text with the skin's "padding" around it (a quarter of the font size without
// one), another element's children's extent, or, with no children, its size as it stands.
void contentSize(const GuiElement& element, float& width, float& height);

// What child adds to the room its parent's content needs, along each axis: its size as it stands
// when given in units, its content's when auto (measured once for both), nothing when it takes
// a share of the parent's.
void sizeContributions(const GuiElement& child, float& width, float& height);

// Works element's subtree out again: element's own lengths against its parent's inner size (the
// layout area for a top-level element), unless a container places it, then its descendants',
// parents first. Elements whose lengths are all units keep their rectangles untouched.
void layOut(GuiElement* element);

// layOut for every element under the root.
void layOutInterface();

}  // namespace trellis
