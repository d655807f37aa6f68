// GuiRoot: the root of the element tree, an element that draws nothing.
#pragma once

#include "trellis/gui/GuiElement.h"

namespace trellis {

// The one root element, named "GuiRoot"; everything in the interface hangs below it.
class GuiRoot : public GuiElement {
public:
    GuiRoot();               // "GuiRoot", no parent, 10 x 2 units at the origin
    ~GuiRoot() override;     // the tree goes with it; rootElement becomes null if it was this
    void draw() override {}  // the root has no look of its own
    bool record(DrawRecorder& out) override;  // nothing to describe, whatever the subclass
};

extern GuiElement* rootElement;  // the current interface's root, null until start-up makes it

}  // namespace trellis
