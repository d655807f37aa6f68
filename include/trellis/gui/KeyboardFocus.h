// Keyboard focus among focusable elements: Tab order, and the frame that shows the focus.
#pragma once

#include "trellis/style/Color.h"

#include <vector>

namespace trellis {

class DrawRecorder;
class GuiElement;

// The focus frame's colour when no skin gives "focusColor": amber.
constexpr Color kDefaultFocusColor{{255, 191, 0, 255}};

// The focusable elements under root (root included) in document order: parents before their
// children, older siblings before newer ones, invisible elements and their subtrees left out.
std::vector<GuiElement*> focusableElements(GuiElement* root);

// Moves focusElement to the next focusable element under the root after it (forward) or
// before it, wrapping around at either end; from an element that is not in the Tab order,
// forward goes to the first and backward to the last. False, with the focus unchanged, when
// there is no focusable element.
bool moveKeyboardFocus(bool forward);

// Whether element is the focus element and takes the focus: it then shows the focus frame.
bool hasKeyboardFocus(const GuiElement* element);

// Describes the focus frame of an element width x height (element-local coordinates): an
// untextured ring one pixel wide around the element's rectangle, one pixel away from it.
void recordFocusFrame(DrawRecorder& out, float width, float height, const Color& color);

// Draws that frame at once.
void drawFocusFrame(float width, float height, const Color& color);

}  // namespace trellis
