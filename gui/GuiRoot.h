// GuiRoot: the root of the element tree, an element that draws nothing.
#pragma once

#include "gui/GuiElement.h"

// The one root element, named "GuiRoot"; everything in the interface hangs below it.
class GuiRoot : public GuiElement {
public:
    GuiRoot();               // "GuiRoot", no parent, 10 x 2 units at the origin
    void draw() override {}  // the root has no look of its own
};
