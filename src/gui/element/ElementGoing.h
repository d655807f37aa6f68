// ElementGoing: what keeps pointers to elements outside the tree (the input routing's hover,
// focus and presses; the open menus' holders) hears of each element as it is destroyed.
#pragma once

namespace trellis {

class GuiElement;

// Drops what its owner keeps of element, which is being destroyed.
using ElementGoingHandler = void (*)(GuiElement* element);

// Adds handler to those every element's destructor calls. A part of the library that keeps
// element pointers adds its own as the program starts.
void hearElementsGoing(ElementGoingHandler handler);

// Calls every handler with element: GuiElement's destructor does, before it leaves its parent.
void tellElementGoing(GuiElement* element);

}  // namespace trellis
